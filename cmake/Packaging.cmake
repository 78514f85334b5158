# Installation in the XDG layout and the Debian package.
#   cmake --install build --prefix PREFIX    PREFIX/bin/solvane, PREFIX/share/...
#   cd build && cpack -G DEB                  solvane_<version>_<arch>.deb
# The installed program reads its skin and demo songs from share/solvane and
# writes into the user's XDG folders (see platform/ui/ProgramFolder.h).
include(GNUInstallDirs)

set(solvane_share ${CMAKE_INSTALL_DATADIR}/solvane)
install(TARGETS solvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${SOLVANE_PROGRAM_FOLDER}/skins/Default DESTINATION ${solvane_share}/skins)
install(DIRECTORY ${SOLVANE_PROGRAM_FOLDER}/demo DESTINATION ${solvane_share})

list(JOIN SOLVANE_MIME_TYPES ";" desktop_mime_types)
configure_file(${CMAKE_CURRENT_LIST_DIR}/solvane.desktop.in ${CMAKE_BINARY_DIR}/solvane.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/solvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/solvane)
foreach(size ${SOLVANE_ICON_SIZES})
  install(FILES ${SOLVANE_ICON_FOLDER}/${size}x${size}/solvane.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_dependencies(solvane solvane_icons)

set(CPACK_PACKAGE_NAME solvane)
set(CPACK_PACKAGE_VENDOR "The Solvane developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Skinnable audio player for music files, tracker modules and CDs")
set(CPACK_PACKAGE_DESCRIPTION
  "Solvane Audio Player plays MP3, MP2, MP1, WAV and Ogg Vorbis files, tracker
modules (MOD, XM, S3M, IT, MTM, UMX) and audio CDs in three skinned windows:
the deck, a ten-band equalizer with visual effects and the playlist editor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Solvane developers <solvane@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_LICENSE GPL-3.0-or-later)
# The libraries the program links come from dpkg-shlibdeps; Qt's window
# system plugins are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
