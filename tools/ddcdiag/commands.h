// The ddcdiag commands; each reads standard input and writes standard output, returning the
// process exit code.
#pragma once

#include <iosfwd>
#include <string>

int ParseCapsCommand(std::istream& in, std::ostream& out);
int ParseVendorPagesCommand(std::istream& in, std::ostream& out);
int RunCommand(const std::string& simFile, std::istream& in, std::ostream& out, std::ostream& err);
