// A command line as CreateProcess reads it when it is given no application name, as Windows
// runs a Run value: the program and what follows it.
#pragma once

#include <functional>
#include <string>

struct RunCommand {
    std::wstring program;
    std::wstring arguments;
};

// A quoted program ends at its closing quote. An unquoted one with blanks is tried at each
// blank in turn ("C:\Program Files\A B\a.exe x" as "C:\Program", "C:\Program Files\A", ...),
// each with ".exe" added when it has no extension, and the first that `exists` is taken; when
// none exists, the whole line is the program (and fails to start).
RunCommand SplitRunCommand(const std::wstring& line,
                           const std::function<bool(const std::wstring&)>& exists);
