// The protocol's tables, which wayland-scanner writes as C, compiled as C++ by the build's own
// compiler: after the header, whose extern "C" declarations keep the constant tables visible to
// the other files (C++ would otherwise make them private to this one).
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-protocol.c"
