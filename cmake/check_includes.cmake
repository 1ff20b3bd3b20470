# Checks the tree's include rules (run with `cmake -DROOT=<tree> -P check_includes.cmake`):
#  - a portable file (no "_win" in its name) includes neither <windows.h> nor a "_win" header;
#  - every quoted include names its file from the top of the tree;
#  - no model or page reaches for the application object through a global accessor;
#  - the utility's rooms include one way only: the system code page's text rules (`text/`) at the
#    bottom, the monitor layer and the settings store on their own above it, `ui/` (what pages
#    and dialogs share) below the pages and the EyeCare dialogs, `command/` (the command line,
#    which drives their models) above those, `hotkeys/` (the shortcut keys, which run commands)
#    above that, and `shell/` (the application object and the main window, which hold every
#    page) above them all;
#    the window framework includes neither program.
# Prints every offence and fails when there is one.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
     ${ROOT}/framework/*.h ${ROOT}/framework/*.cpp ${ROOT}/utility/*.h ${ROOT}/utility/*.cpp
     ${ROOT}/launcher/*.h ${ROOT}/launcher/*.cpp ${ROOT}/sim/*.h ${ROOT}/sim/*.cpp
     ${ROOT}/libpanq/*.h ${ROOT}/libpanq/*.cpp ${ROOT}/tools/*.h ${ROOT}/tools/*.cpp
     ${ROOT}/xml/*.h ${ROOT}/xml/*.cpp ${ROOT}/bench/*.h ${ROOT}/bench/*.cpp)
set(offences 0)
# Each room with the rooms above it, whose headers it may not include.
set(rooms framework utility/text utility/monitor utility/settings utility/ui utility/eyecare
          utility/pages utility/command utility/hotkeys)
set(above_framework utility/ launcher/)
set(above_utility/text utility/monitor/ utility/settings/ utility/ui/ utility/eyecare/
                       utility/pages/ utility/command/ utility/hotkeys/ utility/shell/)
set(above_utility/monitor utility/settings/ utility/ui/ utility/eyecare/ utility/pages/
                          utility/command/ utility/hotkeys/ utility/shell/)
set(above_utility/settings utility/ui/ utility/eyecare/ utility/pages/ utility/command/
                           utility/hotkeys/ utility/shell/)
set(above_utility/ui utility/eyecare/ utility/pages/ utility/command/ utility/hotkeys/
                     utility/shell/)
set(above_utility/eyecare utility/command/ utility/hotkeys/ utility/shell/)
set(above_utility/pages utility/command/ utility/hotkeys/ utility/shell/)
set(above_utility/command utility/hotkeys/ utility/shell/)
set(above_utility/hotkeys utility/shell/)
foreach(source ${sources})
  file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include")
  get_filename_component(name ${source} NAME)
  foreach(line ${includes})
    if(line MATCHES "\"([^\"]+)\"")
      set(target ${CMAKE_MATCH_1})
      if(NOT EXISTS ${ROOT}/${target})
        message("${source}: \"${target}\" is not named from the top of the tree")
        math(EXPR offences "${offences} + 1")
      endif()
      foreach(room ${rooms})
        if(source MATCHES "^${room}/")
          foreach(upper ${above_${room}})
            if(target MATCHES "^${upper}")
              message("${source}: includes \"${target}\" from a room above its own")
              math(EXPR offences "${offences} + 1")
            endif()
          endforeach()
        endif()
      endforeach()
    endif()
    if(NOT name MATCHES "_win[._]" AND NOT source MATCHES "/win/")
      if(line MATCHES "<windows\\.h>" OR line MATCHES "_win\\.h\"")
        message("${source}: a portable file includes ${line}")
        math(EXPR offences "${offences} + 1")
      endif()
    endif()
  endforeach()
  if(source MATCHES "_model\\.|/pages/")
    file(STRINGS ${ROOT}/${source} globals REGEX "TheApp\\(\\)")
    if(globals)
      message("${source}: reaches the application object through TheApp()")
      math(EXPR offences "${offences} + 1")
    endif()
  endif()
endforeach()
if(offences GREATER 0)
  message(FATAL_ERROR "${offences} include-rule offences")
endif()
list(LENGTH sources count)
message("include rules hold in ${count} files")
