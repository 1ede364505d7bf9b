# `cmake --install` (any prefix, DESTDIR honoured) and the Debian package (cpack -G DEB).
# The program directory under the library folder holds the executable, its modules and wav/,
# as the build directory does; `horalto` on the PATH is a link to the executable, which finds its
# directory through /proc/self/exe. The directory is read-only to its users, so the settings go
# to $XDG_CONFIG_HOME/horalto/config.ini.
include(GNUInstallDirs)
set(HORALTO_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/horalto)

install(TARGETS horalto RUNTIME DESTINATION ${HORALTO_PROGRAM_DIR})
install(TARGETS ${HORALTO_MODULES} LIBRARY DESTINATION ${HORALTO_PROGRAM_DIR})
install(FILES ${HORALTO_WAVS} DESTINATION ${HORALTO_PROGRAM_DIR}/wav)

# A relative link, so it holds for any prefix.
file(RELATIVE_PATH HORALTO_LINK_TARGET /${CMAKE_INSTALL_BINDIR} /${HORALTO_PROGRAM_DIR}/horalto)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
file(CREATE_LINK ${HORALTO_LINK_TARGET} ${CMAKE_BINARY_DIR}/install-links/horalto SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-links/horalto DESTINATION ${CMAKE_INSTALL_BINDIR})

# The launcher entry, the icon and the software-centre data.
set(HORALTO_ID io.horalto.Horalto)
install(FILES resources/desktop/${HORALTO_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/${HORALTO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icons/${HORALTO_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES resources/icons/${HORALTO_ID}_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${HORALTO_ID}.png)
endforeach()

# The Debian package: horalto_<version>_<arch>.deb, its dependencies computed from the binaries
# by dpkg-shlibdeps. Qt's X11 platform plugin and sound back ends come with the Qt libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horalto)
set(CPACK_PACKAGE_VENDOR "The Horalto developers")
set(CPACK_PACKAGE_CONTACT "The Horalto developers <developers@horalto.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Countdown and count-up timer for speech contests")
set(CPACK_PACKAGE_DESCRIPTION "Horalto times speeches: up to five timing schemes, prompt and end sounds,
a blinking counter, global hotkeys, and the counter in the main window, in an
always-on-top strip above the slides or full screen on the projector.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://horalto.io/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese texts need a CJK font; Arial's metric twins keep the layout; Qt's own Chinese texts
# put the standard dialogs (message boxes, colour and file choosers) in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-liberation, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
