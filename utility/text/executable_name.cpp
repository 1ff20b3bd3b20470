#include "utility/text/executable_name.h"

#include "utility/text/text_case.h"

std::string ExecutableBaseName(const std::string& exeFile, const CodePage& codePage) {
    std::string base(FileNamePart(exeFile, codePage));
    // No trail byte is a dot (they are 0x40 and up): the last dot starts the extension.
    if (const auto dot = base.find_last_of('.'); dot != std::string::npos)
        base.erase(dot);
    return UpperCaseAscii(base, codePage);
}
