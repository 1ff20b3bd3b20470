// Which of the program's two resource languages to show. The utility keeps its texts in the
// system's ANSI code page: every dialog, menu and string reaches its windows converted to it, and
// a character the code page lacks becomes "?". Japanese texts survive only code page 932.
#pragma once

#include <cstdint>

// Language identifiers as Windows numbers them (primary language in the low ten bits).
constexpr std::uint16_t kLanguageEnglishUs = 0x0409;
constexpr std::uint16_t kLanguageJapanese = 0x0411;

// The resource language for a system whose ANSI code page is `ansiCodePage` and whose user has
// chosen the display language `uiLanguage`: Japanese where the user reads Japanese and the code
// page can carry it, English everywhere else (English is also what the system's loader falls back
// to for a display language the program has no resources in).
std::uint16_t ResourceLanguageFor(unsigned ansiCodePage, std::uint16_t uiLanguage);
