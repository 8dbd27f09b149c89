# Installation and the Debian package. `cmake --install build --prefix <p>` lays out:
#   <p>/bin/orvik                      launcher: goes to the dictionary's folder, starts the program
#   <p>/libexec/orvik/orvik            the program
#   <p>/share/orvik/                   the demo dictionary (tables, pictures, sounds) and the mark
#                                      of a shared installation (SharedInstallation)
#   <p>/share/applications/orvik.desktop
#   <p>/share/icons/hicolor/<n>x<n>/apps/orvik.png
#   <p>/share/metainfo/org.orvik.dictionary.metainfo.xml   what software centres show of it
#   <p>/share/man/man1/orvik.1.gz      the manual page
#   <p>/share/doc/orvik/copyright, <p>/share/doc/orvik-data/copyright   the licences
# `cpack -G DEB` in the build folder packs the same under /usr as two packages: orvik (the
# program, launcher, menu entry and icon) and orvik-data (the dictionary, the same on every
# architecture).
include(GNUInstallDirs)

set(ORVIK_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/orvik)
set(ORVIK_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvik)

# The launcher finds the program and the dictionary relative to itself: CPack installs under
# /usr while the configured prefix is /usr/local, and a user may pick another prefix at install.
foreach(dir ORVIK_INSTALL_PROGRAM_DIR ORVIK_INSTALL_DATA_DIR CMAKE_INSTALL_BINDIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "The installation folders must be relative to the prefix: ${dir}")
  endif()
endforeach()
file(RELATIVE_PATH ORVIK_LAUNCHER_TO_DATA /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${ORVIK_INSTALL_DATA_DIR})
file(RELATIVE_PATH ORVIK_LAUNCHER_TO_PROGRAM /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${ORVIK_INSTALL_PROGRAM_DIR}/orvik)
# The demo holds all four languages with their sounds: a user's first start installs them all.
set(ORVIK_FIRST_START_ARGUMENTS "0s 1s 5s 6s")
configure_file(${CMAKE_SOURCE_DIR}/packaging/orvik.in ${CMAKE_BINARY_DIR}/packaging/orvik @ONLY)

# The icon, drawn at build time in every size the menus ask for.
add_executable(orvik-icon ${CMAKE_SOURCE_DIR}/packaging/draw_icon.cpp)
target_link_libraries(orvik-icon PRIVATE Qt6::Gui)
set(ORVIK_ICON_DIR ${CMAKE_BINARY_DIR}/packaging/icons)
add_custom_command(
  OUTPUT ${ORVIK_ICON_DIR}/256x256/apps/orvik.png
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:orvik-icon>
          ${ORVIK_ICON_DIR}
  DEPENDS orvik-icon
  COMMENT "Drawing the icon"
  VERBATIM)
add_custom_target(orvik_icon ALL DEPENDS ${ORVIK_ICON_DIR}/256x256/apps/orvik.png)

# The menu entry must pass the desktop's own checker (package desktop-file-utils).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME desktop_file_valid
           COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/packaging/orvik.desktop)
endif()

# The software centres' description (AppStream) must pass its own checker (package appstream).
set(ORVIK_METAINFO ${CMAKE_SOURCE_DIR}/packaging/org.orvik.dictionary.metainfo.xml)
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  add_test(NAME metainfo_valid COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
                                       ${ORVIK_METAINFO})
endif()

# The manual page, compressed as Debian keeps them; groff must read it without a warning.
set(ORVIK_MAN_PAGE ${CMAKE_BINARY_DIR}/packaging/orvik.1.gz)
add_custom_command(
  OUTPUT ${ORVIK_MAN_PAGE}
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/orvik.1 > ${ORVIK_MAN_PAGE}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/orvik.1
  COMMENT "Compressing the manual page")
add_custom_target(orvik_man_page ALL DEPENDS ${ORVIK_MAN_PAGE})
find_program(GROFF groff)
if(GROFF)
  add_test(NAME man_page_valid
           COMMAND sh -c "! ${GROFF} -man -ww -z \"$1\" 2>&1 | grep ." sh
                   ${CMAKE_SOURCE_DIR}/packaging/orvik.1)
endif()

install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/orvik DESTINATION ${CMAKE_INSTALL_BINDIR}
        COMPONENT program)
install(TARGETS orvik RUNTIME DESTINATION ${ORVIK_INSTALL_PROGRAM_DIR} COMPONENT program)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/orvik.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT program)
install(DIRECTORY ${ORVIK_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        COMPONENT program)
install(FILES ${ORVIK_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT program)
install(FILES ${ORVIK_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
# Each package names its licences in its own documentation folder.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvik COMPONENT program)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvik-data COMPONENT data)
if(ORVIK_BUILD_DEMO)
  # What the builder writes, and only that: no settings file of a trial run, no program.
  install(DIRECTORY ${ORVIK_DIST_DIR}/ DESTINATION ${ORVIK_INSTALL_DATA_DIR} COMPONENT data
          FILES_MATCHING PATTERN "*.ort" PATTERN "*.ori" PATTERN "*.wav" PATTERN "*.bmp")
else()
  message(STATUS "ORVIK_BUILD_DEMO is off: the installation will hold no dictionary")
endif()
# The mark of a shared installation: every user, the superuser too, keeps the settings file in
# the own configuration folder, so that the installed folder is never written and the package's
# removal leaves nothing there. A folder laid out by the build (build/dist) has no mark and keeps
# its settings file beside the dictionary when it can be written.
file(WRITE ${CMAKE_BINARY_DIR}/packaging/SharedInstallation
     "This dictionary is installed for every user of the machine: each user's settings file\n"
     "is kept in $XDG_CONFIG_HOME/orvik/ (or ~/.config/orvik/), never here.\n")
install(FILES ${CMAKE_BINARY_DIR}/packaging/SharedInstallation DESTINATION ${ORVIK_INSTALL_DATA_DIR}
        COMPONENT data)

set(CPACK_PACKAGE_NAME orvik)
set(CPACK_PACKAGE_VENDOR "Orvik Dictionary developers")
set(CPACK_PACKAGE_CONTACT "Orvik Dictionary developers")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program data)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# zstd: smaller than gzip for the sounds and quicker (dpkg reads it since Debian 12).
set(CPACK_DEBIAN_COMPRESSION_TYPE zstd)

set(ORVIK_PACKAGE_SUMMARY
    "four-language illustrated picture dictionary (English, French, Russian, Spanish)")
set(ORVIK_PACKAGE_TEXT
    "Browse thematic chapters of drawn scenes whose objects are the entries, with articles and\
 pronunciations in English, French, Russian and Spanish; find words, list pages, play\
 pronunciations one after another and print entries.")

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME orvik)
set(CPACK_COMPONENT_PROGRAM_DESCRIPTION "${ORVIK_PACKAGE_SUMMARY}\n${ORVIK_PACKAGE_TEXT}")
# The shared libraries the program links are found by dpkg-shlibdeps; the fonts that answer the
# interface faces "Arial" and "Times New Roman" are read at run time, so they are named here, as
# are Qt's own translations (the print dialog in the French, Russian and Spanish interface).
# Only this package is scanned: the scan runs `file` on every file, thousands for the sounds.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS
    "fonts-liberation, qt6-translations-l10n, orvik-data (= ${PROJECT_VERSION})")

set(CPACK_DEBIAN_DATA_PACKAGE_NAME orvik-data)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
set(CPACK_COMPONENT_DATA_DESCRIPTION
    "demo dictionary of the Orvik picture dictionary\n${ORVIK_PACKAGE_TEXT}\n\nThis package holds\
 the demo dictionary: fifteen chapters with their tables, pictures and pronunciations.")
include(CPack)
