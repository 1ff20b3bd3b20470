#include "launcher/core/win/windows_version_win.h"

#include <windows.h>

#include <memory>
#include <type_traits>
#include <vector>

namespace {

using GetNativeSystemInfoFn = void(WINAPI*)(LPSYSTEM_INFO);
using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);

struct ModuleFreer {
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
};
using LoadedModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

// GetNativeSystemInfo and IsWow64Process are missing from older systems, so they are found at
// run time. The detour through a plain function pointer keeps GCC from warning about the cast
// between function types.
template <typename Fn> Fn FindExport(HMODULE module, const char* name) {
    if (!module)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

// The process's view when the native one is not available.
WORD ProcessorArchitecture() {
    SYSTEM_INFO info{};
    const LoadedModule kernel(::LoadLibraryW(L"kernel32.dll"));
    if (auto native = FindExport<GetNativeSystemInfoFn>(kernel.get(), "GetNativeSystemInfo"))
        native(&info);
    else
        ::GetSystemInfo(&info);
    return info.wProcessorArchitecture;
}

// Message boxes carry the application's name: the executable's base name.
std::wstring ApplicationName() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            std::wstring path(buffer.data(), length);
            path.erase(0, path.find_last_of(L"\\/") + 1);
            const std::size_t dot = path.rfind(L'.');
            return dot == std::wstring::npos ? path : path.substr(0, dot);
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

std::optional<WindowsVersionFacts> ReadWindowsVersionFacts() {
    static_assert(sizeof(OSVERSIONINFOEXW) == 284 && sizeof(OSVERSIONINFOW) == 276);
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXW);
    WindowsVersionFacts facts;
    facts.extended = ::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info)) != FALSE;
    if (!facts.extended) {
        // Systems before the extended record know only the basic one.
        info = OSVERSIONINFOEXW{};
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
        if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info)))
            return std::nullopt;
    }
    facts.platformId = info.dwPlatformId;
    facts.major = info.dwMajorVersion;
    facts.minor = info.dwMinorVersion;
    facts.build = info.dwBuildNumber;
    if (facts.extended) {
        facts.servicePackMajor = info.wServicePackMajor;
        facts.servicePackMinor = info.wServicePackMinor;
        facts.suiteMask = info.wSuiteMask;
        facts.productType = info.wProductType;
    }
    facts.serverR2 = ::GetSystemMetrics(SM_SERVERR2) != 0;
    facts.processorArchitecture = ProcessorArchitecture();
    return facts;
}

BitnessFacts ReadBitnessFacts() {
    BitnessFacts facts;
    const LoadedModule kernel(::LoadLibraryW(L"Kernel32.dll"));
    const auto native = FindExport<GetNativeSystemInfoFn>(kernel.get(), "GetNativeSystemInfo");
    if (!native)
        return facts;
    SYSTEM_INFO info{};
    native(&info);
    facts.nativeSystemInfo = true;
    facts.nativeArchitecture = info.wProcessorArchitecture;
    BOOL wow64 = FALSE;
    if (auto isWow64 = FindExport<IsWow64ProcessFn>(kernel.get(), "IsWow64Process"))
        facts.wow64 = isWow64(::GetCurrentProcess(), &wow64) && wow64;
    return facts;
}

std::optional<WindowsFamily> ClassifyWindowsVersion() {
    const std::optional<WindowsVersionFacts> facts = ReadWindowsVersionFacts();
    if (!facts) {
        const std::wstring caption = ApplicationName();
        ::MessageBoxW(nullptr, L"Failed to check OS version.", caption.c_str(), MB_OK);
        return std::nullopt;
    }
    return ClassifyWindowsVersion(*facts);
}

Bitness GetOsBitness() {
    return ClassifyBitness(ReadBitnessFacts());
}

OsMask GetCurrentOsMask() {
    const std::optional<WindowsFamily> family = ClassifyWindowsVersion();
    // Windows 2000 has no 64-bit edition, so its bit needs no bitness test.
    if (!family || *family == WindowsFamily::None || *family == WindowsFamily::Windows2000)
        return OsMaskOf(family, Bitness::Unknown);
    return OsMaskOf(family, GetOsBitness());
}

bool IsWindowsNT() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    return ::GetVersionExW(&info) && IsNtPlatform(info.dwPlatformId);
}

std::uint32_t GetFileVersionMS(const std::wstring& fileName) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(fileName.c_str(), &ignored);
    if (size == 0)
        return 0;
    std::vector<unsigned char> data(size);
    if (!::GetFileVersionInfoW(fileName.c_str(), 0, size, data.data()))
        return 0;
    void* block = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(data.data(), L"\\", &block, &length) || !block ||
        length < sizeof(VS_FIXEDFILEINFO))
        return 0;
    return static_cast<const VS_FIXEDFILEINFO*>(block)->dwFileVersionMS;
}
