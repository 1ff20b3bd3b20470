// "DefFilter.xml", the list of default filter pictures the installation puts into the data
// folder, and CXMLHandler, the small DOM helper that reads it. Any number of "DefaultFilter"
// elements at any depth below the root, each with "FileName", "WindowAlpha" and "Luminance".
#pragma once

#include "utility/settings/registry.h"
#include "xml/xml_dom_port.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char kDefFilterFileName[] = "DefFilter.xml";

// One default picture: its file name inside the data folder, the values the file gives it, and
// the user's last values for it (the defaults until the user changed them).
struct tagSTDIMAGEDATA {
    std::string fileName;
    int defAlpha = 0;
    int defLuminance = 0;
    int modAlpha = 0;
    int modLuminance = 0;
};
using StdImageData = tagSTDIMAGEDATA;

using XmlNodeList = std::vector<std::unique_ptr<XmlDomNode>>;

class CXMLHandler {
  public:
    using DocumentFactory = std::function<std::unique_ptr<XmlDomDocument>()>;
    explicit CXMLHandler(DocumentFactory factory) : m_factory(std::move(factory)) {}

    // A new document (the Windows build's holds COM initialised while it lives); null when
    // there is no parser.
    std::unique_ptr<XmlDomDocument> CreateDocument() const;
    // Every element named `name` below `root` (not `root` itself), in document order.
    static XmlNodeList ElementsByTagName(const XmlDomNode& root, std::wstring_view name);
    // The text of the first child element named `childName` of `list[index]`; false when there
    // is no such node.
    static bool GetChildText(const XmlNodeList& list, std::size_t index,
                             std::wstring_view childName, std::wstring& text);

  private:
    DocumentFactory m_factory;
};

// Text conversion between the file's UTF-16 and the program's code page.
struct FilterTextCodec {
    std::function<std::wstring(std::string_view)> toWide;
    std::function<std::string(std::wstring_view)> toNarrow;
};

// Reads "DefFilter.xml" from `dataFolder` (which ends with "\"): the pictures that have a file
// name, in file order, with opacity and luminance held to their ranges. Each picture's values
// from the file are written as "DefAlpha"/"DefLuminance" into its sub-key of "VSFilter", and its
// modified values come from "ModAlpha"/"ModLuminance" there (the defaults when absent). A
// missing or unreadable file gives no pictures.
std::vector<StdImageData> ReadDefaultFilters(const CXMLHandler& xml, const FilterTextCodec& codec,
                                             const std::string& dataFolder,
                                             const CRegistry& registry);
