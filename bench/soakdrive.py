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
BARE = (250, 150)            # bare picture: shows the main menu
TILES = {                    # the main menu's tiles
    "Analysis": (75, 90), "Image": (160, 90), "Camera": (245, 90),
    "Photo": (75, 150), "Play": (160, 150), "Config": (245, 150),
}


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
    def __init__(self, viewer, shots):
        self.v = viewer
        self.shots = shots
        self.shot_count = 0

    def shot(self, name):
        if self.shots:
            self.shot_count += 1
            self.v.save_png(os.path.join(self.shots, "%02d-%s.png" % (self.shot_count, name)))

    def menu(self, tile):
        self.v.tap(*BARE, pause=0.8)
        self.v.tap(*TILES[tile], pause=1.5)

    def back(self, place=BARE, pause=1.0):
        self.v.tap(*place, pause=pause)

    def live_view(self):
        # Drags of the spot over the scene, a photo, a level key.
        self.v.drag((160, 120), (100, 90), steps=12)
        self.v.drag((100, 90), (220, 160), steps=12)
        self.v.key(KEY_SAVE, pause=2.5)
        self.v.hold(KEY_LEVEL, 0.3)
        self.shot("live")

    def popups(self):
        for tile in ("Analysis", "Image", "Camera"):
            self.menu(tile)
            self.shot(tile.lower())
            self.back()

    def photos(self):
        self.menu("Photo")
        self.shot("browser")
        self.v.drag((220, 120), (120, 125), steps=8, pause=0.8)
        self.v.drag((120, 120), (220, 118), steps=8, pause=0.8)
        self.v.tap(60, 70, pause=0.4)  # first thumbnail: the viewer
        self.v.tap(60, 70, pause=1.5)
        self.shot("viewer")
        self.v.drag((250, 120), (60, 120), steps=8, pause=1.0)
        self.v.drag((60, 120), (250, 120), steps=8, pause=1.0)
        self.v.key(0xff1b, pause=1.0)  # Escape: back
        self.v.key(0xff1b, pause=1.0)
        self.shot("photos-left")

    def videos(self):
        self.menu("Play")
        self.shot("videos")
        self.v.drag((160, 180), (160, 60), steps=8, pause=0.8)
        self.v.drag((160, 40), (160, 180), steps=8, pause=0.8)
        self.v.key(0xff1b, pause=1.0)
        self.v.key(0xff1b, pause=1.0)
        self.shot("videos-left")

    def setup(self):
        self.menu("Config")
        self.shot("setup")
        for row in (60, 100, 140, 180):
            self.v.tap(225, row, pause=1.0)
            self.shot("setup-%d" % row)
            self.v.key(0xff1b, pause=0.8)
        self.v.key(0xff1b, pause=1.0)
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
    parser.add_argument("--shots", default="", help="folder for a PNG of each screen of the tour")
    args = parser.parse_args()

    viewer = Viewer(args.port)
    soak = Soak(viewer, args.shots)
    time.sleep(3)
    print("minute  rss_MB  heap_MB  anon_MB  (anon: anonymous mappings beside the heap)", flush=True)

    def report(label):
        rss, heap, anon = memory(args.pid)
        print("%6s  %6.1f  %7.1f  %7.1f" % (label, rss / 1024, heap / 1024, anon / 1024), flush=True)
        return rss

    report("start")
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
