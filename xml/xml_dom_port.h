// The XML DOM through which both programs read their XML files: a document that loads a file
// synchronously with white space kept, and nodes that give their type, name, text and child
// nodes. It mirrors the system's COM DOM (IXMLDOMDocument, IXMLDOMNode) and holds no logic; the
// Windows build implements it with MSXML (xml/win/), the host build with libxml2.
#pragma once

#include <memory>
#include <string>
#include <vector>

enum class XmlNodeType {
    Element,
    Text,  // text and CDATA sections
    Other, // comments, processing instructions and everything else
};

class XmlDomNode {
  public:
    virtual ~XmlDomNode() = default;

    // get_nodeType, reduced to what the reader tells apart.
    virtual XmlNodeType NodeType() const = 0;
    // get_nodeName: the element's tag name, "#text", "#comment" and so on.
    virtual std::wstring NodeName() const = 0;
    // get_text: the text of the node and all its descendants, white space as loaded.
    virtual std::wstring Text() const = 0;
    // get_childNodes: every child node in document order; a child that cannot be fetched is
    // left out.
    virtual std::vector<std::unique_ptr<XmlDomNode>> ChildNodes() const = 0;
};

class XmlDomDocument {
  public:
    virtual ~XmlDomDocument() = default;

    // Creates the document, turns asynchronous loading off and white-space preservation on, and
    // loads the file at `path`. False when any of these fails (no parser, no file, bad XML).
    virtual bool Load(const std::wstring& path) = 0;
    // get_documentElement of the loaded document; null when there is none.
    virtual std::unique_ptr<XmlDomNode> DocumentElement() const = 0;
};
