# cmake -DNM=<nm> -DPROGRAM=<exe> -P check_delay_imports.cmake
#
# Fails when a delay-loaded function of PROGRAM has no stub. Each delay-import slot starts out
# holding the address of its function's stub, which loads the DLL and binds the slot at the first
# call; a slot whose stub the linker dropped holds 0, and that first call jumps to address 0.
#
# A delay-import library's slots follow its "__IAT_<library>" symbol (the libraries are made in a
# "delayload" folder, whose name the symbol carries), one "__imp_" symbol per 4- or 8-byte slot,
# up to the terminating slot, which has none. The stub of "__imp_<name>" is "<name>" and must be
# defined in the program's code.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${NM} ${PROGRAM} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot list the symbols of ${PROGRAM}")
endif()
string(REPLACE "\n" ";" lines "${listing}")

# Slots are keyed by their address as a number, so that adding a slot's size finds the next.
set(iat_starts)
set(slot_size 4)
foreach(line IN LISTS lines)
  if(line MATCHES "^([0-9a-f]+) [iI] _?_IAT_.*delayload")
    math(EXPR address "0x${CMAKE_MATCH_1}")
    list(APPEND iat_starts ${address})
    # nm prints addresses with as many digits as the program's pointers have (8 or 16).
    string(LENGTH "${CMAKE_MATCH_1}" digits)
    if(digits EQUAL 16)
      set(slot_size 8)
    endif()
  elseif(line MATCHES "^([0-9a-f]+) I (_?_imp_.+)$")
    math(EXPR address "0x${CMAKE_MATCH_1}")
    set(slot_${address} ${CMAKE_MATCH_2})
  elseif(line MATCHES "^[0-9a-f]+ [Tt] (.+)$")
    set(code_${CMAKE_MATCH_1} TRUE)
  endif()
endforeach()

set(missing)
set(checked 0)
foreach(address IN LISTS iat_starts)
  while(DEFINED slot_${address})
    # "__imp__Name@8" (32-bit) has the stub "_Name@8"; "__imp_Name" (64-bit) the stub "Name".
    string(REGEX REPLACE "^__imp_" "" stub "${slot_${address}}")
    if(NOT code_${stub})
      list(APPEND missing ${stub})
    endif()
    math(EXPR checked "${checked} + 1")
    math(EXPR address "${address} + ${slot_size}")
  endwhile()
endforeach()

if(missing)
  message(FATAL_ERROR "${PROGRAM}: delay-loaded functions without a stub (their first call "
                      "would jump to address 0): ${missing}")
endif()
if(checked EQUAL 0)
  message(FATAL_ERROR "${PROGRAM}: no delay-loaded function found")
endif()
