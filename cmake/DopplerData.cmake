# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The book looks for its rich-text files beside the running program, so every program
# that opens book windows (the book, the tests, the gallery) gets a copy in its folder.
file(GLOB DOPPLER_DATA_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.rtf)

function(doppler_copy_data dir)
  foreach(f IN LISTS DOPPLER_DATA_FILES)
    get_filename_component(name ${f} NAME)
    configure_file(${f} ${dir}/${name} COPYONLY)
  endforeach()
endfunction()
