// What a click on an item does: open a manual or document (asking for a PDF reader when none is
// associated), open a folder or a web address, run a program from the disk, run an installer
// (Windows Installer check, closing named windows, removing an installed other version), open
// an Application item's sub-items; and, when the user leaves, start the programs the installers
// registered under the machine-wide Run key (RegisteredApps keeps which). Everything reaches the
// system through ActionPort.
#pragma once

#include "launcher/action_port.h"
#include "launcher/core/launcher_info.h"
#include "launcher/registered_apps.h"

#include <cstdint>
#include <optional>
#include <string>

// A Run value longer than this many bytes is not read.
inline constexpr std::size_t kRunValueCapacity = 512;

// Results of ShellExecuteW and the Windows Installer calls that the actions tell apart.
namespace shell_result {
inline constexpr std::intptr_t kLastError = 32; // 32 and less are error codes
inline constexpr std::intptr_t kFileNotFound = 2;
inline constexpr std::intptr_t kAccessDenied = 5;
inline constexpr std::intptr_t kOutOfMemory = 8;
inline constexpr std::intptr_t kShareViolation = 26;
inline constexpr std::intptr_t kNoAssociation = 31;
} // namespace shell_result

namespace msi_result {
inline constexpr std::uint32_t kSuccess = 0;
inline constexpr std::uint32_t kMoreData = 234;
inline constexpr std::uint32_t kUserExit = 1602;
// Windows Installer 2.0, the oldest the installers accept (high half of the file version).
inline constexpr std::uint32_t kMinimumVersionMS = 0x00020000;
} // namespace msi_result

// The string shown for a failed ShellExecuteW result.
int ShellErrorStringId(std::intptr_t code);

// The text of a Run value: REG_SZ or REG_EXPAND_SZ data up to its first zero (or its end when
// it has none); nothing for another type or an empty text.
std::optional<std::wstring> RunValueText(const RegistryValue& value);

// True when the dotted version `installed` is above `package` (each part as a number, a missing
// part as 0): a package that would refuse to replace it.
bool IsNewerVersion(const std::wstring& installed, const std::wstring& package);

// `path` cut after its last backslash (empty without one): the folder a program starts in.
std::wstring FolderOf(const std::wstring& path);

class ItemActions {
  public:
    // `programFolder` ends with a backslash; file names of the items are relative to it. An
    // installer that starts is noted in `registered`, the launcher's one list.
    ItemActions(ActionPort& port, std::wstring programFolder, RegisteredApps& registered);

    // A click on an item page's item.
    void Dispatch(const ItemInfo& item);
    // A click on a sub-item of `application` in the sub-item dialog: as Dispatch, but a
    // sub-item of kind Application does nothing.
    void DispatchSubItem(const ItemInfo& application, const ItemInfo& subItem);

    // Starts the Run value of every installer noted so far, each once (the user leaves).
    void RunRegisteredApps();

    void ShowShellError(std::intptr_t code);
    void OpenDocumentWithReaderCheck(const std::wstring& path);
    // 1 to go on with the installation, 0 to stop.
    int UninstallOtherVersion(const std::wstring& productCode);
    // The Installer action; `messageTitle` names the software in the Windows Installer
    // question. Answers 1 when the installer started, and then notes the item's Run value.
    int Install(const ItemInfo& item, const std::wstring& messageTitle);

  private:
    void Web(const ItemInfo& item);
    void Execute(const ItemInfo& item);
    void Folder(const ItemInfo& item);
    void Document(const ItemInfo& item);
    void Manual(const ItemInfo& item);
    // The Document and Folder items' file: the only one, or the one chosen by model.
    std::wstring ChooseModelFile(const ItemInfo& item);
    // Starts `path` with the default verb; a failure is reported.
    std::intptr_t Run(const std::wstring& path, const std::wstring& parameters,
                      const std::wstring& folder);
    bool WindowsInstallerAvailable();
    // Ends the programs whose windows the item names; false when one stayed and the user chose
    // to stop.
    bool CloseNamedWindows(const ItemInfo& item);
    // The newer installed version that the package `path` would refuse to replace, if any.
    std::optional<std::wstring> NewerInstalled(const std::wstring& path);

    ActionPort& m_port;
    std::wstring m_programFolder;
    RegisteredApps& m_registered;
};
