# Installation and the Debian package. The programs go to games/, everything the window program
# reads at run time to share/tintcipher, which the program finds from its own folder (the path
# between the two is compiled in). Each user's Winners files and saved games live in the user's
# data folder, copied from share/tintcipher on the first start.
include(GNUInstallDirs)
set(TINTCIPHER_INSTALL_GAMESDIR games CACHE STRING "Where the programs go, below the prefix")
set(TINTCIPHER_DATADIR ${CMAKE_INSTALL_DATADIR}/tintcipher)
file(RELATIVE_PATH installeddata /${TINTCIPHER_INSTALL_GAMESDIR} /${TINTCIPHER_DATADIR})
target_compile_definitions(tintcipher_shell PRIVATE TINTCIPHER_INSTALLED_DATA="${installeddata}")
set(TINTCIPHER_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/tintcipher)

# The manual pages are made by help2man from the programs' own --help and --version, with the
# rest of each page in data/<program>.h2m, so a page cannot leave out an option. Compressed
# without a name or time in the header, as Debian ships them; dated by the release, not the build.
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
set(TINTCIPHER_RELEASE_EPOCH 1796644800) # 7 December 2026, the changelog's latest entry
set(TINTCIPHER_MANPAGES)
set(TINTCIPHER_NAMES tintcipher-cli)
if(TARGET tintcipher)
  list(APPEND TINTCIPHER_NAMES tintcipher)
endif()
if(HELP2MAN AND GZIP)
  foreach(program ${TINTCIPHER_NAMES})
    set(page ${CMAKE_BINARY_DIR}/man/${program}.6)
    set(include ${CMAKE_CURRENT_SOURCE_DIR}/data/${program}.h2m)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${TINTCIPHER_RELEASE_EPOCH}
              ${HELP2MAN} --no-info --section=6 --manual=Games --include=${include}
              --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${GZIP} -9nf ${page}
      DEPENDS ${program} ${include}
      COMMENT "Writing the manual page of ${program}")
    list(APPEND TINTCIPHER_MANPAGES ${page}.gz)
  endforeach()
else()
  message(WARNING "help2man or gzip not found: the manual pages are not made")
endif()
add_custom_target(tintcipher_manpages ALL DEPENDS ${TINTCIPHER_MANPAGES})

# The changelog, compressed as the manual pages are.
set(TINTCIPHER_CHANGELOG ${CMAKE_CURRENT_SOURCE_DIR}/data/changelog)
if(GZIP)
  set(TINTCIPHER_CHANGELOG ${CMAKE_BINARY_DIR}/doc/changelog.gz)
  add_custom_command(OUTPUT ${TINTCIPHER_CHANGELOG}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
    COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/data/changelog > ${TINTCIPHER_CHANGELOG}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/changelog)
  add_custom_target(tintcipher_changelog ALL DEPENDS ${TINTCIPHER_CHANGELOG})
endif()

# Debian strips .comment and .note from its programs (they hold only the compilers' names); a
# packaging install (cpack, or install --strip) does too.
function(tintcipher_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${TINTCIPHER_INSTALL_GAMESDIR})
  if(CMAKE_STRIP)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TINTCIPHER_INSTALL_GAMESDIR}/${target}\")
    endif()")
  endif()
endfunction()

tintcipher_install_program(tintcipher-cli)
install(FILES ${TINTCIPHER_MANPAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES data/copyright DESTINATION ${TINTCIPHER_DOCDIR})
install(FILES ${TINTCIPHER_CHANGELOG} DESTINATION ${TINTCIPHER_DOCDIR} RENAME changelog.gz)
install(FILES data/tintcipher.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME tintcipher)
if(TARGET tintcipher)
  tintcipher_install_program(tintcipher)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/app/Icon ${CMAKE_BINARY_DIR}/app/Music
    ${CMAKE_BINARY_DIR}/app/Pictures ${CMAKE_BINARY_DIR}/app/Video
    ${CMAKE_BINARY_DIR}/app/Winners ${CMAKE_BINARY_DIR}/app/Manual
    DESTINATION ${TINTCIPHER_DATADIR})
  install(FILES ${CMAKE_BINARY_DIR}/app/Vbintro.html DESTINATION ${TINTCIPHER_DATADIR})
  install(FILES data/tintcipher.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/org.example.tintcipher.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  install(FILES data/tintcipher.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME tintcipher)
set(CPACK_PACKAGE_VENDOR "The Tintcipher developers")
set(CPACK_PACKAGE_CONTACT "Tintcipher developers <tintcipher@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking game with colours or numbers")
# Lines of at most 79 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
  "One side holds a secret code of coloured positions, the other guesses and is\n\
answered with black and white marks. The game plays either side, or both,\n\
keeps TOP FIVE lists for every setting and measures its own codebreaker.")
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
