#include "launcher/core/launcher_info_reader.h"

#include <array>
#include <optional>
#include <string_view>

namespace {

constexpr std::wstring_view kRootName = L"Orvane_LCD_Utility_Disk";
// At most this many tab elements are read; one dropped for lack of a title counts too.
constexpr int kMaxTabElements = 4;

struct TabElement {
    std::wstring_view name;
    TabKind kind;
};

constexpr std::array kTabElements{
    TabElement{L"Manual_Tab", TabKind::Manual},
    TabElement{L"Application_Tab", TabKind::Application},
    TabElement{L"Utility_Tab", TabKind::Utility},
    TabElement{L"Information_Tab", TabKind::Information},
};

std::optional<TabKind> TabKindOf(const XmlDomNode& node) {
    if (node.NodeType() != XmlNodeType::Element)
        return std::nullopt;
    const std::wstring name = node.NodeName();
    for (const auto& tab : kTabElements) {
        if (tab.name == name)
            return tab.kind;
    }
    return std::nullopt;
}

// The child nodes of one element, fetched once, with look-ups by element name. Only direct
// children are searched, names compared exactly.
class Children {
  public:
    explicit Children(const XmlDomNode& parent) : nodes_(parent.ChildNodes()) {}

    const std::vector<std::unique_ptr<XmlDomNode>>& Nodes() const& { return nodes_; }

    // The first child element called `name`, or null.
    const XmlDomNode* First(std::wstring_view name) const&& = delete;
    const XmlDomNode* First(std::wstring_view name) const& {
        for (const auto& node : nodes_) {
            if (IsElementNamed(*node, name))
                return node.get();
        }
        return nullptr;
    }

    // Every child element called `name`, in document order. The pointers live as long as this
    // list, so a temporary list cannot hand them out.
    std::vector<const XmlDomNode*> All(std::wstring_view name) const&& = delete;
    std::vector<const XmlDomNode*> All(std::wstring_view name) const& {
        std::vector<const XmlDomNode*> found;
        for (const auto& node : nodes_) {
            if (IsElementNamed(*node, name))
                found.push_back(node.get());
        }
        return found;
    }

    // Replaces `target` with the text of the child element `name`; leaves it alone and returns
    // false when there is no such child.
    bool ReadText(std::wstring_view name, std::wstring& target) const {
        const XmlDomNode* node = First(name);
        if (!node)
            return false;
        target = node->Text();
        return true;
    }

  private:
    static bool IsElementNamed(const XmlDomNode& node, std::wstring_view name) {
        return node.NodeType() == XmlNodeType::Element && node.NodeName() == name;
    }

    std::vector<std::unique_ptr<XmlDomNode>> nodes_;
};

// The bits of every "OS" child of "Support_OS_Info"; 0 without that element.
OsMask ReadSupportedSystems(const Children& item) {
    const XmlDomNode* info = item.First(L"Support_OS_Info");
    if (!info)
        return 0;
    OsMask mask = 0;
    // The child list owns the nodes: it has to outlive the loop.
    const Children systems(*info);
    for (const XmlDomNode* os : systems.All(L"OS"))
        mask |= OsMaskFromName(os->Text());
    return mask;
}

void ReadManualFiles(const Children& item, ItemInfo& target) {
    for (const XmlDomNode* node : item.All(L"Manual_File_Info")) {
        auto file = std::make_unique<ModelFile>();
        const Children info(*node);
        info.ReadText(L"Model_Name", file->modelName);
        if (const XmlDomNode* names = info.First(L"Manual_File_Name_Info")) {
            const Children languages(*names);
            languages.ReadText(L"Japanese", file->japanese);
            languages.ReadText(L"English", file->english);
            languages.ReadText(L"Deutsch", file->deutsch);
            languages.ReadText(L"Francais", file->francais);
            languages.ReadText(L"Chinese", file->chinese);
        }
        target.files.push_back(std::move(file));
    }
}

// Document and Folder items: one model name and one file or folder name per entry.
void ReadNamedFiles(const Children& item, std::wstring_view entryName, std::wstring_view fileName,
                    ItemInfo& target) {
    for (const XmlDomNode* node : item.All(entryName)) {
        auto file = std::make_unique<ModelFile>();
        const Children info(*node);
        info.ReadText(L"Model_Name", file->modelName);
        info.ReadText(fileName, file->fileName);
        target.files.push_back(std::move(file));
    }
}

void ReadInstaller(const Children& item, ItemInfo& target) {
    target.installerOsMask = ReadSupportedSystems(item);
    item.ReadText(L"Pre_Message", target.preMessage);
    if (const XmlDomNode* close = item.First(L"App_Close_Info")) {
        const Children names(*close);
        for (const XmlDomNode* name : names.All(L"App_Name"))
            target.closeWindowTitles.push_back(name->Text());
    }
    if (const XmlDomNode* uninstall = item.First(L"Uninstall_Info"))
        Children(*uninstall).ReadText(L"Product_Code", target.productCode);
    item.ReadText(L"Execute_File_Name", target.executeFileName);
    item.ReadText(L"Argument", target.argument);
    if (const XmlDomNode* run = item.First(L"App_Run_Info"))
        Children(*run).ReadText(L"App_Name", target.runValueName);
}

void ReadKindChildren(const Children& item, ItemInfo& target);

void ReadApplication(const Children& item, ItemInfo& target) {
    target.applicationOsMask = ReadSupportedSystems(item);
    for (const XmlDomNode* node : item.All(L"SubButton_Info")) {
        auto sub = std::make_unique<ItemInfo>();
        const Children subItem(*node);
        // A sub-item has a title and a kind but never a caption.
        subItem.ReadText(L"Title", sub->title);
        subItem.ReadText(L"Item", sub->kind);
        ReadKindChildren(subItem, *sub);
        target.subItems.push_back(std::move(sub));
    }
}

// The children that the item's kind reads; an unknown kind reads none.
void ReadKindChildren(const Children& item, ItemInfo& target) {
    using namespace item_kind;
    const std::wstring& kind = target.kind;
    if (kind == kManual)
        ReadManualFiles(item, target);
    else if (kind == kDocument)
        ReadNamedFiles(item, L"Document_File_Info", L"Document_File_Name", target);
    else if (kind == kInstaller || kind == kExecute)
        ReadInstaller(item, target);
    else if (kind == kApplication)
        ReadApplication(item, target);
    else if (kind == kFolder)
        ReadNamedFiles(item, L"Folder_Info", L"Folder_Name", target);
    else if (kind == kWeb)
        item.ReadText(L"Info_URL", target.url);
}

std::unique_ptr<ItemInfo> ReadItem(const XmlDomNode& node) {
    auto item = std::make_unique<ItemInfo>();
    const Children children(node);
    children.ReadText(L"Title", item->title);
    children.ReadText(L"Caption", item->caption);
    children.ReadText(L"Item", item->kind);
    ReadKindChildren(children, *item);
    return item;
}

// A tab without "Title" is dropped with everything inside it.
void ReadTab(const XmlDomNode& node, TabKind kind, TabList& tabs) {
    auto tab = std::make_unique<TabInfo>();
    tab->kind = kind;
    const Children children(node);
    if (!children.ReadText(L"Title", tab->title))
        return;
    for (const XmlDomNode* item : children.All(L"Button_Info"))
        tab->items.push_back(ReadItem(*item));
    children.ReadText(L"Info_Message", tab->infoMessage);
    children.ReadText(L"Info_URL", tab->infoUrl);
    tabs.push_back(std::move(tab));
}

} // namespace

void LauncherInfoReader::Load(const std::wstring& path, std::wstring& launcherTitle,
                              TabList& tabs) {
    if (!document_ || !document_->Load(path))
        return;
    const std::unique_ptr<XmlDomNode> root = document_->DocumentElement();
    if (!root || root->NodeName() != kRootName)
        return;
    const Children children(*root);
    children.ReadText(L"Launcher_Title", launcherTitle);
    int tabElements = 0;
    for (const auto& node : children.Nodes()) {
        if (const std::optional<TabKind> kind = TabKindOf(*node)) {
            ReadTab(*node, *kind, tabs);
            ++tabElements;
        }
        if (tabElements >= kMaxTabElements)
            break;
    }
}
