// An in-memory XML DOM for tests of code written against the DOM port. The document is built
// by a small reader that knows just what test files use: UTF-8 text, elements, attributes
// (read and dropped), character data with the predefined and numeric entities, comments, and a
// declaration or processing instructions (skipped). Anything else, or a document that is not
// well formed, fails the load.
#pragma once

#include "launcher/core/xml_dom_port.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct MemoryXmlNode {
    XmlNodeType type = XmlNodeType::Element;
    // Tag name for elements, "#text" or "#comment" otherwise.
    std::wstring name;
    // Character data of text and comment nodes.
    std::wstring value;
    std::vector<std::shared_ptr<MemoryXmlNode>> children;
};

// Parses UTF-8 XML; null when it is not a well-formed document of the kind described above.
std::shared_ptr<MemoryXmlNode> ParseTestXml(std::string_view utf8);

class MemoryXmlDocument : public XmlDomDocument {
  public:
    bool Load(const std::wstring& path) override;
    std::unique_ptr<XmlDomNode> DocumentElement() const override;

  private:
    std::shared_ptr<MemoryXmlNode> root_;
};
