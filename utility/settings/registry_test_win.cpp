// The registry suite against the real registry of the current user. Each test process writes
// under a key named by its process id, which the suite deletes again.
#include "utility/settings/registry_win.h"
#include "utility/settings/testing/registry_suite.h"

#include <windows.h>

namespace {

RegistryTarget MakeWin32Target() {
    return {std::make_unique<Win32RegistryPort>(),
            "Software\\DimoraTests\\" + std::to_string(::GetCurrentProcessId())};
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Win32, RegistrySuite,
                         testing::Values(RegistryTargetFactory{"advapi32", &MakeWin32Target}));
