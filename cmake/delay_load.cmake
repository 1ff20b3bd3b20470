# dimora_delay_load(TARGET DLL...): TARGET loads each named system DLL (ole32, gdiplus, ...) at
# its first call into it instead of before its first line of code, so that a program that needs
# a library only for a dialog or a picture does not pay for loading it (and what it imports in
# turn) at every start. A call into a delay-loaded DLL goes through __delayLoadHelper2 (in the
# MinGW runtime), which loads the DLL and binds the function on first use.
#
# The delay-import libraries are made with dlltool from the toolchain's own import libraries
# (every function those export), under the same names in a folder searched before the
# toolchain's: every "-lole32" of TARGET's link, its static libraries' included, takes the
# delay-import library, whatever the order of the link line. Other targets are not affected:
# each target has a folder of its own.
function(dimora_delay_load target)
  if(NOT MINGW)
    return()
  endif()
  # A folder per target: the folder is searched for every library the target links.
  set(dir ${CMAKE_BINARY_DIR}/delayload/${target})
  set(outputs)
  foreach(dll IN LISTS ARGN)
    set(output ${dir}/lib${dll}.a)
    list(APPEND outputs ${output})
    find_library(DIMORA_IMPORT_LIB_${dll} NAMES lib${dll}.a REQUIRED)
    execute_process(COMMAND ${CMAKE_NM} ${DIMORA_IMPORT_LIB_${dll}} OUTPUT_VARIABLE symbols
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "cannot list the exports of ${DIMORA_IMPORT_LIB_${dll}}")
    endif()
    # "00000000 I __imp__CoCreateInstance@20" (32-bit: a leading underscore and the stdcall
    # decoration) or "__imp_CoCreateInstance" (64-bit): the export is the part after the prefix.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(prefix "__imp__")
    else()
      set(prefix "__imp_")
    endif()
    string(REGEX MATCHALL " I ${prefix}[^\n]+" imports "${symbols}")
    set(def "LIBRARY ${dll}.dll\nEXPORTS\n")
    foreach(import IN LISTS imports)
      string(REPLACE " I ${prefix}" "" name "${import}")
      string(APPEND def "${name}\n")
    endforeach()
    file(WRITE ${dir}/${dll}.def.in "${def}")
    configure_file(${dir}/${dll}.def.in ${dir}/${dll}.def COPYONLY)
    # -k: the 32-bit functions are imported by their undecorated names, as the DLLs export them.
    # The stubs then leave ".text": ld drops the code of an import library member whose function
    # symbol nobody calls by name (a call through __imp_, as the system headers declare them,
    # needs no jump stub), and a delay-import slot starts out pointing at that code. Moved to a
    # section without the code flag (still placed in the program's .text), the stubs stay, and
    # the slot is not left at address 0.
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_DLLTOOL} -k -d ${dir}/${dll}.def -D ${dll}.dll -y ${output}
      COMMAND ${CMAKE_OBJCOPY} --rename-section .text=.text$dly,contents,alloc,load,readonly,data
              ${output}
      DEPENDS ${dir}/${dll}.def
      COMMENT "Delay-import library for ${dll}.dll" VERBATIM)
  endforeach()
  add_custom_target(${target}_delay_imports DEPENDS ${outputs})
  add_dependencies(${target} ${target}_delay_imports)
  target_link_directories(${target} BEFORE PRIVATE ${dir})
  # The libraries are read at link time: a change to one relinks the program.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${outputs})
  # A delay-import slot the linker left empty would be a call to address 0 at the first use of
  # that function: the program is checked as it is linked.
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DPROGRAM=$<TARGET_FILE:${target}>
            -P ${PROJECT_SOURCE_DIR}/cmake/check_delay_imports.cmake
    VERBATIM)
endfunction()
