// The main window carries out commands of the command line handed to it by another start of
// the program (WM_COPYDATA), on the program's own monitor list, screen filter and settings, and
// answers with their text and exit status.
#include "utility/shell/dimora_dlg_win.h"

#include "utility/command/command_channel_win.h"
#include "utility/command/command_runner.h"
#include "utility/eyecare/filter_text_codec_win.h"
#include "utility/text/code_page_win.h"
#include "utility/ui/user_messages.h"
#include "xml/win/xml_dom_msxml_win.h"

LRESULT CDimoraDlg::OnCommandRequest(WPARAM sender, LPARAM lParam) {
    // Any program can send this message: nothing is read before the message is checked.
    CommandMessage message;
    if (!ReadCommandRequest(ViewOfCopyData(lParam), message))
        return FALSE;
    CommandAnswer answer{kCommandNoAnswer, "", "DimoraDdcci: the utility is still starting\n"};
    // One command at a time, and none while a question of the user is open: what the question
    // acts on must not change under it.
    if (m_ready && (m_commandRunning || m_context.shell.InModalLoop())) {
        answer = BusyAnswer();
    } else if (m_ready) {
        RunAsCommand([&](CommandContext& context) { answer = RunCommand(message.words, context); });
        // The page on show follows what the command changed, once this message is answered.
        if (answer.monitorChanged && m_context.shell.m_mainShown)
            PostMessage(WM_PAGE_REFRESH);
    }
    SendCommandAnswer(m_hWnd, reinterpret_cast<HWND>(sender), message, answer.text, answer.errors);
    return static_cast<LRESULT>(kCommandAnswered | static_cast<unsigned>(answer.status));
}

void CDimoraDlg::RunAsCommand(const std::function<void(CommandContext&)>& work) {
    m_commandRunning = true;
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    const CXMLHandler xml([] { return std::make_unique<MsxmlDocument>(); });
    const FilterTextCodec codec = SystemCodePageCodec();
    const VSFilterSources sources{xml, codec, m_context.dataFolder, m_context.strings};
    FilterTarget target{sources, m_context.filter, m_screenFilter, true};
    const SystemCodePage codePage;
    CommandContext context{m_context.deviceCtrl,
                           m_context.monitors,
                           m_context.registry,
                           m_context.strings,
                           codePage,
                           m_context.shell,
                           target};
    work(context);
    ::SetCursor(previous);
    m_commandRunning = false;
}
