#include "launcher/item_actions.h"

#include "launcher/res/resource.h"
#include "launcher/run_command.h"

#include <utility>
#include <vector>

namespace {

// Registry value types that hold text.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;

bool Failed(std::intptr_t result) {
    return result <= shell_result::kLastError;
}

// `format` with its first "%s" replaced by `argument`.
std::wstring FormatOne(std::wstring format, const std::wstring& argument) {
    const std::size_t at = format.find(L"%s");
    if (at != std::wstring::npos)
        format.replace(at, 2, argument);
    return format;
}

} // namespace

int ShellErrorStringId(std::intptr_t code) {
    switch (code) {
    case shell_result::kFileNotFound:
        return IDS_ERR_NO_FILE;
    case shell_result::kAccessDenied:
        return IDS_ERR_ACCESS_DENIED;
    case shell_result::kOutOfMemory:
        return IDS_ERR_NO_MEMORY;
    case shell_result::kShareViolation:
        return IDS_ERR_SHARING;
    case shell_result::kNoAssociation:
        return IDS_ERR_NO_ASSOCIATION;
    default:
        return IDS_ERR_UNKNOWN;
    }
}

std::optional<std::wstring> RunValueText(const RegistryValue& value) {
    if (value.type != kRegSz && value.type != kRegExpandSz)
        return std::nullopt;
    // UTF-16 little-endian; an odd last byte is no character. The data need not end with a zero.
    std::wstring text;
    for (std::size_t i = 0; i + 1 < value.data.size(); i += 2) {
        const auto unit = static_cast<wchar_t>(value.data[i] | (value.data[i + 1] << 8));
        if (unit == L'\0')
            break;
        text.push_back(unit);
    }
    if (text.empty())
        return std::nullopt;
    return text;
}

bool IsNewerVersion(const std::wstring& installed, const std::wstring& package) {
    const auto parts = [](const std::wstring& version) {
        std::vector<unsigned long> numbers;
        std::size_t at = 0;
        while (at <= version.size() && numbers.size() < 4) {
            const std::size_t dot = version.find(L'.', at);
            const std::wstring part = version.substr(at, dot - at);
            unsigned long number = 0;
            for (const wchar_t c : part) {
                if (c < L'0' || c > L'9' || number > 100000)
                    break;
                number = number * 10 + static_cast<unsigned long>(c - L'0');
            }
            numbers.push_back(number);
            if (dot == std::wstring::npos)
                break;
            at = dot + 1;
        }
        numbers.resize(4, 0);
        return numbers;
    };
    return parts(installed) > parts(package);
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

ItemActions::ItemActions(ActionPort& port, std::wstring programFolder, RegisteredApps& registered)
    : m_port(port), m_programFolder(std::move(programFolder)), m_registered(registered) {}

void ItemActions::Dispatch(const ItemInfo& item) {
    if (item.kind == item_kind::kApplication) {
        if (!item.subItems.empty())
            m_port.RunSubItemDialog(item);
        return;
    }
    if (item.kind == item_kind::kInstaller) {
        Install(item, item.title);
        return;
    }
    if (item.kind == item_kind::kManual)
        Manual(item);
    else if (item.kind == item_kind::kDocument)
        Document(item);
    else if (item.kind == item_kind::kExecute)
        Execute(item);
    else if (item.kind == item_kind::kFolder)
        Folder(item);
    else if (item.kind == item_kind::kWeb)
        Web(item);
}

void ItemActions::DispatchSubItem(const ItemInfo& application, const ItemInfo& subItem) {
    if (subItem.kind == item_kind::kApplication)
        return;
    if (subItem.kind == item_kind::kInstaller) {
        // The question about Windows Installer names the application, not its "Install" button.
        Install(subItem, application.title);
        return;
    }
    Dispatch(subItem);
}

void ItemActions::RunRegisteredApps() {
    const std::vector<std::wstring> names = m_registered.Take();
    // An installer still at work would leave nothing (or the old version) to start.
    if (!names.empty())
        m_port.WaitForInstallers();
    for (const std::wstring& name : names) {
        const std::optional<RegistryValue> value = m_port.QueryRunValue(name, kRunValueCapacity);
        if (!value)
            continue;
        // Windows runs the value as a command line: the program is found in it as
        // CreateProcess finds it, quoted or not.
        if (const std::optional<std::wstring> line = RunValueText(*value)) {
            const RunCommand command = SplitRunCommand(
                *line, [this](const std::wstring& path) { return m_port.FileExists(path); });
            Run(command.program, command.arguments, {});
        }
    }
}

void ItemActions::ShowShellError(std::intptr_t code) {
    m_port.ShowMessage(m_port.Text(ShellErrorStringId(code)), MessageButtons::Ok,
                       MessageIcon::Error);
}

std::intptr_t ItemActions::Run(const std::wstring& path, const std::wstring& parameters,
                               const std::wstring& folder) {
    const std::intptr_t result = m_port.ShellRun(ShellVerb::Default, path, parameters, folder);
    if (Failed(result))
        ShowShellError(result);
    return result;
}

void ItemActions::OpenDocumentWithReaderCheck(const std::wstring& path) {
    // A missing document is said to be missing: the association check below cannot tell it
    // from a missing reader, and offering a reader for a file that is not there misleads.
    if (!m_port.FileExists(path)) {
        ShowShellError(shell_result::kFileNotFound);
        return;
    }
    // The file type's association is asked first: a type whose handler is a packaged program
    // (a store PDF reader) has a command or an application id but no program FindExecutable
    // could name.
    if (m_port.HasAssociation(path) || !Failed(m_port.FindProgramFor(path))) {
        Run(path, {}, {});
        return;
    }
    if (m_port.ShowMessage(m_port.Text(IDS_READER_REQUIRED), MessageButtons::YesNo,
                           MessageIcon::Question) == MessageAnswer::Yes)
        Run(m_port.Text(IDS_READER_URL), {}, {});
}

void ItemActions::Web(const ItemInfo& item) {
    if (item.url.empty())
        return;
    m_port.RedrawOwner();
    // The browser reports its own failures; the result is not examined.
    m_port.ShellRun(ShellVerb::Open, item.url, {}, {});
}

void ItemActions::Execute(const ItemInfo& item) {
    if (item.executeFileName.empty())
        return;
    const std::wstring path = m_programFolder + item.executeFileName;
    Run(path, item.argument, FolderOf(path));
}

std::wstring ItemActions::ChooseModelFile(const ItemInfo& item) {
    if (item.files.empty())
        return {};
    if (item.files.size() == 1) {
        const ModelFile* file = item.files[0].get();
        return file && !file->fileName.empty() ? m_programFolder + file->fileName : std::wstring();
    }
    return m_port.ChooseFile(item, SelectionLayout::Model).value_or(std::wstring());
}

void ItemActions::Folder(const ItemInfo& item) {
    const std::wstring path = ChooseModelFile(item);
    if (!path.empty())
        Run(path, {}, {});
}

void ItemActions::Document(const ItemInfo& item) {
    const std::wstring path = ChooseModelFile(item);
    if (!path.empty())
        OpenDocumentWithReaderCheck(path);
}

void ItemActions::Manual(const ItemInfo& item) {
    if (item.files.empty())
        return;
    // One entry without a model name asks only for the language.
    const ModelFile* only = item.files.size() == 1 ? item.files[0].get() : nullptr;
    const SelectionLayout layout = only && only->modelName.empty()
                                       ? SelectionLayout::Language
                                       : SelectionLayout::ModelAndLanguage;
    if (const std::optional<std::wstring> path = m_port.ChooseFile(item, layout))
        OpenDocumentWithReaderCheck(*path);
}

bool ItemActions::WindowsInstallerAvailable() {
    std::unique_ptr<MsiLibrary> msi = m_port.LoadMsi();
    const bool nt = m_port.IsWindowsNT();
    // Windows 9x needs Windows Installer 2.0 or later; the NT family always has it.
    if (msi && !nt && m_port.MsiFileVersionMS() < msi_result::kMinimumVersionMS)
        msi.reset();
    return msi != nullptr || nt;
}

int ItemActions::UninstallOtherVersion(const std::wstring& productCode) {
    const std::unique_ptr<MsiLibrary> msi = m_port.LoadMsi();
    if (!msi)
        return 0;
    const std::uint32_t info = msi->GetInstalledProductName(productCode);
    // A name longer than the buffer still means the product is installed.
    if (info != msi_result::kSuccess && info != msi_result::kMoreData)
        return 1;
    if (m_port.ShowMessage(m_port.Text(IDS_UNINSTALL_OTHER), MessageButtons::YesNo,
                           MessageIcon::None) != MessageAnswer::Yes)
        return 0;
    // Any failure but the user's cancel still lets the new version install.
    return msi->RemoveProduct(productCode) == msi_result::kUserExit ? 0 : 1;
}

int ItemActions::Install(const ItemInfo& item, const std::wstring& messageTitle) {
    if (!item.preMessage.empty() && m_port.ShowMessage(item.preMessage, MessageButtons::OkCancel,
                                                       MessageIcon::None) == MessageAnswer::Cancel)
        return 0;
    if (!item.executeFileName.empty()) {
        if (const std::optional<std::wstring> newer =
                NewerInstalled(m_programFolder + item.executeFileName)) {
            m_port.ShowMessage(FormatOne(m_port.Text(IDS_NEWER_INSTALLED), *newer),
                               MessageButtons::Ok, MessageIcon::None);
            return 0;
        }
    }
    if (!CloseNamedWindows(item))
        return 0;
    if (!WindowsInstallerAvailable()) {
        const std::wstring text = FormatOne(m_port.Text(IDS_MSI_REQUIRED), messageTitle);
        if (m_port.ShowMessage(text, MessageButtons::YesNo, MessageIcon::None) ==
            MessageAnswer::Yes)
            Run(m_programFolder + m_port.Text(IDS_MSI_INSTALLER), {}, {});
        return 0;
    }
    if (!item.productCode.empty() && UninstallOtherVersion(item.productCode) != 1)
        return 0;
    if (item.executeFileName.empty())
        return 0;
    const std::wstring path = m_programFolder + item.executeFileName;
    const std::intptr_t result = m_port.StartInstaller(path, item.argument, FolderOf(path));
    if (Failed(result)) {
        ShowShellError(result);
        return 0;
    }
    m_registered.Note(item);
    return 1;
}

bool ItemActions::CloseNamedWindows(const ItemInfo& item) {
    for (const std::wstring& title : item.closeWindowTitles) {
        if (title.empty() || m_port.CloseWindowTitled(title) != CloseResult::NotClosed)
            continue;
        if (m_port.ShowMessage(FormatOne(m_port.Text(IDS_CLOSE_FAILED), title),
                               MessageButtons::OkCancel, MessageIcon::Error) != MessageAnswer::Ok)
            return false;
    }
    return true;
}

std::optional<std::wstring> ItemActions::NewerInstalled(const std::wstring& path) {
    const std::unique_ptr<MsiLibrary> msi = m_port.LoadMsi();
    if (!msi)
        return std::nullopt;
    const std::optional<PackageIdentity> package = msi->ReadPackage(path);
    if (!package || package->upgradeCode.empty())
        return std::nullopt;
    for (const std::wstring& version : msi->InstalledVersions(package->upgradeCode)) {
        if (IsNewerVersion(version, package->version))
            return version;
    }
    return std::nullopt;
}
