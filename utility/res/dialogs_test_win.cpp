// The utility's dialogs as they really create, in both languages: the controls the program binds,
// window kinds and tab order, the styles the code relies on, and a tidy layout whose texts fit.
#include "utility/pages/monitor_list_model.h"
#include "utility/res/testing/resource_probe_win.h"
#include "utility/res/testing/resource_tables_win.h"

#include <gtest/gtest.h>

namespace {

using namespace resource_probe;
using namespace resource_tables;

TEST(UtilityDialogs, CreateFromTheProgramsOwnLanguage) {
    // As the ANSI program does: the loader picks the template of the thread's language.
    PrepareClasses();
    Window host = HostWindow();
    for (const DialogSpec& d : Dialogs()) {
        HWND dialog = CreateDialogParamA(Module(), MAKEINTRESOURCEA(d.id),
                                         d.page ? host.get() : nullptr, TrivialDialogProc, 0);
        EXPECT_NE(dialog, nullptr) << d.name << " error " << GetLastError();
        if (dialog)
            DestroyWindow(dialog);
    }
}

TEST(UtilityDialogs, HaveTheControlsTheProgramBinds) {
    Window host = HostWindow();
    for (WORD lang : kLanguages) {
        for (const DialogSpec& d : Dialogs()) {
            SCOPED_TRACE(std::string(d.name) + " " + LanguageName(lang));
            Window dialog = CreateDialogIn(d.id, lang, d.page ? host.get() : nullptr);
            ASSERT_NE(dialog, nullptr);
            for (const auto& [cls, ids] : d.controls) {
                for (int id : ids) {
                    HWND control = GetDlgItem(dialog.get(), id);
                    ASSERT_NE(control, nullptr) << "control " << id;
                    EXPECT_TRUE(Is(control, cls.c_str())) << id << " is " << ClassOf(control);
                }
            }
            // Pictures name bitmaps that exist.
            for (HWND c : Children(dialog.get())) {
                bool bitmap =
                    Is(c, "Static") && (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
                if (bitmap) {
                    EXPECT_NE(SendMessageA(c, STM_GETIMAGE, IMAGE_BITMAP, 0), 0)
                        << "picture " << GetDlgCtrlID(c);
                }
            }
        }
    }
}

TEST(UtilityDialogs, WindowKindsAndTabOrder) {
    Window host = HostWindow();
    for (WORD lang : kLanguages) {
        SCOPED_TRACE(LanguageName(lang));
        Window main = CreateDialogIn(IDD_DIMORA_DIALOG, lang, nullptr);
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(HasVisibleStyle(main.get())) << "the main window starts hidden";
        EXPECT_EQ(ClassOf(main.get()), DIMORA_MAIN_CLASS);
        for (const DialogSpec& d : Dialogs()) {
            if (!d.page)
                continue;
            Window page = CreateDialogIn(d.id, lang, host.get());
            ASSERT_NE(page, nullptr) << d.name;
            LONG style = GetWindowLongA(page.get(), GWL_STYLE);
            EXPECT_TRUE(style & WS_CHILD) << d.name;
            EXPECT_FALSE(style & (WS_CAPTION | WS_VISIBLE)) << d.name;
            EXPECT_TRUE(GetWindowLongA(page.get(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT) << d.name;
            HWND first = GetNextDlgTabItem(page.get(), nullptr, FALSE);
            EXPECT_EQ(GetDlgCtrlID(first), d.firstControl) << d.name;
            // Alt+C belongs to the main window's Close button.
            for (HWND c : Children(page.get()))
                EXPECT_NE(Mnemonic(TextOf(c)), L'C') << d.name << " control " << GetDlgCtrlID(c);
        }
    }
}

TEST(UtilityDialogs, ControlStylesTheCodeDependsOn) {
    Window host = HostWindow();
    auto style = [](HWND dialog, int id) {
        return GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE);
    };
    for (WORD lang : kLanguages) {
        SCOPED_TRACE(LanguageName(lang));
        Window color = CreateDialogIn(IDD_COLOR, lang, host.get());
        Window vton = CreateDialogIn(IDD_VTON, lang, host.get());
        Window sub = CreateDialogIn(IDD_COLOR_SUB, lang, nullptr);
        Window list = CreateDialogIn(IDD_MONITOR_LIST, lang, nullptr);
        Window sound = CreateDialogIn(IDD_SOUND, lang, host.get());
        Window filter = CreateDialogIn(IDD_VSFILTER, lang, nullptr);
        ASSERT_TRUE(color && vton && sub && list && sound && filter);
        // The data name takes free text; the other lists only offer their items.
        EXPECT_EQ(style(color.get(), IDC_COLOR_DATA_NAME) & 3, CBS_DROPDOWN);
        EXPECT_EQ(style(color.get(), IDC_COLOR_MODE_LIST) & 3, CBS_DROPDOWNLIST);
        // Applications keep the order they were added in; monitor lines are sorted as text.
        EXPECT_FALSE(style(vton.get(), IDC_VTON_APP_LIST) & CBS_SORT);
        EXPECT_TRUE(style(list.get(), IDC_MONLIST_LIST) & LBS_SORT);
        // Value boxes only show what the sliders set.
        const std::pair<HWND, int> values[] = {
            {sub.get(), IDC_SUB_TEMP_VALUE},        {sub.get(), IDC_SUB_BRIGHTNESS_VALUE},
            {sub.get(), IDC_SUB_CONTRAST_VALUE},    {sub.get(), IDC_SUB_GAMMA_VALUE},
            {sub.get(), IDC_SUB_RED_VALUE},         {sub.get(), IDC_SUB_GREEN_VALUE},
            {sub.get(), IDC_SUB_BLUE_VALUE},        {sound.get(), IDC_SOUND_VALUE},
            {filter.get(), IDC_FILTER_ALPHA_VALUE}, {filter.get(), IDC_FILTER_LUM_VALUE}};
        for (auto [dialog, id] : values) {
            EXPECT_TRUE(style(dialog, id) & ES_READONLY) << "value box " << id;
            EXPECT_TRUE(style(dialog, id) & ES_CENTER) << "value box " << id;
        }
        // The dialog paints the temperature picture itself where this placeholder lies.
        EXPECT_FALSE(HasVisibleStyle(GetDlgItem(sub.get(), IDC_SUB_TEMP_PICTURE)));
        // The connection list's lines as its sorted list box orders them: 10 right after 1.
        const HWND lines = GetDlgItem(list.get(), IDC_MONLIST_LIST);
        CMonitorStatus monitor;
        monitor.modelName = "EX-2451W";
        for (int position = 0; position < 11; ++position) {
            const std::string line = MonitorListLine(position, "Monitor1-1", monitor);
            SendMessageA(lines, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        }
        const char* firstFour[] = {"1) ", "10)", "11)", "2) "};
        for (int i = 0; i < 4; ++i) {
            char text[128] = {};
            SendMessageA(lines, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(std::string(text).substr(0, 3), firstFour[i]) << "line " << i;
        }
    }
}

TEST(UtilityDialogs, JapaneseDialogsMirrorTheEnglishOnes) {
    Window host = HostWindow();
    for (const DialogSpec& d : Dialogs()) {
        Window en = CreateDialogIn(d.id, kEnglish, d.page ? host.get() : nullptr);
        Window ja = CreateDialogIn(d.id, kJapanese, d.page ? host.get() : nullptr);
        ASSERT_TRUE(en && ja) << d.name;
        auto shape = [](HWND dialog) {
            std::vector<std::pair<int, std::string>> out;
            for (HWND c : Children(dialog))
                out.emplace_back(GetDlgCtrlID(c), ClassOf(c));
            return out;
        };
        EXPECT_EQ(shape(en.get()), shape(ja.get())) << d.name << ": controls or tab order differ";
        auto mnemonics = [](HWND dialog) {
            std::vector<WCHAR> out;
            for (HWND c : Children(dialog))
                out.push_back(Mnemonic(TextOf(c)));
            return out;
        };
        EXPECT_EQ(mnemonics(en.get()), mnemonics(ja.get())) << d.name << ": access keys differ";
    }
}

TEST(UtilityDialogs, LayoutIsTidy) {
    Window host = HostWindow();
    for (WORD lang : kLanguages) {
        for (const DialogSpec& d : Dialogs()) {
            SCOPED_TRACE(std::string(d.name) + " " + LanguageName(lang));
            Window dialog = CreateDialogIn(d.id, lang, d.page ? host.get() : nullptr);
            ASSERT_NE(dialog, nullptr);
            RECT client;
            GetClientRect(dialog.get(), &client);
            std::vector<HWND> placed;
            std::set<WCHAR> mnemonics;
            for (HWND c : Children(dialog.get())) {
                int id = GetDlgCtrlID(c);
                RECT r = RectInParent(c);
                EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right &&
                            r.bottom <= client.bottom)
                    << "control " << id << " leaves the dialog";
                if (WCHAR key = Mnemonic(TextOf(c))) {
                    EXPECT_TRUE(mnemonics.insert(key).second) << "access key of " << id << " twice";
                }
                if (Is(c, "ComboBox")) {
                    RECT dropped;
                    SendMessageA(c, CB_GETDROPPEDCONTROLRECT, 0,
                                 reinterpret_cast<LPARAM>(&dropped));
                    LRESULT item = SendMessageA(c, CB_GETITEMHEIGHT, 0, 0);
                    EXPECT_GE(dropped.bottom - dropped.top, 5 * item) << "drop-down of " << id;
                }
                // Group boxes hold controls; an up-down control places itself over its buddy's
                // edge.
                if (HasVisibleStyle(c) && !IsGroupBox(c) && !Is(c, "msctls_updown32"))
                    placed.push_back(c);
            }
            for (size_t i = 0; i < placed.size(); ++i) {
                for (size_t j = i + 1; j < placed.size(); ++j) {
                    RECT a = RectInParent(placed[i]), b = RectInParent(placed[j]), both;
                    EXPECT_FALSE(IntersectRect(&both, &a, &b))
                        << "controls " << GetDlgCtrlID(placed[i]) << " and "
                        << GetDlgCtrlID(placed[j]) << " overlap";
                }
            }
        }
    }
}

TEST(UtilityDialogs, TextsFitTheirControls) {
    Window host = HostWindow();
    for (WORD lang : kLanguages) {
        for (const DialogSpec& d : Dialogs()) {
            SCOPED_TRACE(std::string(d.name) + " " + LanguageName(lang));
            Window dialog = CreateDialogIn(d.id, lang, d.page ? host.get() : nullptr);
            ASSERT_NE(dialog, nullptr);
            for (HWND c : Children(dialog.get())) {
                std::wstring text = WithoutMnemonic(TextOf(c));
                LONG staticType = GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK;
                bool picture =
                    Is(c, "Static") && (staticType == SS_BITMAP || staticType == SS_ICON);
                if (text.empty() || picture || !(Is(c, "Static") || Is(c, "Button")))
                    continue;
                RECT r;
                GetClientRect(c, &r);
                int room = r.right;
                LONG type = GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK;
                if (Is(c, "Button") && IsGroupBox(c))
                    room -= 16;
                else if (Is(c, "Button") && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX))
                    room -= GetSystemMetrics(SM_CXMENUCHECK) + 6;
                else if (Is(c, "Button"))
                    room -= 8;
                else if (r.bottom >= 24)
                    room *= r.bottom / 12; // a wrapping note has room for several lines
                EXPECT_LE(TextWidth(c, lang, text), room)
                    << "text of " << GetDlgCtrlID(c) << " does not fit";
            }
        }
    }
}

// Texts the program puts into a dialog's controls when it opens, from the string table: each
// must fit the control in its one line, as the texts of the templates do.
TEST(UtilityDialogs, TextsSetAtRunTimeFitTheirControls) {
    struct RunTimeText {
        int dialog;
        bool page;
        int control;
        UINT string;
    };
    const RunTimeText texts[] = {
        {IDD_ABOUTBOX, false, IDC_ABOUT_VERSION, IDS_VERSION},
        {IDD_ABOUTBOX, false, IDC_ABOUT_COPYRIGHT, IDS_COPYRIGHT},
        {IDD_VTON, true, IDC_HYPERLINK, IDS_MAKER_URL},
        {IDD_COLOR, true, IDC_HYPERLINK, IDS_MAKER_URL},
        {IDD_SOUND, true, IDC_HYPERLINK, IDS_MAKER_URL},
        {IDD_HOTKEYS, false, IDC_HOTKEY_MONITOR, IDS_HOTKEY_UNDER_POINTER},
    };
    Window host = HostWindow();
    for (WORD lang : kLanguages) {
        for (const RunTimeText& t : texts) {
            SCOPED_TRACE(std::string(LanguageName(lang)) + " string " + std::to_string(t.string));
            Window dialog = CreateDialogIn(t.dialog, lang, t.page ? host.get() : nullptr);
            ASSERT_NE(dialog, nullptr);
            const HWND control = GetDlgItem(dialog.get(), t.control);
            const std::optional<std::wstring> text = StringIn(lang, t.string);
            ASSERT_TRUE(control && text);
            RECT r;
            GetClientRect(control, &r);
            EXPECT_LE(TextWidth(control, lang, *text), r.right)
                << "string " << t.string << " does not fit control " << t.control;
        }
    }
}

} // namespace
