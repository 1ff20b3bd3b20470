#include "launcher/core/testing/memory_xml_dom.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

class MemoryNode : public XmlDomNode {
  public:
    explicit MemoryNode(std::shared_ptr<MemoryXmlNode> node) : node_(std::move(node)) {}

    XmlNodeType NodeType() const override { return node_->type; }
    std::wstring NodeName() const override { return node_->name; }

    std::wstring Text() const override {
        std::wstring text;
        AppendText(*node_, text);
        return text;
    }

    std::vector<std::unique_ptr<XmlDomNode>> ChildNodes() const override {
        std::vector<std::unique_ptr<XmlDomNode>> nodes;
        for (const auto& child : node_->children)
            nodes.push_back(std::make_unique<MemoryNode>(child));
        return nodes;
    }

  private:
    // Text nodes of the whole subtree in document order; comments give no text.
    static void AppendText(const MemoryXmlNode& node, std::wstring& text) {
        if (node.type == XmlNodeType::Text)
            text += node.value;
        for (const auto& child : node.children)
            AppendText(*child, text);
    }

    std::shared_ptr<MemoryXmlNode> node_;
};

std::optional<std::string> ReadFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

bool MemoryXmlDocument::Load(const std::wstring& path) {
    root_.reset();
    const std::optional<std::string> content = ReadFile(path);
    if (!content)
        return false;
    root_ = ParseTestXml(*content);
    return root_ != nullptr;
}

std::unique_ptr<XmlDomNode> MemoryXmlDocument::DocumentElement() const {
    if (!root_)
        return nullptr;
    return std::make_unique<MemoryNode>(root_);
}
