// The small XML reader behind MemoryXmlDocument.
#include "launcher/core/testing/memory_xml_dom.h"

#include <cstdint>
#include <optional>

namespace {

// Appends code point `cp` as wchar_t: one unit where wchar_t holds 32 bits, a surrogate pair
// above the basic plane where it holds 16 (Windows).
void AppendCodePoint(char32_t cp, std::wstring& out) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (cp >> 10));
            out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(cp);
}

bool IsValidCodePoint(char32_t cp) {
    return cp != 0 && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

std::optional<std::wstring> DecodeUtf8(std::string_view in) {
    std::wstring out;
    std::size_t i = in.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (i < in.size()) {
        const auto lead = static_cast<std::uint8_t>(in[i]);
        std::size_t extra = 0;
        char32_t cp = lead;
        if (lead >= 0xF8 || (lead >= 0x80 && lead < 0xC2))
            return std::nullopt;
        if (lead >= 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else if (lead >= 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if (lead >= 0xC2) {
            extra = 1;
            cp = lead & 0x1F;
        }
        if (in.size() - i <= extra)
            return std::nullopt;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<std::uint8_t>(in[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!IsValidCodePoint(cp))
            return std::nullopt;
        AppendCodePoint(cp, out);
        i += 1 + extra;
    }
    return out;
}

bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

bool IsNameChar(wchar_t c) {
    return !IsSpace(c) && c != L'<' && c != L'>' && c != L'/' && c != L'=' && c != L'"' &&
           c != L'\'' && c != L'&' && c != L'?' && c != L'!';
}

class Parser {
  public:
    explicit Parser(std::wstring text) : text_(std::move(text)) {}

    std::shared_ptr<MemoryXmlNode> Document() {
        if (!SkipMisc())
            return nullptr;
        auto root = Element();
        if (!root || !SkipMisc() || pos_ != text_.size())
            return nullptr;
        return root;
    }

  private:
    bool StartsWith(std::wstring_view s) const { return text_.compare(pos_, s.size(), s) == 0; }

    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_]))
            ++pos_;
    }

    // Moves past the next `end`; false when the text ends first.
    bool SkipPast(std::wstring_view end, std::wstring* skipped = nullptr) {
        const std::size_t found = text_.find(end, pos_);
        if (found == std::wstring::npos)
            return false;
        if (skipped)
            *skipped = text_.substr(pos_, found - pos_);
        pos_ = found + end.size();
        return true;
    }

    // White space, comments and processing instructions (the declaration among them) around
    // the root element.
    bool SkipMisc() {
        for (;;) {
            SkipSpace();
            if (StartsWith(L"<?")) {
                if (!SkipPast(L"?>"))
                    return false;
            } else if (StartsWith(L"<!--")) {
                if (!SkipPast(L"-->"))
                    return false;
            } else {
                return true;
            }
        }
    }

    std::optional<std::wstring> Name() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsNameChar(text_[pos_]))
            ++pos_;
        if (pos_ == start)
            return std::nullopt;
        return text_.substr(start, pos_ - start);
    }

    // Attributes are checked for form and dropped: the DOM port does not offer them.
    bool Attributes() {
        for (;;) {
            const std::size_t before = pos_;
            SkipSpace();
            if (pos_ >= text_.size())
                return false;
            if (text_[pos_] == L'>' || text_[pos_] == L'/')
                return true;
            if (pos_ == before || !Name())
                return false;
            SkipSpace();
            if (pos_ >= text_.size() || text_[pos_] != L'=')
                return false;
            ++pos_;
            SkipSpace();
            if (pos_ >= text_.size() || (text_[pos_] != L'"' && text_[pos_] != L'\''))
                return false;
            const wchar_t quote[2] = {text_[pos_++], 0};
            if (!SkipPast(quote))
                return false;
        }
    }

    std::shared_ptr<MemoryXmlNode> Element() {
        if (!StartsWith(L"<"))
            return nullptr;
        ++pos_;
        auto element = std::make_shared<MemoryXmlNode>();
        const std::optional<std::wstring> name = Name();
        if (!name || !Attributes())
            return nullptr;
        element->name = *name;
        if (StartsWith(L"/>")) {
            pos_ += 2;
            return element;
        }
        if (!StartsWith(L">"))
            return nullptr;
        ++pos_;
        if (!Content(*element))
            return nullptr;
        // Content stops at "</".
        pos_ += 2;
        const std::optional<std::wstring> end = Name();
        SkipSpace();
        if (!end || *end != element->name || !StartsWith(L">"))
            return nullptr;
        ++pos_;
        return element;
    }

    // Children up to the element's end tag, which is left for the caller.
    bool Content(MemoryXmlNode& element) {
        std::wstring text;
        for (;;) {
            if (pos_ >= text_.size())
                return false;
            if (text_[pos_] != L'<') {
                if (!Character(text))
                    return false;
                continue;
            }
            FlushText(element, text);
            if (StartsWith(L"</"))
                return true;
            if (StartsWith(L"<!--")) {
                auto comment = std::make_shared<MemoryXmlNode>();
                comment->type = XmlNodeType::Other;
                comment->name = L"#comment";
                pos_ += 4;
                if (!SkipPast(L"-->", &comment->value))
                    return false;
                element.children.push_back(std::move(comment));
            } else if (StartsWith(L"<?")) {
                if (!SkipPast(L"?>"))
                    return false;
            } else {
                auto child = Element();
                if (!child)
                    return false;
                element.children.push_back(std::move(child));
            }
        }
    }

    static void FlushText(MemoryXmlNode& element, std::wstring& text) {
        if (text.empty())
            return;
        auto node = std::make_shared<MemoryXmlNode>();
        node->type = XmlNodeType::Text;
        node->name = L"#text";
        node->value = std::move(text);
        text.clear();
        element.children.push_back(std::move(node));
    }

    // One character of character data, an entity reference decoded; a carriage return (alone
    // or before a line feed) becomes a line feed, as an XML parser normalises line ends.
    bool Character(std::wstring& text) {
        const wchar_t c = text_[pos_];
        if (c == L'&')
            return Reference(text);
        ++pos_;
        if (c == L'\r') {
            if (pos_ < text_.size() && text_[pos_] == L'\n')
                ++pos_;
            text += L'\n';
            return true;
        }
        text += c;
        return true;
    }

    bool Reference(std::wstring& text) {
        ++pos_;
        std::wstring name;
        if (!SkipPast(L";", &name) || name.empty())
            return false;
        static constexpr struct {
            std::wstring_view name;
            wchar_t character;
        } kEntities[] = {
            {L"amp", L'&'}, {L"lt", L'<'}, {L"gt", L'>'}, {L"quot", L'"'}, {L"apos", L'\''}};
        for (const auto& entity : kEntities) {
            if (name == entity.name) {
                text += entity.character;
                return true;
            }
        }
        if (name[0] != L'#')
            return false;
        const bool hex = name.size() > 1 && name[1] == L'x';
        const std::wstring digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 6)
            return false;
        char32_t cp = 0;
        for (const wchar_t d : digits) {
            int value = -1;
            if (d >= L'0' && d <= L'9')
                value = d - L'0';
            else if (hex && d >= L'a' && d <= L'f')
                value = d - L'a' + 10;
            else if (hex && d >= L'A' && d <= L'F')
                value = d - L'A' + 10;
            if (value < 0)
                return false;
            cp = cp * (hex ? 16 : 10) + static_cast<char32_t>(value);
        }
        if (!IsValidCodePoint(cp))
            return false;
        AppendCodePoint(cp, text);
        return true;
    }

    std::wstring text_;
    std::size_t pos_ = 0;
};

} // namespace

std::shared_ptr<MemoryXmlNode> ParseTestXml(std::string_view utf8) {
    std::optional<std::wstring> text = DecodeUtf8(utf8);
    if (!text)
        return nullptr;
    return Parser(std::move(*text)).Document();
}
