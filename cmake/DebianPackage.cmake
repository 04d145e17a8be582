# The Debian package kurobi_<version>_<arch>.deb, made by `cpack` in a build folder that was
# configured with the window and KUROBI_INSTALL_GAMES=ON (scripts/package does so).

# The package is laid out as Debian's games are: the window with its menu entry, the programs in
# /usr/games, section games. Built otherwise it would be a package lintian rejects (a game
# section without a game) or one whose description and dependencies speak of a window it lacks,
# so cpack refuses to make it. The install prefix plays no part: the package installs into /usr.
if(NOT KUROBI_WITH_UI OR NOT KUROBI_INSTALL_GAMES)
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/DebianPackageRefusal.cmake)
  file(WRITE ${CPACK_PROJECT_CONFIG_FILE} "message(FATAL_ERROR \"The Debian package is made \
only from a build configured with -DKUROBI_WITH_UI=ON -DKUROBI_INSTALL_GAMES=ON (as \
scripts/package does).\")\n")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kurobi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kurobi developers <developers@kurobi.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reversi game against the computer, with a Japanese interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Kurobi is a Reversi game for one player against the computer, in one small
window with a Japanese interface. The computer plays at eleven levels, from a
pick by the value of each square to a deep search that reads the end of the
game exactly. Discs are placed and turned one at a time with sound; the
player can see the legal moves, take back a move and choose the board colour.

The package also holds kurobi-analyze, the engine's command-line front, which
analyses positions, counts the move tree and measures the search speed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries' packages come from dpkg-shlibdeps and are added after the ones named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The font the controls' captions are drawn with: the families the controls ask for, in their
# order (the code's list is in ui/form_controls.cpp), each as family=package. Any one serves.
set(KUROBI_CAPTION_FONTS "IPAPGothic=fonts-ipafont-gothic" "Noto Sans CJK JP=fonts-noto-cjk")
list(TRANSFORM KUROBI_CAPTION_FONTS REPLACE "^.*=" "" OUTPUT_VARIABLE font_packages)
list(JOIN font_packages " | " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Qt's Wayland plugin, so that the game runs as a Wayland client on a Wayland desktop; on X11
# it needs none, hence a recommendation (which apt installs by default).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
