// libxml2 reads nothing but the file it is given: no external entity, no external DTD.
#include "xml/testing/test_document.h"

#include <gtest/gtest.h>

namespace {

std::wstring RootText(std::string_view name) {
    std::unique_ptr<XmlDomDocument> document = MakeTestXmlDocument();
    if (!document->Load(TestFilePath(XML_TESTDATA_DIR, name)))
        return L"(not loaded)";
    const auto root = document->DocumentElement();
    return root ? root->Text() : L"(no root)";
}

TEST(XmlDomLibxml2, ExpandsInternalEntitiesButLoadsNoExternalOnes) {
    EXPECT_EQ(RootText("external_entity.xml"), L"[inner text][]");
    EXPECT_EQ(RootText("external_dtd.xml"), L"[]");
}

} // namespace
