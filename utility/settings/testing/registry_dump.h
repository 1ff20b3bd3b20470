// Test support: every value of a key and of all its sub-keys as one text (values sorted by name
// within each key, sub-keys in enumeration order), for telling that nothing was written.
#pragma once

#include "utility/settings/registry_port.h"

#include <string>

std::string DumpRegistry(RegistryPort& port, const std::string& path);
