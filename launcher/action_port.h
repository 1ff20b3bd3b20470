// What the item actions need from the system: the shell, Windows Installer, the machine-wide Run
// key, message boxes, the string table and the launcher's own dialogs. Each call mirrors one
// platform call (or one dialog) and holds no rules; the actions' rules are in item_actions.h.
#pragma once

#include "launcher/core/launcher_info.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// How a file is handed to the shell: with the file's default verb and the page as owner, or with
// "open" and no owner (web addresses).
enum class ShellVerb { Default, Open };

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// What the close step did with a window: none had the title, it went, or it is still there
// (it did not answer in time, or the system dropped the request: Windows does not deliver a
// message from a program to one running with higher rights).
enum class CloseResult { NotFound, Closed, NotClosed };

// The three layouts of the model and language selection dialog.
enum class SelectionLayout { Model, ModelAndLanguage, Language };

struct PackageIdentity {
    std::wstring upgradeCode;
    std::wstring version;
};

// Windows Installer's product calls, from msi.dll; the library is released with the object.
class MsiLibrary {
  public:
    virtual ~MsiLibrary() = default;
    // MsiGetProductInfoW(productCode, "InstalledProductName") into a buffer of 128 characters:
    // its return code.
    virtual std::uint32_t GetInstalledProductName(const std::wstring& productCode) = 0;
    // MsiConfigureProductW(productCode, INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT): removes the
    // product; its return code.
    virtual std::uint32_t RemoveProduct(const std::wstring& productCode) = 0;
    // The UpgradeCode and ProductVersion properties of the package file `path`
    // (MsiOpenPackageExW, MsiGetProductPropertyW); nothing when it does not open.
    virtual std::optional<PackageIdentity> ReadPackage(const std::wstring& path) = 0;
    // The version of every installed product of `upgradeCode` (MsiEnumRelatedProductsW,
    // MsiGetProductInfoW "VersionString").
    virtual std::vector<std::wstring> InstalledVersions(const std::wstring& upgradeCode) = 0;
};

// A registry value as read: its type and at most the bytes asked for.
struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class ActionPort {
  public:
    virtual ~ActionPort() = default;

    // ShellExecuteW; its result, of which 32 or less is an error code. `parameters` and
    // `folder` are left out when empty.
    virtual std::intptr_t ShellRun(ShellVerb verb, const std::wstring& file,
                                   const std::wstring& parameters, const std::wstring& folder) = 0;
    // FindExecutableW; above 32 when a program is associated with the file.
    virtual std::intptr_t FindProgramFor(const std::wstring& file) = 0;
    // AssocQueryStringW for the file's type: true when it names an open command or the
    // application id of a packaged program.
    virtual bool HasAssociation(const std::wstring& file) = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    // FindWindowW(any class, title) and, when found, asks it to close (the utility's main
    // window by its Exit command, which every version of it takes, any other by WM_CLOSE); then
    // waits, answering the menu's own messages, while the window exists and then for its
    // program to end, each for a bounded time.
    virtual CloseResult CloseWindowTitled(const std::wstring& title) = 0;
    // As ShellRun with the default verb, keeping the started installer's process: WaitForInstallers
    // waits for it.
    virtual std::intptr_t StartInstaller(const std::wstring& file, const std::wstring& parameters,
                                         const std::wstring& folder) = 0;
    // Waits, answering the menu's messages and with the wait cursor, until every installer
    // started so far has ended.
    virtual void WaitForInstallers() = 0;

    virtual bool IsWindowsNT() = 0;
    // msi.dll loaded from the system folder, or null when it does not load.
    virtual std::unique_ptr<MsiLibrary> LoadMsi() = 0;
    // The high half of msi.dll's file version (0 without a version resource).
    virtual std::uint32_t MsiFileVersionMS() = 0;

    // The value `name` under HKEY_LOCAL_MACHINE's Run key, when the key opens and the value fits
    // in `capacity` bytes.
    virtual std::optional<RegistryValue> QueryRunValue(const std::wstring& name,
                                                       std::size_t capacity) = 0;

    // A message box owned by the page (or sub-item dialog), captioned with the program's name;
    // Cancel when it could not be shown.
    virtual MessageAnswer ShowMessage(const std::wstring& text, MessageButtons buttons,
                                      MessageIcon icon) = 0;
    // String `id` of the string table in the language in use.
    virtual std::wstring Text(int id) = 0;
    // Lets go of the mouse and redraws the page at once (before the shell takes a while).
    virtual void RedrawOwner() = 0;

    // Runs the selection dialog of `layout` for `item`: the full path chosen, or nothing.
    virtual std::optional<std::wstring> ChooseFile(const ItemInfo& item,
                                                   SelectionLayout layout) = 0;
    // Runs the sub-item dialog of an Application item.
    virtual void RunSubItemDialog(const ItemInfo& application) = 0;
};
