// The information file reader against the DOM of the build: libxml2 on the host, MSXML under
// Wine. Both read the same files.
#include "launcher/core/launcher_info_reader.h"
#include "launcher/core/testing/free_record.h"
#include "launcher/core/testing/test_environment.h"
#include "xml/testing/test_document.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

using namespace os_mask;

struct Loaded {
    bool documentMade = false;
    std::wstring title;
    TabList tabs;
};

Loaded LoadFile(const std::wstring& path) {
    Loaded loaded;
    std::unique_ptr<XmlDomDocument> document = MakeTestXmlDocument();
    loaded.documentMade = document != nullptr;
    LauncherInfoReader reader(std::move(document));
    reader.Load(path, loaded.title, loaded.tabs);
    return loaded;
}

Loaded LoadTestFile(std::string_view name) {
    return LoadFile(TestDataPath(name));
}

class FullFile : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(file_.tabs.size(), 4u);
        for (const auto& tab : file_.tabs)
            ASSERT_TRUE(tab);
    }
    const TabInfo& Tab(std::size_t i) const { return *file_.tabs[i]; }
    const ItemInfo& Item(std::size_t tab, std::size_t item) const {
        return *Tab(tab).items.at(item);
    }

    Loaded file_ = LoadTestFile("full.xml");
};

TEST_F(FullFile, ReadsTheCaptionAndTheTabsInFileOrderWithWhiteSpaceKept) {
    EXPECT_EQ(file_.title, L"Test Disk");
    EXPECT_EQ(Tab(0).title, L"  Manuals  ");
    EXPECT_EQ(Tab(0).kind, TabKind::Manual);
    EXPECT_EQ(Tab(1).kind, TabKind::Application);
    EXPECT_EQ(Tab(2).kind, TabKind::Utility);
    EXPECT_EQ(Tab(3).kind, TabKind::Information);
    EXPECT_EQ(Tab(0).items.size(), 3u);
    EXPECT_EQ(Tab(3).infoMessage, L"Line one\n  Line two");
    EXPECT_EQ(Tab(3).infoUrl, L"https://example.com/support");
    EXPECT_TRUE(Tab(3).items.empty());
}

TEST_F(FullFile, ManualItemHasOneFileSetPerModel) {
    const ItemInfo& manual = Item(0, 0);
    EXPECT_EQ(manual.title, L"User Manual");
    EXPECT_EQ(manual.caption, L"Read the manual & the notes.");
    EXPECT_EQ(manual.kind, L"Manual");
    ASSERT_EQ(manual.files.size(), 2u);
    const ModelFile& first = *manual.files[0];
    EXPECT_EQ(first.modelName, L"M-100");
    EXPECT_EQ(first.japanese, L"Manual\\M-100_JA.pdf");
    EXPECT_EQ(first.english, L"Manual\\M-100_EN.pdf");
    EXPECT_EQ(first.deutsch, L"Manual\\M-100_DE.pdf");
    EXPECT_EQ(first.francais, L"Manual\\M-100_FR.pdf");
    EXPECT_EQ(first.chinese, L"");
    EXPECT_TRUE(first.fileName.empty());
    // Without "Manual_File_Name_Info" only the model name is set.
    const ModelFile& second = *manual.files[1];
    EXPECT_EQ(second.modelName, L"M-200");
    EXPECT_TRUE(second.japanese.empty() && second.english.empty() && second.chinese.empty());
}

TEST_F(FullFile, DocumentAndFolderItemsNameOneFilePerModel) {
    const ItemInfo& document = Item(0, 1);
    ASSERT_EQ(document.files.size(), 1u);
    EXPECT_EQ(document.files[0]->modelName, L"All models");
    EXPECT_EQ(document.files[0]->fileName, L"ReadMe.txt");

    const ItemInfo& folder = Item(0, 2);
    EXPECT_TRUE(folder.caption.empty());
    ASSERT_EQ(folder.files.size(), 2u);
    EXPECT_EQ(folder.files[1]->modelName, L"M-200");
    EXPECT_EQ(folder.files[1]->fileName, L"Driver\\M-200");
}

TEST_F(FullFile, ApplicationItemReadsSystemsAndSubItemsOfAnyKind) {
    const ItemInfo& application = Item(1, 0);
    EXPECT_EQ(application.applicationOsMask,
              kWindowsVista32 | kWindowsVista64 | kWindows7_32 | kWindows7_64);
    EXPECT_EQ(application.installerOsMask, 0u);
    ASSERT_EQ(application.subItems.size(), 3u);

    const ItemInfo& install = *application.subItems[0];
    EXPECT_EQ(install.title, L"Install");
    EXPECT_TRUE(install.caption.empty()) << "sub-items never read a caption";
    EXPECT_EQ(install.installerOsMask, kWindows7_64);
    EXPECT_EQ(install.executeFileName, L"Utility\\setup.exe");

    const ItemInfo& guide = *application.subItems[1];
    ASSERT_EQ(guide.files.size(), 1u);
    EXPECT_EQ(guide.files[0]->english, L"Utility\\Guide_EN.pdf");

    const ItemInfo& more = *application.subItems[2];
    EXPECT_EQ(more.applicationOsMask, 0u);
    ASSERT_EQ(more.subItems.size(), 1u);
    EXPECT_EQ(more.subItems[0]->url, L"https://example.com/more");
}

TEST_F(FullFile, InstallerItemReadsEveryInstallField) {
    const ItemInfo& setup = Item(2, 0);
    EXPECT_EQ(setup.kind, L"Installer");
    EXPECT_EQ(setup.installerOsMask, kWindowsXp32 | kWindowsVista32 | kWindowsVista64);
    EXPECT_EQ(setup.applicationOsMask, 0u);
    EXPECT_EQ(setup.preMessage, L"Close other programs first.");
    EXPECT_EQ(setup.closeWindowTitles, (std::vector<std::wstring>{L"Utility One", L"Utility Two"}));
    EXPECT_EQ(setup.productCode, L"{12345678-9ABC-DEF0-1234-56789ABCDEF0}");
    EXPECT_EQ(setup.executeFileName, L"Utility\\setup.exe");
    EXPECT_EQ(setup.argument, L"/quiet /norestart");
    EXPECT_EQ(setup.runValueName, L"UtilityTray");
}

TEST_F(FullFile, OtherKindsReadOnlyTheirOwnChildren) {
    const ItemInfo& tool = Item(2, 1);
    EXPECT_EQ(tool.executeFileName, L"Tools\\tool.exe");
    EXPECT_EQ(tool.installerOsMask, 0u) << "no Support_OS_Info: the button will be disabled";
    EXPECT_TRUE(tool.closeWindowTitles.empty());

    EXPECT_EQ(Item(2, 2).url, L"https://example.com/");

    const ItemInfo& unknown = Item(2, 3);
    EXPECT_EQ(unknown.kind, L"Picture");
    EXPECT_TRUE(unknown.url.empty());
    EXPECT_TRUE(unknown.executeFileName.empty());
}

// The order the launcher frees its records in: each item after its files and then its
// sub-items (each after its own), items in list order, each tab after its items.
void AddReleaseOrder(const ItemInfo& item, std::vector<const void*>& order) {
    for (const auto& file : item.files)
        order.push_back(file.get());
    for (const auto& sub : item.subItems)
        AddReleaseOrder(*sub, order);
    order.push_back(&item);
}

TEST_F(FullFile, ReleaseFreesEachRecordAfterWhatItOwnsInListOrder) {
    std::vector<const void*> expected;
    for (const auto& tab : file_.tabs) {
        for (const auto& item : tab->items)
            AddReleaseOrder(*item, expected);
        expected.push_back(tab.get());
    }
    ASSERT_GT(expected.size(), 20u) << "items, files and sub-items of every kind";
    const FreeRecord record;
    ReleaseTabs(file_.tabs);
    EXPECT_EQ(record.FreedAmong(expected), expected);
    EXPECT_TRUE(file_.tabs.empty());
}

TEST(LauncherInfoReader, RootNameIsMatchedWithItsCase) {
    const Loaded file = LoadTestFile("wrong_root.xml");
    EXPECT_TRUE(file.title.empty());
    EXPECT_TRUE(file.tabs.empty());
}

TEST(LauncherInfoReader, ReadsFourTabElementsCountingTheOneWithoutTitle) {
    const Loaded file = LoadTestFile("five_tabs.xml");
    EXPECT_EQ(file.title, L"Five tabs");
    ASSERT_EQ(file.tabs.size(), 3u);
    EXPECT_EQ(file.tabs[0]->title, L"First");
    EXPECT_EQ(file.tabs[1]->title, L"Third");
    EXPECT_EQ(file.tabs[1]->kind, TabKind::Utility);
    // A second tab of a kind is read as well.
    EXPECT_EQ(file.tabs[2]->title, L"Fourth");
    EXPECT_EQ(file.tabs[2]->kind, TabKind::Manual);
}

TEST(LauncherInfoReader, LooksOnlyAmongDirectChildren) {
    const Loaded file = LoadTestFile("deep_elements.xml");
    EXPECT_TRUE(file.title.empty());
    // The nested Manual_Tab is not seen; the Information_Tab has no Title of its own.
    ASSERT_EQ(file.tabs.size(), 1u);
    const TabInfo& tab = *file.tabs[0];
    EXPECT_EQ(tab.kind, TabKind::Utility);
    ASSERT_EQ(tab.items.size(), 1u);
    const ItemInfo& item = *tab.items[0];
    EXPECT_TRUE(item.title.empty());
    EXPECT_EQ(item.installerOsMask, 0u);
    EXPECT_TRUE(item.productCode.empty());
    EXPECT_EQ(item.executeFileName, L"setup.exe");
}

TEST(LauncherInfoReader, SystemNamesMatchExactly) {
    const Loaded file = LoadTestFile("os_names.xml");
    ASSERT_EQ(file.tabs.size(), 1u);
    const auto& items = file.tabs[0]->items;
    ASSERT_EQ(items.size(), 7u);
    const OsMask xpAnd2008 =
        kWindowsXp32 | kWindowsXp64 | kWindowsServer2008_32 | kWindowsServer2008_64;
    EXPECT_EQ(items[0]->installerOsMask, xpAnd2008) << "family names";
    EXPECT_EQ(items[1]->installerOsMask, xpAnd2008) << "both halves of each family";
    EXPECT_EQ(items[2]->installerOsMask, kWindows2000) << "padded or other case adds nothing";
    EXPECT_EQ(items[3]->installerOsMask, 0u) << "Execute without Support_OS_Info";
    EXPECT_EQ(items[4]->installerOsMask, 0u) << "empty Support_OS_Info";
    EXPECT_EQ(items[5]->applicationOsMask, 0u) << "Application without Support_OS_Info";
    ASSERT_EQ(items[5]->subItems.size(), 1u) << "its sub-items are still read";
    EXPECT_EQ(items[5]->subItems[0]->url, L"https://example.com/sub");
    EXPECT_EQ(items[6]->applicationOsMask, kWindows7_32 | kWindowsVista64);
}

class Unreadable : public testing::TestWithParam<const char*> {};

TEST_P(Unreadable, LeavesCaptionAndTabsEmpty) {
    const Loaded file = LoadTestFile(GetParam());
    ASSERT_TRUE(file.documentMade);
    EXPECT_TRUE(file.title.empty());
    EXPECT_TRUE(file.tabs.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, Unreadable,
                         testing::Values("malformed_tags.xml", "truncated.xml", "missing.xml"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
