# Every manual, document and folder that the disk's information files name exists in the disk
# folder the build laid out. Run as: cmake -DDISK=<folder> -P check_disk_files.cmake
# (the installer package named by the Installer sub-item comes from its own build and is not
# checked here).
file(GLOB info_files ${DISK}/LauncherInfo/*.xml)
if(NOT info_files)
  message(FATAL_ERROR "no information files in ${DISK}/LauncherInfo")
endif()
set(missing)
set(checked 0)
foreach(info IN LISTS info_files)
  file(READ ${info} text)
  string(REGEX MATCHALL
         "<(Japanese|English|Deutsch|Francais|Chinese|Document_File_Name|Folder_Name)>[^<]+<"
         names "${text}")
  foreach(element IN LISTS names)
    string(REGEX REPLACE "^<[A-Za-z_]+>([^<]+)<$" "\\1" name "${element}")
    string(REPLACE "\\" "/" name "${name}")
    math(EXPR checked "${checked} + 1")
    if(NOT EXISTS ${DISK}/${name})
      list(APPEND missing "${name}")
    endif()
  endforeach()
endforeach()
if(missing)
  list(REMOVE_DUPLICATES missing)
  message(FATAL_ERROR "named by the information files but not on the disk: ${missing}")
endif()
message(STATUS "${checked} names, every one on the disk")
