# Copies the disk file FROM to TO with every "{version}" replaced by VERSION, and otherwise as it
# is: its byte-order mark, and its line ends (file(READ) gives CRLF lines as LF, so a file
# written with CRLF gets them back). Run as:
# cmake -DFROM=<file> -DTO=<file> -DVERSION=<a.b.c> -P fill_version.cmake
file(READ ${FROM} text)
file(READ ${FROM} hex HEX)
string(REPLACE "{version}" "${VERSION}" text "${text}")
if(hex MATCHES "0d0a")
  string(REPLACE "\n" "\r\n" text "${text}")
endif()
get_filename_component(folder ${TO} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${TO} "${text}")
