# The Wayland compositors.
