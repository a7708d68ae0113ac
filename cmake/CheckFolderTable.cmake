# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# Fails when the folder table of docs/ARCHITECTURE.md and the tree part ways: every folder of
# the tree (and every folder of tools/ and model/) has a row, and every folder a row names exists, so a
# maintainer who looks a folder up finds it. Build folders and hidden ones are not the tree's.
# Run as
#   cmake -DSOURCE_DIR=<the source tree> -P CheckFolderTable.cmake
cmake_policy(SET CMP0057 NEW)
# The rows of the section "Folders and targets" alone.
file(READ ${SOURCE_DIR}/docs/ARCHITECTURE.md notes)
string(FIND "${notes}" "## Folders and targets" start)
if(start LESS 0)
  message(FATAL_ERROR "docs/ARCHITECTURE.md has no section \"Folders and targets\"")
endif()
string(SUBSTRING "${notes}" ${start} -1 section)
string(FIND "${section}" "\n## " end)
string(SUBSTRING "${section}" 0 ${end} section)
string(REGEX MATCHALL "\n\\| `[^\n]*" rows "${section}")
set(named)
foreach(row IN LISTS rows)
  # The first column: one or more `folder/` or `tools/name`.
  # (A row's ';' splits it into list items; the pieces after the first are no rows.)
  string(REGEX MATCH "^\n\\| ([^|]*)\\|" first "${row}")
  if(NOT first)
    continue()
  endif()
  string(REGEX MATCHALL "`[^`]+`" folders "${CMAKE_MATCH_1}")
  foreach(folder IN LISTS folders)
    string(REGEX REPLACE "^`|/?`$" "" folder "${folder}")
    list(APPEND named ${folder})
  endforeach()
endforeach()

set(tree)
file(GLOB top LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(entry IN LISTS top)
  if(IS_DIRECTORY ${SOURCE_DIR}/${entry} AND NOT entry MATCHES "^(\\.|build)" AND
     NOT entry STREQUAL "tools" AND NOT entry STREQUAL "Testing")
    list(APPEND tree ${entry})
  endif()
endforeach()
file(GLOB rooms LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/tools/*
     ${SOURCE_DIR}/model/*)
foreach(entry IN LISTS rooms)
  if(IS_DIRECTORY ${SOURCE_DIR}/${entry})
    list(APPEND tree ${entry})
  endif()
endforeach()

set(faults)
foreach(folder IN LISTS tree)
  if(NOT folder IN_LIST named)
    list(APPEND faults "${folder} has no row in the folder table")
  endif()
endforeach()
foreach(folder IN LISTS named)
  if(NOT IS_DIRECTORY ${SOURCE_DIR}/${folder})
    list(APPEND faults "the folder table names ${folder}, which is not in the tree")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n" report)
  message(FATAL_ERROR "docs/ARCHITECTURE.md's folder table and the tree differ:\n${report}")
endif()
