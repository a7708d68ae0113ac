# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# Fails when a translation the book ships holds a text not yet translated: the View menu
# offers each language, and a student would meet English sentences between its own. Run as
#   cmake "-DTS_FILES=<a;b>" -P CheckTranslationsFinished.cmake
set(faults)
foreach(ts IN LISTS TS_FILES)
  file(READ ${ts} text)
  string(REGEX MATCHALL "<translation type=\"unfinished\"" unfinished "${text}")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    get_filename_component(name ${ts} NAME)
    string(REGEX MATCH "<source>[^<]*</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"unfinished\"" first "${text}")
    string(REGEX REPLACE "</source>.*" "" first "${first}")
    string(REPLACE "<source>" "" first "${first}")
    # Its entities written out, as a list item cannot hold the ';' that ends each.
    string(REPLACE "&apos;" "'" first "${first}")
    string(REPLACE "&quot;" "\"" first "${first}")
    string(REPLACE "&amp;" "&" first "${first}")
    string(REPLACE ";" "," first "${first}")
    list(APPEND faults "${name}: ${count} unfinished, the first: ${first}")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n" report)
  message(FATAL_ERROR "Translations with unfinished texts (translate them with Qt Linguist):\n${report}")
endif()
