#include "launcher/manual_selection.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<ModelFile> Model(std::wstring name, std::wstring english, std::wstring japanese,
                                 std::wstring document = L"") {
    auto file = std::make_unique<ModelFile>();
    file->modelName = std::move(name);
    file->english = std::move(english);
    file->japanese = std::move(japanese);
    file->fileName = std::move(document);
    return file;
}

using Enabled = std::array<bool, kManualLanguageCount>; // Japanese, English, Deutsch, ...

TEST(ManualSelection, CurrentEntryFollowsTheListAndGuardsItsBounds) {
    ItemInfo item;
    ManualSelection none(item, SelectionLayout::Language, L"D:\\");
    EXPECT_EQ(none.CurrentEntry(0), nullptr) << "no files at all";
    EXPECT_EQ(none.LanguagesEnabled(0), Enabled{});
    EXPECT_EQ(none.ChooseLanguage(0, ManualLanguage::English), std::nullopt);

    item.files.push_back(Model(L"", L"en.pdf", L""));
    ManualSelection one(item, SelectionLayout::Language, L"D:\\");
    EXPECT_EQ(one.CurrentEntry(-1), item.files[0].get()) << "one file needs no list";
    EXPECT_EQ(one.LanguagesEnabled(-1), (Enabled{false, true, false, false, false}));

    item.files.push_back(Model(L"B", L"", L"b_ja.pdf"));
    item.files.push_back(Model(L"C", L"", L""));
    ManualSelection three(item, SelectionLayout::ModelAndLanguage, L"D:\\");
    EXPECT_EQ(three.ModelNames(), (std::vector<std::wstring>{L"", L"B", L"C"}));
    EXPECT_EQ(three.CurrentEntry(1), item.files[1].get());
    EXPECT_EQ(three.CurrentEntry(-1), nullptr) << "CB_ERR";
    EXPECT_EQ(three.CurrentEntry(3), nullptr);
    EXPECT_EQ(three.LanguagesEnabled(1), (Enabled{true, false, false, false, false}));
    EXPECT_EQ(three.LanguagesEnabled(2), Enabled{}) << "a model without files";
    EXPECT_EQ(three.ChooseLanguage(1, ManualLanguage::Japanese), L"D:\\b_ja.pdf");
    EXPECT_EQ(three.ChooseLanguage(1, ManualLanguage::English), std::nullopt)
        << "a language the model does not offer opens nothing, not the disk's folder";
    EXPECT_EQ(three.ChooseLanguage(-1, ManualLanguage::Japanese), std::nullopt);
}

TEST(ManualSelection, ModelListOkOpensTheModelsFileOrNothing) {
    ItemInfo item;
    item.files.push_back(Model(L"A", L"", L"", L"Driver\\A"));
    item.files.push_back(Model(L"B", L"", L"", L""));
    ManualSelection selection(item, SelectionLayout::Model, L"D:\\");
    EXPECT_FALSE(selection.HasLanguageButtons());
    EXPECT_TRUE(selection.HasModelList());
    EXPECT_EQ(selection.ChooseModel(0), L"D:\\Driver\\A");
    EXPECT_EQ(selection.ChooseModel(1), std::nullopt) << "empty file name";
    EXPECT_EQ(selection.ChooseModel(-1), std::nullopt);
    EXPECT_EQ(selection.ChooseModel(2), std::nullopt);
}

} // namespace
