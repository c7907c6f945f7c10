#!/usr/bin/python3
"""Asks an X window to close, as a desktop's close box does: sends it the
WM_DELETE_WINDOW message of the WM_PROTOCOLS protocol. Xvfb runs no window
manager, so nothing else would.
    close_window.py <window id>      (DISPLAY names the X server)"""
import sys

try:
    from Xlib import X, display, protocol
except ImportError:
    print("SKIPPED: python3-xlib is missing; tools/install-deps.sh test installs it")
    sys.exit(77)

x = display.Display()
window = x.create_resource_object("window", int(sys.argv[1], 0))
window.send_event(protocol.event.ClientMessage(
    window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
    data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
x.sync()
