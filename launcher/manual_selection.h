// The model and language selection dialog's rules: which models it lists, which entry the
// chosen model is, which language buttons may be pressed, and the path a choice opens. The
// dialog has three layouts: a model list with OK (Document and Folder items with several
// models), a model list with language buttons, and language buttons alone (a Manual item with
// one unnamed model).
#pragma once

#include "launcher/action_port.h"
#include "launcher/core/launcher_info.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

enum class ManualLanguage { Japanese, English, Deutsch, Francais, Chinese };
inline constexpr int kManualLanguageCount = 5;

// The manual of `file` in `language`; empty when that language is not offered.
const std::wstring& FileOfLanguage(const ModelFile& file, ManualLanguage language);

class ManualSelection {
  public:
    // `item` outlives the selection; `programFolder` ends with a backslash.
    ManualSelection(const ItemInfo& item, SelectionLayout layout, std::wstring programFolder);

    SelectionLayout Layout() const { return m_layout; }
    bool HasModelList() const { return m_layout != SelectionLayout::Language; }
    bool HasLanguageButtons() const { return m_layout != SelectionLayout::Model; }

    // The model names in file order, for the list.
    std::vector<std::wstring> ModelNames() const;
    // The entry the dialog works on: the only file when there are fewer than two, otherwise the
    // file at the list's `selection` (-1 or out of range: none).
    const ModelFile* CurrentEntry(int selection) const;
    // Per language: the current entry offers it.
    std::array<bool, kManualLanguageCount> LanguagesEnabled(int selection) const;

    // A language button: the current entry's file in that language, or nothing (the dialog then
    // ends without opening anything).
    std::optional<std::wstring> ChooseLanguage(int selection, ManualLanguage language) const;
    // OK of the model list: the selected model's file, or nothing.
    std::optional<std::wstring> ChooseModel(int selection) const;

  private:
    const ModelFile* FileAt(int selection) const;

    const ItemInfo& m_item;
    SelectionLayout m_layout;
    std::wstring m_programFolder;
};
