#include "xml/xml_dom_libxml2.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

// Blank text nodes are kept (no XML_PARSE_NOBLANKS). Entity references are not substituted
// through XML_PARSE_NOENT: with it libxml2 reads external entities from disk. Without it, and
// without XML_PARSE_DTDLOAD, neither an external subset nor an external entity is loaded, while
// the predefined and numeric references still become text. Errors are answered by the result,
// not printed.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

// libxml2 hands out valid UTF-8; a wchar_t of 16 bits takes code points above the basic plane
// as surrogate pairs.
std::wstring Widen(const xmlChar* utf8) {
    std::wstring out;
    if (!utf8)
        return out;
    for (const xmlChar* p = utf8; *p;) {
        const std::uint8_t lead = *p++;
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t cp = extra ? lead & (0x3F >> extra) : lead;
        for (int i = 0; i < extra && *p; ++i)
            cp = (cp << 6) | (*p++ & 0x3F);
        if (sizeof(wchar_t) == 2 && cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (cp >> 10));
            out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<wchar_t>(cp);
        }
    }
    return out;
}

class Libxml2Node : public XmlDomNode {
  public:
    Libxml2Node(std::shared_ptr<xmlDoc> document, xmlNode* node)
        : document_(std::move(document)), node_(node) {}

    XmlNodeType NodeType() const override {
        switch (node_->type) {
        case XML_ELEMENT_NODE:
            return XmlNodeType::Element;
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
            return XmlNodeType::Text;
        default:
            return XmlNodeType::Other;
        }
    }

    // The names MSXML gives: the qualified tag name, "#text", "#cdata-section", "#comment", a
    // processing instruction's target, an entity reference's entity.
    std::wstring NodeName() const override {
        switch (node_->type) {
        case XML_ELEMENT_NODE: {
            std::wstring name = Widen(node_->name);
            if (node_->ns && node_->ns->prefix)
                name = Widen(node_->ns->prefix) + L":" + name;
            return name;
        }
        case XML_TEXT_NODE:
            return L"#text";
        case XML_CDATA_SECTION_NODE:
            return L"#cdata-section";
        case XML_COMMENT_NODE:
            return L"#comment";
        default:
            return Widen(node_->name);
        }
    }

    // An element's content is the text and CDATA of its whole subtree; comments and processing
    // instructions inside it add nothing.
    std::wstring Text() const override {
        xmlChar* content = xmlNodeGetContent(node_);
        std::wstring text = Widen(content);
        xmlFree(content);
        return text;
    }

    std::vector<std::unique_ptr<XmlDomNode>> ChildNodes() const override {
        std::vector<std::unique_ptr<XmlDomNode>> nodes;
        // An entity reference's children are the entity's declaration, not document nodes.
        if (node_->type == XML_ENTITY_REF_NODE)
            return nodes;
        for (xmlNode* child = node_->children; child; child = child->next)
            nodes.push_back(std::make_unique<Libxml2Node>(document_, child));
        return nodes;
    }

  private:
    std::shared_ptr<xmlDoc> document_;
    xmlNode* node_;
};

std::optional<std::string> ReadFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

bool Libxml2Document::Load(const std::wstring& path) {
    document_.reset();
    const std::optional<std::string> content = ReadFile(path);
    if (!content || content->size() > INT_MAX)
        return false;
    const std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)> parser(xmlNewParserCtxt(),
                                                                              &xmlFreeParserCtxt);
    if (!parser)
        return false;
    // The file's own path as the base URL, as a parser reading it would have.
    const std::string url = std::filesystem::path(path).string();
    xmlDoc* document =
        xmlCtxtReadMemory(parser.get(), content->data(), static_cast<int>(content->size()),
                          url.c_str(), nullptr, kParseOptions);
    if (!document)
        return false;
    document_.reset(document, &xmlFreeDoc);
    return true;
}

std::unique_ptr<XmlDomNode> Libxml2Document::DocumentElement() const {
    if (!document_)
        return nullptr;
    xmlNode* root = xmlDocGetRootElement(document_.get());
    if (!root)
        return nullptr;
    return std::make_unique<Libxml2Node>(document_, root);
}
