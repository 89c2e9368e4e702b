# What `cmake --install` adds for a desktop (menu entry, icon, AppStream metadata, manual pages,
# the package's documents), and the Debian package that CPack makes of the installed tree:
# `scripts/package` builds it. The program's own files are installed where they are built.

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(staged ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packaging}/pelmar.desktop ${staged}/${PELMAR_APP_ID}.desktop COPYONLY)
configure_file(${packaging}/pelmar.metainfo.xml ${staged}/${PELMAR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${staged}/${PELMAR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${staged}/${PELMAR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages and the changelog are compressed, without a time stamp, as Debian has them.
set(compressed)
foreach(source pelmar.6 pelmar-tool.6 changelog)
  configure_file(${packaging}/${source} ${staged}/${source} @ONLY)
  add_custom_command(OUTPUT ${staged}/${source}.gz
    COMMAND gzip -9nf -k ${staged}/${source}
    DEPENDS ${staged}/${source})
  list(APPEND compressed ${staged}/${source}.gz)
endforeach()
add_custom_target(packaging_documents ALL DEPENDS ${compressed})
install(FILES ${staged}/pelmar.6.gz ${staged}/pelmar-tool.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${staged}/changelog.gz ${packaging}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pelmar)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelmar)
set(CPACK_PACKAGE_VENDOR "The Pelmar developers")
set(CPACK_PACKAGE_CONTACT "The Pelmar developers <${PELMAR_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "six tile games played with one mahjong set")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pelmar is a collection of six games played with one set of 144 mahjong tiles:\n"
  "Solitaire (alone against the clock, or two players taking turns at one board),\n"
  "Rivers, Memory, Clicks, Slider and Hashira. A hall of fame keeps the ten best\n"
  "results of every layout and of every game; layouts can be chosen from a list\n"
  "of favourites and drawn in the layout editor. Tilesets, backgrounds and music\n"
  "can be chosen, and each player can add their own.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PELMAR_HOMEPAGE})
# The libraries come from dpkg-shlibdeps; the window system's plugin and what the program only
# looks for at run time (fonts, the soundfont, the icon theme) are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "timgm6mb-soundfont | fluid-soundfont-gm, fonts-dejavu-core, fonts-liberation2, fonts-comic-neue, fonts-wqy-microhei, adwaita-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
