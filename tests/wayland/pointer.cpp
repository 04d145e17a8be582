// Moves and presses a pointer of its own on a wlroots compositor (sway), through the virtual
// pointer protocol: the only pointer a headless seat has. Positions are in the output layout's
// pixels, whose extent is the first argument.
//   wayland-pointer WIDTHxHEIGHT (move X Y | press | release)...
// Each move is followed by a tenth of a second, so that the program under the pointer has taken
// the pointer's entry before a press comes.
#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;

void on_global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}

void on_global_remove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registry_listener{on_global, on_global_remove};

uint32_t now_ms() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int usage() {
    std::fprintf(stderr, "usage: wayland-pointer WIDTHxHEIGHT (move X Y | press | release)...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned width = 0, height = 0;
    if (argc < 2 || std::sscanf(argv[1], "%ux%u", &width, &height) != 2) return usage();
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "wayland-pointer: no Wayland display\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, nullptr);
    wl_display_roundtrip(display);
    if (!manager) {
        std::fprintf(stderr, "wayland-pointer: the compositor offers no virtual pointers\n");
        return 1;
    }
    // No seat named: the compositor's default seat.
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, nullptr);
    for (int i = 2; i < argc; ++i) {
        const bool move = std::strcmp(argv[i], "move") == 0;
        if (move && i + 2 < argc) {
            const auto x = std::strtoul(argv[i + 1], nullptr, 10);
            const auto y = std::strtoul(argv[i + 2], nullptr, 10);
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, width, height);
            i += 2;
        } else if (std::strcmp(argv[i], "press") == 0 || std::strcmp(argv[i], "release") == 0) {
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), BTN_LEFT,
                                           argv[i][0] == 'p' ? WL_POINTER_BUTTON_STATE_PRESSED
                                                             : WL_POINTER_BUTTON_STATE_RELEASED);
        } else {
            return usage();
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        if (wl_display_roundtrip(display) < 0) {
            std::fprintf(stderr, "wayland-pointer: the compositor closed the connection\n");
            return 1;
        }
        if (move) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwlr_virtual_pointer_manager_v1_destroy(manager);
    wl_registry_destroy(registry);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
