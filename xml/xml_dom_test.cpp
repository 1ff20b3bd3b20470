// The XML DOM port against the build's DOM: libxml2 on the host, MSXML under Wine, on the same
// files. Both must give the same nodes and texts.
#include "xml/testing/test_document.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::unique_ptr<XmlDomDocument> LoadTestFile(std::string_view name) {
    std::unique_ptr<XmlDomDocument> document = MakeTestXmlDocument();
    if (!document->Load(TestFilePath(XML_TESTDATA_DIR, name)))
        return nullptr;
    return document;
}

struct NodeView {
    XmlNodeType type;
    std::wstring name;
    std::wstring text;
    bool operator==(const NodeView&) const = default;
};

void PrintTo(const NodeView& node, std::ostream* out) {
    *out << static_cast<int>(node.type) << " " << testing::PrintToString(node.name) << " "
         << testing::PrintToString(node.text);
}

std::vector<NodeView> Children(const XmlDomNode& node) {
    std::vector<NodeView> views;
    for (const auto& child : node.ChildNodes())
        views.push_back({child->NodeType(), child->NodeName(), child->Text()});
    return views;
}

constexpr auto kElement = XmlNodeType::Element;
constexpr auto kText = XmlNodeType::Text;
constexpr auto kOther = XmlNodeType::Other;

TEST(XmlDom, KeepsWhiteSpaceAndGivesEachElementTheTextOfItsSubtree) {
    const auto document = LoadTestFile("nodes.xml");
    ASSERT_TRUE(document);
    const auto root = document->DocumentElement();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->NodeName(), L"root");
    const std::wstring indent = L"\n  ";
    const std::vector<NodeView> expected{
        {kText, L"#text", indent}, {kElement, L"spaces", L"  two  spaces  "},
        {kText, L"#text", indent}, {kElement, L"mixed", L"ab<c> & de f "},
        {kText, L"#text", indent}, {kElement, L"references", L"<&>\"' A\u3042\U0001F600"},
        {kText, L"#text", indent}, {kElement, L"lines", L"one\n  two"},
        {kText, L"#text", indent}, {kElement, L"x:named", L"名前"},
        {kText, L"#text", indent}, {kElement, L"empty", L""},
        {kText, L"#text", L"\n"},
    };
    EXPECT_EQ(Children(*root), expected);
}

TEST(XmlDom, CdataIsTextWhileCommentsAndInstructionsAreOther) {
    const auto document = LoadTestFile("nodes.xml");
    ASSERT_TRUE(document);
    const auto root = document->DocumentElement();
    ASSERT_TRUE(root);
    const auto children = root->ChildNodes();
    ASSERT_GT(children.size(), 3u);
    const std::vector<NodeView> expected{
        {kText, L"#text", L"a"},  {kOther, L"#comment", L" note "},
        {kText, L"#text", L"b"},  {kText, L"#cdata-section", L"<c> & d"},
        {kOther, L"pi", L"data"}, {kElement, L"inner", L"e f "},
    };
    EXPECT_EQ(Children(*children[3]), expected);
}

// A DOCTYPE fetches nothing: no external entity, no external DTD (a description file with one
// must not read other files or reach the network). Internal entities still count in the text.
TEST(XmlDom, ExpandsInternalEntitiesButLoadsNoExternalOnes) {
    const struct {
        const char* file;
        const wchar_t* rootText;
    } cases[] = {
        {"external_entity.xml", L"[inner text][]"},
        {"external_dtd.xml", L"[]"},
    };
    for (const auto& c : cases) {
        const auto document = LoadTestFile(c.file);
        ASSERT_TRUE(document) << c.file;
        const auto root = document->DocumentElement();
        ASSERT_TRUE(root) << c.file;
        EXPECT_EQ(root->Text(), c.rootText) << c.file;
    }
}

TEST(XmlDom, LineEndsBecomeLineFeeds) {
    const auto document = LoadTestFile("crlf.xml");
    ASSERT_TRUE(document);
    const auto root = document->DocumentElement();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Text(), L"one\ntwo\nthree");
}

} // namespace
