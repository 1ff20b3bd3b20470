# Reads the utility's package with msiinfo and checks what it installs and how it upgrades:
# the program and its library (with their file versions), each default filter file, short names,
# a key path for every component, the removal of the emptied folders, the Run value naming the
# installed program quoted, the Start-menu shortcut, the product and upgrade codes, the major
# upgrade inside the installation's transaction and the custom action that ends a running
# utility before files are looked at, only when files are replaced or removed. Then compares the
# package with the next version's (NEXT_MSI) and with this one built with an added data file
# (ADDED_MSI): own product and package codes, the same component code for every unchanged file.
# Arguments: MSIINFO, MSI, NEXT_MSI, ADDED_MSI, PRODUCT_CODE, UPGRADE_CODE,
# PREVIOUS_PRODUCT_CODE, VERSION, DATA_NAMES (a list).

cmake_minimum_required(VERSION 3.20)

function(table name out)
  set(msi ${MSI})
  if(ARGV2)
    set(msi ${ARGV2})
  endif()
  execute_process(COMMAND ${MSIINFO} export ${msi} ${name} OUTPUT_VARIABLE text
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "msiinfo cannot export the ${name} table of ${MSI}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# expect(TABLE-TEXT REGEX WHAT): the table holds a row matching REGEX (fields split by tabs).
function(expect text regex what)
  if(NOT text MATCHES "${regex}")
    message(SEND_ERROR "${what}: no row matches \"${regex}\"")
  endif()
endfunction()

set(T "\t")
table(File files)
set(V "${VERSION}\\.0")
expect("${files}" "\nDimoraDdcciExe${T}Program${T}DIMORA~1\\.EXE\\|DimoraDdcci\\.exe${T}[0-9]+${T}${V}${T}"
       "the program, with its short name and file version")
expect("${files}" "\nLibpanqDll${T}[^\t]+${T}libpanq\\.dll${T}[0-9]+${T}[0-9]+\\.[0-9.]+${T}"
       "the monitor-information library, with its file version")
table(MsiFileHash hashes)
if(hashes MATCHES "\n(DimoraDdcciExe|LibpanqDll)${T}")
  message(SEND_ERROR "a versioned file has a hash: it would be compared as unversioned")
endif()
foreach(name IN LISTS DATA_NAMES)
  string(MAKE_C_IDENTIFIER "${name}" id)
  string(REGEX REPLACE "([.+])" "\\\\\\1" pattern "${name}")
  expect("${files}" "\nData_${id}${T}Data_${id}${T}([^|\t]+\\|)?${pattern}${T}"
         "default filter file ${name}, its identifier from its name")
endforeach()
# Every name that is no 8.3 name carries a short one.
foreach(what File Directory Shortcut)
  table(${what} rows)
  string(REPLACE ";" "" rows "${rows}")
  string(REPLACE "\n" ";" rows "${rows}")
  list(SUBLIST rows 3 -1 rows)
  foreach(row IN LISTS rows)
    string(REPLACE "\t" ";" row "${row}")
    list(LENGTH row fields)
    if(fields LESS 3)
      continue()
    endif()
    list(GET row 2 name)
    string(FIND "${name}" "." base_length)
    if(base_length LESS 0)
      string(LENGTH "${name}" base_length)
    endif()
    string(SUBSTRING "${name}" ${base_length} -1 ext)
    string(REGEX REPLACE "^[.]" "" ext "${ext}")
    string(LENGTH "${ext}" ext_length)
    if(NOT name MATCHES "[|]" AND NOT name MATCHES "^(\\.|SourceDir)$" AND
       (name MATCHES " " OR ext MATCHES "[.]" OR base_length GREATER 8 OR
        ext_length GREATER 3))
      message(SEND_ERROR "${what} name \"${name}\" has no short name")
    endif()
  endforeach()
endforeach()

table(Directory directories)
expect("${directories}" "\nINSTALLDIR${T}OrvaneProgramDir${T}VISOMA~1\\|Visomat \\(DDCCI\\)\n"
       "install folder Orvane\\Visomat (DDCCI)")
expect("${directories}" "\nOrvaneProgramDir${T}ProgramFiles(64)?Folder${T}Orvane\n"
       "under Program Files")
expect("${directories}" "\nDATADIR${T}OrvaneDataDir${T}VISOMA~1\\|Visomat \\(DDCCI\\)\n"
       "data folder Orvane\\Visomat (DDCCI)")
expect("${directories}" "\nOrvaneDataDir${T}CommonAppDataFolder${T}Orvane\n"
       "in the all-users application-data folder")

table(Registry registry)
set(run_key "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Run")
expect("${registry}" "\n[^\t]+${T}2${T}${run_key}${T}DimoraDdcci${T}\"\\[#DimoraDdcciExe\\]\"${T}"
       "machine-wide Run value DimoraDdcci naming the installed program, quoted (Windows runs it as a command line)")
string(REGEX MATCH "\n([^\t]+)${T}2${T}Software\\\\Orvane\\\\Visomat \\(DDCCI\\)${T}[^\t]*${T}[^\t]*${T}StartMenuAndRun"
       own_row "${registry}")
set(own_value ${CMAKE_MATCH_1})

# Every component has a key path: a file, a value of its own, or its folder (created).
table(Component components)
table(CreateFolder folders)
string(REGEX MATCHALL "\n[^\t\n]+${T}[^\t\n]*${T}[^\t\n]+${T}[0-9]+${T}[^\t\n]*${T}[^\t\n]*"
       component_rows "${components}")
foreach(row IN LISTS component_rows)
  string(REGEX MATCH "^\n([^\t]+)${T}[^\t]*${T}([^\t]+)${T}[0-9]+${T}[^\t]*${T}([^\t]*)$" _ "${row}")
  set(component ${CMAKE_MATCH_1})
  set(folder ${CMAKE_MATCH_2})
  set(key ${CMAKE_MATCH_3})
  if(component STREQUAL "Component")
    continue()
  endif()
  if(NOT key AND NOT folders MATCHES "\n${folder}${T}${component}\n")
    message(SEND_ERROR "component ${component} has no key path and creates no folder")
  endif()
  if(component STREQUAL "StartMenuAndRun" AND (NOT own_value OR NOT key STREQUAL own_value))
    message(SEND_ERROR "the shortcut's component must be keyed to the program's own value, not ${key}")
  endif()
endforeach()

# Each emptied folder goes on removal.
table(RemoveFile removals)
foreach(folder INSTALLDIR OrvaneProgramDir DATADIR OrvaneDataDir OrvaneMenuDir)
  expect("${removals}" "\n[^\t]+${T}[^\t]+${T}${T}${folder}${T}2\n" "the folder ${folder} removed when empty")
endforeach()

table(Shortcut shortcuts)
expect("${shortcuts}"
       "\n[^\t]+${T}OrvaneMenuDir${T}VISOMA~1\\|Visomat \\(DDCCI\\)${T}[^\t]+${T}\\[#DimoraDdcciExe\\]"
       "Start-menu shortcut to the program")

table(Property properties)
expect("${properties}" "\nProductCode${T}${PRODUCT_CODE}\n" "product code")
expect("${properties}" "\nUpgradeCode${T}${UPGRADE_CODE}\n" "upgrade code")
expect("${properties}" "\nProductVersion${T}${VERSION}\n" "product version from the build")
expect("${properties}" "\nALLUSERS${T}1\n" "per-machine installation")

table(Upgrade upgrades)
expect("${upgrades}" "\n${UPGRADE_CODE}${T}${T}${VERSION}${T}${T}[0-9]+${T}${T}WIX_UPGRADE_DETECTED"
       "older versions of the same upgrade code are found")
table(InstallExecuteSequence sequence)
# The older version goes inside this installation's transaction: a failed or cancelled one
# leaves it installed.
string(REGEX MATCH "\nRemoveExistingProducts${T}[^\t]*${T}([0-9]+)" _ "${sequence}")
set(remove_at ${CMAKE_MATCH_1})
string(REGEX MATCH "\nInstallInitialize${T}[^\t]*${T}([0-9]+)" _ "${sequence}")
set(initialize_at ${CMAKE_MATCH_1})
string(REGEX MATCH "\nInstallFinalize${T}[^\t]*${T}([0-9]+)" _ "${sequence}")
set(finalize_at ${CMAKE_MATCH_1})
if(NOT remove_at OR NOT initialize_at OR NOT remove_at GREATER initialize_at OR
   NOT remove_at LESS finalize_at)
  message(SEND_ERROR "older versions must be removed between InstallInitialize and "
                     "InstallFinalize: at ${remove_at}, InstallInitialize ${initialize_at}")
endif()

# A running utility is asked to end before Windows Installer looks for files in use.
table(CustomAction actions)
expect("${actions}" "\nCloseRunningUtility${T}[0-9]+${T}CloseUtilityDll${T}CloseRunningUtility${T}"
       "the custom action that ends a running utility, from the package's own DLL")
string(REGEX MATCH "\nCloseRunningUtility${T}([^\t]*)${T}([0-9]+)" close_row "${sequence}")
set(close_at ${CMAKE_MATCH_2})
# Only where files are replaced or removed: a Repair or the same version run again leaves the
# user's utility running.
if(NOT CMAKE_MATCH_1 STREQUAL "NOT Installed OR REMOVE~=\"ALL\" OR WIX_UPGRADE_DETECTED")
  message(SEND_ERROR "the custom action's condition is \"${CMAKE_MATCH_1}\"")
endif()
expect("${sequence}" "\nRestartUtility${T}UTILITY_ENDED AND NOT REMOVE~=\"ALL\"${T}[0-9]+"
       "the utility the action ended is started again after the installation")
expect("${actions}" "\nRestartUtility${T}[0-9]+${T}DimoraDdcciExe${T}"
       "the restart starts the installed program")
string(REGEX MATCH "\nInstallValidate${T}[^\t]*${T}([0-9]+)" validate_row "${sequence}")
set(validate_at ${CMAKE_MATCH_1})
string(REGEX MATCH "\nLaunchConditions${T}[^\t]*${T}([0-9]+)" conditions_row "${sequence}")
set(conditions_at ${CMAKE_MATCH_1})
if(NOT close_at OR NOT validate_at OR NOT conditions_at OR NOT close_at LESS validate_at OR
   NOT close_at GREATER conditions_at)
  message(SEND_ERROR "the utility must be ended after the launch conditions (a refused package "
                     "leaves it running) and before InstallValidate: at ${close_at}, conditions "
                     "${conditions_at}, InstallValidate ${validate_at}")
endif()

# Each version has its own product code: this one is not the previous release's, which the disk
# removes.
if(PRODUCT_CODE STREQUAL PREVIOUS_PRODUCT_CODE)
  message(SEND_ERROR "the package has the previous release's product code ${PRODUCT_CODE}")
endif()

# Against the next version's package and this one with an added data file: codes of their own,
# and the same component code for every file both hold.
function(component_codes msi out)
  table(Component rows ${msi})
  string(REGEX MATCHALL "\n[^\t\n]+${T}{[-0-9A-F]+}" pairs "${rows}")
  set(${out} "${pairs}" PARENT_SCOPE)
endfunction()
function(revision msi out)
  execute_process(COMMAND ${MSIINFO} suminfo ${msi} OUTPUT_VARIABLE info)
  string(REGEX MATCH "Revision number \\(UUID\\): ({[-0-9A-F]+})" _ "${info}")
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()
component_codes(${MSI} own_codes)
revision(${MSI} own_revision)
foreach(other ${NEXT_MSI} ${ADDED_MSI})
  table(Property other_properties ${other})
  string(REGEX MATCH "\nProductCode${T}([^\n]+)" _ "${other_properties}")
  if(other STREQUAL NEXT_MSI AND CMAKE_MATCH_1 STREQUAL PRODUCT_CODE)
    message(SEND_ERROR "the next version has this version's product code")
  endif()
  revision(${other} other_revision)
  if(NOT own_revision OR other_revision STREQUAL own_revision)
    message(SEND_ERROR "${other} has this package's package code ${own_revision}")
  endif()
  component_codes(${other} other_codes)
  foreach(pair IN LISTS own_codes)
    string(FIND "${other_codes}" "${pair}" at)
    if(at LESS 0)
      string(STRIP "${pair}" pair)
      message(SEND_ERROR "${other} changed the component code of ${pair}")
    endif()
  endforeach()
endforeach()
