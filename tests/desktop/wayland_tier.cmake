# The Wayland compositors: sway (headless, with waybar's notification area) and mutter nested in
# a virtual X server.

# The virtual pointer that drives programs on sway, whose headless seat has no pointer of its
# own. The protocol's tables, which wayland-scanner writes as C, are compiled as C++, by the
# compiler and with the options of the rest of the build (see wayland/protocol.cpp).
find_package(PkgConfig REQUIRED)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)
set(protocol ${CMAKE_CURRENT_SOURCE_DIR}/wayland/wlr-virtual-pointer-unstable-v1.xml)
set(generated ${CMAKE_CURRENT_BINARY_DIR}/wayland)
add_custom_command(
  OUTPUT ${generated}/wlr-virtual-pointer-unstable-v1-client-protocol.h
         ${generated}/wlr-virtual-pointer-unstable-v1-protocol.c
  COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}
  COMMAND ${WAYLAND_SCANNER} client-header ${protocol}
          ${generated}/wlr-virtual-pointer-unstable-v1-client-protocol.h
  COMMAND ${WAYLAND_SCANNER} private-code ${protocol}
          ${generated}/wlr-virtual-pointer-unstable-v1-protocol.c
  DEPENDS ${protocol})
add_executable(wayland-pointer wayland/pointer.cpp wayland/protocol.cpp
               ${generated}/wlr-virtual-pointer-unstable-v1-client-protocol.h
               ${generated}/wlr-virtual-pointer-unstable-v1-protocol.c)
set_source_files_properties(${generated}/wlr-virtual-pointer-unstable-v1-protocol.c
                            PROPERTIES HEADER_FILE_ONLY ON)
# gcc warns that the tables' visibility comes after their declaration in the header.
set_source_files_properties(wayland/protocol.cpp PROPERTIES COMPILE_OPTIONS -Wno-attributes)
target_include_directories(wayland-pointer PRIVATE ${generated})
target_link_libraries(wayland-pointer PRIVATE PkgConfig::WAYLAND_CLIENT)

kurobi_desktop_test(MutterWayland.SquareAndMaximised with-mutter-wayland mutter_wayland_square.sh)
kurobi_desktop_test(Sway.TiledBoardPlaysBottomRow with-sway sway_tiled_board.sh)
kurobi_desktop_test(Waybar.TrayMenuEndsTheProgram with-sway waybar_tray_menu.sh)
set_tests_properties(Desktop.Sway.TiledBoardPlaysBottomRow Desktop.Waybar.TrayMenuEndsTheProgram
                     PROPERTIES ENVIRONMENT KUROBI_WAYLAND_POINTER=$<TARGET_FILE:wayland-pointer>)
