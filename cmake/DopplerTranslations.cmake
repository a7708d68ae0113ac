# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The book's translations, i18n/doppler_<language>.ts: `cmake --build build --target
# update_translations` gathers every text the sources pass through BookText or tr into them
# (lupdate), a translator fills them in, and the build compiles each (lrelease) into the
# resources of `doppler` at :/i18n, where BookLanguage.h finds them.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
file(GLOB DOPPLER_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/i18n/*.ts)
set(translated_sources)
foreach(folder IN ITEMS app book calculator chapters forms model observing platform realsystems
                        simulation spectrum thisbook widgets)
  file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
       ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/include/*.h)
  list(APPEND translated_sources ${found})
endforeach()
# The model's units are in rooms of its folder.
file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/model/*/*.cpp
     ${PROJECT_SOURCE_DIR}/model/*/*.h)
list(APPEND translated_sources ${found})
qt_add_translations(doppler
  TS_FILES ${DOPPLER_TS_FILES}
  RESOURCE_PREFIX /i18n
  SOURCES ${translated_sources}
  LUPDATE_OPTIONS -locations none -tr-function-alias translate+=BookText,QT_TRANSLATE_NOOP+=Said)
