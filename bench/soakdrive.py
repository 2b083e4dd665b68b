#!/usr/bin/env python3
"""Drives a running `ostrel --simulate` through its VNC screen as a user
would: one tour of every screen, then the same use over and over for the
given minutes. Once a minute it prints the program's resident size, its
heap and its other anonymous memory, read from /proc (nothing is attached
to the program). Started by bench/soak.sh, which gives it the program's
pid and port inside a temporary root."""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from soakviewer import Viewer  # noqa: E402

# The camera's keys as the simulator takes them (X11 keysyms).
KEY_SAVE = ord("s")
KEY_LEVEL = ord("a")

# Places on the 320x240 panel.
BARE = (250, 150)            # bare picture: shows the main menu, closes a popup
TILES = {                    # the main menu's tiles
    "Analysis": (75, 75), "Image": (160, 75), "Camera": (245, 75),
    "Photo": (75, 150), "Play": (160, 150), "Config": (245, 150),
}
MENU_MARK = (62, 62)         # green of the Measure tile's icon while the menu shows
STRIP_BACK = (22, 220)       # the capture strip's back button
LIST_EXIT = (90, 218)        # exit of the photo and video lists
FIRST_TILE = (55, 45)        # the newest photo of the browser
VIEWER = {"bar": (160, 100), "zoom_in": (40, 218), "rotate": (100, 218), "zoom_out": (160, 218),
          "back": (280, 218), "previous": (20, 120), "next": (300, 120)}
SETUP_ENTRIES = [(60, 54), (60, 86), (60, 118), (60, 150), (60, 182)]
SETUP_CLOSE = (20, 215)
PHOTOS_KEPT = 8              # photos the tour takes (two pages of the browser)


def memory(pid):
    """(resident, heap, other anonymous) in kB."""
    rss = heap = anon = 0
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                rss = int(line.split()[1])
    name = None
    with open("/proc/%d/smaps" % pid) as smaps:
        for line in smaps:
            fields = line.split()
            if "-" in fields[0] and ":" not in fields[0]:
                # A mapping's first line: range perms offset dev inode [path]
                name = fields[5] if len(fields) > 5 else ""
            elif fields[0] == "Rss:":
                if name == "[heap]":
                    heap += int(fields[1])
                elif name == "":
                    anon += int(fields[1])
    return rss, heap, anon


class Soak:
    def __init__(self, viewer, shots, root):
        self.v = viewer
        self.shots = shots
        self.root = root
        self.shot_count = 0

    def shot(self, name):
        if self.shots:
            self.shot_count += 1
            self.v.save_png(os.path.join(self.shots, "%02d-%s.png" % (self.shot_count, name)))

    def photo_count(self):
        folder = os.path.join(self.root, "media/mmc/image")
        return len([n for n in os.listdir(folder) if n.endswith(".jpg")]) if os.path.isdir(folder) else 0

    def menu_shown(self):
        self.v.frame()
        r, g, b = self.v.pixel(*MENU_MARK)
        return g > 100 and r < 90 and b < 110

    def menu(self, tile):
        # A touch that only ends a selection (a spot just dragged) shows no
        # menu: touch again until it is there.
        for _ in range(3):
            self.v.tap(*BARE, pause=1.5)
            if self.menu_shown():
                break
        self.v.tap(*TILES[tile], pause=1.5)

    def fill_card(self):
        # The tour takes the photos the browser shows from then on, so the
        # rounds after it use the same screens with the same contents.
        for _ in range(2 * PHOTOS_KEPT):
            if self.photo_count() >= PHOTOS_KEPT:
                break
            self.v.key(KEY_SAVE, pause=4.0)

    def live_view(self):
        # The spot dragged over the scene, the level key, a photo while the
        # card holds few.
        self.v.drag((160, 120), (100, 90), steps=12)
        self.v.drag((100, 90), (220, 160), steps=12)
        self.v.drag((220, 160), (160, 120), steps=12)
        self.v.hold(KEY_LEVEL, 0.3)
        if self.photo_count() < PHOTOS_KEPT:
            self.v.key(KEY_SAVE, pause=4.0)
        self.shot("live")

    def popups(self):
        for tile in ("Analysis", "Image"):
            self.menu(tile)
            self.shot(tile.lower())
            self.v.tap(*BARE, pause=1.0)
        self.menu("Camera")
        self.shot("camera")
        self.v.tap(*STRIP_BACK, pause=1.0)

    def photos(self):
        self.menu("Photo")
        time.sleep(1.5)
        self.shot("browser")
        self.v.tap(*FIRST_TILE, pause=0.3)
        self.v.tap(*FIRST_TILE, pause=1.5)
        self.shot("viewer")
        self.v.tap(*VIEWER["bar"], pause=0.6)
        for button in ("zoom_in", "zoom_in", "rotate", "zoom_out", "next", "next", "previous"):
            self.v.tap(*VIEWER[button], pause=0.8)
        self.shot("viewer-used")
        self.v.tap(*VIEWER["back"], pause=1.0)
        self.shot("browser-again")
        self.v.tap(*LIST_EXIT, pause=1.0)

    def videos(self):
        self.menu("Play")
        time.sleep(1.5)
        self.shot("videos")
        self.v.drag((160, 180), (160, 60), steps=8, pause=0.8)
        self.v.drag((160, 60), (160, 180), steps=8, pause=0.8)
        self.v.tap(*LIST_EXIT, pause=1.0)

    def setup(self):
        self.menu("Config")
        for n, entry in enumerate(SETUP_ENTRIES):
            self.v.tap(*entry, pause=1.0)
            self.shot("setup-%d" % n)
        self.v.tap(*SETUP_CLOSE, pause=1.2)
        self.shot("setup-left")

    def round(self):
        self.live_view()
        self.popups()
        self.photos()
        self.videos()
        self.setup()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--minutes", type=float, default=15)
    parser.add_argument("--root", required=True, help="the simulator root")
    parser.add_argument("--shots", default="", help="folder for a PNG of each screen of the tour")
    args = parser.parse_args()

    viewer = Viewer(args.port)
    soak = Soak(viewer, args.shots, args.root)
    time.sleep(8)  # the start-up's own calibration
    print("minute  rss_MB  heap_MB  anon_MB  (anon: anonymous mappings beside the heap)", flush=True)

    def report(label):
        rss, heap, anon = memory(args.pid)
        print("%6s  %6.1f  %7.1f  %7.1f" % (label, rss / 1024, heap / 1024, anon / 1024), flush=True)
        return rss

    report("start")
    soak.fill_card()
    soak.round()
    soak.shots = ""
    first = report("tour")
    start = time.monotonic()
    minute = 0
    while minute < args.minutes:
        soak.round()
        elapsed = (time.monotonic() - start) / 60
        if elapsed >= minute + 1:
            minute = int(elapsed)
            last = report(str(minute))
    last = report("end")
    print("growth after the tour: %.2f MB" % ((last - first) / 1024), flush=True)
    viewer.close()


if __name__ == "__main__":
    main()
