// "DefFilter.xml" read through the XML DOM port: pictures at any depth, incomplete and
// out-of-range entries, missing and malformed files, the values mirrored in the registry, and
// the user's own values for a picture stored in every hostile shape.
#include "utility/eyecare/def_filter_file.h"
#include "utility/eyecare/testing/ascii_codec.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/hostile_values.h"
#include "utility/settings/testing/registry_dump.h"
#include "utility/settings/testing/registry_memory.h"
#include "xml/testing/test_document.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Folder(const char* name) {
    return std::string(EYECARE_TESTDATA_DIR) + "/" + name + "/";
}

std::uint32_t Stored(const CRegistry& registry, const char* name, const std::string& picture) {
    std::uint32_t value = 0xDEAD;
    registry.ReadDword(name, value, KeyPath(kVSFilterKey.data(), picture).c_str());
    return value;
}

TEST(DefFilterFile, ReadsThePicturesItListsAndMirrorsTheirDefaults) {
    MemoryRegistry port;
    CRegistry registry(port);
    const CXMLHandler xml(MakeTestXmlDocument);
    const std::int32_t modified = -5;
    registry.WriteDword("ModAlpha", 300, KeyPath(kVSFilterKey.data(), "dusk.jpg").c_str());
    registry.WriteBinary("ModLuminance", &modified, 4,
                         KeyPath(kVSFilterKey.data(), "dusk.jpg").c_str());

    const std::vector<StdImageData> images =
        ReadDefaultFilters(xml, AsciiCodec(), Folder("mixed"), registry);
    struct Expected {
        const char* name;
        int defAlpha, defLuminance, modAlpha, modLuminance;
    };
    const Expected expected[] = {{"amber.png", 64, -20, 64, -20},
                                 {"paper.bmp", 0, 7, 0, 7},
                                 {"dusk.jpg", 255, -100, 255, -5},
                                 {"missing.png", 0, 30, 0, 30}};
    ASSERT_EQ(images.size(), std::size(expected)) << "the entry without a name leaves no slot";
    for (std::size_t i = 0; i < images.size(); ++i) {
        const Expected& e = expected[i];
        EXPECT_EQ(images[i].fileName, e.name);
        EXPECT_EQ(images[i].defAlpha, e.defAlpha) << e.name;
        EXPECT_EQ(images[i].defLuminance, e.defLuminance) << e.name;
        EXPECT_EQ(images[i].modAlpha, e.modAlpha) << e.name;
        EXPECT_EQ(images[i].modLuminance, e.modLuminance) << e.name;
        EXPECT_EQ(Stored(registry, "DefAlpha", e.name), static_cast<std::uint32_t>(e.defAlpha));
        EXPECT_EQ(static_cast<std::int32_t>(Stored(registry, "DefLuminance", e.name)),
                  e.defLuminance);
    }

    for (const char* unreadable : {"malformed", "absent"}) {
        MemoryRegistry emptyPort;
        CRegistry empty(emptyPort);
        EXPECT_TRUE(ReadDefaultFilters(xml, AsciiCodec(), Folder(unreadable), empty).empty())
            << unreadable;
        EXPECT_EQ(Stored(empty, "DefAlpha", "a.png"), 0xDEADu) << "nothing written";
    }
}

TEST(DefFilterFile, AUsersValueInAnyShapeIsReadInRangeOrAsTheDefaultAndNeverRewritten) {
    const CXMLHandler xml(MakeTestXmlDocument);
    const std::string key = KeyPath(kVSFilterKey.data(), "amber.png"); // defaults 64 and -20
    const StoredValue saved[] = {
        {key, "ModAlpha", kRegistryDword, Le32(200), 4},
        {key, "ModLuminance", kRegistryBinary, Le32(static_cast<std::uint32_t>(-30)), 4}};
    for (const StoredValue& value : saved) {
        for (const Shape& shape : kShapes) {
            SCOPED_TRACE(std::string(value.name) + ": " + shape.what);
            MemoryRegistry port;
            CRegistry registry(port);
            ReadDefaultFilters(xml, AsciiCodec(), Folder("mixed"), registry); // the defaults
            if (!shape.absent) {
                const std::string bytes = shape.bytes(value);
                ASSERT_TRUE(StoreValue(port, value, shape.type ? shape.type : value.type, &bytes));
            }
            const std::string before = DumpRegistry(port, kRootKey);

            const std::vector<StdImageData> images =
                ReadDefaultFilters(xml, AsciiCodec(), Folder("mixed"), registry);
            EXPECT_EQ(DumpRegistry(port, kRootKey), before) << "the user's value rewritten";
            EXPECT_EQ(port.OpenHandleCount(), 0u);
            ASSERT_FALSE(images.empty());
            const StdImageData& amber = images.front();
            EXPECT_GE(amber.modAlpha, 0);
            EXPECT_LE(amber.modAlpha, 255);
            EXPECT_GE(amber.modLuminance, -100);
            EXPECT_LE(amber.modLuminance, 100);
            if (shape.absent || shape.bytes(value).size() > value.capacity) {
                EXPECT_EQ(amber.modAlpha, 64) << "unreadable counts as absent";
                EXPECT_EQ(amber.modLuminance, -20) << "unreadable counts as absent";
            }
        }
    }
}

TEST(DefFilterFile, TheShippedFileListsPicturesThatExist) {
    MemoryRegistry port;
    CRegistry registry(port);
    const std::string folder = std::string(DIMORA_DATA_DIR) + "/";
    const std::vector<StdImageData> images =
        ReadDefaultFilters(CXMLHandler(MakeTestXmlDocument), AsciiCodec(), folder, registry);
    ASSERT_GE(images.size(), 3u);
    for (const StdImageData& image : images) {
        EXPECT_TRUE(std::filesystem::is_regular_file(folder + image.fileName)) << image.fileName;
        EXPECT_GT(image.defAlpha, 0) << image.fileName;
    }
}

} // namespace
