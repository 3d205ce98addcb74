# Makes the release package: a folder with the installer and the game's
# archive, and a .tar.gz of that folder.
#
#   cmake -DGAME_DIR=... -DSETUP_BIN_DIR=... -DMANIFEST_DIR=... -DRELEASE_DIR=...
#         -DWITH_LAKE_TOOL=0|1 [-DSTRIP=/usr/bin/strip] -P package.cmake
#
# The archive INSTALL.$$$ holds exactly the files the game ships: lwk,
# lwk-lake, readme.txt and every name listed in MANIFEST_DIR/*.txt (the data
# tools write one name per line). Nothing else of the game folder goes in, so
# a player's settings, records, waypoints, lake maps and saved games are never
# shipped and never replaced by a reinstall.
cmake_minimum_required(VERSION 3.22)

foreach(var GAME_DIR SETUP_BIN_DIR MANIFEST_DIR RELEASE_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "package: ${var} is not set")
  endif()
endforeach()

set(PACKAGE_NAME lurewick-setup)
set(PACKAGE_DIR ${RELEASE_DIR}/${PACKAGE_NAME})
set(TITLE "Lurewick Professional")

# The fixed names, then the manifests.
set(names lwk readme.txt)
set(sources "fixed list" "fixed list")
if(WITH_LAKE_TOOL)
  list(APPEND names lwk-lake)
  list(APPEND sources "fixed list")
endif()
file(GLOB manifests ${MANIFEST_DIR}/*.txt)
list(SORT manifests)
foreach(manifest IN LISTS manifests)
  file(STRINGS ${manifest} lines)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    list(APPEND names "${line}")
    list(APPEND sources "${manifest}")
  endforeach()
endforeach()

# Files the player makes never ship, whatever a list says.
set(files)
set(seen)
list(LENGTH names count)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  list(GET names ${i} name)
  list(GET sources ${i} source)
  if(IS_ABSOLUTE "${name}")
    set(path "${name}")
  else()
    set(path "${GAME_DIR}/${name}")
  endif()
  get_filename_component(base "${path}" NAME)
  string(TOUPPER "${base}" upper)
  if(upper STREQUAL "LWK.INI" OR upper MATCHES "\\.(BTP|WPT|SAV)$")
    message(FATAL_ERROR "package: ${name} (listed in ${source}) is a file the player makes and must not ship")
  endif()
  if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    message(FATAL_ERROR "package: ${name} (listed in ${source}) is missing from ${GAME_DIR}")
  endif()
  if(upper IN_LIST seen)
    continue()
  endif()
  list(APPEND seen "${upper}")
  list(APPEND files "${path}")
endforeach()

find_program(ZIP zip)
if(NOT ZIP)
  message(FATAL_ERROR "package: the zip command is missing (Debian package zip)")
endif()

file(REMOVE_RECURSE ${PACKAGE_DIR} ${RELEASE_DIR}/${PACKAGE_NAME}.tar.gz)
file(MAKE_DIRECTORY ${PACKAGE_DIR})

# Programs ship without their debugging data: they are copied to a staging
# folder and stripped there, never in the game folder itself.
set(STAGE_DIR ${RELEASE_DIR}/stage)
file(REMOVE_RECURSE ${STAGE_DIR})
file(MAKE_DIRECTORY ${STAGE_DIR})
function(lwk_stage_stripped path out)
  set(${out} "${path}" PARENT_SCOPE)
  if(NOT STRIP)
    return()
  endif()
  file(READ "${path}" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")  # not an ELF program
    return()
  endif()
  get_filename_component(base "${path}" NAME)
  file(COPY "${path}" DESTINATION ${STAGE_DIR})
  execute_process(COMMAND ${STRIP} --strip-unneeded ${STAGE_DIR}/${base} RESULT_VARIABLE strip_result)
  if(strip_result EQUAL 0)
    set(${out} "${STAGE_DIR}/${base}" PARENT_SCOPE)
  endif()
endfunction()
set(staged)
foreach(path IN LISTS files)
  lwk_stage_stripped("${path}" shipped_path)
  list(APPEND staged "${shipped_path}")
endforeach()
set(files ${staged})

# -j: no folder names (the game folder is flat); -X: no owner ids. Each
# file keeps its Unix permission bits, so lwk stays runnable.
execute_process(
  COMMAND ${ZIP} -q -j -X -9 ${PACKAGE_DIR}/INSTALL.zip ${files}
  RESULT_VARIABLE zip_result)
if(NOT zip_result EQUAL 0)
  message(FATAL_ERROR "package: zip failed (${zip_result})")
endif()
file(RENAME ${PACKAGE_DIR}/INSTALL.zip "${PACKAGE_DIR}/INSTALL.$$$")

# The installer, its unzip library and its control file.
foreach(part setup libunzdll.so)
  if(NOT EXISTS ${SETUP_BIN_DIR}/${part})
    message(FATAL_ERROR "package: ${SETUP_BIN_DIR}/${part} has not been built")
  endif()
  lwk_stage_stripped(${SETUP_BIN_DIR}/${part} shipped_path)
  file(COPY ${shipped_path} DESTINATION ${PACKAGE_DIR})
endforeach()
file(REMOVE_RECURSE ${STAGE_DIR})
file(WRITE "${PACKAGE_DIR}/setup.$$$" "${TITLE}\nINSTALL.$$$\nC:\nLWK\n")

# The installer's background (made beside the installer or in the game
# folder) and the application icon, when the art has been made.
foreach(wanted SETUPBG.BMP LWK.PNG)
  file(GLOB extras ${SETUP_BIN_DIR}/* ${GAME_DIR}/*)
  foreach(extra IN LISTS extras)
    get_filename_component(base "${extra}" NAME)
    string(TOUPPER "${base}" upper)
    if(upper STREQUAL wanted)
      file(COPY ${extra} DESTINATION ${PACKAGE_DIR})
      break()
    endif()
  endforeach()
endforeach()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar czf ${PACKAGE_NAME}.tar.gz ${PACKAGE_NAME}
  WORKING_DIRECTORY ${RELEASE_DIR}
  RESULT_VARIABLE tar_result)
if(NOT tar_result EQUAL 0)
  message(FATAL_ERROR "package: tar failed (${tar_result})")
endif()
list(LENGTH files shipped)
message(STATUS "package: ${PACKAGE_DIR} (${shipped} game files) and ${RELEASE_DIR}/${PACKAGE_NAME}.tar.gz")
