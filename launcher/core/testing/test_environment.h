// What the launcher information reader tests need from the build they run in: a fresh XML
// document of the DOM under test, and the paths of the test files and of the disk's
// information files. The host build serves the in-memory DOM, the Windows build MSXML.
#pragma once

#include "launcher/core/xml_dom_port.h"

#include <memory>
#include <string>
#include <string_view>

std::unique_ptr<XmlDomDocument> MakeTestXmlDocument();

// A file of launcher/core/testing/data.
std::wstring TestDataPath(std::string_view name);

// A file of disk/LauncherInfo.
std::wstring DiskInfoPath(std::string_view name);
