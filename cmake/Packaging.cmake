# Installation in the XDG layout and the Debian package.
#   cmake --install build --prefix PREFIX    PREFIX/bin/solvane, PREFIX/share/...
#   cd build && cpack -G DEB                  solvane_<version>_<arch>.deb
# The installed program reads its skin and demo songs from share/solvane and
# writes into the user's XDG folders (see platform/ui/ProgramFolder.h).
include(GNUInstallDirs)

set(solvane_share ${CMAKE_INSTALL_DATADIR}/solvane)
set(solvane_doc ${CMAKE_INSTALL_DATADIR}/doc/solvane)
install(TARGETS solvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${SOLVANE_PROGRAM_FOLDER}/skins/Default DESTINATION ${solvane_share}/skins)
install(DIRECTORY ${SOLVANE_PROGRAM_FOLDER}/demo DESTINATION ${solvane_share})
install(FILES "${PROJECT_SOURCE_DIR}/data/What's New.txt" DESTINATION ${solvane_share})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${solvane_doc})

list(JOIN SOLVANE_MIME_TYPES ";" desktop_mime_types)
configure_file(${CMAKE_CURRENT_LIST_DIR}/solvane.desktop.in ${CMAKE_BINARY_DIR}/solvane.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/solvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${SOLVANE_ICON_SIZES})
  install(FILES ${SOLVANE_ICON_FOLDER}/${size}x${size}/solvane.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_dependencies(solvane solvane_icons)

# The package's maintainer: given outright, or the project's contact address.
if(NOT CPACK_DEBIAN_PACKAGE_MAINTAINER AND SOLVANE_CONTACT_MAIL)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Solvane developers <${SOLVANE_CONTACT_MAIL}>")
endif()
if(SOLVANE_CONTACT_MAIL)
  set(upstream_contact "Upstream-Contact: The Solvane developers <${SOLVANE_CONTACT_MAIL}>\n")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${solvane_doc})

# The software centres' description (share/metainfo), the manual page and
# the package's changelog, all compressed the way Debian wants them.
set(metainfo ${CMAKE_BINARY_DIR}/solvane.metainfo.xml)
add_custom_command(OUTPUT ${metainfo}
  COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${CMAKE_CURRENT_LIST_DIR}/solvane.metainfo.xml.in
          "-DWHATS_NEW=${PROJECT_SOURCE_DIR}/data/What's New.txt" -DOUTPUT=${metainfo}
          -DPROJECT_VERSION=${PROJECT_VERSION} -DSOLVANE_RELEASE_DATE=${SOLVANE_RELEASE_DATE}
          "-DMIME_TYPES=${SOLVANE_MIME_TYPES}" -DWEB_PAGE=${SOLVANE_WEB_PAGE} -DCONTACT_MAIL=${SOLVANE_CONTACT_MAIL}
          -P ${CMAKE_CURRENT_LIST_DIR}/MetaInfo.cmake
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/solvane.metainfo.xml.in ${CMAKE_CURRENT_LIST_DIR}/MetaInfo.cmake
          "${PROJECT_SOURCE_DIR}/data/What's New.txt"
  VERBATIM)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

configure_file(${CMAKE_CURRENT_LIST_DIR}/solvane.1.in ${CMAKE_BINARY_DIR}/solvane.1 @ONLY)
set(compressed ${CMAKE_BINARY_DIR}/solvane.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/solvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# A Debian changelog needs the maintainer's address; without one the package
# cannot be made (see CPackChecks.cmake), and no changelog is installed.
if(CPACK_DEBIAN_PACKAGE_MAINTAINER)
  execute_process(COMMAND date -u -R -d "${SOLVANE_RELEASE_DATE} 12:00"
                  OUTPUT_VARIABLE release_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  file(WRITE ${CMAKE_BINARY_DIR}/changelog
       "solvane (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
       "  * Solvane Audio Player ${PROJECT_VERSION}: the changes are listed in\n"
       "    /usr/share/solvane/What's New.txt.\n\n"
       " -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${release_time}\n")
  list(APPEND compressed ${CMAKE_BINARY_DIR}/changelog.gz)
  install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${solvane_doc})
endif()
foreach(file ${compressed})
  string(REGEX REPLACE "\\.gz$" "" plain ${file})
  add_custom_command(OUTPUT ${file} COMMAND gzip -9nkf ${plain} DEPENDS ${plain} VERBATIM)
endforeach()
add_custom_target(solvane_metadata ALL DEPENDS ${metainfo} ${compressed})

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
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_LICENSE GPL-3.0-or-later)
if(SOLVANE_WEB_PAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SOLVANE_WEB_PAGE})
endif()
# The libraries the program links come from dpkg-shlibdeps; Qt's window
# system plugins are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackChecks.cmake)
include(CPack)
