# The X11 window managers of GNOME and Xfce.
kurobi_desktop_test(Mutter.SquareThroughout with-mutter square_throughout.sh)
kurobi_desktop_test(Mutter.MaximisedBoardPlaysBottomRow with-mutter maximised_board.sh)
kurobi_desktop_test(Xfwm.SquareThroughout with-xfce square_throughout.sh)
kurobi_desktop_test(Xfwm.MaximisedBoardPlaysBottomRow with-xfce maximised_board.sh)
kurobi_desktop_test(XfcePanel.TrayMenuEndsTheProgram with-xfce status_notifier_menu.sh)
