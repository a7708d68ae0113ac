# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# Fails when the sources pass a text through translation that a translation file does not
# hold yet: lupdate is run on a copy of each file, which must gain no new text. Then a
# translator sees every text the book shows. Run as
#   cmake -DLUPDATE=<lupdate> -DPROJECT_IN=<the build's .lupdate/<target>_project.cmake>
#         -DGENERATE=<Qt's GenerateLUpdateProject.cmake> -DTS_FILES=<a;b> -DWORK=<folder>
#         -P CheckTranslationFiles.cmake
file(MAKE_DIRECTORY ${WORK})
# lupdate's list of sources, made as the update_translations target makes it.
set(PROJECT ${WORK}/project.json)
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_IN} -DOUT_FILE=${PROJECT}
                        -P ${GENERATE}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate's project could not be made from ${PROJECT_IN}")
endif()
set(faults)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  configure_file(${ts} ${WORK}/${name} COPYONLY)
  execute_process(COMMAND ${LUPDATE} -project ${PROJECT} -ts ${WORK}/${name} -locations none
                          -tr-function-alias translate+=BookText,QT_TRANSLATE_NOOP+=Said
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT out MATCHES "\\(0 new and")
    string(REGEX MATCH "Found [^\n]*" found "${out}")
    list(APPEND faults "${name}: ${found}${err}")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "Texts the translation files do not hold yet (run `cmake --build build "
                      "--target update_translations`):\n${text}")
endif()
