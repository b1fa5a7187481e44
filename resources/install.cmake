# SPDX-FileCopyrightText: 2026 Mirel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs Mirel as a desktop application and describes its Debian package.
# Included from the top-level CMakeLists.txt, so paths are spelled out from
# this file's folder.
include(GNUInstallDirs)

set(MIREL_RELEASE_DATE "2026-12-06" CACHE STRING "Release date of this version (YYYY-MM-DD)")
set(MIREL_HOMEPAGE "https://mirel.github.io/" CACHE STRING "The project's home page")
set(MIREL_PACKAGE_MAINTAINER "Mirel developers <mirel@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")
set(MIREL_TITLE "Mirel")
set(MIREL_DEVELOPER "Mirel developers")
set(MIREL_SUMMARY "Copy pages with your scanner and printer")

# The software centre shows the same description as the About box.
set(_mirel_strings ${CMAKE_CURRENT_LIST_DIR}/strings.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_mirel_strings})
file(STRINGS ${_mirel_strings} _mirel_description REGEX "^109\t" ENCODING UTF-8)
string(REGEX REPLACE "^109\t" "" _mirel_description "${_mirel_description}")
if(_mirel_description STREQUAL "")
  message(FATAL_ERROR "strings.txt has no About description (id 109)")
endif()
string(REPLACE "&" "&amp;" _mirel_description "${_mirel_description}")
string(REPLACE "<" "&lt;" _mirel_description "${_mirel_description}")
string(REPLACE ">" "&gt;" MIREL_DESCRIPTION "${_mirel_description}")

set(_mirel_desktop_dir ${PROJECT_BINARY_DIR}/desktop)
configure_file(${CMAKE_CURRENT_LIST_DIR}/desktop/mirel.desktop.in
               ${_mirel_desktop_dir}/${MIREL_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/desktop/mirel.metainfo.xml.in
               ${_mirel_desktop_dir}/${MIREL_APP_ID}.metainfo.xml @ONLY)

# The theme icons are drawn by the same script as the window icon, whenever
# the script changes; they are small, so this happens while configuring.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(_mirel_icon_script ${CMAKE_CURRENT_LIST_DIR}/icons/make_icon.py)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_mirel_icon_script})
set(MIREL_HICOLOR_DIR ${_mirel_desktop_dir}/hicolor)
file(REMOVE_RECURSE ${MIREL_HICOLOR_DIR})
execute_process(COMMAND ${Python3_EXECUTABLE} ${_mirel_icon_script} --hicolor
                        ${MIREL_HICOLOR_DIR} ${MIREL_APP_ID}
                RESULT_VARIABLE _mirel_icon_result)
if(NOT _mirel_icon_result EQUAL 0)
  message(FATAL_ERROR "make_icon.py could not draw the theme icons")
endif()

# The scanner helper goes beside the program, where the program looks for it.
install(TARGETS mirel mirel-scanner RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The print module goes where the program looks for it first (PrintModule.cpp).
install(TARGETS mirel-print LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/mirel)
install(FILES ${_mirel_desktop_dir}/${MIREL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_mirel_desktop_dir}/${MIREL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(_size 16x16 32x32 48x48 128x128)
  install(FILES ${MIREL_HICOLOR_DIR}/${_size}/apps/${MIREL_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}/apps)
endforeach()
install(FILES ${MIREL_HICOLOR_DIR}/scalable/apps/${MIREL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME mirel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${MIREL_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "${MIREL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${MIREL_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION "${_mirel_description}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MIREL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MIREL_HOMEPAGE}")
# Libraries the program links come from dpkg-shlibdeps. libsane is opened at
# run time and Qt loads its window-system plugin at run time, so neither shows
# up in the executable's links: name them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsane1, qt6-qpa-plugins")
include(CPack)
