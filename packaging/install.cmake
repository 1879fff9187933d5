# Installed layout (the package uses the prefix /usr):
#   lib/kondrix/      the application directory: the executable beside its data
#   bin/kondrix       a link to it, and bin/kondrix-cli to the command line;
#                     both find their data from the real executable's folder,
#                     so the links need no data beside them
#   share/applications, share/metainfo, share/icons/hicolor: desktop integration
# An installed application directory is read-only to its users: the
# transformer settings they change go to their own configuration folder.
include(GNUInstallDirs)
set(KONDRIX_APP_ID hu.kondrix.Kondrix)
set(KONDRIX_INSTALL_DIR lib/kondrix)

install(TARGETS kondrix kondrix-cli RUNTIME DESTINATION ${KONDRIX_INSTALL_DIR})
# Sound, loaded on the first sound from plugins/ beside the executable. Not
# executable, as Debian wants of shared objects.
install(TARGETS kondrix_sound LIBRARY DESTINATION ${KONDRIX_INSTALL_DIR}/plugins
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(DIRECTORY data/ DESTINATION ${KONDRIX_INSTALL_DIR})
foreach(_exe kondrix kondrix-cli)
  install(CODE "
    set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${_bin}\")
    file(RELATIVE_PATH _target \"/prefix/${CMAKE_INSTALL_BINDIR}\" \"/prefix/${KONDRIX_INSTALL_DIR}/${_exe}\")
    message(STATUS \"Installing: \${_bin}/${_exe} -> \${_target}\")
    file(CREATE_LINK \"\${_target}\" \"\${_bin}/${_exe}\" SYMBOLIC)
  ")
endforeach()

set(_share ${CMAKE_INSTALL_DATAROOTDIR})
install(FILES packaging/${KONDRIX_APP_ID}.desktop DESTINATION ${_share}/applications)
install(FILES packaging/${KONDRIX_APP_ID}.metainfo.xml DESTINATION ${_share}/metainfo)
install(FILES tools/art/shell/svg/kondrix.svg
        DESTINATION ${_share}/icons/hicolor/scalable/apps RENAME ${KONDRIX_APP_ID}.svg)
foreach(_size 16 22 24 32 48 64 128 256)
  install(FILES packaging/icons/${_size}.png
          DESTINATION ${_share}/icons/hicolor/${_size}x${_size}/apps RENAME ${KONDRIX_APP_ID}.png)
endforeach()

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kondrix)
set(CPACK_PACKAGE_VENDOR Kondrix)
set(CPACK_PACKAGE_CONTACT "Kondrix <kondrix@kondrix.hu>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "electronics toolbox: component catalogs, code decoders, calculators")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "electronics toolbox: component catalogs, code decoders, calculators
 Kondrix is a desktop toolbox for electronics hobbyists and technicians, with a
 Hungarian user interface: catalogs of transistors, diodes and SMD marking codes,
 a technical dictionary, resistor and capacitor code decoders, and calculators
 for mains transformers, LC resonance, voltage dividers and number bases.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.kondrix.hu/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins are loaded at run time, out of dpkg-shlibdeps' sight: sound of the
# About window, and the native platform on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)
