# Reads the utility's package with msiinfo and checks what it installs and how it upgrades:
# the program and its library, each default filter file, the Run value naming the installed
# program unquoted, the Start-menu shortcut, the product and upgrade codes, the major upgrade
# and the custom action that ends a running utility before files are looked at.
# Arguments: MSIINFO, MSI, PRODUCT_CODE, UPGRADE_CODE, PREVIOUS_PRODUCT_CODE, VERSION,
# DATA_NAMES (a list).

function(table name out)
  execute_process(COMMAND ${MSIINFO} export ${MSI} ${name} OUTPUT_VARIABLE text
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
expect("${files}" "\nDimoraDdcciExe${T}Program${T}DimoraDdcci.exe${T}" "the program")
expect("${files}" "\nLibpanqDll${T}[^\t]+${T}libpanq.dll${T}" "the monitor-information library")
foreach(name IN LISTS DATA_NAMES)
  expect("${files}" "\nData[0-9]+${T}Data[0-9]+${T}${name}${T}" "default filter file ${name}")
endforeach()

table(Component components)
expect("${components}" "\nProgram${T}[^\t]+${T}INSTALLDIR${T}" "the program in the install folder")
string(REGEX MATCH "\n(Data[0-9]+|DataFolder)${T}[^\t]*${T}DATADIR${T}" data_row "${components}")
if(NOT data_row)
  message(SEND_ERROR "nothing goes into the data folder")
endif()

table(Directory directories)
expect("${directories}" "\nINSTALLDIR${T}OrvaneProgramDir${T}Visomat \\(DDCCI\\)\n"
       "install folder Orvane\\Visomat (DDCCI)")
expect("${directories}" "\nOrvaneProgramDir${T}ProgramFiles(64)?Folder${T}Orvane\n"
       "under Program Files")
expect("${directories}" "\nDATADIR${T}OrvaneDataDir${T}Visomat \\(DDCCI\\)\n"
       "data folder Orvane\\Visomat (DDCCI)")
expect("${directories}" "\nOrvaneDataDir${T}CommonAppDataFolder${T}Orvane\n"
       "in the all-users application-data folder")

table(Registry registry)
set(run_key "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Run")
expect("${registry}" "\n[^\t]+${T}2${T}${run_key}${T}DimoraDdcci${T}\\[#DimoraDdcciExe\\]${T}"
       "machine-wide Run value DimoraDdcci naming the installed program, unquoted")

table(Shortcut shortcuts)
expect("${shortcuts}"
       "\n[^\t]+${T}OrvaneMenuDir${T}Visomat \\(DDCCI\\)${T}[^\t]+${T}\\[#DimoraDdcciExe\\]"
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
expect("${sequence}" "\nRemoveExistingProducts${T}" "older versions are removed")

# A running utility is asked to end before Windows Installer looks for files in use.
table(CustomAction actions)
expect("${actions}" "\nCloseRunningUtility${T}[0-9]+${T}CloseUtilityDll${T}CloseRunningUtility${T}"
       "the custom action that ends a running utility, from the package's own DLL")
string(REGEX MATCH "\nCloseRunningUtility${T}[^\t]*${T}([0-9]+)" close_row "${sequence}")
set(close_at ${CMAKE_MATCH_1})
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
