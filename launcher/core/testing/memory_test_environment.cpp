// The reader tests on the host run against the in-memory DOM.
#include "launcher/core/testing/memory_xml_dom.h"
#include "launcher/core/testing/test_environment.h"

namespace {

std::wstring Widen(std::string_view ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

} // namespace

std::unique_ptr<XmlDomDocument> MakeTestXmlDocument() {
    return std::make_unique<MemoryXmlDocument>();
}

std::wstring TestDataPath(std::string_view name) {
    return Widen(LAUNCHER_TESTDATA_DIR "/") + Widen(name);
}

std::wstring DiskInfoPath(std::string_view name) {
    return Widen(LAUNCHER_DISK_INFO_DIR "/") + Widen(name);
}
