# Fails when an include points up the layers:
#   core -> universe -> domain subsystems -> src/ui (shared view support) -> each subsystem's ui/ -> app
# A domain library includes only itself and the libraries beneath it, and no Qt;
# src/ui includes domain libraries and itself; a subsystem's views include
# domain libraries, src/ui and their own ui/ folder. Only the app includes
# everything. Run by CTest as "Layering.IncludesRunDownward".
#
# Usage: cmake -DSOURCE_DIR=<repository>/src -P CheckLayering.cmake

# Each domain library with everything it may include (itself and what lies beneath).
set(allowed_core core)
set(allowed_universe universe core)
set(allowed_generator generator core)
set(allowed_factions factions universe core)
set(allowed_starmap starmap universe core)
set(allowed_systems systems generator factions universe core)
set(allowed_overlays overlays systems generator factions universe core)
set(allowed_sector_io sector_io generator universe core)
set(allowed_ships ships core)
set(allowed_trade trade ships universe core)
set(allowed_campaign campaign trade ships universe core)
set(allowed_travel travel campaign trade ships generator universe core)
set(allowed_wiki wiki core)
set(domains core universe generator factions starmap systems overlays sector_io ships trade campaign travel
    wiki)

set(problems "")

function(check_file file allowed_folders forbid_qt)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
    foreach(line IN LISTS includes)
        if(forbid_qt AND line MATCHES "#[ \t]*include[ \t]*<Q")
            set(problems "${problems}\n  ${shown}: ${line} (a domain library links no Qt)" PARENT_SCOPE)
        endif()
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            set(path "${CMAKE_MATCH_1}")
            if(NOT path MATCHES "/")
                continue() # a file beside it (generated moc files and the like)
            endif()
            set(ok FALSE)
            foreach(folder IN LISTS allowed_folders)
                string(LENGTH "${folder}/" length)
                string(SUBSTRING "${path}" 0 ${length} start)
                if(start STREQUAL "${folder}/")
                    set(ok TRUE)
                endif()
            endforeach()
            # A folder's ui/ is above the folder itself.
            if(ok AND path MATCHES "^[a-z_]+/ui/")
                string(REGEX MATCH "^[a-z_]+/ui" ui_folder "${path}")
                list(FIND allowed_folders "${ui_folder}" found)
                if(found EQUAL -1)
                    set(ok FALSE)
                endif()
            endif()
            if(NOT ok)
                set(problems "${problems}\n  ${shown}: ${line}" PARENT_SCOPE)
            endif()
        endif()
    endforeach()
endfunction()

foreach(domain IN LISTS domains)
    file(GLOB sources "${SOURCE_DIR}/${domain}/*.h" "${SOURCE_DIR}/${domain}/*.cpp")
    foreach(source IN LISTS sources)
        check_file("${source}" "${allowed_${domain}}" TRUE)
    endforeach()

    file(GLOB_RECURSE views "${SOURCE_DIR}/${domain}/ui/*.h" "${SOURCE_DIR}/${domain}/ui/*.cpp")
    foreach(view IN LISTS views)
        check_file("${view}" "${domains};ui;${domain}/ui" FALSE)
    endforeach()
endforeach()

file(GLOB support "${SOURCE_DIR}/ui/*.h" "${SOURCE_DIR}/ui/*.cpp")
foreach(source IN LISTS support)
    check_file("${source}" "${domains};ui" FALSE)
endforeach()

if(problems)
    message(FATAL_ERROR "Includes that point up the layers:${problems}")
endif()
message(STATUS "Every include points down the layers.")
