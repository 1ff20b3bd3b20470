#include "xml/win/xml_dom_msxml_win.h"

#include "xml/win/bstr_win.h"

#include <objbase.h>

namespace {

// MinGW's libuuid has neither id, so they are defined here: the DOM document class
// (version-independent "Msxml2.DOMDocument") and its IXMLDOMDocument interface.
constexpr CLSID kClsidDomDocument = {
    0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
constexpr IID kIidXmlDomDocument = {
    0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

// In-process server and handler, local and remote server.
constexpr DWORD kClassContext =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

class MsxmlNode : public XmlDomNode {
  public:
    explicit MsxmlNode(ComPtr<IXMLDOMNode> node) : node_(std::move(node)) {}

    XmlNodeType NodeType() const override {
        DOMNodeType type = NODE_INVALID;
        if (node_->get_nodeType(&type) != S_OK)
            return XmlNodeType::Other;
        switch (type) {
        case NODE_ELEMENT:
            return XmlNodeType::Element;
        case NODE_TEXT:
        case NODE_CDATA_SECTION:
            return XmlNodeType::Text;
        default:
            return XmlNodeType::Other;
        }
    }

    std::wstring NodeName() const override {
        Bstr name;
        if (FAILED(node_->get_nodeName(name.Out())))
            return {};
        return name.ToString();
    }

    std::wstring Text() const override {
        Bstr text;
        if (FAILED(node_->get_text(text.Out())))
            return {};
        return text.ToString();
    }

    std::vector<std::unique_ptr<XmlDomNode>> ChildNodes() const override {
        std::vector<std::unique_ptr<XmlDomNode>> nodes;
        ComPtr<IXMLDOMNodeList> list;
        long length = 0;
        if (FAILED(node_->get_childNodes(list.Out())) || !list || FAILED(list->get_length(&length)))
            return nodes;
        for (long i = 0; i < length; ++i) {
            ComPtr<IXMLDOMNode> child;
            // S_FALSE means no node at that index.
            if (list->get_item(i, child.Out()) == S_OK && child)
                nodes.push_back(std::make_unique<MsxmlNode>(std::move(child)));
        }
        return nodes;
    }

  private:
    ComPtr<IXMLDOMNode> node_;
};

} // namespace

ComInitialization::ComInitialization() : initialized_(SUCCEEDED(::CoInitialize(nullptr))) {}

ComInitialization::~ComInitialization() {
    if (initialized_)
        ::CoUninitialize();
}

ComPtr<IXMLDOMDocument> CreateDomDocument() {
    ComPtr<IXMLDOMDocument> document;
    if (FAILED(::CoCreateInstance(kClsidDomDocument, nullptr, kClassContext, kIidXmlDomDocument,
                                  reinterpret_cast<void**>(document.Out()))))
        return {};
    return document;
}

bool PrepareForLoad(IXMLDOMDocument& document) {
    return SUCCEEDED(document.put_async(VARIANT_FALSE)) &&
           SUCCEEDED(document.put_preserveWhiteSpace(VARIANT_TRUE)) &&
           SUCCEEDED(document.put_resolveExternals(VARIANT_FALSE)) &&
           SUCCEEDED(document.put_validateOnParse(VARIANT_FALSE));
}

bool MsxmlDocument::Load(const std::wstring& path) {
    document_.Reset();
    ComPtr<IXMLDOMDocument> document = CreateDomDocument();
    if (!document || !PrepareForLoad(*document.Get()))
        return false;
    const Bstr file(path);
    if (!file.Get())
        return false;
    // The variant only borrows the string; `file` frees it.
    VARIANT source;
    ::VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = file.Get();
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (FAILED(document->load(source, &loaded)) || loaded != VARIANT_TRUE)
        return false;
    document_ = std::move(document);
    return true;
}

std::unique_ptr<XmlDomNode> MsxmlDocument::DocumentElement() const {
    if (!document_)
        return nullptr;
    ComPtr<IXMLDOMElement> element;
    if (document_->get_documentElement(element.Out()) != S_OK || !element)
        return nullptr;
    // IXMLDOMElement derives from IXMLDOMNode: the reference moves over as it is.
    ComPtr<IXMLDOMNode> node;
    node.Attach(element.Detach());
    return std::make_unique<MsxmlNode>(std::move(node));
}
