# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# Fails when a call of BookText names its context by anything but a literal: lupdate reads
# only literals, so such a text would never reach the translators, and the test language,
# which translates whatever it is handed, cannot notice. Run as
#   cmake -DSOURCE_DIR=<the sources> -P CheckTranslatableTexts.cmake
cmake_policy(SET CMP0007 NEW)
set(faults)
foreach(folder IN ITEMS app book calculator chapters forms observing platform realsystems
                        simulation spectrum thisbook widgets)
  file(GLOB_RECURSE units ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  foreach(unit IN LISTS units)
    file(STRINGS ${unit} lines REGEX "BookText\\(")
    foreach(line IN LISTS lines)
      # The declaration itself, and a call whose first argument follows on the next line,
      # are not calls to judge here.
      if(line MATCHES "inline QString BookText" OR line MATCHES "BookText\\([ ]*$")
        continue()
      endif()
      if(NOT line MATCHES "BookText\\([ ]*\"")
        list(APPEND faults "${unit}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "BookText with a context that is not a literal:\n${text}")
endif()
