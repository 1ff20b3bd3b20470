// The launcher's manifest declares Windows Vista and 7 as the only systems it knows. Windows 8
// and later then report version 6.2 to GetVersionExW, which the launcher counts as Windows 7, so
// the disk's Windows 7 items stay usable there; declaring a later system would make such a
// system report its real version, which the launcher knows nothing of, and disable them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

namespace {

std::set<std::string> DeclaredSystems() {
    std::ifstream in(LAUNCHER_MANIFEST_PATH);
    const std::string manifest(std::istreambuf_iterator<char>(in), {});
    const std::regex supportedOs(R"re(<supportedOS\s+Id\s*=\s*"([^"]*)")re");
    std::set<std::string> ids;
    for (std::sregex_iterator it(manifest.begin(), manifest.end(), supportedOs), end; it != end;
         ++it)
        ids.insert((*it)[1]);
    return ids;
}

TEST(LauncherManifest, DeclaresExactlyWindowsVistaAndSeven) {
    struct System {
        const char* name;
        const char* id;
        bool declared;
    };
    const System systems[] = {
        {"Vista", "{e2011457-1546-43c5-a5fe-008deee3d3f0}", true},
        {"7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", true},
        {"8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", false},
        {"8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", false},
        {"10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", false},
    };
    const std::set<std::string> declared = DeclaredSystems();
    for (const System& system : systems)
        EXPECT_EQ(declared.count(system.id) == 1, system.declared) << "Windows " << system.name;
    EXPECT_EQ(declared.size(), 2u) << "no other system id";
}

} // namespace
