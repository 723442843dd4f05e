# The files only an installed system needs (licence, manual pages, AppStream
# metadata) and the Debian package that `make package` builds from every install
# rule of the project: cpack -G DEB in the build folder.

set(MB_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/motionbench)
# The licence in full, and the summary in the form Debian reads from every package.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${MB_DOCDIR})

if(MB_GUI)
  # The manual pages carry the version and are stored gzipped, as Debian and man
  # expect them; -n keeps the file's name and time out so builds match.
  find_program(MB_GZIP gzip REQUIRED)
  set(MB_MAN_PAGES)
  foreach(page motionbench motionbench-sim)
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.1.in ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.1.gz
                       COMMAND ${MB_GZIP} -9 -n -f -k ${page}.1
                       DEPENDS ${PROJECT_BINARY_DIR}/man/${page}.1
                       WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/man VERBATIM)
    list(APPEND MB_MAN_PAGES ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
  endforeach()
  add_custom_target(man_pages ALL DEPENDS ${MB_MAN_PAGES})
  install(FILES ${MB_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  set(MB_METAINFO org.motionbench.motionbench.metainfo.xml)
  configure_file(${PROJECT_SOURCE_DIR}/assets/${MB_METAINFO}.in ${PROJECT_BINARY_DIR}/${MB_METAINFO} @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${MB_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME motionbench)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Motionbench developers <support@motionbench.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "laboratory of two-dimensional mechanics and electromagnetism for teaching")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)  # the prefix a DESTDIR staging installs under
# Debian ships programs without their debugging symbols.
set(CPACK_STRIP_FILES ON)
# Staged through DESTDIR, so that the install step leaves the desktop's caches to
# the system: Debian's triggers of shared-mime-info, desktop-file-utils, man-db
# and the icon themes rebuild them whenever a package adds or removes files in
# their folders, so the package needs no maintainer scripts, and removing it
# leaves nothing behind.
set(CPACK_SET_DESTDIR ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # motionbench_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://motionbench.org)
# The libraries the two programs link, found by dpkg-shlibdeps in the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own words (message box buttons, file choosers) for the Chinese translation,
# and a font that has the Chinese characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
# Below the summary line, which CPack takes from CPACK_PACKAGE_DESCRIPTION_SUMMARY.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Motionbench is a desktop laboratory for the classroom. An experiment is built
with the mouse from balls, point charges, field regions, gravitating masses,
damping regions, springs, cords, poles, tracks and remarks, then run on a fixed
time step; one ball's data is shown live and curves are plotted afterwards.

The package holds the program, the headless runner motionbench-sim, the user
guide, fourteen example experiments and translations into Simplified Chinese and
edited English.")
include(CPack)
