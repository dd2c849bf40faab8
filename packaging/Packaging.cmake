# Install rules and the Debian package. Everything goes below the prefix
# through GNUInstallDirs, so DESTDIR and --prefix are honoured.

set(KELDO_APP_ID org.example.keldo.terminal)
set(KELDO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# The hicolor icons: the window icon drawn at each size by the program's own
# drawing code, and an SVG drawn to match.
set(KELDO_ICON_SIZES 16 22 24 32 48 64 128 256)
add_executable(keldo-render-icons ${KELDO_PACKAGING_DIR}/render-icons.cpp)
target_link_libraries(keldo-render-icons PRIVATE keldo_ui)
set(KELDO_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(KELDO_ICON_PNGS)
foreach(size ${KELDO_ICON_SIZES})
  list(APPEND KELDO_ICON_PNGS ${KELDO_ICON_DIR}/${size}x${size}/apps/keldo-terminal.png)
endforeach()
add_custom_command(OUTPUT ${KELDO_ICON_PNGS}
  COMMAND keldo-render-icons ${KELDO_ICON_DIR} ${KELDO_ICON_SIZES}
  DEPENDS keldo-render-icons
  COMMENT "Drawing the hicolor icons")
add_custom_target(keldo-icons ALL DEPENDS ${KELDO_ICON_PNGS})

# Man pages, compressed as Debian has them.
find_program(KELDO_GZIP gzip)
set(KELDO_MAN_PAGES)
foreach(page keldo-terminal.1 keldo-modem-sim.1)
  if(KELDO_GZIP)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${KELDO_GZIP} -9nc ${KELDO_PACKAGING_DIR}/${page} > ${CMAKE_BINARY_DIR}/man/${page}.gz
      DEPENDS ${KELDO_PACKAGING_DIR}/${page})
    list(APPEND KELDO_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.gz)
  else()
    list(APPEND KELDO_MAN_PAGES ${KELDO_PACKAGING_DIR}/${page})
  endif()
endforeach()
add_custom_target(keldo-man ALL DEPENDS ${KELDO_MAN_PAGES})

install(TARGETS keldo-terminal keldo-modem-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KELDO_PACKAGING_DIR}/${KELDO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KELDO_PACKAGING_DIR}/${KELDO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${KELDO_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${KELDO_PACKAGING_DIR}/keldo-terminal.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/CHANGELOG.txt DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME KELDOTerminalChangeLog.txt)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The README's pictures, where its links point.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs FILES_MATCHING PATTERN "*.png")
install(FILES ${KELDO_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${KELDO_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KELDO_QM_FILES} DESTINATION ${KELDO_INSTALL_TRANSLATIONSDIR})

# cpack -G DEB: dependencies from the shared-library scan, plus the platform
# plugins, without which Qt 6.4 opens no window on X11.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME keldo-terminal)
set(CPACK_PACKAGE_VENDOR "KELDO")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keyboard chat terminal for the KELDO radio modems")
set(CPACK_PACKAGE_DESCRIPTION "The operator's side of a text conversation over the air: a separate modem
program (KELDO HF, FM or SAT) carries the text, the terminal shows the
conversation and keys the transmitter (CAT, RTS/DTR, VOX or rigctld).
Includes keldo-modem-sim, a practice modem.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "KELDO developers <keldo@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts (standard buttons, the file dialog) in the operator's
# language; openssl makes the web front end's certificate when none is given.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, openssl")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://keldo.example.org/")
include(CPack)
