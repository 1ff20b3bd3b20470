// What tests of code written against the XML DOM port need from the build they run in: a fresh
// document of the DOM under test (libxml2 on the host, MSXML under Wine) and file paths in the
// form that system uses.
#pragma once

#include "xml/xml_dom_port.h"

#include <memory>
#include <string>
#include <string_view>

std::unique_ptr<XmlDomDocument> MakeTestXmlDocument();

// The file `name` in the folder `dir`, a path the build passes in with forward slashes (behind
// drive Z: under Wine); Windows paths get backslashes, as the programs build them.
std::wstring TestFilePath(std::string_view dir, std::string_view name);
