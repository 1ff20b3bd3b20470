// The item actions' port on Windows: ShellExecuteW, AssocQueryStringW and FindExecutableW,
// FindWindowW with a bounded close that keeps answering,
// ShellExecuteExW keeping the installers' processes, msi.dll from the system folder, the
// machine-wide Run key, message boxes owned by the page or dialog that was clicked, and the
// launcher's selection and sub-item dialogs.
#pragma once

#include "launcher/action_port.h"
#include "launcher/item_actions_win.h"

class ShellActionPort : public ActionPort {
  public:
    // `owner` is the page or sub-item dialog the click came from.
    ShellActionPort(HWND owner, const LaunchContext& context);

    std::intptr_t ShellRun(ShellVerb verb, const std::wstring& file, const std::wstring& parameters,
                           const std::wstring& folder) override;
    std::intptr_t FindProgramFor(const std::wstring& file) override;
    bool HasAssociation(const std::wstring& file) override;
    bool FileExists(const std::wstring& path) override;
    CloseResult CloseWindowTitled(const std::wstring& title) override;
    std::intptr_t StartInstaller(const std::wstring& file, const std::wstring& parameters,
                                 const std::wstring& folder) override;
    void WaitForInstallers() override;
    bool IsWindowsNT() override;
    std::unique_ptr<MsiLibrary> LoadMsi() override;
    std::uint32_t MsiFileVersionMS() override;
    std::optional<RegistryValue> QueryRunValue(const std::wstring& name,
                                               std::size_t capacity) override;
    MessageAnswer ShowMessage(const std::wstring& text, MessageButtons buttons,
                              MessageIcon icon) override;
    std::wstring Text(int id) override;
    void RedrawOwner() override;
    std::optional<std::wstring> ChooseFile(const ItemInfo& item, SelectionLayout layout) override;
    void RunSubItemDialog(const ItemInfo& application) override;

  private:
    HWND m_owner;
    const LaunchContext& m_context;
};
