# Fails when a tracked C++ source or header is not as clang-format leaves it with
# the repository's .clang-format, naming every such file. Run by CTest as
# "Format.EveryTrackedSourceIsFormatted"; `clang-format -i FILE` mends one.
#
# Usage: cmake -DSOURCE_DIR=<repository> -P CheckFormat.cmake

find_program(CLANG_FORMAT NAMES clang-format-14 clang-format)
find_program(GIT NAMES git)
if(NOT CLANG_FORMAT OR NOT GIT)
    message(FATAL_ERROR "The format check needs clang-format and git (scripts/bootstrap installs them)")
endif()

execute_process(
    COMMAND "${GIT}" ls-files -- "*.cpp" "*.h"
    WORKING_DIRECTORY "${SOURCE_DIR}"
    OUTPUT_VARIABLE tracked
    RESULT_VARIABLE listed
    OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT listed EQUAL 0)
    message(FATAL_ERROR "${SOURCE_DIR} is not a git checkout: no list of tracked files")
endif()
string(REPLACE "\n" ";" files "${tracked}")
list(LENGTH files count)

execute_process(
    COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files}
    WORKING_DIRECTORY "${SOURCE_DIR}"
    RESULT_VARIABLE formatted
    ERROR_VARIABLE report)
if(NOT formatted EQUAL 0)
    # clang-format names each file once, at its first difference.
    string(REGEX MATCHALL "[^\n:]+:[0-9]+:[0-9]+: error" violations "${report}")
    set(names "")
    foreach(violation IN LISTS violations)
        string(REGEX REPLACE ":[0-9]+:[0-9]+: error$" "" name "${violation}")
        list(APPEND names "${name}")
    endforeach()
    if(NOT names)
        message(FATAL_ERROR "clang-format failed:\n${report}")
    endif()
    list(REMOVE_DUPLICATES names)
    list(JOIN names "\n  " shown)
    message(FATAL_ERROR "Not formatted (clang-format -i FILE mends each):\n  ${shown}")
endif()
message(STATUS "All ${count} tracked C++ files are formatted.")
