# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The book above the libraries: one static library per folder, linked one way only.
#
#   calculator -> book -> simulation -> observing, spectrum, realsystems -> chapters -> doppler
#
# `doppler` is the folder thisbook/ (the book window, which opens the chapters and the Tools
# windows); it is the target programs, tests and tools link. A target sees the headers of its
# own folder and of the folders it links, and no others: each target's include root holds a
# link to its folder alone, so a header included against the layers ("simulation/..." from
# book/) is not found and the build stops there.
#
# Form definitions (forms/) fill in a window of one folder each, and the window's unit calls
# its definition: a real cycle between a class and its layout. A form's unit is therefore
# built into the target of the highest folder it includes; the forms' headers (declarations
# only) are visible to every target. The units that include no folder above the libraries
# (the artwork painted in code, the parts of questions) are the library `doppler_forms`,
# beneath them all.

set(doppler_layers calculator book simulation observing spectrum realsystems chapters thisbook)
set(doppler_layer_target_thisbook doppler)
set(doppler_layer_links_calculator doppler_forms)
set(doppler_layer_links_book calculator)
set(doppler_layer_links_simulation book)
set(doppler_layer_links_observing simulation)
set(doppler_layer_links_spectrum simulation)
set(doppler_layer_links_realsystems simulation)
set(doppler_layer_links_chapters simulation observing)
set(doppler_layer_links_thisbook chapters observing spectrum realsystems)

# An include root for `folder`: a directory holding one link, <root>/<folder> -> the folder.
function(doppler_include_root out folder)
  set(root ${PROJECT_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  set(${out} ${root} PARENT_SCOPE)
endfunction()


# The highest layer each form unit includes.
file(GLOB form_units CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/forms/*.cpp)
set(forms_shared)
foreach(layer IN LISTS doppler_layers)
  set(forms_of_${layer})
endforeach()
foreach(unit IN LISTS form_units)
  file(STRINGS ${unit} includes REGEX "^#include \"[a-z]+/")
  set(home "")
  foreach(layer IN LISTS doppler_layers)
    if(includes MATCHES "#include \"${layer}/")
      set(home ${layer})
    endif()
  endforeach()
  if(home STREQUAL "")
    list(APPEND forms_shared ${unit})
  else()
    list(APPEND forms_of_${home} ${unit})
  endif()
endforeach()

doppler_include_root(forms_root forms)
file(GLOB form_headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/forms/*.h)
add_library(doppler_forms STATIC ${forms_shared} ${form_headers})
target_include_directories(doppler_forms PUBLIC $<BUILD_INTERFACE:${forms_root}>)
target_link_libraries(doppler_forms PUBLIC model tallowkit platform Qt6::Widgets)
target_compile_options(doppler_forms PRIVATE -Wall -Wextra)

foreach(layer IN LISTS doppler_layers)
  if(DEFINED doppler_layer_target_${layer})
    set(target ${doppler_layer_target_${layer}})
  else()
    set(target doppler_${layer})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${layer}/*.cpp ${PROJECT_SOURCE_DIR}/${layer}/*.h)
  add_library(${target} STATIC ${sources} ${forms_of_${layer}})
  doppler_include_root(root ${layer})
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  set(links)
  foreach(below IN LISTS doppler_layer_links_${layer})
    if(TARGET doppler_${below})
      list(APPEND links doppler_${below})
    else()
      list(APPEND links ${below})
    endif()
  endforeach()
  target_link_libraries(${target} PUBLIC ${links} Qt6::Widgets Qt6::PrintSupport)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endforeach()
