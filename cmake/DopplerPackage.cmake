# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# What an installation carries besides the program and its data (desktop entry, icon,
# AppStream metadata, licences), and the Debian package that `make package` builds with CPack.

# The project publishes no web address of its own yet; a build for distribution names its
# source repository here, and the metadata then links it, its issue tracker and the README's
# screenshots (served from the repository's docs/ folder).
set(DOPPLER_SOURCE_URL "" CACHE STRING
    "Web address of the project's source repository, linked from the package metadata")

set(DOPPLER_METAINFO_LINKS "")
if(DOPPLER_SOURCE_URL)
  string(CONCAT DOPPLER_METAINFO_LINKS
    "  <url type=\"homepage\">${DOPPLER_SOURCE_URL}</url>\n"
    "  <url type=\"bugtracker\">${DOPPLER_SOURCE_URL}/issues</url>\n"
    "  <url type=\"vcs-browser\">${DOPPLER_SOURCE_URL}</url>\n"
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>A question page with its feedback</caption>\n"
    "      <image>${DOPPLER_SOURCE_URL}/raw/HEAD/docs/screenshot-chapter-page.png</image>\n"
    "    </screenshot>\n"
    "    <screenshot>\n"
    "      <caption>The free experiment running a real planetary system</caption>\n"
    "      <image>${DOPPLER_SOURCE_URL}/raw/HEAD/docs/screenshot-simulation.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
set(DOPPLER_METAINFO ${PROJECT_BINARY_DIR}/app/doppler-spectroscopy.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/app/doppler-spectroscopy.metainfo.xml.in
               ${DOPPLER_METAINFO} @ONLY)

install(FILES ${PROJECT_SOURCE_DIR}/app/doppler-spectroscopy.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/app/doppler-spectroscopy.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${DOPPLER_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/doppler-spectroscopy)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/LICENSES DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/doppler-spectroscopy)
# The licences in Debian's machine-readable form, where Debian looks for them.
install(FILES ${PROJECT_SOURCE_DIR}/app/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/doppler-spectroscopy)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME doppler-spectroscopy)
set(CPACK_PACKAGE_VENDOR "The Doppler spectroscopy book authors")
set(CPACK_PACKAGE_CONTACT "The Doppler spectroscopy book authors")
# Whoever builds a package answers for it: the placeholder's reserved domain (.invalid)
# cannot receive mail, so a package built without setting it says so plainly.
set(DOPPLER_MAINTAINER "Unset Packager <packager@maintainer.invalid>" CACHE STRING
    "The Debian package's Maintainer field: a name and an address the packager answers at")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DOPPLER_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "interactive book on finding planets from their star's radial velocity")
set(CPACK_PACKAGE_DESCRIPTION
    "Five chapters for students of physics and astronomy, with a live
simulation of a star and up to three planets: a rotatable orbit view, a radial-velocity
graph and questions with hints and feedback.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# doppler-spectroscopy_1.0_amd64.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt and C++ runtime packages come from the libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the book's faces resolve to, the tool that raises a running calculator, and Qt's
# own dialogs in the book's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation, fonts-urw-base35, xdotool, qt6-translations-l10n")
if(DOPPLER_SOURCE_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${DOPPLER_SOURCE_URL})
endif()
include(CPack)
