// The reader tests under Wine run against MSXML, on the same files as the host tests.
#include "launcher/core/testing/test_environment.h"
#include "launcher/core/win/xml_dom_msxml_win.h"

namespace {

// The build passes host paths behind drive Z: with forward slashes; the launcher always
// builds paths with backslashes, so the tests do too.
std::wstring WindowsPath(std::string_view dir, std::string_view name) {
    std::wstring path(dir.begin(), dir.end());
    path += L'\\';
    path.append(name.begin(), name.end());
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

} // namespace

std::unique_ptr<XmlDomDocument> MakeTestXmlDocument() {
    return std::make_unique<MsxmlDocument>();
}

std::wstring TestDataPath(std::string_view name) {
    return WindowsPath(LAUNCHER_TESTDATA_DIR, name);
}

std::wstring DiskInfoPath(std::string_view name) {
    return WindowsPath(LAUNCHER_DISK_INFO_DIR, name);
}
