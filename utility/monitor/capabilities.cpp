#include "utility/monitor/capabilities.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Trimmed, lower case, runs of spaces collapsed, and no space next to a bracket that would split
// a code from its value list.
bool Normalise(std::string_view raw, std::string& out) {
    if (raw.empty())
        return false;
    std::size_t begin = 0;
    std::size_t end = raw.size();
    while (begin < end && IsBlank(raw[begin]))
        ++begin;
    while (end > begin && IsBlank(raw[end - 1]))
        --end;
    out.clear();
    out.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(raw[i])));
        if (c == ' ' && !out.empty() && out.back() == ' ')
            continue; // a run of spaces becomes one
        if (c == ' ' && !out.empty() && out.back() == ')')
            continue; // ") " becomes ")"
        if (c == '(' && !out.empty() && out.back() == ' ')
            out.back() = '('; // " (" becomes "("
        else
            out += c;
    }
    return true;
}

// Leading white space and a sign are accepted, then the leading hexadecimal digits; a token
// without any gives 0. Callers truncate to their width.
long TokenValue(const std::string& token) {
    return std::strtol(token.c_str(), nullptr, 16);
}

std::uint8_t Code(const std::string& token) {
    return static_cast<std::uint8_t>(TokenValue(token));
}

std::int32_t Value(const std::string& token) {
    return Code(token);
}

std::ptrdiff_t Find(const std::string& text, std::string_view what) {
    const auto pos = text.find(what);
    return pos == std::string::npos ? -1 : static_cast<std::ptrdiff_t>(pos);
}

} // namespace

bool ParseCapabilities(std::string_view text, CapabilityCodes& codes) {
    std::string norm;
    if (!Normalise(text, norm))
        return false;
    const std::ptrdiff_t vcp = Find(norm, "vcp(");
    if (vcp < 0)
        return false;
    // The list ends at the earlier of the two markers; a missing marker counts as -1, so both
    // must be present.
    const std::ptrdiff_t end = std::min(Find(norm, ")mswhql"), Find(norm, ")mccs_ver"));
    const std::ptrdiff_t first = vcp + 4;
    if (end < first)
        return false;
    const std::string kept =
        norm.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(end - first + 1));

    std::string token;
    bool inValues = false;
    std::uint8_t current = 0;
    for (char c : kept) {
        if (!inValues) {
            if (c == ' ' || c == ')') {
                if (!token.empty())
                    codes.emplace(Code(token), kAnyValue);
                token.clear();
            } else if (c == '(') {
                if (!token.empty())
                    current = Code(token);
                token.clear();
                inValues = true;
            } else {
                token += c;
            }
        } else {
            if (c == ' ' || c == ')') {
                if (!token.empty())
                    codes.emplace(current, Value(token));
                token.clear();
                if (c == ')') {
                    current = 0;
                    inValues = false;
                }
            } else if (c != '(') {
                token += c;
            }
        }
    }
    return true;
}

bool ParseVendorPages(std::string_view text, VendorPageMap& pages) {
    std::string norm;
    if (!Normalise(text, norm))
        return false;

    enum class Level { Page, Code, Value };
    Level level = Level::Page;
    std::string token;
    std::uint16_t page = 0;
    std::uint8_t code = 0;
    for (char c : norm) {
        switch (level) {
        case Level::Page:
            if (c == ' ' || c == '(') {
                if (!token.empty())
                    page = static_cast<std::uint16_t>(TokenValue(token));
                token.clear();
                level = Level::Code;
            } else if (c != ')') {
                token += c;
            }
            break;
        case Level::Code:
            if (c == ' ' || c == ')') {
                if (!token.empty())
                    pages.emplace(VendorKey{page, Code(token)}, kAnyValue);
                token.clear();
                if (c == ')') {
                    page = 0;
                    code = 0;
                    level = Level::Page;
                }
            } else if (c == '(') {
                if (!token.empty())
                    code = Code(token);
                token.clear();
                level = Level::Value;
            } else {
                token += c;
            }
            break;
        case Level::Value:
            if (c == ' ' || c == ')') {
                if (!token.empty())
                    pages.emplace(VendorKey{page, code}, Value(token));
                token.clear();
                if (c == ')') {
                    code = 0;
                    level = Level::Code;
                }
            } else if (c != '(') {
                token += c;
            }
            break;
        }
    }
    return true;
}

namespace {

template <typename Map, typename Key>
bool ContainsIn(const Map& map, const Key& key, std::int32_t value) {
    const auto [first, last] = map.equal_range(key);
    for (auto it = first; it != last; ++it) {
        if (value == kAnyValue || it->second == kAnyValue || it->second == value)
            return true;
    }
    return false;
}

} // namespace

bool Contains(const CapabilityCodes& codes, std::uint8_t key, std::int32_t value) {
    return ContainsIn(codes, key, value);
}

bool Contains(const VendorPageMap& pages, VendorKey key, std::int32_t value) {
    return ContainsIn(pages, key, value);
}
