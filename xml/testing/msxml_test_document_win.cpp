#include "xml/testing/test_document.h"
#include "xml/win/xml_dom_msxml_win.h"

std::unique_ptr<XmlDomDocument> MakeTestXmlDocument() {
    return std::make_unique<MsxmlDocument>();
}

std::wstring TestFilePath(std::string_view dir, std::string_view name) {
    std::wstring path(dir.begin(), dir.end());
    path += L'\\';
    path.append(name.begin(), name.end());
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}
