# The Debian package (scripts/package, or "cpack --config build/CPackConfig.cmake"). It holds what
# "cmake --install" puts in place, under /usr. Its dependencies on shared libraries are read from
# the binary by dpkg-shlibdeps; listed by hand is only what no scan of the binary can see: the
# Qt plug-ins loaded at run time (windows, SVG icons, WebP pictures), the General MIDI sound font
# for MIDI music, and the fonts the windows ask for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vistabel)
set(CPACK_PACKAGE_VERSION ${VISTABEL_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvane Software")
set(CPACK_PACKAGE_CONTACT "Corvane Software <vistabel@corvane-software.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture slide show for the desktop")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Vistabel shows pictures one after another on the whole screen, over a\n"
  "background colour, each for a set time, in order or shuffled, once or in a\n"
  "loop, optionally with background music (MP3, WAV or MIDI). A show comes from\n"
  "a slide show file, made with the program's own maker, or from a folder and\n"
  "the folders below it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.corvane-software.example/vistabel/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, qt6-image-formats-plugins, timgm6mb-soundfont, \
fonts-liberation2, fonts-dejavu-core")
include(CPack)
