# SPDX-License-Identifier: GPL-3.0-or-later
# Installed layout (the package uses the prefix /usr):
#   lib/kondrix/      the executables
#   bin/kondrix       a link to it, and bin/kondrix-cli to the command line
#   share/kondrix/    the data: catalogs, pictures, sounds, help page; the
#                     program finds it from the real executable's folder
#                     (appdir.cpp), and through the XDG data directories
#   share/man, share/doc/kondrix, share/applications, share/metainfo,
#   share/icons/hicolor: manual pages, licence, desktop integration
# An installed data folder is read-only to its users: the transformer
# settings they change go to their own configuration folder.
include(GNUInstallDirs)
set(KONDRIX_APP_ID hu.kondrix.Kondrix)
set(KONDRIX_INSTALL_DIR lib/kondrix)
set(KONDRIX_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATAROOTDIR}/kondrix)

# Addresses the project cannot stand behind until it has a public home: set
# them once here and every file that names them follows, the About window too.
set(KONDRIX_HOMEPAGE "https://kondrix.example.org/" CACHE STRING
    "Project home page (metainfo, package, copyright file, About window)")
set(KONDRIX_SCREENSHOT_URL "https://kondrix.example.org/docs/main-window.png" CACHE STRING
    "Address of docs/main-window.png for software centres (metainfo)")
set(KONDRIX_MAINTAINER "Kondrix developers <kondrix@example.org>" CACHE STRING
    "Package maintainer, \"Name <e-mail>\" (package, changelog, copyright file; the e-mail in the About window)")

string(REGEX REPLACE "^.*<(.*)>.*$" "\\1" _email "${KONDRIX_MAINTAINER}")
file(RELATIVE_PATH _data_from_exe "/prefix/${KONDRIX_INSTALL_DIR}" "/prefix/${KONDRIX_DATA_INSTALL_DIR}")
# On the one source each that needs them, so a change rebuilds only that.
set_source_files_properties(ui/about.cpp PROPERTIES COMPILE_DEFINITIONS
  "KONDRIX_HOMEPAGE=\"${KONDRIX_HOMEPAGE}\";KONDRIX_CONTACT_EMAIL=\"${_email}\"")
set_source_files_properties(core/appdir.cpp PROPERTIES COMPILE_DEFINITIONS
  "KONDRIX_DATA_FROM_EXE=\"${_data_from_exe}\"")

# The installed programs are hardened as Debian builds its packages: checked
# buffer functions where the optimiser allows them, and every symbol bound at
# start so the relocations can be made read-only.
if(NOT KONDRIX_SANITIZE)
  foreach(_t kondrix_logic kondrix_ui kondrix kondrix-cli)
    target_compile_definitions(${_t} PRIVATE $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  endforeach()
  target_link_options(kondrix PRIVATE -Wl,-z,relro,-z,now)
  target_link_options(kondrix-cli PRIVATE -Wl,-z,relro,-z,now)
endif()

install(TARGETS kondrix kondrix-cli RUNTIME DESTINATION ${KONDRIX_INSTALL_DIR})
# A stripped install (the package's) also loses the compiler's notes, as
# Debian strips its own packages.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(_exe kondrix kondrix-cli)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KONDRIX_INSTALL_DIR}/\${_exe}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()
")
install(DIRECTORY data/ DESTINATION ${KONDRIX_DATA_INSTALL_DIR})
# Sound, loaded on the first sound from plugins/ beside the executable. Not
# executable, as Debian wants of shared objects.
install(TARGETS kondrix_sound LIBRARY DESTINATION ${KONDRIX_INSTALL_DIR}/plugins
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
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
set(_gen ${CMAKE_BINARY_DIR}/packaging)
configure_file(packaging/${KONDRIX_APP_ID}.metainfo.xml.in ${_gen}/${KONDRIX_APP_ID}.metainfo.xml @ONLY)
install(FILES packaging/${KONDRIX_APP_ID}.desktop DESTINATION ${_share}/applications)
install(FILES ${_gen}/${KONDRIX_APP_ID}.metainfo.xml DESTINATION ${_share}/metainfo)
install(FILES tools/art/shell/svg/kondrix.svg
        DESTINATION ${_share}/icons/hicolor/scalable/apps RENAME ${KONDRIX_APP_ID}.svg)
foreach(_size 16 22 24 32 48 64 128 256)
  install(FILES packaging/icons/${_size}.png
          DESTINATION ${_share}/icons/hicolor/${_size}x${_size}/apps RENAME ${KONDRIX_APP_ID}.png)
endforeach()

# Manual pages and the changelog, compressed as Debian wants them (-n: no
# name or time stamp, so the same sources give the same bytes). The pages of
# kondrix-cli come from the program itself, from the table its --help prints.
execute_process(COMMAND date -u -R -d "${KONDRIX_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE KONDRIX_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(packaging/man/kondrix.1.in ${_gen}/man/kondrix.1 @ONLY)
configure_file(packaging/man/kondrix.hu.1.in ${_gen}/man/hu/kondrix.1 @ONLY)
configure_file(packaging/debian/changelog.in ${_gen}/changelog @ONLY)
configure_file(packaging/debian/copyright.in ${_gen}/copyright @ONLY)
set(_gz)
foreach(_lang en hu)
  set(_dir ${_gen}/man)
  if(NOT _lang STREQUAL en)
    set(_dir ${_gen}/man/${_lang})
  endif()
  add_custom_command(OUTPUT ${_dir}/kondrix-cli.1.gz
    COMMAND sh -c "\"$1\" --manpage ${_lang} | gzip -9n > \"$2\"" sh
            $<TARGET_FILE:kondrix-cli> ${_dir}/kondrix-cli.1.gz
    DEPENDS kondrix-cli VERBATIM)
  add_custom_command(OUTPUT ${_dir}/kondrix.1.gz
    COMMAND gzip -9n -c ${_dir}/kondrix.1 > ${_dir}/kondrix.1.gz
    DEPENDS ${_dir}/kondrix.1)
  list(APPEND _gz ${_dir}/kondrix.1.gz ${_dir}/kondrix-cli.1.gz)
  if(_lang STREQUAL en)
    install(FILES ${_dir}/kondrix.1.gz ${_dir}/kondrix-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    install(FILES ${_dir}/kondrix.1.gz ${_dir}/kondrix-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${_lang}/man1)
  endif()
endforeach()
add_custom_command(OUTPUT ${_gen}/changelog.gz
  COMMAND gzip -9n -c ${_gen}/changelog > ${_gen}/changelog.gz
  DEPENDS ${_gen}/changelog)
add_custom_target(manpages ALL DEPENDS ${_gz} ${_gen}/changelog.gz)

# The changelog of a package whose version has no Debian revision (a native
# package, as this one is made by the project itself) is changelog.gz.
set(_doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/kondrix)
install(FILES ${_gen}/copyright ${_gen}/changelog.gz DESTINATION ${_doc})
install(FILES packaging/debian/lintian-overrides
        DESTINATION ${_share}/lintian/overrides RENAME kondrix)

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kondrix)
set(CPACK_PACKAGE_VENDOR Kondrix)
set(CPACK_PACKAGE_CONTACT "${KONDRIX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "electronics toolbox: component catalogs, code decoders, calculators")
# The body only: CPack puts the summary above it as the synopsis line and
# indents the rest, which lintian wants within 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kondrix is a desktop toolbox for electronics hobbyists and technicians,
with a Hungarian user interface: catalogs of transistors, diodes and SMD
marking codes, a technical dictionary, resistor and capacitor code decoders,
and calculators for mains transformers, LC resonance, voltage dividers and
number bases. The command kondrix-cli runs the same tools without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KONDRIX_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins are loaded at run time, out of dpkg-shlibdeps' sight: sound of the
# About window, and the native platform on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)
