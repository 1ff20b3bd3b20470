// "DefFilter.xml", the default filter pictures' file, read from a data folder through the host
// XML port (libxml2) with an in-memory registry. Checks: every listed picture has a file name,
// opacity within 0 ... 255 and luminance within -100 ... +100; the defaults stored for a picture
// are the ones listed for it last; without stored user values the modified values are the
// defaults, also in a second read, which lists the same; every key opened is closed.
#include "fuzz/testing/fuzz_check.h"
#include "utility/eyecare/def_filter_file.h"
#include "utility/eyecare/testing/ascii_codec.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "xml/xml_dom_libxml2.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

bool SameList(const std::vector<StdImageData>& a, const std::vector<StdImageData>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].fileName != b[i].fileName || a[i].defAlpha != b[i].defAlpha ||
            a[i].defLuminance != b[i].defLuminance || a[i].modAlpha != b[i].modAlpha ||
            a[i].modLuminance != b[i].modLuminance)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("dimora-deffilter-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    {
        std::ofstream out(folder / kDefFilterFileName, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    MemoryRegistry port;
    const CRegistry registry(port);
    const CXMLHandler xml([] { return std::make_unique<Libxml2Document>(); });
    const std::string dataFolder = folder.string() + "/";
    const std::vector<StdImageData> images =
        ReadDefaultFilters(xml, AsciiCodec(), dataFolder, registry);
    FUZZ_CHECK(port.OpenHandleCount() == 0);

    std::map<std::string, const StdImageData*> last;
    for (const StdImageData& image : images) {
        FUZZ_CHECK(!image.fileName.empty());
        FUZZ_CHECK(image.defAlpha >= 0 && image.defAlpha <= 255);
        FUZZ_CHECK(image.defLuminance >= -100 && image.defLuminance <= 100);
        FUZZ_CHECK(image.modAlpha == image.defAlpha && image.modLuminance == image.defLuminance);
        last[image.fileName] = &image;
    }
    for (const auto& [name, image] : last) {
        // A name with "\" names a deeper key, and the registry compares names without case.
        if (name.find('\\') != std::string::npos)
            continue;
        std::uint32_t alpha = 0xDEAD;
        std::uint32_t luminance = 0xDEAD;
        const std::string key = KeyPath(kVSFilterKey.data(), name);
        FUZZ_CHECK(registry.ReadDword("DefAlpha", alpha, key.c_str()));
        FUZZ_CHECK(registry.ReadDword("DefLuminance", luminance, key.c_str()));
        bool caseTwin = false;
        for (const auto& [other, unused] : last)
            caseTwin = caseTwin ||
                       (other != name && other.size() == name.size() &&
                        std::equal(other.begin(), other.end(), name.begin(), [](char x, char y) {
                            return std::tolower(static_cast<unsigned char>(x)) ==
                                   std::tolower(static_cast<unsigned char>(y));
                        }));
        if (!caseTwin) {
            FUZZ_CHECK(static_cast<int>(alpha) == image->defAlpha);
            FUZZ_CHECK(static_cast<int>(static_cast<std::int32_t>(luminance)) ==
                       image->defLuminance);
        }
    }

    const std::vector<StdImageData> again =
        ReadDefaultFilters(xml, AsciiCodec(), dataFolder, registry);
    FUZZ_CHECK(SameList(again, images));
    return 0;
}
