# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The book looks for its rich-text files beside the running program, so every program
# that opens book windows (the book, the tests, the gallery) gets a copy in its folder.
file(GLOB DOPPLER_DATA_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.rtf)
# The published radial velocities of the card's stars go to the folder rv beside them, with
# their README (origin and licence).
file(GLOB DOPPLER_RV_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/rv/*.vels
     ${PROJECT_SOURCE_DIR}/data/rv/*.sys ${PROJECT_SOURCE_DIR}/data/rv/README.md)

function(doppler_copy_data dir)
  foreach(f IN LISTS DOPPLER_DATA_FILES)
    get_filename_component(name ${f} NAME)
    configure_file(${f} ${dir}/${name} COPYONLY)
  endforeach()
  foreach(f IN LISTS DOPPLER_RV_FILES)
    get_filename_component(name ${f} NAME)
    configure_file(${f} ${dir}/rv/${name} COPYONLY)
  endforeach()
endfunction()
