"""A minimal VNC viewer for the soak run: protocol 3.3 or 3.8 without
security, raw pixels only. It sends keys and touches to the simulator and
can save what the frame buffer holds as a PNG. Every wait is bounded."""

import socket
import struct
import time
import zlib


class Viewer:
    def __init__(self, port, timeout_s=30.0):
        deadline = time.monotonic() + timeout_s
        while True:
            try:
                self.sock = socket.create_connection(("127.0.0.1", port), timeout=5.0)
                break
            except OSError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.2)
        self.sock.settimeout(10.0)
        version = self._read(12)
        if not version.startswith(b"RFB 003."):
            raise RuntimeError("not an RFB server: %r" % version)
        if version >= b"RFB 003.007":
            self.sock.sendall(b"RFB 003.008\n")
            count = self._read(1)[0]
            if count == 0 or 1 not in self._read(count):
                raise RuntimeError("the server wants a password")
            self.sock.sendall(b"\x01")
            if struct.unpack(">I", self._read(4))[0] != 0:
                raise RuntimeError("security refused")
        else:
            self.sock.sendall(b"RFB 003.003\n")
            if struct.unpack(">I", self._read(4))[0] != 1:
                raise RuntimeError("the server wants a password")
        self.sock.sendall(b"\x01")  # shared
        init = self._read(24)
        self.width, self.height = struct.unpack(">HH", init[:4])
        name_length = struct.unpack(">I", init[20:24])[0]
        self._read(name_length)
        # 32 bits a pixel, little endian, 8 bits a channel: red at 16.
        self.sock.sendall(struct.pack(">B3xBBBBHHHBBB3x", 0, 32, 24, 0, 1, 255, 255, 255, 16, 8, 0))
        self.sock.sendall(struct.pack(">BxHi", 2, 1, 0))  # raw only
        self.pixels = bytearray(self.width * self.height * 4)

    def _read(self, size):
        data = bytearray()
        while len(data) < size:
            chunk = self.sock.recv(size - len(data))
            if not chunk:
                raise RuntimeError("the server closed the connection")
            data += chunk
        return bytes(data)

    def key(self, keysym, pause=0.15):
        self.sock.sendall(struct.pack(">BBxxI", 4, 1, keysym))
        time.sleep(0.05)
        self.sock.sendall(struct.pack(">BBxxI", 4, 0, keysym))
        time.sleep(pause)

    def hold(self, keysym, seconds):
        self.sock.sendall(struct.pack(">BBxxI", 4, 1, keysym))
        time.sleep(seconds)
        self.sock.sendall(struct.pack(">BBxxI", 4, 0, keysym))
        time.sleep(0.2)

    def press(self, x, y, down):
        self.sock.sendall(struct.pack(">BBHH", 5, 1 if down else 0, x, y))

    def tap(self, x, y, pause=0.6):
        self.press(x, y, True)
        time.sleep(0.06)
        self.press(x, y, False)
        time.sleep(pause)

    def drag(self, start, end, steps=10, pause=0.4):
        self.press(start[0], start[1], True)
        for i in range(1, steps + 1):
            time.sleep(0.03)
            self.press(start[0] + (end[0] - start[0]) * i // steps,
                       start[1] + (end[1] - start[1]) * i // steps, True)
        self.press(end[0], end[1], False)
        time.sleep(pause)

    def frame(self):
        """Reads one full update into self.pixels (BGRX)."""
        self.sock.sendall(struct.pack(">BBHHHH", 3, 0, 0, 0, self.width, self.height))
        while True:
            kind = self._read(1)[0]
            if kind == 0:
                break
            if kind == 2:  # bell
                continue
            if kind == 3:  # cut text
                self._read(3)
                self._read(struct.unpack(">I", self._read(4))[0])
                continue
            raise RuntimeError("unexpected server message %d" % kind)
        self._read(1)
        rects = struct.unpack(">H", self._read(2))[0]
        for _ in range(rects):
            x, y, w, h, encoding = struct.unpack(">HHHHi", self._read(12))
            if encoding != 0:
                raise RuntimeError("unexpected encoding %d" % encoding)
            data = self._read(w * h * 4)
            for row in range(h):
                at = ((y + row) * self.width + x) * 4
                self.pixels[at:at + w * 4] = data[row * w * 4:(row + 1) * w * 4]

    def pixel(self, x, y):
        """(r, g, b) at x, y of the last frame read."""
        at = (y * self.width + x) * 4
        return self.pixels[at + 2], self.pixels[at + 1], self.pixels[at]

    def save_png(self, path):
        self.frame()
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)
            line = self.pixels[y * self.width * 4:(y + 1) * self.width * 4]
            for x in range(self.width):
                b, g, r = line[x * 4], line[x * 4 + 1], line[x * 4 + 2]
                rows += bytes((r, g, b))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xffffffff))

        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)))
            out.write(chunk(b"IDAT", zlib.compress(bytes(rows), 6)))
            out.write(chunk(b"IEND", b""))

    def close(self):
        self.sock.close()
