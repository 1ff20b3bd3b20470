// The records the launcher builds from its information file: the tabs, their item buttons and
// the per-model files of an item. They are filled once while the main window initialises and
// live until it is destroyed; every string is the element text exactly as the parser gave it.
#pragma once

#include "launcher/core/os_mask.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One model's files of a Manual, Document or Folder item.
struct ModelFile {
    std::wstring modelName;
    // Manual items: the manual in each language, relative to the launcher's folder; empty when
    // that language is not offered.
    std::wstring japanese;
    std::wstring english;
    std::wstring deutsch;
    std::wstring francais;
    std::wstring chinese;
    // Document items: the document; Folder items: the folder (relative to the launcher's folder).
    std::wstring fileName;
};

// What an item does when clicked; any other text gives a button that does nothing.
namespace item_kind {
inline constexpr std::wstring_view kManual = L"Manual";
inline constexpr std::wstring_view kDocument = L"Document";
inline constexpr std::wstring_view kInstaller = L"Installer";
inline constexpr std::wstring_view kExecute = L"Execute";
inline constexpr std::wstring_view kApplication = L"Application";
inline constexpr std::wstring_view kFolder = L"Folder";
inline constexpr std::wstring_view kWeb = L"Web";
} // namespace item_kind

// One item button ("Button_Info"), or one sub-item of an Application item ("SubButton_Info").
struct ItemInfo {
    ItemInfo() = default;
    ItemInfo(const ItemInfo&) = delete;
    ItemInfo& operator=(const ItemInfo&) = delete;
    // Frees the files, then each sub-item (its files first), in list order.
    ~ItemInfo();

    std::wstring title;
    // Shown while the pointer is over the button; sub-items never have one.
    std::wstring caption;
    std::wstring kind;
    // Manual, Document and Folder items.
    std::vector<std::unique_ptr<ModelFile>> files;
    // Application items: the systems the item supports, 0 when it names none.
    OsMask applicationOsMask = 0;
    std::vector<std::unique_ptr<ItemInfo>> subItems;
    // Installer and Execute items.
    OsMask installerOsMask = 0;
    std::wstring preMessage;
    // Window titles of programs to close first.
    std::vector<std::wstring> closeWindowTitles;
    // Windows Installer product code of the version to remove first, braced.
    std::wstring productCode;
    std::wstring executeFileName;
    std::wstring argument;
    // Value name under the machine-wide Run key.
    std::wstring runValueName;
    // Web items.
    std::wstring url;
};

enum class TabKind : int {
    Manual = 0,
    Application = 1,
    Utility = 2,
    Information = 3,
};

struct TabInfo {
    TabInfo() = default;
    TabInfo(const TabInfo&) = delete;
    TabInfo& operator=(const TabInfo&) = delete;
    // Frees the items in list order.
    ~TabInfo();

    std::wstring title;
    TabKind kind = TabKind::Manual;
    std::vector<std::unique_ptr<ItemInfo>> items;
    // The information page's message and link (Information tabs).
    std::wstring infoMessage;
    std::wstring infoUrl;
};

using TabList = std::vector<std::unique_ptr<TabInfo>>;

// Frees every tab in list order (each tab its items, each item its files and then its
// sub-items) and leaves the list empty. The launcher calls it when its main window goes.
void ReleaseTabs(TabList& tabs);
