# Installation and the Debian package. The programs go to bin/, everything the window program
# reads at run time to share/tintcipher, where it looks when its own folder holds no Winners
# files. Each user's Winners files and saved games live in the user's data folder, copied from
# share/tintcipher on the first start.
include(GNUInstallDirs)
# Manual pages go compressed, without a name or time in the header, as Debian ships them.
find_program(GZIP gzip)
set(TINTCIPHER_MANPAGES)
foreach(page tintcipher.6 tintcipher-cli.6)
  if(GZIP)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/data/${page} > ${CMAKE_BINARY_DIR}/man/${page}.gz
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/${page})
    list(APPEND TINTCIPHER_MANPAGES ${CMAKE_BINARY_DIR}/man/${page}.gz)
  else()
    list(APPEND TINTCIPHER_MANPAGES ${CMAKE_CURRENT_SOURCE_DIR}/data/${page})
  endif()
endforeach()
add_custom_target(tintcipher_manpages ALL DEPENDS ${TINTCIPHER_MANPAGES})
install(TARGETS tintcipher-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TINTCIPHER_MANPAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
if(TARGET tintcipher)
  install(TARGETS tintcipher RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${CMAKE_BINARY_DIR}/app/Icon ${CMAKE_BINARY_DIR}/app/Music
    ${CMAKE_BINARY_DIR}/app/Pictures ${CMAKE_BINARY_DIR}/app/Video
    ${CMAKE_BINARY_DIR}/app/Winners ${CMAKE_BINARY_DIR}/app/Manual
    DESTINATION ${CMAKE_INSTALL_DATADIR}/tintcipher)
  install(FILES ${CMAKE_BINARY_DIR}/app/Vbintro.html
    DESTINATION ${CMAKE_INSTALL_DATADIR}/tintcipher)
  install(FILES data/tintcipher.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/tintcipher.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  install(FILES data/tintcipher.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME tintcipher)
set(CPACK_PACKAGE_VENDOR "The Tintcipher developers")
set(CPACK_PACKAGE_CONTACT "Tintcipher developers <tintcipher@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking game with colours or numbers")
set(CPACK_PACKAGE_DESCRIPTION
  "One side holds a secret code of coloured positions, the other guesses and is answered with\n\
black and white marks. The game plays either side, or both, keeps TOP FIVE lists for every\n\
setting and measures its own codebreaker.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded when the music starts, so dpkg-shlibdeps cannot find it in the program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfluidsynth3 (>= 2.0.5)")
# Debian ships programs without their debugging symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/tintcipher")
# The soundfont the music is played with, and the GStreamer plugins the title video needs
# (playbin and the converters; the AVI demuxer and the Motion-JPEG decoder). Without them the game
# is silent, or the title keeps its still picture: never broken.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "timgm6mb-soundfont | fluid-soundfont-gm, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# Owned by root, readable by all, whatever the umask of the build.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
