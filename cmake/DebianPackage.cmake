# The Debian package kurobi_<version>_<arch>.deb, made by `cpack` in a build folder that was
# configured with KUROBI_INSTALL_GAMES=ON (scripts/package does so).

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
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
