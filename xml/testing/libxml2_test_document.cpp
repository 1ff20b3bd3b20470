#include "xml/testing/test_document.h"
#include "xml/xml_dom_libxml2.h"

std::unique_ptr<XmlDomDocument> MakeTestXmlDocument() {
    return std::make_unique<Libxml2Document>();
}

std::wstring TestFilePath(std::string_view dir, std::string_view name) {
    std::wstring path(dir.begin(), dir.end());
    path += L'/';
    path.append(name.begin(), name.end());
    return path;
}
