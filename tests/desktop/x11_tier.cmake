# The X11 window managers of GNOME and Xfce.
