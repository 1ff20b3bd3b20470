// The disk's own information files: both languages load, and they describe the same items so
// that only the texts and the language-specific documents differ.
#include "launcher/core/launcher_info_reader.h"
#include "launcher/core/testing/test_environment.h"
#include "xml/testing/test_document.h"

#include <gtest/gtest.h>

namespace {

using namespace os_mask;

struct DiskInfo {
    std::wstring title;
    TabList tabs;
};

DiskInfo LoadDiskInfo(std::string_view name) {
    DiskInfo info;
    LauncherInfoReader(MakeTestXmlDocument()).Load(DiskInfoPath(name), info.title, info.tabs);
    return info;
}

// The English documents' names with the Japanese ones' language suffix.
std::wstring AsJapaneseName(std::wstring name) {
    const std::size_t suffix = name.rfind(L"_EN.");
    if (suffix != std::wstring::npos)
        name.replace(suffix, 4, L"_JA.");
    return name;
}

void ExpectSameFiles(const ItemInfo& en, const ItemInfo& ja) {
    ASSERT_EQ(en.files.size(), ja.files.size()) << "item " << testing::PrintToString(en.title);
    for (std::size_t i = 0; i < en.files.size(); ++i) {
        const ModelFile& e = *en.files[i];
        const ModelFile& j = *ja.files[i];
        EXPECT_EQ(e.modelName, j.modelName);
        EXPECT_EQ(e.japanese, j.japanese);
        EXPECT_EQ(e.english, j.english);
        EXPECT_EQ(AsJapaneseName(e.fileName), j.fileName);
    }
}

void ExpectSameItem(const ItemInfo& en, const ItemInfo& ja) {
    SCOPED_TRACE(testing::PrintToString(en.title));
    EXPECT_EQ(en.kind, ja.kind);
    EXPECT_EQ(en.applicationOsMask, ja.applicationOsMask);
    EXPECT_EQ(en.installerOsMask, ja.installerOsMask);
    EXPECT_EQ(en.closeWindowTitles, ja.closeWindowTitles);
    EXPECT_EQ(en.productCode, ja.productCode);
    EXPECT_EQ(en.executeFileName, ja.executeFileName);
    EXPECT_EQ(en.argument, ja.argument);
    EXPECT_EQ(en.runValueName, ja.runValueName);
    EXPECT_EQ(en.url.empty(), ja.url.empty());
    EXPECT_EQ(en.preMessage.empty(), ja.preMessage.empty());
    EXPECT_FALSE(ja.title.empty());
    ExpectSameFiles(en, ja);
    ASSERT_EQ(en.subItems.size(), ja.subItems.size());
    for (std::size_t i = 0; i < en.subItems.size(); ++i)
        ExpectSameItem(*en.subItems[i], *ja.subItems[i]);
}

TEST(DiskInfo, BothLanguagesHoldTheFourTabsInOrder) {
    for (const char* name : {"LauncherInfo_EN.xml", "LauncherInfo_JA.xml"}) {
        SCOPED_TRACE(name);
        const DiskInfo info = LoadDiskInfo(name);
        EXPECT_FALSE(info.title.empty());
        ASSERT_EQ(info.tabs.size(), 4u);
        for (int kind = 0; kind < 4; ++kind) {
            EXPECT_EQ(static_cast<int>(info.tabs[kind]->kind), kind);
            EXPECT_FALSE(info.tabs[kind]->title.empty());
        }
        EXPECT_FALSE(info.tabs[3]->infoMessage.empty());
        EXPECT_FALSE(info.tabs[3]->infoUrl.empty());
    }
}

TEST(DiskInfo, JapaneseTextsSurviveTheParser) {
    const DiskInfo info = LoadDiskInfo("LauncherInfo_JA.xml");
    EXPECT_EQ(info.title, L"Orvane 液晶モニター ユーティリティディスク");
    ASSERT_FALSE(info.tabs.empty());
    EXPECT_EQ(info.tabs[0]->title, L"取扱説明書");
}

TEST(DiskInfo, LanguagesDescribeTheSameItems) {
    const DiskInfo en = LoadDiskInfo("LauncherInfo_EN.xml");
    const DiskInfo ja = LoadDiskInfo("LauncherInfo_JA.xml");
    ASSERT_EQ(en.tabs.size(), ja.tabs.size());
    for (std::size_t t = 0; t < en.tabs.size(); ++t) {
        ASSERT_EQ(en.tabs[t]->items.size(), ja.tabs[t]->items.size()) << "tab " << t;
        for (std::size_t i = 0; i < en.tabs[t]->items.size(); ++i)
            ExpectSameItem(*en.tabs[t]->items[i], *ja.tabs[t]->items[i]);
    }
}

// The utility needs Windows Vista or later (Server 2008 is of that family): its application
// item and its installer must be offered there and nowhere else, and the page buttons hold at
// most eight items, the sub-item dialog five.
TEST(DiskInfo, UtilityIsOfferedOnVistaAndLater) {
    const DiskInfo en = LoadDiskInfo("LauncherInfo_EN.xml");
    ASSERT_EQ(en.tabs.size(), 4u);
    const OsMask vistaAndLater = kWindowsVista32 | kWindowsVista64 | kWindowsServer2008_32 |
                                 kWindowsServer2008_64 | kWindows7_32 | kWindows7_64;
    int installers = 0;
    for (const auto& tab : en.tabs) {
        EXPECT_LE(tab->items.size(), 8u);
        for (const auto& item : tab->items) {
            EXPECT_LE(item->subItems.size(), 5u);
            for (const auto& sub : item->subItems) {
                if (sub->kind != item_kind::kInstaller)
                    continue;
                ++installers;
                EXPECT_EQ(item->applicationOsMask, vistaAndLater) << "the installer's item";
                EXPECT_EQ(sub->installerOsMask, vistaAndLater);
                EXPECT_FALSE(sub->executeFileName.empty());
                EXPECT_EQ(sub->productCode.size(), 38u) << "a braced product code";
            }
        }
    }
    EXPECT_EQ(installers, 1);
}

} // namespace
