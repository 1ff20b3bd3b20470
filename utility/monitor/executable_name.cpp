#include "utility/monitor/executable_name.h"

#include <algorithm>
#include <cctype>

std::string ExecutableBaseName(const std::string& exeFile) {
    std::string base = exeFile;
    if (const auto slash = base.find_last_of('\\'); slash != std::string::npos)
        base.erase(0, slash + 1);
    if (const auto dot = base.find_last_of('.'); dot != std::string::npos)
        base.erase(dot);
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return base;
}
