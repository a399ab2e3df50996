#!/usr/bin/env python3
"""The X side of scripts/monkey.sh: lists a program's windows, pings them, waits for
the window manager and prepares the keyboard map.

monkey.sh runs this once per seed, beside the glimtex it drives, and asks it questions
one line at a time; each answer is one line.

    bind FILE               ->  "PLACED of MISSING"
        Gives every character of FILE (UTF-8) that the keyboard map lacks a key of its
        own (keys for vendor functions such as volume or mail first, then unused keys,
        leaving a few unused for xdotool). Asked once, before the program starts:
        xdotool then finds each character on a key and never changes the map while it
        types. (Each change makes every client reload the map, and openbox then grabs
        all its keys anew: typing a long Japanese text kept it busy for seconds.)

    windows PID             ->  "ID WIDTH HEIGHT ID WIDTH HEIGHT ...<tab>NAME<tab>NAME..."
        The windows of process PID (by their _NET_WM_PID) that are showing, with the
        size of their client area and then their titles, by window id; an empty line
        when none is showing. One connection answers this in a few milliseconds,
        where starting xdotool for every question would cost ten times that.
        "windows PID all" lists the hidden windows too, their titles marked
        "(hidden)" (to look into a failure).

    probe PID SECONDS       ->  "alive ID"   a window of PID answered (the first one)
                                "none"       PID has no window at all
                                "silent"     no window answered within SECONDS
        Questions about the X server alone (xprop, xwininfo, xdotool getwindowname)
        are answered by the server even when the program behind a window is stuck,
        so they prove nothing. A ping is the window manager's _NET_WM_PING, a
        ClientMessage under WM_PROTOCOLS: Qt answers it from its main thread, by
        sending the message back to the root window, only when that thread gets round
        to its events, after the input sent before it. So an answer means the
        program's event loop is running and has caught up; no answer means it has not.
        Every window of the process is pinged, shown or hidden (Qt answers for a
        hidden one too). A window that is being closed can swallow its ping (Qt has
        let go of it before the server destroys it), so the windows are listed and
        pinged afresh every half second until one answers or the time is up.

    wmsync SECONDS          ->  "synced" or "silent"
        Waits until the window manager has handled everything sent before: it is
        asked for the frame extents of a window of our own that is never shown
        (_NET_REQUEST_FRAME_EXTENTS), and answers by setting _NET_FRAME_EXTENTS on
        it. Windows the program has asked to show are mapped by then.

Window ids are decimal, as xdotool prints them. The display is taken from $DISPLAY.
It speaks the X protocol over the display's local socket itself, because the machine
has only the Python standard library.
"""

import os
import select
import socket
import struct
import sys
import time

CLIENT_MESSAGE = 33
STRUCTURE_NOTIFY_MASK = 0x00020000
PROPERTY_NOTIFY = 28
PROPERTY_CHANGE_MASK = 0x00400000
SUBSTRUCTURE_NOTIFY_MASK = 0x00080000
SUBSTRUCTURE_REDIRECT_MASK = 0x00100000
CW_EVENT_MASK = 0x00000800
INPUT_ONLY = 2
CARDINAL = 6
VIEWABLE = 2


def pad(data):
    return data + b"\0" * (-len(data) % 4)


class Display:
    """A bare X connection: atoms, a few queries, sending events and reading them."""

    def __init__(self, name):
        number = name.split(":", 1)[1].split(".", 1)[0]
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        try:
            self.sock.connect("/tmp/.X11-unix/X" + number)
        except OSError as error:
            sys.exit("monkey_x11: cannot connect to display %s: %s" % (name, error))
        self.sequence = 0  # of the last request sent; the server counts the same way
        self.buffer = b""
        self.events = []  # events read while waiting for replies, in order
        # Connection set-up, little-endian, protocol 11.0, no authorization (the
        # monkey's Xvfb is started without an authority file).
        self.sock.sendall(struct.pack("<BxHHHHxx", 0x6C, 11, 0, 0, 0))
        head = self._read(8)
        extra = self._read(struct.unpack_from("<H", head, 6)[0] * 4)
        if head[0] != 1:
            sys.exit("monkey_x11: the X server refused the connection: "
                     + extra.decode("latin-1", "replace").strip("\0 "))
        self.id_base = struct.unpack_from("<I", extra, 4)[0]
        self.min_keycode, self.max_keycode = extra[26], extra[27]
        vendor_length, _, _, format_count = struct.unpack_from("<HHBB", extra, 16)
        screen_at = 32 + (vendor_length + 3) // 4 * 4 + 8 * format_count
        self.root = struct.unpack_from("<I", extra, screen_at)[0]

    def _read(self, size, timeout=None):
        while len(self.buffer) < size:
            if timeout is not None:
                ready, _, _ = select.select([self.sock], [], [], max(timeout, 0))
                if not ready:
                    return None
            chunk = self.sock.recv(65536)
            if not chunk:
                sys.exit("monkey_x11: the X server closed the connection")
            self.buffer += chunk
        data, self.buffer = self.buffer[:size], self.buffer[size:]
        return data

    def _packet(self, timeout):
        """The next error, reply or event, or None when none comes within timeout s."""
        data = self._read(32, timeout)
        if data is not None and (data[0] == 1 or data[0] & 0x7F == 35):
            # A reply, or a generic event: 32 bytes and then more.
            data += self._read(struct.unpack_from("<I", data, 4)[0] * 4)
        return data

    def send(self, requests):
        """Sends requests at once; returns the sequence number of each."""
        sequences = []
        for request in requests:
            self.sequence = (self.sequence + 1) & 0xFFFF
            sequences.append(self.sequence)
        self.sock.sendall(b"".join(requests))
        return sequences

    def query(self, requests):
        """Sends requests that each get a reply; returns the replies, None for an error."""
        if not requests:
            return []
        sequences = self.send(requests)
        wanted = set(sequences)
        answers = {}
        while len(answers) < len(sequences):
            data = self._packet(10)
            if data is None:
                sys.exit("monkey_x11: the X server did not answer")
            sequence = struct.unpack_from("<H", data, 2)[0]
            if data[0] in (0, 1) and sequence in wanted:
                answers[sequence] = data if data[0] == 1 else None
            else:
                self.events.append(data)  # an event, or an error of an earlier ping
        return [answers.get(sequence) for sequence in sequences]

    def event(self, timeout):
        """The next event or error, or None after timeout s."""
        if self.events:
            return self.events.pop(0)
        return self._packet(timeout)

    def intern_atom(self, name):
        raw = name.encode("ascii")
        reply = self.query([struct.pack("<BBHHxx", 16, 0, 2 + len(pad(raw)) // 4, len(raw))
                            + pad(raw)])[0]
        if reply is None:
            sys.exit("monkey_x11: InternAtom failed for " + name)
        return struct.unpack_from("<I", reply, 8)[0]


def keysym_of(char):
    """The keysym that stands for a character: Latin-1 as it is, the rest as Unicode."""
    code = ord(char)
    return code if 0x20 <= code <= 0x7E or 0xA0 <= code <= 0xFF else 0x1000000 + code


def query_tree(window):
    return struct.pack("<BxHI", 15, 2, window)


def get_property(window, prop, kind, length):
    return struct.pack("<BBHIIIII", 20, 0, 6, window, prop, kind, 0, length)


def get_window_attributes(window):
    return struct.pack("<BxHI", 3, 2, window)


def get_geometry(window):
    return struct.pack("<BxHI", 14, 2, window)


class Monkey:
    """The answers to monkey.sh's questions, over one connection to its display."""

    def __init__(self):
        self.display = Display(os.environ["DISPLAY"])
        self.wm_protocols = self.display.intern_atom("WM_PROTOCOLS")
        self.net_wm_ping = self.display.intern_atom("_NET_WM_PING")
        self.net_wm_pid = self.display.intern_atom("_NET_WM_PID")
        self.net_wm_name = self.display.intern_atom("_NET_WM_NAME")
        self.net_request_frame_extents = self.display.intern_atom("_NET_REQUEST_FRAME_EXTENTS")
        self.net_frame_extents = self.display.intern_atom("_NET_FRAME_EXTENTS")
        # A window of our own that is never shown, for asking the window manager.
        self.own = self.display.id_base | 1
        self.display.send([struct.pack("<BBHIIhhHHHHII", 1, 0, 9, self.own, self.display.root,
                                       0, 0, 1, 1, 0, INPUT_ONLY, 0, CW_EVENT_MASK)
                           + struct.pack("<I", PROPERTY_CHANGE_MASK)])
        # Programs send their ping replies to the root window for clients that listen
        # for StructureNotify there (the window manager gets them too).
        self.display.send([struct.pack("<BxHII", 2, 4, self.display.root, CW_EVENT_MASK)
                           + struct.pack("<I", STRUCTURE_NOTIFY_MASK)])
        # Each ping carries its own number in the timestamp field, so that replies to
        # earlier pings, or to the window manager's own, are never taken for this one.
        self.stamp = int.from_bytes(os.urandom(3), "little") + 1

    def bind(self, path):
        """Puts every character of the file that the keyboard map lacks on a key of
        its own, so that typing it later changes nothing in the map."""
        display = self.display
        first = display.min_keycode
        count = display.max_keycode - first + 1
        reply = display.query([struct.pack("<BxHBBxx", 101, 2, first, count)])[0]
        per = reply[1]
        keysyms = list(struct.unpack_from("<%dI" % (count * per), reply, 32))
        have = set(keysyms)
        wanted = []
        with open(path, encoding="utf-8") as texts:
            for char in sorted(set(texts.read())):
                keysym = keysym_of(char)
                if ord(char) >= 0x20 and keysym not in have and keysym not in wanted:
                    wanted.append(keysym)
        # Keys for vendor functions (volume, mail, ...) first, then unused keys; a few
        # unused keys stay free for xdotool.
        spare = [[], []]
        for i in range(count):
            used = [keysym for keysym in keysyms[i * per:(i + 1) * per] if keysym]
            if not used:
                spare[1].append(i)
            elif all(0x1008FF00 <= keysym <= 0x1008FFFF for keysym in used):
                spare[0].append(i)
        keys = spare[0] + spare[1][:-4]
        placed = list(zip(keys, wanted))
        if placed:
            for i, keysym in placed:
                keysyms[i * per:(i + 1) * per] = [keysym, keysym] + [0] * (per - 2)
            low, high = min(i for i, _ in placed), max(i for i, _ in placed)
            span = high - low + 1
            display.send([struct.pack("<BBHBBxx", 100, span, 2 + span * per, first + low, per)
                          + struct.pack("<%dI" % (span * per),
                                        *keysyms[low * per:(high + 1) * per])])
            display.query([struct.pack("<BxHBBxx", 101, 2, first, 1)])  # waits for it
        return "%d of %d" % (len(placed), len(wanted))

    def windows(self, pid, shown_only=True):
        """The (viewable) windows of process pid, with size and title, by window id."""
        display = self.display
        # Every window on the display, one level of the tree at a time (the window
        # manager puts each program window into a frame of its own).
        every, level = [], [display.root]
        while level:
            below = []
            for reply in display.query([query_tree(window) for window in level]):
                if reply is None:
                    continue  # destroyed meanwhile
                count = struct.unpack_from("<H", reply, 16)[0]
                below += struct.unpack_from("<%dI" % count, reply, 32)
            every += below
            level = below
        mine = []
        for window, reply in zip(every, display.query(
                [get_property(window, self.net_wm_pid, CARDINAL, 1) for window in every])):
            if reply is None or reply[1] != 32 or struct.unpack_from("<I", reply, 16)[0] != 1:
                continue
            if struct.unpack_from("<I", reply, 32)[0] == pid:
                mine.append(window)
        count = len(mine)
        replies = display.query([get_window_attributes(w) for w in mine]
                                + [get_geometry(w) for w in mine]
                                + [get_property(w, self.net_wm_name, 0, 256) for w in mine])
        shown = []
        for i, window in enumerate(mine):
            attributes, geometry, name = replies[i], replies[count + i], replies[2 * count + i]
            if attributes is None or geometry is None:
                continue  # destroyed meanwhile
            if shown_only and attributes[26] != VIEWABLE:
                continue
            width, height = struct.unpack_from("<HH", geometry, 16)
            title = ""
            if name is not None and name[1] == 8:
                length = struct.unpack_from("<I", name, 16)[0]
                title = name[32:32 + length].decode("utf-8", "replace")
            for blank in "\t\r\n":
                title = title.replace(blank, " ")
            if attributes[26] != VIEWABLE:
                title = "(hidden) " + title
            shown.append((window, width, height, title))
        return sorted(shown)

    def wm_sync(self, seconds):
        """Waits until the window manager has handled everything sent before."""
        display = self.display
        deadline = time.monotonic() + seconds
        # The window manager answers _NET_REQUEST_FRAME_EXTENTS by setting
        # _NET_FRAME_EXTENTS on the window, after whatever it had to do before.
        display.send([
            struct.pack("<BxHII", 19, 3, self.own, self.net_frame_extents),
            struct.pack("<BBHII", 25, 0, 11, display.root,
                        SUBSTRUCTURE_REDIRECT_MASK | SUBSTRUCTURE_NOTIFY_MASK)
            + struct.pack("<BBHII5I", CLIENT_MESSAGE, 32, 0, self.own,
                          self.net_request_frame_extents, 0, 0, 0, 0, 0)])
        while True:
            data = display.event(deadline - time.monotonic())
            if data is None:
                return "silent"
            if data[0] & 0x7F != PROPERTY_NOTIFY:
                continue
            window, atom = struct.unpack_from("<II", data, 4)
            if window == self.own and atom == self.net_frame_extents and data[16] == 0:
                return "synced"

    def probe(self, pid, seconds):
        """Pings every window of process pid until one answers or seconds pass."""
        display = self.display
        deadline = time.monotonic() + seconds
        stamps = set()
        while True:
            windows = [shown[0] for shown in self.windows(pid, shown_only=False)]
            if not windows:
                return "none"
            self.stamp = (self.stamp + 1) & 0x7FFFFFFF or 1
            stamps.add(self.stamp)
            # An empty event mask delivers the event to the client that made the
            # window. A window destroyed meanwhile gives an error, which is ignored.
            display.send([
                struct.pack("<BBHII", 25, 0, 11, window, 0)
                + struct.pack("<BBHII5I", CLIENT_MESSAGE, 32, 0, window, self.wm_protocols,
                              self.net_wm_ping, self.stamp, window, 0, 0)
                for window in windows])
            again = min(time.monotonic() + 0.5, deadline)
            while True:
                data = display.event(again - time.monotonic())
                if data is None:
                    break
                if data[0] & 0x7F != CLIENT_MESSAGE:
                    continue
                message_type, first, stamp, pinged = struct.unpack_from("<IIII", data, 8)
                if (message_type == self.wm_protocols and first == self.net_wm_ping
                        and stamp in stamps):
                    return "alive %d" % pinged
            if time.monotonic() >= deadline:
                return "silent"


def main():
    monkey = Monkey()
    for line in sys.stdin:
        words = line.split()
        try:
            if words[0] == "windows":
                shown = monkey.windows(int(words[1]), words[2:] != ["all"])
                answer = "\t".join([" ".join("%d %d %d" % s[:3] for s in shown)]
                                   + [s[3] for s in shown]) if shown else ""
            elif words[0] == "wmsync":
                answer = monkey.wm_sync(float(words[1]))
            elif words[0] == "bind":
                answer = monkey.bind(line.split(None, 1)[1].strip())
            elif words[0] == "probe":
                answer = monkey.probe(int(words[1]), float(words[2]))
            else:
                raise ValueError(words[0])
        except (IndexError, ValueError):
            answer = ("error: expected: bind FILE | windows PID [all] | probe PID SECONDS"
                      " | wmsync SECONDS")
        print(answer, flush=True)


if __name__ == "__main__":
    main()
