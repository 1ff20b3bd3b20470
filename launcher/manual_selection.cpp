#include "launcher/manual_selection.h"

#include <utility>

const std::wstring& FileOfLanguage(const ModelFile& file, ManualLanguage language) {
    switch (language) {
    case ManualLanguage::Japanese:
        return file.japanese;
    case ManualLanguage::English:
        return file.english;
    case ManualLanguage::Deutsch:
        return file.deutsch;
    case ManualLanguage::Francais:
        return file.francais;
    case ManualLanguage::Chinese:
        break;
    }
    return file.chinese;
}

ManualSelection::ManualSelection(const ItemInfo& item, SelectionLayout layout,
                                 std::wstring programFolder)
    : m_item(item), m_layout(layout), m_programFolder(std::move(programFolder)) {}

std::vector<std::wstring> ManualSelection::ModelNames() const {
    std::vector<std::wstring> names;
    for (const auto& file : m_item.files)
        names.push_back(file ? file->modelName : std::wstring());
    return names;
}

const ModelFile* ManualSelection::FileAt(int selection) const {
    if (selection < 0 || static_cast<std::size_t>(selection) >= m_item.files.size())
        return nullptr;
    return m_item.files[static_cast<std::size_t>(selection)].get();
}

const ModelFile* ManualSelection::CurrentEntry(int selection) const {
    if (m_item.files.size() < 2)
        return FileAt(0);
    return FileAt(selection);
}

std::array<bool, kManualLanguageCount> ManualSelection::LanguagesEnabled(int selection) const {
    std::array<bool, kManualLanguageCount> enabled{};
    if (const ModelFile* entry = CurrentEntry(selection)) {
        for (int i = 0; i < kManualLanguageCount; ++i)
            enabled[static_cast<std::size_t>(i)] =
                !FileOfLanguage(*entry, static_cast<ManualLanguage>(i)).empty();
    }
    return enabled;
}

std::optional<std::wstring> ManualSelection::ChooseLanguage(int selection,
                                                            ManualLanguage language) const {
    const ModelFile* entry = CurrentEntry(selection);
    // A button of a language the entry does not offer is disabled; pressed anyway (by a
    // message), it opens nothing rather than the disk's folder.
    if (!entry || FileOfLanguage(*entry, language).empty())
        return std::nullopt;
    return m_programFolder + FileOfLanguage(*entry, language);
}

std::optional<std::wstring> ManualSelection::ChooseModel(int selection) const {
    const ModelFile* file = FileAt(selection);
    if (!file || file->fileName.empty())
        return std::nullopt;
    return m_programFolder + file->fileName;
}
