// The main window's commands: Close, the notification menu's Exit, Setting, and the dialogs the
// menu opens (the monitor connection list, EyeCare, EyeCare Filter, Shortcut Keys).
#include "utility/shell/dimora_dlg_win.h"

#include "utility/eyecare/dlg_eyecare_win.h"
#include "utility/eyecare/dlg_vsfilter_win.h"
#include "utility/eyecare/filter_text_codec_win.h"
#include "utility/pages/dlg_monitor_win.h"
#include "utility/res/resource.h"
#include "utility/ui/modal_loop.h"
#include "xml/win/xml_dom_msxml_win.h"

bool CDimoraDlg::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_CLOSE:
        m_model.HideMainWindow();
        return true;
    case ID_TRAY_EXIT:
        if (m_model.OnExitCommand()) {
            m_screenFilter.DestroyOverlays();
            DestroyWindow();
        }
        return true;
    case ID_TRAY_SETTINGS:
        m_model.OnSettingsCommand();
        return true;
    case ID_TRAY_MONITOR_LIST: {
        ShellState& shell = m_context.shell;
        shell.m_monitorListOpen = 1;
        CDlgMonitor dialog(m_context.monitors, m_context.strings, shell);
        RunModal(shell, [&] { return dialog.DoModal(m_hWnd); });
        shell.m_monitorListOpen = 0;
        return true;
    }
    case ID_TRAY_EYECARE:
        m_model.OnEyeCareCommand([&] {
            CDlgEyeCare dialog(m_context.registry, m_context.monitors, m_context.shell,
                               m_context.strings);
            dialog.DoModal(m_hWnd);
        });
        return true;
    case ID_TRAY_FILTER: {
        const CXMLHandler xml([] { return std::make_unique<MsxmlDocument>(); });
        const FilterTextCodec codec = SystemCodePageCodec();
        const VSFilterSources sources{xml, codec, m_context.dataFolder, m_context.strings};
        m_context.shell.m_filterDialogOpen = 1;
        CDlgVSFilter dialog(m_context.registry, sources, m_context.filter, m_screenFilter,
                            m_context.shell);
        RunModal(m_context.shell, [&] { return dialog.DoModal(m_hWnd); });
        m_context.shell.m_filterDialogOpen = 0; // also when the window could not be made
        return true;
    }
    case ID_TRAY_HOTKEYS:
        RunHotkeysDialog();
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}
