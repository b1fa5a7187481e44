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

# The desktop file's and the software centre's words come from the
# catalogues, English and every language translated, so translators edit the
# .ts files alone. CMake fills in the rest of the templates while configuring;
# desktop_l10n.py the words whenever a catalogue changes.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(_mirel_l10n ${CMAKE_CURRENT_LIST_DIR}/desktop/desktop_l10n.py)
list(GET MIREL_TS_FILES 0 _mirel_first_ts)
foreach(_key summary 109)
  execute_process(COMMAND ${Python3_EXECUTABLE} ${_mirel_l10n} --english ${_key} ${_mirel_first_ts}
                  OUTPUT_VARIABLE _mirel_english_${_key} OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_mirel_first_ts})
set(MIREL_SUMMARY "${_mirel_english_summary}")

set(_mirel_desktop_dir ${PROJECT_BINARY_DIR}/desktop)
set(_mirel_desktop_files)
foreach(_file ${MIREL_APP_ID}.desktop ${MIREL_APP_ID}.metainfo.xml)
  string(REPLACE ${MIREL_APP_ID} mirel _template ${_file})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/desktop/${_template}.in
                 ${_mirel_desktop_dir}/${_file}.in @ONLY)
  add_custom_command(OUTPUT ${_mirel_desktop_dir}/${_file}
                     COMMAND ${Python3_EXECUTABLE} ${_mirel_l10n} ${_mirel_desktop_dir}/${_file}.in
                             ${_mirel_desktop_dir}/${_file} ${MIREL_TS_FILES}
                     DEPENDS ${_mirel_l10n} ${_mirel_desktop_dir}/${_file}.in ${MIREL_TS_FILES}
                     VERBATIM)
  list(APPEND _mirel_desktop_files ${_mirel_desktop_dir}/${_file})
endforeach()
add_custom_target(mirel_desktop ALL DEPENDS ${_mirel_desktop_files})

# The theme icons are drawn by the same script as the window icon, whenever
# the script changes; they are small, so this happens while configuring.
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
set(CPACK_PACKAGE_DESCRIPTION "${_mirel_english_109}")
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
# Japanese and Chinese captions need a CJK font to fall back to (Cyrillic is in
# DejaVu, which fontconfig already pulls in): Noto CJK, as Debian's Japanese
# and Chinese desktops install it, with each script's own glyph forms; or the
# much smaller WenQuanYi Micro Hei, Chinese forms only.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei")
include(CPack)
