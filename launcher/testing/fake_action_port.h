// An ActionPort that records every call as one line of text and answers from its settings:
// tests of the item actions compare the lines with what the system must have been asked.
#pragma once

#include "launcher/action_port.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

class FakeActionPort : public ActionPort {
  public:
    // Answers.
    std::map<std::wstring, std::intptr_t> shellResults; // by file; 42 when absent
    std::intptr_t findResult = 42;
    bool associated = false;
    std::set<std::wstring> missingFiles;
    bool msiLoads = true;
    bool nt = true;
    std::uint32_t msiVersionMS = 0x00050000;
    std::uint32_t productInfoResult = 1605; // ERROR_UNKNOWN_PRODUCT
    std::uint32_t removeResult = 0;
    std::deque<MessageAnswer> answers; // Yes (or Ok) when empty
    std::map<std::wstring, RegistryValue> runValues;
    std::optional<std::wstring> chosenFile;
    std::map<std::wstring, CloseResult> closeResults; // by title; Closed when absent
    std::optional<PackageIdentity> package;           // none: not read, nothing logged
    std::vector<std::wstring> installedVersions;

    std::vector<std::wstring> log;

    std::intptr_t ShellRun(ShellVerb verb, const std::wstring& file, const std::wstring& parameters,
                           const std::wstring& folder) override {
        log.push_back((verb == ShellVerb::Open ? L"open " : L"run ") + file + L"|" + parameters +
                      L"|" + folder);
        const auto found = shellResults.find(file);
        return found == shellResults.end() ? 42 : found->second;
    }
    std::intptr_t FindProgramFor(const std::wstring& file) override {
        log.push_back(L"find " + file);
        return findResult;
    }
    bool HasAssociation(const std::wstring& file) override {
        log.push_back(L"assoc " + file);
        return associated;
    }
    bool FileExists(const std::wstring& path) override { return !missingFiles.contains(path); }
    CloseResult CloseWindowTitled(const std::wstring& title) override {
        log.push_back(L"close " + title);
        const auto found = closeResults.find(title);
        return found == closeResults.end() ? CloseResult::Closed : found->second;
    }
    std::intptr_t StartInstaller(const std::wstring& file, const std::wstring& parameters,
                                 const std::wstring& folder) override {
        log.push_back(L"install " + file + L"|" + parameters + L"|" + folder);
        const auto found = shellResults.find(file);
        return found == shellResults.end() ? 42 : found->second;
    }
    void WaitForInstallers() override { log.push_back(L"wait installers"); }
    bool IsWindowsNT() override { return nt; }
    std::unique_ptr<MsiLibrary> LoadMsi() override {
        if (!msiLoads)
            return nullptr;
        return std::make_unique<Msi>(*this);
    }
    std::uint32_t MsiFileVersionMS() override { return msiVersionMS; }
    std::optional<RegistryValue> QueryRunValue(const std::wstring& name,
                                               std::size_t capacity) override {
        log.push_back(L"query " + name + L" " + std::to_wstring(capacity));
        const auto found = runValues.find(name);
        if (found == runValues.end())
            return std::nullopt;
        return found->second;
    }
    MessageAnswer ShowMessage(const std::wstring& text, MessageButtons buttons,
                              MessageIcon icon) override {
        static const wchar_t* const kButtons[] = {L"ok", L"okcancel", L"yesno"};
        static const wchar_t* const kIcons[] = {L"", L" error", L" question"};
        log.push_back(L"message " + text + L" " + kButtons[static_cast<int>(buttons)] +
                      kIcons[static_cast<int>(icon)]);
        if (answers.empty())
            return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::wstring Text(int id) override {
        if (id == 113)
            return L"install %s?";
        if (id == 114)
            return L"Instmsi.exe";
        return L"s" + std::to_wstring(id);
    }
    void RedrawOwner() override { log.push_back(L"redraw"); }
    std::optional<std::wstring> ChooseFile(const ItemInfo& item, SelectionLayout layout) override {
        static const wchar_t* const kLayouts[] = {L"model", L"model+language", L"language"};
        log.push_back(L"choose " + std::wstring(kLayouts[static_cast<int>(layout)]) + L" " +
                      item.title);
        return chosenFile;
    }
    void RunSubItemDialog(const ItemInfo& application) override {
        log.push_back(L"subitems " + application.title);
    }

  private:
    class Msi : public MsiLibrary {
      public:
        explicit Msi(FakeActionPort& port) : m_port(port) {}
        std::uint32_t GetInstalledProductName(const std::wstring& code) override {
            m_port.log.push_back(L"product " + code);
            return m_port.productInfoResult;
        }
        std::uint32_t RemoveProduct(const std::wstring& code) override {
            m_port.log.push_back(L"remove " + code);
            return m_port.removeResult;
        }
        std::optional<PackageIdentity> ReadPackage(const std::wstring& path) override {
            if (m_port.package)
                m_port.log.push_back(L"package " + path);
            return m_port.package;
        }
        std::vector<std::wstring> InstalledVersions(const std::wstring& code) override {
            m_port.log.push_back(L"installed " + code);
            return m_port.installedVersions;
        }

      private:
        FakeActionPort& m_port;
    };
};
