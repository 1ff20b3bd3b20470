#include "launcher/core/testing/test_environment.h"

#include "xml/testing/test_document.h"

std::wstring TestDataPath(std::string_view name) {
    return TestFilePath(LAUNCHER_TESTDATA_DIR, name);
}

std::wstring DiskInfoPath(std::string_view name) {
    return TestFilePath(LAUNCHER_DISK_INFO_DIR, name);
}
