#include "utility/eyecare/def_filter_file.h"

#include "utility/eyecare/filter_rules.h"
#include "utility/settings/settings_keys.h"

#include <cstdint>

namespace {

// The stored number in `name` of `key`, as the signed 32-bit value it was written as.
bool ReadSigned(const CRegistry& registry, const char* name, const std::string& key, int& value) {
    std::uint32_t stored = 0;
    if (!registry.ReadDword(name, stored, key.c_str()))
        return false;
    value = static_cast<int>(static_cast<std::int32_t>(stored));
    return true;
}

} // namespace

std::unique_ptr<XmlDomDocument> CXMLHandler::CreateDocument() const {
    return m_factory ? m_factory() : nullptr;
}

XmlNodeList CXMLHandler::ElementsByTagName(const XmlDomNode& root, std::wstring_view name) {
    // Depth first, each match before the matches inside it: document order.
    XmlNodeList found;
    struct Walker {
        std::wstring_view name;
        std::vector<std::unique_ptr<XmlDomNode>>& out;
        void Walk(const XmlDomNode& node) {
            for (auto& child : node.ChildNodes()) {
                if (child->NodeType() != XmlNodeType::Element)
                    continue;
                const XmlDomNode& raw = *child;
                if (child->NodeName() == name) {
                    out.push_back(std::move(child));
                    Walk(*out.back());
                } else {
                    Walk(raw);
                }
            }
        }
    };
    Walker{name, found}.Walk(root);
    return found;
}

bool CXMLHandler::GetChildText(const XmlNodeList& list, std::size_t index,
                               std::wstring_view childName, std::wstring& text) {
    if (index >= list.size() || !list[index])
        return false;
    for (const auto& child : list[index]->ChildNodes()) {
        if (child->NodeType() == XmlNodeType::Element && child->NodeName() == childName) {
            text = child->Text();
            return true;
        }
    }
    return false;
}

std::vector<StdImageData> ReadDefaultFilters(const CXMLHandler& xml, const FilterTextCodec& codec,
                                             const std::string& dataFolder,
                                             const CRegistry& registry) {
    std::vector<StdImageData> images;
    // The document (and with it COM on Windows) is released on every path out.
    std::unique_ptr<XmlDomDocument> document = xml.CreateDocument();
    if (!document || !document->Load(codec.toWide(dataFolder + kDefFilterFileName)))
        return images;
    std::unique_ptr<XmlDomNode> root = document->DocumentElement();
    if (!root)
        return images;
    const XmlNodeList filters = CXMLHandler::ElementsByTagName(*root, L"DefaultFilter");
    for (std::size_t i = 0; i < filters.size(); ++i) {
        std::wstring text;
        if (!CXMLHandler::GetChildText(filters, i, L"FileName", text))
            continue;
        StdImageData image;
        image.fileName = codec.toNarrow(text);
        if (image.fileName.empty())
            continue; // no sub-key can be named by it, and no picture found by it
        text.clear();
        CXMLHandler::GetChildText(filters, i, L"WindowAlpha", text);
        image.defAlpha = ClampAlpha(LeadingNumber(text));
        text.clear();
        CXMLHandler::GetChildText(filters, i, L"Luminance", text);
        image.defLuminance = ClampLuminance(LeadingNumber(text));

        const std::string key = KeyPath(kVSFilterKey.data(), image.fileName);
        registry.WriteDword("DefAlpha", static_cast<std::uint32_t>(image.defAlpha), key.c_str());
        const std::int32_t luminance = image.defLuminance;
        registry.WriteBinary("DefLuminance", &luminance, sizeof luminance, key.c_str());
        images.push_back(std::move(image));
    }
    for (StdImageData& image : images) {
        const std::string key = KeyPath(kVSFilterKey.data(), image.fileName);
        image.modAlpha = image.defAlpha;
        image.modLuminance = image.defLuminance;
        if (ReadSigned(registry, "ModAlpha", key, image.modAlpha))
            image.modAlpha = ClampAlpha(image.modAlpha);
        if (ReadSigned(registry, "ModLuminance", key, image.modLuminance))
            image.modLuminance = ClampLuminance(image.modLuminance);
    }
    return images;
}
