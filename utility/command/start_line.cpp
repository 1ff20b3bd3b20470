#include "utility/command/start_line.h"

#include <cctype>

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

bool SamePath(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Where the program's path ends in `line` (which starts at the path): at the closing quote of a
// quoted path, after the module's own path written out unquoted, or otherwise at the first
// blank, as the C runtime reads it.
std::size_t PathEnd(std::string_view line, std::string_view modulePath) {
    if (!line.empty() && line[0] == '"') {
        const std::size_t close = line.find('"', 1);
        return close == std::string_view::npos ? line.size() : close + 1;
    }
    const std::size_t n = modulePath.size();
    if (n > 0 && line.size() >= n && SamePath(line.substr(0, n), modulePath) &&
        (line.size() == n || Blank(line[n])))
        return n;
    std::size_t end = 0;
    while (end < line.size() && !Blank(line[end]))
        ++end;
    return end;
}

// The arguments after the program's path, split as the C runtime splits them: blanks separate
// words outside quotes; 2n backslashes before a quote give n and the quote toggles quoting, 2n+1
// give n and a literal quote; "" inside quotes is a literal quote.
std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && Blank(text[i]))
            ++i;
        if (i == text.size())
            return words;
        std::string word;
        bool quoted = false;
        while (i < text.size() && (quoted || !Blank(text[i]))) {
            std::size_t slashes = 0;
            while (i < text.size() && text[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < text.size() && text[i] == '"') {
                word.append(slashes / 2, '\\');
                if (slashes % 2) {
                    word += '"';
                } else if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
                    word += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                word.append(slashes, '\\');
                if (i < text.size() && (quoted || !Blank(text[i])))
                    word += text[i++];
            }
        }
        words.push_back(std::move(word));
    }
}

} // namespace

StartLine ReadStartLine(std::string_view raw, std::string_view modulePath) {
    std::size_t start = 0;
    while (start < raw.size() && Blank(raw[start]))
        ++start;
    raw.remove_prefix(start);
    StartLine line;
    line.words = SplitArguments(raw.substr(PathEnd(raw, modulePath)));
    line.command = !line.words.empty() && !line.words[0].empty() && line.words[0][0] == '/';
    if (!line.command)
        line.words.clear();
    return line;
}
