// The system's DOM document set up for a load. Windows' MSXML 3 resolves externals and validates
// by default, Wine's starts with externals off and reads no external DTD or entity, so the shared
// tests cannot tell whether the program switched them off: the settings are read back here.
#include "xml/win/xml_dom_msxml_win.h"

#include <gtest/gtest.h>

namespace {

TEST(MsxmlDocument, ALoadIsSynchronousKeepsWhiteSpaceAndReadsOnlyTheFile) {
    const ComInitialization com;
    const ComPtr<IXMLDOMDocument> document = CreateDomDocument();
    ASSERT_TRUE(document);
    // As a new document of Windows' MSXML 3 starts (Wine's resolves nothing from the start).
    ASSERT_EQ(document->put_resolveExternals(VARIANT_TRUE), S_OK);
    ASSERT_EQ(document->put_validateOnParse(VARIANT_TRUE), S_OK);
    ASSERT_TRUE(PrepareForLoad(*document.Get()));
    VARIANT_BOOL value = VARIANT_FALSE;
    const struct {
        const char* name;
        HRESULT (STDMETHODCALLTYPE IXMLDOMDocument::*get)(VARIANT_BOOL*);
        VARIANT_BOOL expected;
    } settings[] = {
        {"async", &IXMLDOMDocument::get_async, VARIANT_FALSE},
        {"preserveWhiteSpace", &IXMLDOMDocument::get_preserveWhiteSpace, VARIANT_TRUE},
        {"resolveExternals", &IXMLDOMDocument::get_resolveExternals, VARIANT_FALSE},
        {"validateOnParse", &IXMLDOMDocument::get_validateOnParse, VARIANT_FALSE},
    };
    for (const auto& setting : settings) {
        value = setting.expected == VARIANT_TRUE ? VARIANT_FALSE : VARIANT_TRUE;
        ASSERT_EQ((document.Get()->*setting.get)(&value), S_OK) << setting.name;
        EXPECT_EQ(value, setting.expected) << setting.name;
    }
}

} // namespace
