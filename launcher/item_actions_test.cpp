#include "launcher/item_actions.h"

#include "launcher/run_command.h"
#include "launcher/testing/fake_action_port.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>

namespace {

using Log = std::vector<std::wstring>;
const std::wstring kFolder = L"D:\\";

std::unique_ptr<ModelFile> File(std::wstring model, std::wstring name) {
    auto file = std::make_unique<ModelFile>();
    file->modelName = std::move(model);
    file->fileName = std::move(name);
    return file;
}

std::unique_ptr<ItemInfo> Item(std::wstring kind, std::wstring title = L"T") {
    auto item = std::make_unique<ItemInfo>();
    item->kind = std::move(kind);
    item->title = std::move(title);
    return item;
}

std::unique_ptr<ItemInfo> Installer() {
    auto item = Item(L"Installer", L"Suite");
    item->executeFileName = L"App\\setup.exe";
    item->argument = L"/q";
    item->runValueName = L"SuiteTray";
    return item;
}

RegistryValue Text(std::uint32_t type, const std::wstring& text, bool terminated = true) {
    RegistryValue value{type, {}};
    for (wchar_t c : text) {
        value.data.push_back(static_cast<std::uint8_t>(c & 0xFF));
        value.data.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    if (terminated)
        value.data.insert(value.data.end(), {0, 0});
    return value;
}

Log Dispatch(FakeActionPort& port, const ItemInfo& item, RegisteredApps* registered = nullptr) {
    RegisteredApps own;
    ItemActions(port, kFolder, registered ? *registered : own).Dispatch(item);
    return port.log;
}

TEST(ShowShellError, ChoosesTheMessageByShellResult) {
    const std::pair<std::intptr_t, int> table[] = {{2, 107},  {5, 110}, {8, 109}, {26, 111},
                                                   {31, 108}, {0, 112}, {3, 112}, {32, 112}};
    for (const auto& [code, id] : table) {
        FakeActionPort port;
        RegisteredApps registered;
        ItemActions(port, kFolder, registered).ShowShellError(code);
        EXPECT_EQ(port.log, Log{L"message s" + std::to_wstring(id) + L" ok error"}) << code;
    }
}

// Every kind on an item page, with the edge cases of each.
TEST(ItemActions, DispatchRunsTheActionOfTheItemsKind) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<ItemInfo>()> make;
        Log expected;
    };
    const Case cases[] = {
        {"web",
         [] {
             auto i = Item(L"Web");
             i->url = L"https://x.example/";
             return i;
         },
         {L"redraw", L"open https://x.example/||"}},
        {"web without address", [] { return Item(L"Web"); }, {}},
        {"execute",
         [] {
             auto i = Item(L"Execute");
             i->executeFileName = L"Tools\\run.exe";
             i->argument = L"-a b";
             return i;
         },
         {L"run D:\\Tools\\run.exe|-a b|D:\\Tools\\"}},
        {"execute without file", [] { return Item(L"Execute"); }, {}},
        {"folder without files", [] { return Item(L"Folder"); }, {}},
        {"folder, one",
         [] {
             auto i = Item(L"Folder");
             i->files.push_back(File(L"M", L"Drv"));
             return i;
         },
         {L"run D:\\Drv||"}},
        {"folder, one unnamed file",
         [] {
             auto i = Item(L"Folder");
             i->files.push_back(File(L"M", L""));
             return i;
         },
         {}},
        {"folder, two: model list, nothing chosen",
         [] {
             auto i = Item(L"Folder", L"Drivers");
             i->files.push_back(File(L"A", L"a"));
             i->files.push_back(File(L"B", L"b"));
             return i;
         },
         {L"choose model Drivers"}},
        {"document, one",
         [] {
             auto i = Item(L"Document");
             i->files.push_back(File(L"", L"r.txt"));
             return i;
         },
         {L"assoc D:\\r.txt", L"find D:\\r.txt", L"run D:\\r.txt||"}},
        {"manual, one unnamed model: languages only",
         [] {
             auto i = Item(L"Manual", L"Guide");
             i->files.push_back(File(L"", L""));
             return i;
         },
         {L"choose language Guide"}},
        {"manual, one named model",
         [] {
             auto i = Item(L"Manual", L"Guide");
             i->files.push_back(File(L"A", L""));
             return i;
         },
         {L"choose model+language Guide"}},
        {"manual without files", [] { return Item(L"Manual"); }, {}},
        {"application",
         [] {
             auto i = Item(L"Application", L"Suite");
             i->subItems.push_back(Item(L"Web"));
             return i;
         },
         {L"subitems Suite"}},
        {"application without sub-items", [] { return Item(L"Application"); }, {}},
        {"unknown kind",
         [] {
             auto i = Item(L"web");
             i->url = L"u";
             return i;
         },
         {}},
    };
    for (const Case& c : cases) {
        FakeActionPort port;
        EXPECT_EQ(Dispatch(port, *c.make()), c.expected) << c.name;
    }
}

TEST(ItemActions, ChosenManualOrModelFileIsOpened) {
    FakeActionPort port;
    port.chosenFile = L"D:\\b.pdf";
    auto manual = Item(L"Manual", L"Guide");
    manual->files.push_back(File(L"A", L""));
    manual->files.push_back(File(L"B", L""));
    EXPECT_EQ(Dispatch(port, *manual), (Log{L"choose model+language Guide", L"assoc D:\\b.pdf",
                                            L"find D:\\b.pdf", L"run D:\\b.pdf||"}));
}

TEST(ItemActions, ReaderCheckOpensOffersTheReaderOrReports) {
    struct Case {
        const char* name;
        bool associated; // the file type names a command or a packaged program
        std::intptr_t find;
        std::intptr_t run;
        bool missing;
        MessageAnswer answer;
        Log expected;
    };
    const std::wstring doc = L"D:\\m.pdf";
    const std::wstring assoc = L"assoc " + doc;
    const Case cases[] = {
        {"associated",
         false,
         42,
         42,
         false,
         MessageAnswer::Yes,
         {assoc, L"find " + doc, L"run " + doc + L"||"}},
        {"associated, shell fails",
         false,
         42,
         5,
         false,
         MessageAnswer::Yes,
         {assoc, L"find " + doc, L"run " + doc + L"||", L"message s110 ok error"}},
        {"packaged reader: no program to find, yet the type opens",
         true,
         31,
         42,
         false,
         MessageAnswer::Yes,
         {assoc, L"run " + doc + L"||"}},
        {"no reader, download",
         false,
         31,
         42,
         false,
         MessageAnswer::Yes,
         {assoc, L"find " + doc, L"message s105 yesno question", L"run s106||"}},
        {"no reader, declined",
         false,
         31,
         42,
         false,
         MessageAnswer::No,
         {assoc, L"find " + doc, L"message s105 yesno question"}},
        {"missing document", false, 2, 42, true, MessageAnswer::Yes, {L"message s107 ok error"}},
    };
    for (const Case& c : cases) {
        FakeActionPort port;
        port.associated = c.associated;
        port.findResult = c.find;
        port.shellResults[doc] = c.run;
        if (c.missing)
            port.missingFiles.insert(doc);
        port.answers.push_back(c.answer);
        RegisteredApps registered;
        ItemActions(port, kFolder, registered).OpenDocumentWithReaderCheck(doc);
        EXPECT_EQ(port.log, c.expected) << c.name;
    }
}

TEST(ItemActions, InstallerChecksClosesRemovesAndStarts) {
    const std::wstring code = L"{6F1C2B9E-3A47-4D85-9E21-0B7C5D4A8F36}";
    const std::wstring start = L"install D:\\App\\setup.exe|/q|D:\\App\\";
    const std::wstring package = L"package D:\\App\\setup.exe";
    const std::wstring family = L"{518847CF-45BF-4212-8138-D9F9BC1D6D5E}";
    struct Case {
        const char* name;
        std::function<void(FakeActionPort&, ItemInfo&)> arrange;
        Log expected;
        int launched;
    };
    const Case cases[] = {
        {"plain", [](FakeActionPort&, ItemInfo&) {}, {start}, 1},
        {"pre-message accepted, windows closed",
         [](FakeActionPort&, ItemInfo& i) {
             i.preMessage = L"Close programs";
             i.closeWindowTitles = {L"App", L"", L"Tool"};
         },
         {L"message Close programs okcancel", L"close App", L"close Tool", start},
         1},
        {"a window that stays, the user goes on",
         [](FakeActionPort& p, ItemInfo& i) {
             i.closeWindowTitles = {L"App", L"Tool"};
             p.closeResults[L"App"] = CloseResult::NotClosed;
             p.closeResults[L"Tool"] = CloseResult::NotFound;
         },
         {L"close App", L"message s116 okcancel error", L"close Tool", start},
         1},
        {"a window that stays, the user stops",
         [](FakeActionPort& p, ItemInfo& i) {
             i.closeWindowTitles = {L"App", L"Tool"};
             p.closeResults[L"App"] = CloseResult::NotClosed;
             p.answers.push_back(MessageAnswer::Cancel);
         },
         {L"close App", L"message s116 okcancel error"},
         0},
        {"a newer version installed: said, nothing closed or started",
         [&](FakeActionPort& p, ItemInfo& i) {
             i.closeWindowTitles = {L"App"};
             p.package = PackageIdentity{family, L"2.4.1"};
             p.installedVersions = {L"2.4.10"};
         },
         {package, L"installed " + family, L"message s117 ok"},
         0},
        {"an older or the same version installed: replaced",
         [&](FakeActionPort& p, ItemInfo& i) {
             i.closeWindowTitles = {L"App"};
             p.package = PackageIdentity{family, L"2.4.1"};
             p.installedVersions = {L"2.3.0", L"2.4.1"};
         },
         {package, L"installed " + family, L"close App", start},
         1},
        {"pre-message cancelled",
         [](FakeActionPort& p, ItemInfo& i) {
             i.preMessage = L"Close programs";
             i.closeWindowTitles = {L"App"};
             p.answers.push_back(MessageAnswer::Cancel);
         },
         {L"message Close programs okcancel"},
         0},
        {"not installed",
         [&](FakeActionPort&, ItemInfo& i) { i.productCode = code; },
         {L"product " + code, start},
         1},
        {"installed, removed",
         [&](FakeActionPort& p, ItemInfo& i) {
             i.productCode = code;
             p.productInfoResult = 0;
         },
         {L"product " + code, L"message s115 yesno", L"remove " + code, start},
         1},
        {"installed with a long name, removed",
         [&](FakeActionPort& p, ItemInfo& i) {
             i.productCode = code;
             p.productInfoResult = 234;
         },
         {L"product " + code, L"message s115 yesno", L"remove " + code, start},
         1},
        {"installed, removal declined",
         [&](FakeActionPort& p, ItemInfo& i) {
             i.productCode = code;
             p.productInfoResult = 0;
             p.answers.push_back(MessageAnswer::No);
         },
         {L"product " + code, L"message s115 yesno"},
         0},
        {"removal cancelled by the user",
         [&](FakeActionPort& p, ItemInfo& i) {
             i.productCode = code;
             p.productInfoResult = 0;
             p.removeResult = 1602;
         },
         {L"product " + code, L"message s115 yesno", L"remove " + code},
         0},
        {"removal failed otherwise: installs anyway",
         [&](FakeActionPort& p, ItemInfo& i) {
             i.productCode = code;
             p.productInfoResult = 0;
             p.removeResult = 1603;
         },
         {L"product " + code, L"message s115 yesno", L"remove " + code, start},
         1},
        {"no installer file: removes, starts nothing",
         [&](FakeActionPort& p, ItemInfo& i) {
             i.productCode = code;
             i.executeFileName.clear();
             p.productInfoResult = 0;
         },
         {L"product " + code, L"message s115 yesno", L"remove " + code},
         0},
        {"msi.dll missing on NT with a product code: silently nothing",
         [&](FakeActionPort& p, ItemInfo& i) {
             i.productCode = code;
             p.msiLoads = false;
         },
         {},
         0},
        {"msi.dll missing on NT without a product code",
         [](FakeActionPort& p, ItemInfo&) { p.msiLoads = false; },
         {start},
         1},
        {"shell failure",
         [](FakeActionPort& p, ItemInfo&) { p.shellResults[L"D:\\App\\setup.exe"] = 2; },
         {start, L"message s107 ok error"},
         0},
        {"Windows 9x with Windows Installer 1.2",
         [](FakeActionPort& p, ItemInfo&) {
             p.nt = false;
             p.msiVersionMS = 0x00010002;
         },
         {L"message install Suite? yesno", L"run D:\\Instmsi.exe||"},
         0},
        {"Windows 9x without Windows Installer, declined",
         [](FakeActionPort& p, ItemInfo&) {
             p.nt = false;
             p.msiLoads = false;
             p.answers.push_back(MessageAnswer::No);
         },
         {L"message install Suite? yesno"},
         0},
        {"Windows 9x with Windows Installer 2",
         [](FakeActionPort& p, ItemInfo&) { p.nt = false; },
         {start},
         1},
    };
    for (const Case& c : cases) {
        FakeActionPort port;
        auto item = Installer();
        c.arrange(port, *item);
        RegisteredApps registered;
        EXPECT_EQ(Dispatch(port, *item, &registered), c.expected) << c.name;
        EXPECT_EQ(registered.Take().size(), static_cast<std::size_t>(c.launched))
            << c.name << ": its Run value is started on leaving";
    }
}

TEST(ItemActions, SubItemsHaveNoApplicationBranchAndNameTheirApplication) {
    FakeActionPort port;
    port.nt = false;
    port.msiLoads = false;
    port.answers.push_back(MessageAnswer::No);
    auto application = Item(L"Application", L"Suite");
    application->subItems.push_back(Item(L"Installer", L"Install"));
    application->subItems.push_back(Item(L"Application", L"Nested"));
    application->subItems[1]->subItems.push_back(Item(L"Web"));
    RegisteredApps registered;
    ItemActions actions(port, kFolder, registered);
    actions.DispatchSubItem(*application, *application->subItems[1]);
    EXPECT_EQ(port.log, Log{}) << "an Application sub-item does nothing";
    actions.DispatchSubItem(*application, *application->subItems[0]);
    EXPECT_EQ(port.log, Log{L"message install Suite? yesno"});
    EXPECT_TRUE(registered.Take().empty());
}

// Every installer started from a page or the sub-item dialog has its Run value started on
// leaving, once, in the order started; an installer that did not start adds nothing.
TEST(ItemActions, RegisteredAppsStartOnlyForStartedInstallersAndEachOnce) {
    FakeActionPort port;
    port.runValues[L"Started"] = Text(1, L"C:\\App\\app.exe");
    port.runValues[L"Expand"] = Text(2, L"C:\\Tool.exe", false);
    port.runValues[L"Binary"] = Text(3, L"C:\\bin.exe");
    port.runValues[L"Quoted"] = Text(1, L"\"C:\\A B\\q.exe\" /x");
    port.shellResults[L"D:\\App\\fails.exe"] = 2;
    const auto installer = [](const wchar_t* runValue, const wchar_t* file = L"App\\setup.exe") {
        auto item = Installer();
        item->runValueName = runValue;
        item->executeFileName = file;
        return item;
    };
    auto application = Item(L"Application", L"Suite");
    application->subItems.push_back(installer(L"Started"));
    const std::unique_ptr<ItemInfo> pageItems[] = {
        installer(L"Started"), installer(L"NotStarted", L"App\\fails.exe"),
        installer(L""),        installer(L"Expand"),
        installer(L"Binary"),  installer(L"Missing"),
        installer(L"Quoted")};
    RegisteredApps registered;
    ItemActions actions(port, kFolder, registered);
    actions.DispatchSubItem(*application, *application->subItems[0]);
    for (const auto& item : pageItems)
        actions.Dispatch(*item);
    actions.Dispatch(*pageItems[0]);
    port.log.clear();
    actions.RunRegisteredApps();
    EXPECT_EQ(port.log,
              (Log{L"wait installers", L"query Started 512", L"run C:\\App\\app.exe||",
                   L"query Expand 512", L"run C:\\Tool.exe||", L"query Binary 512",
                   L"query Missing 512", L"query Quoted 512", L"run C:\\A B\\q.exe|/x|"}));
    port.log.clear();
    actions.RunRegisteredApps();
    EXPECT_EQ(port.log, Log{}) << "each once";
}

// Command lines as Windows hands a Run value to CreateProcess: the program it starts and what
// follows, for the files that exist.
TEST(SplitRunCommand, FindsTheProgramAsCreateProcessDoes) {
    const std::wstring installed =
        L"C:\\Program Files (x86)\\Orvane\\Visomat (DDCCI)\\DimoraDdcci.exe";
    struct Case {
        std::wstring line;
        std::set<std::wstring> existing;
        std::wstring program;
        std::wstring arguments;
    };
    const Case cases[] = {
        {L"\"" + installed + L"\"", {}, installed, L""},
        {L"  \"" + installed + L"\"  /exit", {}, installed, L"/exit"},
        {installed, {installed}, installed, L""},
        {installed + L" /exit", {installed}, installed, L"/exit"},
        {L"C:\\A B\\a.exe x", {L"C:\\A.exe", L"C:\\A B\\a.exe"}, L"C:\\A.exe", L"B\\a.exe x"},
        {L"C:\\A B\\tool /q", {L"C:\\A B\\tool.exe"}, L"C:\\A B\\tool.exe", L"/q"},
        {L"C:\\Gone Dir\\x.exe ", {}, L"C:\\Gone Dir\\x.exe", L""},
        {L"\"C:\\Open quote\\x.exe", {}, L"C:\\Open quote\\x.exe", L""},
        {L"", {}, L"", L""},
    };
    for (const Case& c : cases) {
        const RunCommand command = SplitRunCommand(
            c.line, [&](const std::wstring& path) { return c.existing.contains(path); });
        EXPECT_EQ(command.program, c.program) << c.line;
        EXPECT_EQ(command.arguments, c.arguments) << c.line;
    }
}

TEST(IsNewerVersion, ComparesEachPartAsANumber) {
    const std::tuple<const wchar_t*, const wchar_t*, bool> cases[] = {
        {L"2.4.10", L"2.4.9", true}, {L"2.4.1", L"2.4.1", false}, {L"2.3.0", L"2.4.1", false},
        {L"3.0", L"2.9.9", true},    {L"2.4", L"2.4.0", false},   {L"2.4.1.5", L"2.4.1", true},
        {L"", L"2.4.1", false},      {L"x.y", L"0.0", false},
    };
    for (const auto& [installed, package, newer] : cases)
        EXPECT_EQ(IsNewerVersion(installed, package), newer) << installed << " " << package;
}

TEST(RunValueText, TakesTextTypesUpToTheFirstZero) {
    RegistryValue odd = Text(1, L"ab", false);
    odd.data.push_back(0x41);
    RegistryValue early = Text(1, L"ab");
    early.data.insert(early.data.end(), {0x41, 0, 0, 0});
    EXPECT_EQ(RunValueText(odd), L"ab") << "an odd last byte is no character";
    EXPECT_EQ(RunValueText(early), L"ab");
    EXPECT_EQ(RunValueText(Text(1, L"")), std::nullopt);
    EXPECT_EQ(RunValueText(Text(4, L"ab")), std::nullopt) << "REG_DWORD";
    EXPECT_EQ(RunValueText(Text(7, L"ab")), std::nullopt) << "REG_MULTI_SZ";
}

} // namespace
