# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The book itself: windows, simulation, chapters and form definitions.
set(_doppler_dirs book simulation observing spectrum realsystems calculator chapters forms)
set(_doppler_sources)
foreach(dir IN LISTS _doppler_dirs)
  file(GLOB _found CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.h)
  list(APPEND _doppler_sources ${_found})
endforeach()

add_library(doppler STATIC ${_doppler_sources})
target_include_directories(doppler PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
target_link_libraries(doppler PUBLIC model tallowkit platform Qt6::Widgets Qt6::PrintSupport)
target_compile_options(doppler PRIVATE -Wall -Wextra)
