# Run by CPack on the staged files, before it packs them: the program is stripped as Debian
# strips its own, and its debug information is kept next to the package, as
# vantrel_<version>_<architecture>.debug, linked to the program by its build ID and a debug link.
set(program "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/vantrel")
if(NOT EXISTS "${program}")
    message(FATAL_ERROR "split_debug: no program staged at ${program}")
endif()
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(debug "${CPACK_PACKAGE_DIRECTORY}/vantrel_${CPACK_PACKAGE_VERSION}_${architecture}.debug")
foreach(step
        "--only-keep-debug;${program};${debug}"
        "--strip-unneeded;--remove-section=.comment;--remove-section=.note;${program}"
        "--add-gnu-debuglink=${debug};${program}")
    execute_process(COMMAND objcopy ${step} RESULT_VARIABLE failed ERROR_VARIABLE problem)
    if(failed)
        message(FATAL_ERROR "split_debug: objcopy ${step}: ${problem}")
    endif()
endforeach()

# The print module is stripped as a library is; the program's debug file is the one kept.
file(GLOB_RECURSE modules "${CPACK_TEMPORARY_DIRECTORY}/usr/lib/vantrel_print.so")
if(NOT modules)
    message(FATAL_ERROR "split_debug: no print module staged")
endif()
foreach(module ${modules})
    execute_process(COMMAND objcopy --strip-unneeded --remove-section=.comment
        --remove-section=.note ${module} RESULT_VARIABLE failed ERROR_VARIABLE problem)
    if(failed)
        message(FATAL_ERROR "split_debug: objcopy ${module}: ${problem}")
    endif()
endforeach()
