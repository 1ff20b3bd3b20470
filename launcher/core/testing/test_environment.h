// Where the launcher information reader tests find their files; the document under test comes
// from xml/testing/test_document.h.
#pragma once

#include <string>
#include <string_view>

// A file of launcher/core/testing/data.
std::wstring TestDataPath(std::string_view name);

// A file of disk/LauncherInfo.
std::wstring DiskInfoPath(std::string_view name);
