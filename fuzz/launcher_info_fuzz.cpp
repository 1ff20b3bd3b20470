// The launcher information file, read from a file through the host XML port (libxml2). Checks: at
// most four tabs, each of a known kind; supported-system masks hold only known bits; sub-items
// only under Application items; a second read of the same file gives the same records; and
// releasing the records empties the list.
#include "fuzz/testing/fuzz_check.h"
#include "launcher/core/launcher_info_reader.h"
#include "xml/xml_dom_libxml2.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr OsMask kKnownSystems = 0x7FF;

// The records as one text, every field in order, for comparing two reads.
void Flatten(const ItemInfo& item, std::wstring& out) {
    out += L"[item " + item.title + L'|' + item.caption + L'|' + item.kind + L'|' +
           std::to_wstring(item.applicationOsMask) + L'|' + std::to_wstring(item.installerOsMask) +
           L'|' + item.preMessage + L'|' + item.productCode + L'|' + item.executeFileName + L'|' +
           item.argument + L'|' + item.runValueName + L'|' + item.url;
    for (const auto& title : item.closeWindowTitles)
        out += L"|close " + title;
    for (const auto& file : item.files)
        out += L"|file " + file->modelName + L'|' + file->japanese + L'|' + file->english + L'|' +
               file->deutsch + L'|' + file->francais + L'|' + file->chinese + L'|' + file->fileName;
    for (const auto& sub : item.subItems)
        Flatten(*sub, out);
    out += L']';
}

std::wstring Flatten(const TabList& tabs) {
    std::wstring out;
    for (const auto& tab : tabs) {
        out += L"[tab " + std::to_wstring(static_cast<int>(tab->kind)) + L'|' + tab->title + L'|' +
               tab->infoMessage + L'|' + tab->infoUrl;
        for (const auto& item : tab->items)
            Flatten(*item, out);
        out += L']';
    }
    return out;
}

void CheckItem(const ItemInfo& item) {
    FUZZ_CHECK((item.applicationOsMask & ~kKnownSystems) == 0);
    FUZZ_CHECK((item.installerOsMask & ~kKnownSystems) == 0);
    if (!item.subItems.empty())
        FUZZ_CHECK(item.kind == item_kind::kApplication);
    for (const auto& sub : item.subItems) {
        FUZZ_CHECK(sub->caption.empty());
        CheckItem(*sub);
    }
}

std::wstring Read(const std::filesystem::path& path, TabList& tabs) {
    std::wstring title;
    LauncherInfoReader(std::make_unique<Libxml2Document>()).Load(path.wstring(), title, tabs);
    return title;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("dimora-launcher-fuzz-" + std::to_string(::getpid()) + ".xml");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    TabList tabs;
    const std::wstring title = Read(path, tabs);
    FUZZ_CHECK(tabs.size() <= 4);
    for (const auto& tab : tabs) {
        FUZZ_CHECK(tab->kind >= TabKind::Manual && tab->kind <= TabKind::Information);
        for (const auto& item : tab->items)
            CheckItem(*item);
    }

    TabList again;
    FUZZ_CHECK(Read(path, again) == title);
    FUZZ_CHECK(Flatten(again) == Flatten(tabs));

    ReleaseTabs(tabs);
    FUZZ_CHECK(tabs.empty());
    return 0;
}
