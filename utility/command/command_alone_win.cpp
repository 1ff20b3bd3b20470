#include "utility/command/command_alone_win.h"

#include "framework/handles_win.h"
#include "utility/command/command_client_rules.h"
#include "utility/eyecare/filter_bitmap_win.h"
#include "utility/eyecare/filter_text_codec_win.h"
#include "utility/eyecare/overlays_win.h"
#include "utility/monitor/win/gamma_port_win.h"
#include "utility/monitor/win/ports_win.h"
#include "utility/settings/registry_win.h"
#include "utility/text/code_page_win.h"
#include "utility/ui/resource_strings_win.h"
#include "xml/win/xml_dom_msxml_win.h"

#include <shlobj.h>

namespace {

// Commands carried out alone wait for one another, so that two never work on a monitor at once.
constexpr char kAloneMutex[] = "Orvane Visomat Command";
constexpr DWORD kAloneWaitMs = 60000;
// Where the installation puts the filter's default pictures, as the utility finds them.
constexpr char kDataSubFolder[] = "\\Orvane\\Visomat (DDCCI)\\";

std::string DataFolder() {
    char folder[MAX_PATH] = {};
    if (FAILED(
            ::SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return std::string(folder) + kDataSubFolder;
}

// Holds the mutex of commands run alone for the life of the object.
class AloneTurn {
  public:
    explicit AloneTurn(DWORD waitMs) : m_mutex(::CreateMutexA(nullptr, FALSE, kAloneMutex)) {
        const DWORD waited = m_mutex ? ::WaitForSingleObject(m_mutex.Get(), waitMs) : WAIT_FAILED;
        // An abandoned mutex was left by a command that ended: it is ours now all the same.
        m_held = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    }
    ~AloneTurn() {
        if (m_held)
            ::ReleaseMutex(m_mutex.Get());
    }
    AloneTurn(const AloneTurn&) = delete;
    AloneTurn& operator=(const AloneTurn&) = delete;

    bool Held() const { return m_held; }

  private:
    ScopedKernelHandle m_mutex;
    bool m_held = false;
};

} // namespace

void WaitForCommandRunAlone(DWORD ms) {
    const AloneTurn turn(ms);
}

bool RunCommandAlone(const CommandRequest& request, bool (*utilityRuns)(), CommandAnswer& answer) {
    const AloneTurn turn(kAloneWaitMs);
    if (!turn.Held()) {
        answer = AloneTurnTimedOutAnswer();
        return true;
    }
    // A utility that started while this run waited for its turn has the monitors now.
    if (utilityRuns())
        return false;
    Dxva2DdcPort ddc;
    Win32Clock clock;
    ToolhelpProcessPort processes;
    Win32DisplayPort display;
    PanqLibraryPort panq;
    SystemCodePage codePage;
    DeviceCtrl ctrl(MonitorPorts{ddc, clock, processes, display, panq, codePage});
    CMonitorStatusAll monitors;
    // The monitors found and claimed as at the utility's start-up; the filter needs none.
    if (request.verb != CommandVerb::Filter)
        RebuildMonitorList(ctrl, monitors);

    Win32RegistryPort registry;
    const ResourceStrings strings;
    const ShellState shell;
    // The filter as stored; no overlay or display shows it, since nothing would take it away
    // again when this process ends.
    FilterSettings applied;
    LoadFilterSettings(CRegistry(registry), applied);
    const GdiplusSession gdiplus;
    OverlaysWin overlays;
    Win32GammaPort gammaPort;
    GammaList gammaList;
    CMonitorStatusAll noOverlays;
    ScreenFilter filter(noOverlays, applied, overlays, gammaPort, clock, gammaList);
    const CXMLHandler xml([] { return std::make_unique<MsxmlDocument>(); });
    const FilterTextCodec codec = SystemCodePageCodec();
    const std::string dataFolder = DataFolder();
    const VSFilterSources sources{xml, codec, dataFolder, strings};
    FilterTarget target{sources, applied, filter, false};
    CommandContext context{ctrl, monitors, registry, strings, codePage, shell, target};
    answer = RunCommand(request, context);
    return true;
}
