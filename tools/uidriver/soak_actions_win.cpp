#include "tools/uidriver/soak_actions_win.h"

#include "tools/uidriver/state_query_win.h"
#include "tools/uidriver/utility_windows_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <commctrl.h>
#include <wtsapi32.h>

#include <iterator>

namespace {

constexpr DWORD kPollMs = 25;
constexpr DWORD kStepLimitMs = 15000;
// Auto Veltone looks at the foreground every 100 ms; this lets it see the switch and write the
// application's picture mode.
constexpr DWORD kForegroundSettleMs = 400;

// Waits, running the driver's own messages, until `done` holds or the limit has passed.
template <typename Done> bool WaitUntil(Done done, DWORD limitMs = kStepLimitMs) {
    for (DWORD waited = 0; waited < limitMs; waited += kPollMs) {
        if (done())
            return true;
        PumpFor(kPollMs);
    }
    return done();
}

bool Gone(HWND dialog) {
    return WaitUntil([dialog] { return !::IsWindow(dialog); });
}

// Moves the slider `id` of `dialog` to the fraction `tenths` / 10 of its range, as a drag that
// ends there does.
bool Slide(HWND dialog, int id, int tenths) {
    const HWND slider = dialog ? ::GetDlgItem(dialog, id) : nullptr;
    if (!slider || !::IsWindowEnabled(slider))
        return false;
    const LRESULT low = ::SendMessageA(slider, TBM_GETRANGEMIN, 0, 0);
    const LRESULT high = ::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0);
    const LRESULT position = low + (high - low) * tenths / 10;
    ::SendMessageA(slider, TBM_SETPOS, TRUE, position);
    const auto lParam = reinterpret_cast<LPARAM>(slider);
    ::SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), lParam);
    ::SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), lParam);
    return ::SendMessageA(slider, TBM_GETPOS, 0, 0) == position;
}

} // namespace

void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    do {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        ::Sleep(ms < 10 ? ms : 10);
    } while (::GetTickCount() - start < ms);
}

bool SoakActions::DisplayChange() {
    const LRESULT before = QueryState(m_main, kQueryRescans);
    DWORD_PTR ignored = 0;
    if (!::SendMessageTimeoutA(m_main, WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 1000), SMTO_NORMAL,
                               kStepLimitMs, &ignored))
        return false;
    // One rescan follows, a second later.
    return WaitUntil([&] { return QueryState(m_main, kQueryRescans) > before; });
}

bool SoakActions::DisplayChangeUnderColourDialog() {
    const HWND dialog = DialogWith(m_main, IDC_SUB_BRIGHTNESS_SLIDER);
    if (!dialog)
        return false;
    // Windows tells every top-level window: the dialog closes, then the main window rescans.
    ::PostMessageA(dialog, WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 1000));
    return Gone(dialog) && DisplayChange();
}

bool SoakActions::Suspend() {
    ::SendMessageA(m_main, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    return true;
}

bool SoakActions::Resume() {
    // Windows tells every resume, and then that a user caused it.
    ::SendMessageA(m_main, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    ::SendMessageA(m_main, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    return true;
}

bool SoakActions::Unlock() {
    ::SendMessageA(m_main, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 1);
    return true;
}

bool SoakActions::ShowMain() {
    ::PostMessageA(m_main, WM_COMMAND, ID_TRAY_SETTINGS, 0);
    return WaitUntil([this] { return QueryState(m_main, kQueryMainShown) == 1; });
}

bool SoakActions::Page(int page) {
    ::SendMessageA(::GetDlgItem(m_main, IDC_TAB), TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
    return QueryState(m_main, kQueryCurrentPage) == page;
}

bool SoakActions::OpenColourDialog() {
    const HWND button = VisibleControl(m_main, IDC_COLOR_ADJUST);
    if (!button)
        return false;
    ::PostMessageA(::GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_COLOR_ADJUST, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    // The dialog reads the monitor's values once it shows, and enables OK after. Before the
    // dialog is set up, while it is not shown yet, OK is enabled as the template has it.
    return WaitUntil([this] {
        const HWND dialog = DialogWith(m_main, IDC_SUB_BRIGHTNESS_SLIDER);
        return dialog && ::IsWindowVisible(dialog) && ::IsWindowEnabled(::GetDlgItem(dialog, IDOK));
    });
}

bool SoakActions::SlideColour(std::size_t round) {
    return Slide(DialogWith(m_main, IDC_SUB_BRIGHTNESS_SLIDER), IDC_SUB_BRIGHTNESS_SLIDER,
                 round % 2 ? 3 : 7);
}

bool SoakActions::MoveColourDialog(std::size_t round) {
    const HWND dialog = DialogWith(m_main, IDC_SUB_BRIGHTNESS_SLIDER);
    RECT frame{};
    if (!dialog || !::GetWindowRect(dialog, &frame))
        return false;
    const int step = round % 2 ? -40 : 40;
    ::SetWindowPos(dialog, nullptr, frame.left + step, frame.top + step / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Painted again where it now is, its picture and frames drawn anew.
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    PumpFor(100);
    return true;
}

bool SoakActions::CancelColourDialog() {
    const HWND dialog = DialogWith(m_main, IDC_SUB_BRIGHTNESS_SLIDER);
    if (!dialog)
        return false;
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return Gone(dialog);
}

bool SoakActions::HideMain() {
    ::PostMessageA(m_main, WM_COMMAND, IDC_CLOSE, 0);
    return WaitUntil([this] { return QueryState(m_main, kQueryMainShown) == 0; });
}

bool SoakActions::OpenMonitorList() {
    ::PostMessageA(m_main, WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
    return WaitDialogWith(m_main, IDC_MONLIST_LIST) != nullptr;
}

bool SoakActions::CloseMonitorList() {
    const HWND list = DialogWith(m_main, IDC_MONLIST_LIST);
    if (!list)
        return false;
    ::PostMessageA(list, WM_COMMAND, IDCANCEL, 0);
    return Gone(list);
}

bool SoakActions::OpenEyeCare() {
    ::PostMessageA(m_main, WM_COMMAND, ID_TRAY_EYECARE, 0);
    const HWND dialog = WaitDialogWith(m_main, IDC_EYECARE_POPUP);
    if (!dialog)
        return false;
    // The reminder runs, so that its balloon can show.
    const HWND popup = ::GetDlgItem(dialog, IDC_EYECARE_POPUP);
    if (::SendMessageA(popup, BM_GETCHECK, 0, 0) != BST_CHECKED)
        ::SendMessageA(popup, BM_CLICK, 0, 0);
    return true;
}

bool SoakActions::OpenEditMessage() {
    const HWND dialog = WaitDialogWith(m_main, IDC_EYECARE_POPUP);
    if (!dialog)
        return false;
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EYECARE_EDIT_MSG, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_EYECARE_EDIT_MSG)));
    return WaitDialogWith(m_main, IDC_EDITMSG_CAPTION) != nullptr;
}

bool SoakActions::CloseEditMessage() {
    const HWND editor = DialogWith(m_main, IDC_EDITMSG_CAPTION);
    if (!editor)
        return false;
    PressOk(editor);
    return !::IsWindow(editor);
}

bool SoakActions::CloseEyeCare() {
    const HWND dialog = DialogWith(m_main, IDC_EYECARE_POPUP);
    if (!dialog)
        return false;
    PressOk(dialog); // "Close", which saves
    return !::IsWindow(dialog);
}

bool SoakActions::OpenFilter(std::size_t round) {
    ::PostMessageA(m_main, WM_COMMAND, ID_TRAY_FILTER, 0);
    const HWND dialog = WaitDialogWith(m_main, IDC_FILTER_IMAGE);
    if (!dialog)
        return false;
    // Each round previews another default picture: the lines between "no picture" and the
    // user's own file.
    const HWND list = ::GetDlgItem(dialog, IDC_FILTER_IMAGE);
    const LRESULT lines = ::SendMessageA(list, CB_GETCOUNT, 0, 0);
    if (lines < 3)
        return false;
    const auto line = static_cast<WPARAM>(1 + round % static_cast<std::size_t>(lines - 2));
    ::SendMessageA(list, CB_SETCURSEL, line, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILTER_IMAGE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    return ::SendMessageA(list, CB_GETCURSEL, 0, 0) == static_cast<LRESULT>(line);
}

bool SoakActions::SlideFilter(std::size_t round) {
    const HWND dialog = DialogWith(m_main, IDC_FILTER_IMAGE);
    const int tenths = round % 2 ? 2 : 6;
    return Slide(dialog, IDC_FILTER_ALPHA_SLIDER, tenths) &&
           Slide(dialog, IDC_FILTER_LUM_SLIDER, tenths);
}

bool SoakActions::CancelFilter() {
    const HWND dialog = DialogWith(m_main, IDC_FILTER_IMAGE);
    if (!dialog)
        return false;
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return Gone(dialog);
}

bool SoakActions::OpenFilterOnKept() {
    ::PostMessageA(m_main, WM_COMMAND, ID_TRAY_FILTER, 0);
    return WaitDialogWith(m_main, IDC_FILTER_IMAGE) != nullptr;
}

bool SoakActions::PickNoPicture() {
    const HWND dialog = DialogWith(m_main, IDC_FILTER_IMAGE);
    if (!dialog)
        return false;
    const HWND list = ::GetDlgItem(dialog, IDC_FILTER_IMAGE);
    ::SendMessageA(list, CB_SETCURSEL, 0, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILTER_IMAGE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    return ::SendMessageA(list, CB_GETCURSEL, 0, 0) == 0;
}

bool SoakActions::KeepFilter() {
    const HWND dialog = DialogWith(m_main, IDC_FILTER_IMAGE);
    if (!dialog)
        return false;
    PressOk(dialog);
    return !::IsWindow(dialog);
}

bool SoakActions::OpenTrayMenu() {
    ::PostMessageA(m_main, WM_TRAY_NOTIFY, 0, WM_RBUTTONUP);
    return WaitMenu(m_main);
}

bool SoakActions::CloseTrayMenu() {
    ::PostMessageA(m_main, WM_CANCELMODE, 0, 0);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(m_main, &pid);
    return WaitUntil([pid] {
        const HWND menu = FindTopWindow("#32768", pid);
        if (menu && ::IsWindowVisible(menu))
            ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        return !menu || !::IsWindowVisible(menu);
    });
}

bool SoakActions::OpenAbout() {
    ::PostMessageA(m_main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    return WaitDialogWith(m_main, IDC_ABOUT_VERSION) != nullptr;
}

bool SoakActions::CloseAbout() {
    const HWND about = DialogWith(m_main, IDC_ABOUT_VERSION);
    if (!about)
        return false;
    PressOk(about);
    return !::IsWindow(about);
}

bool SoakActions::Front(HWND window) {
    if (!::SetForegroundWindow(window))
        return false;
    PumpFor(kForegroundSettleMs);
    return ::GetForegroundWindow() == window;
}

bool SoakActions::Timer(unsigned id) {
    // Sent rather than posted: the handler has run when the call returns.
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutA(m_main, WM_TIMER, id, 0, SMTO_NORMAL, kStepLimitMs, &ignored) != 0;
}

// Each step with the name a report of its failure gives. The second half of the round goes
// through the paths the first leaves out: the colour dialog closed by a display change, and a
// filter kept over the display change, suspend, resume and unlock, then taken off.
const SoakActions::Step SoakActions::kRound[] = {
    {"display change", [](SoakActions& a, std::size_t) { return a.DisplayChange(); }},
    {"suspend", [](SoakActions& a, std::size_t) { return a.Suspend(); }},
    {"resume", [](SoakActions& a, std::size_t) { return a.Resume(); }},
    {"unlock", [](SoakActions& a, std::size_t) { return a.Unlock(); }},
    {"main window shown", [](SoakActions& a, std::size_t) { return a.ShowMain(); }},
    {"colour page", [](SoakActions& a, std::size_t) { return a.Page(1); }},
    {"colour dialog opened", [](SoakActions& a, std::size_t) { return a.OpenColourDialog(); }},
    {"colour slider moved", [](SoakActions& a, std::size_t r) { return a.SlideColour(r); }},
    {"colour dialog moved", [](SoakActions& a, std::size_t r) { return a.MoveColourDialog(r); }},
    {"colour dialog cancelled", [](SoakActions& a, std::size_t) { return a.CancelColourDialog(); }},
    {"sound page", [](SoakActions& a, std::size_t) { return a.Page(2); }},
    {"main window hidden", [](SoakActions& a, std::size_t) { return a.HideMain(); }},
    {"monitor list opened", [](SoakActions& a, std::size_t) { return a.OpenMonitorList(); }},
    {"monitor list closed", [](SoakActions& a, std::size_t) { return a.CloseMonitorList(); }},
    {"EyeCare dialog opened", [](SoakActions& a, std::size_t) { return a.OpenEyeCare(); }},
    {"Edit Message opened", [](SoakActions& a, std::size_t) { return a.OpenEditMessage(); }},
    {"Edit Message OK", [](SoakActions& a, std::size_t) { return a.CloseEditMessage(); }},
    {"EyeCare dialog closed", [](SoakActions& a, std::size_t) { return a.CloseEyeCare(); }},
    {"filter dialog opened on a picture",
     [](SoakActions& a, std::size_t r) { return a.OpenFilter(r); }},
    {"filter previewed", [](SoakActions& a, std::size_t r) { return a.SlideFilter(r); }},
    {"filter dialog cancelled", [](SoakActions& a, std::size_t) { return a.CancelFilter(); }},
    {"registered application in front",
     [](SoakActions& a, std::size_t) { return a.Front(a.m_app); }},
    {"other registered application in front",
     [](SoakActions& a, std::size_t) { return a.Front(a.m_own); }},
    {"reminder balloon shown", [](SoakActions& a, std::size_t) { return a.Timer(TIMER_REMINDER); }},
    {"reminder balloon hidden",
     [](SoakActions& a, std::size_t) { return a.Timer(TIMER_BALLOON_HIDE); }},
    {"notification menu opened", [](SoakActions& a, std::size_t) { return a.OpenTrayMenu(); }},
    {"notification menu closed", [](SoakActions& a, std::size_t) { return a.CloseTrayMenu(); }},
    {"main window shown again", [](SoakActions& a, std::size_t) { return a.ShowMain(); }},
    {"About box opened", [](SoakActions& a, std::size_t) { return a.OpenAbout(); }},
    {"About box closed", [](SoakActions& a, std::size_t) { return a.CloseAbout(); }},
    {"colour page again", [](SoakActions& a, std::size_t) { return a.Page(1); }},
    {"colour dialog opened again",
     [](SoakActions& a, std::size_t) { return a.OpenColourDialog(); }},
    // The rescan hides the main window.
    {"display change with the colour dialog open",
     [](SoakActions& a, std::size_t) { return a.DisplayChangeUnderColourDialog(); }},
    {"filter dialog opened on another picture",
     [](SoakActions& a, std::size_t r) { return a.OpenFilter(r + 1); }},
    {"filter previewed again", [](SoakActions& a, std::size_t r) { return a.SlideFilter(r + 1); }},
    {"filter kept (OK)", [](SoakActions& a, std::size_t) { return a.KeepFilter(); }},
    {"display change with the filter on",
     [](SoakActions& a, std::size_t) { return a.DisplayChange(); }},
    {"suspend with the filter on", [](SoakActions& a, std::size_t) { return a.Suspend(); }},
    {"resume with the filter on", [](SoakActions& a, std::size_t) { return a.Resume(); }},
    {"unlock with the filter on", [](SoakActions& a, std::size_t) { return a.Unlock(); }},
    {"filter applied again after the unlock",
     [](SoakActions& a, std::size_t) { return a.Timer(TIMER_FILTER_REAPPLY); }},
    {"filter dialog opened on the filter",
     [](SoakActions& a, std::size_t) { return a.OpenFilterOnKept(); }},
    {"no picture chosen", [](SoakActions& a, std::size_t) { return a.PickNoPicture(); }},
    {"filter taken off (OK)", [](SoakActions& a, std::size_t) { return a.KeepFilter(); }},
    {"registered application in front again",
     [](SoakActions& a, std::size_t) { return a.Front(a.m_app); }},
    {"other registered application in front again",
     [](SoakActions& a, std::size_t) { return a.Front(a.m_own); }},
    {"reminder balloon shown again",
     [](SoakActions& a, std::size_t) { return a.Timer(TIMER_REMINDER); }},
    {"reminder balloon hidden again",
     [](SoakActions& a, std::size_t) { return a.Timer(TIMER_BALLOON_HIDE); }},
    {"monitor list opened again", [](SoakActions& a, std::size_t) { return a.OpenMonitorList(); }},
    {"monitor list closed again", [](SoakActions& a, std::size_t) { return a.CloseMonitorList(); }},
};

std::size_t SoakActions::RoundLength() {
    return std::size(kRound);
}

const char* SoakActions::Name(std::size_t action) {
    return action < RoundLength() ? kRound[action].name : "?";
}

bool SoakActions::Run(std::size_t action, std::size_t round) {
    return action < RoundLength() && kRound[action].run(*this, round);
}
