#!/usr/bin/env python3
"""Slider steps in the real window under Xvfb, timed from the X input to the
screen showing the result.

Starts Xvfb on a display it picks itself and the application's window
(window_driver, the first argument), and drives it with X input sent through
the XTest extension (keys and clicks, as a user's):

  - opens a 24 Mpx and a 100 Mpx 8-bit grey TIFF (uncompressed, and a
    deflate-compressed 24 Mpx one made by ImageMagick) through the open dialog
    and times Return in the dialog to the toned picture on screen, beside the
    time the product's reader takes to read the file alone;
  - steps a tone slider with Page Up / Page Down and times each step to the
    toned preview changing on screen;
  - steps the linearization screen's smoothing slider the same way and times
    each step to both graphs changing on screen;
  - reads the resident memory (/proc/<pid>/status) with the 24 Mpx picture
    shown and after 50 steps, of the window above and of the application
    itself (tintsmith, the second argument, run under /usr/bin/time -v, driven
    at the positions the window reported: both place their window alike).

"On screen" is polled from the X server: before the steps a probe window is
placed where the two states of a step differ most, and after each key press
the probe is read back (XGetSubImage) until it changes. Medians and 95th
percentiles are printed with the goals. The machine's load changes these
figures: run it on a quiet machine.

Usage: slider_steps.py <window_driver> <tintsmith> [steps]
"""
import ctypes
import ctypes.util
import os
import subprocess
import sys
import tempfile
import threading
import time

STEPS = int(sys.argv[3]) if len(sys.argv) > 3 else 100
MEMORY_STEPS = 50
GOAL_MS = 8.0


class XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage; the rest is never read.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.POINTER(XImage)
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                          ctypes.c_ulong, ctypes.c_int]
x11.XGetSubImage.restype = ctypes.POINTER(XImage)
x11.XGetSubImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                             ctypes.c_uint, ctypes.c_ulong, ctypes.c_int, ctypes.POINTER(XImage), ctypes.c_int,
                             ctypes.c_int]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
Z_PIXMAP = 2
ALL_PLANES = 0xFFFFFFFF


class Failure(Exception):
    pass


class Display:
    def __init__(self, name):
        self.handle = x11.XOpenDisplay(name.encode())
        if not self.handle:
            raise Failure(f"cannot open {name}")
        self.root = x11.XDefaultRootWindow(self.handle)

    def key(self, name):
        code = x11.XKeysymToKeycode(self.handle, x11.XStringToKeysym(name.encode()))
        xtst.XTestFakeKeyEvent(self.handle, code, 1, 0)
        xtst.XTestFakeKeyEvent(self.handle, code, 0, 0)
        x11.XSync(self.handle, 0)

    def click(self, x, y):
        xtst.XTestFakeMotionEvent(self.handle, -1, x, y, 0)
        xtst.XTestFakeButtonEvent(self.handle, 1, 1, 0)
        xtst.XTestFakeButtonEvent(self.handle, 1, 0, 0)
        x11.XSync(self.handle, 0)

    def grab(self, x, y, w, h):
        image = x11.XGetImage(self.handle, self.root, x, y, w, h, ALL_PLANES, Z_PIXMAP)
        if not image:
            raise Failure("XGetImage failed")
        return image

    def pixels(self, image):
        i = image.contents
        return ctypes.string_at(i.data, i.bytes_per_line * i.height)


class Probe:
    """A small window of the screen, read back into one image again and again."""

    def __init__(self, display, x, y, w, h):
        self.display, self.x, self.y, self.w, self.h = display, x, y, w, h
        self.image = display.grab(x, y, w, h)

    def read(self):
        x11.XGetSubImage(self.display.handle, self.display.root, self.x, self.y, self.w, self.h, ALL_PLANES, Z_PIXMAP,
                         self.image, 0, 0)
        return self.display.pixels(self.image)


def region_difference(a, b, w, h, block):
    """The block (x, y) of the region where the two grabs differ in most pixels, and that count."""
    best, best_count = None, 0
    stride = w * 4
    for by in range(0, h - block + 1, block // 2):
        for bx in range(0, w - block + 1, block // 2):
            count = 0
            for row in range(by, by + block, 2):
                start = row * stride + bx * 4
                ra, rb = a[start:start + block * 4], b[start:start + block * 4]
                if ra != rb:
                    count += sum(1 for p in range(0, block * 4, 8) if ra[p:p + 3] != rb[p:p + 3])
            if count > best_count:
                best, best_count = (bx, by), count
    return best, best_count


def place_probe(display, rect, flip, settle=0.6, block=32):
    """Grabs the region in both states of a step and puts a probe where they differ most."""
    x, y, w, h = rect
    flip(0)
    time.sleep(settle)
    first = display.pixels(display.grab(x, y, w, h))
    flip(1)
    time.sleep(settle)
    second = display.pixels(display.grab(x, y, w, h))
    at, count = region_difference(first, second, w, h, block)
    if at is None:
        raise Failure(f"a step changes nothing in the region {rect}")
    return Probe(display, x + at[0], y + at[1], block, block)


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(share * (len(ordered) - 1))))]


def time_steps(display, probes, keys, steps, driver=None, pause=0.08, timeout=5.0):
    """Milliseconds from each key press to every probe showing a change; with the driver, also the window's own
    notes of each step (milliseconds from the key press), by name."""
    times = []
    phases = {}
    for i in range(steps):
        before = [p.read() for p in probes]
        pending = set(range(len(probes)))
        at = driver.mark() if driver else 0
        start = time.monotonic()
        display.key(keys[i % len(keys)])
        while pending:
            for k in list(pending):
                if probes[k].read() != before[k]:
                    pending.discard(k)
            if time.monotonic() - start > timeout:
                raise Failure(f"step {i}: the screen did not change within {timeout} s")
        times.append((time.monotonic() - start) * 1000)
        time.sleep(pause)
        if driver:
            first = {}
            with driver.lock:
                for line in driver.lines[at:]:
                    if line.startswith("at "):
                        _, name, ms = line.split()
                        first.setdefault(name, float(ms) - start * 1000)
            for name, ms in first.items():
                phases.setdefault(name, []).append(ms)
    if driver:
        return times, phases
    return times


class Driver:
    def __init__(self, executable, display, files):
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=tempfile.mkdtemp())
        self.process = subprocess.Popen([executable, "window", *files], env=env, stdout=subprocess.PIPE, text=True)
        self.lines = []
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            with self.lock:
                self.lines.append(line.strip())

    def mark(self):
        with self.lock:
            return len(self.lines)

    def wait(self, prefix, after=0, timeout=20):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            with self.lock:
                for line in reversed(self.lines[after:]):
                    if line.startswith(prefix):
                        return line.split()
            time.sleep(0.02)
        raise Failure(f"the window never said '{prefix}'")

    def rect(self, name):
        _, _, x, y, w, h = self.wait(f"ready {name} ")
        return int(x), int(y), int(w), int(h)

    def handle(self, name):
        _, _, x, y = self.wait(f"handle {name} ")
        return int(x), int(y)

    def memory(self):
        return status_memory(self.process.pid)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def start_xvfb(attempts=3):
    """A private X server that takes connections. On a busy machine a server now and then reports a display it then
    does not serve (a stale socket of another server); a fresh one does."""
    for _ in range(attempts):
        server, name = start_one_xvfb()
        for _ in range(100):
            if x11.XOpenDisplay(name.encode()):
                return server, name
            time.sleep(0.1)
        server.kill()
        server.wait()
    raise Failure("no X server took connections")


def start_one_xvfb():
    # Xvfb writes its display number and the line feed in two writes; into a
    # pipe closed between them (a busy machine's timing) that ends the server,
    # so the number goes to a file that is polled.
    numbers = tempfile.TemporaryFile()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(numbers.fileno()), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=(numbers.fileno(),), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 20
    number = ""
    while server.poll() is None and time.monotonic() < deadline:
        numbers.seek(0)
        text = numbers.read().decode()
        if text.endswith("\n"):
            number = text.split()[-1]
            break
        time.sleep(0.05)
    numbers.close()
    if not number:
        server.kill()
        server.wait()
        raise Failure("Xvfb did not start")
    return server, f":{number}"


def make_tiff(path, width, height, light_top=False, rows_per_strip=64):
    """An uncompressed 8-bit grey TIFF: dark at the top, light at the bottom (or the other way round), a little
    lighter to the right."""
    import struct
    across = bytes(x * 55 // max(1, width - 1) for x in range(width))
    strips = (height + rows_per_strip - 1) // rows_per_strip
    offsets, counts = [], []
    with open(path, "wb") as out:
        out.write(b"II*\0" + struct.pack("<I", 0))  # the IFD's place is written last
        for strip in range(strips):
            offsets.append(out.tell())
            rows = range(strip * rows_per_strip, min(height, (strip + 1) * rows_per_strip))
            for y in rows:
                lift = (height - 1 - y if light_top else y) * 200 // max(1, height - 1)
                out.write(across.translate(bytes(min(255, b + lift) for b in range(256))))
            counts.append(len(rows) * width)
        arrays = out.tell()
        out.write(struct.pack(f"<{strips}I", *offsets))
        out.write(struct.pack(f"<{strips}I", *counts))
        ifd = out.tell()
        entries = [(256, 4, 1, width), (257, 4, 1, height), (258, 3, 1, 8), (259, 3, 1, 1), (262, 3, 1, 1),
                   (273, 4, strips, arrays), (277, 3, 1, 1), (278, 4, 1, rows_per_strip),
                   (279, 4, strips, arrays + 4 * strips)]
        out.write(struct.pack("<H", len(entries)))
        for tag, kind, count, value in entries:
            packed = struct.pack("<HI", value, 0)[:4] if kind == 3 else struct.pack("<I", value)
            out.write(struct.pack("<HHI", tag, kind, count) + packed)
        out.write(struct.pack("<I", 0))
        out.seek(4)
        out.write(struct.pack("<I", ifd))


def make_linearization_files(folder):
    wedge = os.path.join(folder, "wedge.txt")
    with open(wedge, "w") as out:
        out.write("GRAY\tLAB_L\tLAB_A\tLAB_B\n")
        for i in range(51):
            out.write(f"{i * 2}\t{95 - 80 * (i / 50) ** 0.75 + 0.3 * ((i * 7) % 5 - 2):.3f}\t0.1\t-1.0\n")
    quad = os.path.join(folder, "ten.quad")
    with open(quad, "w") as out:
        out.write("## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK\n# bench\n")
        for ink in ("K", "C", "M", "Y", "LC", "LM", "LK", "LLK", "V", "MK"):
            out.write(f"# {ink} Curve\n")
            for i in range(256):
                out.write(f"{20000 * i // 255}\n")
    return [quad, wedge]


def centre(rect):
    x, y, w, h = rect
    return x + w // 2, y + h // 2


def open_picture(display, driver, path, view):
    """Opens the picture through the open dialog; milliseconds from Return to the toned picture on screen."""
    at = driver.mark()
    display.click(*centre(driver.rect("loadImageButton")))
    driver.wait("dialog Open an image file", at)
    dialog = driver.rect("dialog")
    time.sleep(0.5)
    env = dict(os.environ, DISPLAY=driver.display)
    subprocess.run(["xdotool", "type", "--delay", "10", path], env=env, check=True)
    time.sleep(0.3)
    # Polled where the dialog does not cover the view (its own pixels would
    # change when it closes, and may be coloured), in a small block: reading
    # and checking a large one would take milliseconds of each poll.
    probe = Probe(display, *centre_block(uncovered(view, dialog), 48))
    before = probe.read()
    at = driver.mark()
    start = time.monotonic()
    display.key("Return")
    while True:
        now = probe.read()
        if now != before and toned(now):
            shown = (time.monotonic() - start) * 1000
            break
        if time.monotonic() - start > 30:
            raise Failure(f"{path} was not shown toned within 30 s")
    # Where the time went, from the window's own notes.
    moments = {}
    with driver.lock:
        for line in driver.lines[at:]:
            if line.startswith("at "):
                _, name, ms = line.split()
                moments.setdefault(name, float(ms) - start * 1000)
    return shown, moments


def uncovered(view, cover):
    """The largest strip of the view rectangle that the other rectangle leaves free."""
    vx, vy, vw, vh = view
    cx, cy, cw, ch = cover
    strips = [(vx, vy, min(vw, cx - vx), vh), (max(vx, cx + cw), vy, vx + vw - max(vx, cx + cw), vh),
              (vx, vy, vw, min(vh, cy - vy)), (vx, max(vy, cy + ch), vw, vy + vh - max(vy, cy + ch))]
    best = max(strips, key=lambda r: max(0, r[2]) * max(0, r[3]))
    if best[2] <= 0 or best[3] <= 0:
        raise Failure("the dialog covers the whole preview")
    return best


def centre_block(rect, side):
    x, y, w, h = rect
    bw, bh = min(side, w), min(side, h)
    return x + (w - bw) // 2, y + (h - bh) // 2, bw, bh


def toned(pixels):
    # A toned picture has pixels whose channels differ; the grey picture
    # shown before its first toning and the empty view have none.
    for p in range(0, len(pixels), 4 * 37):
        b, g, r = pixels[p], pixels[p + 1], pixels[p + 2]
        if abs(r - b) > 2 or abs(g - b) > 2:
            return True
    return False


def print_phases(phases):
    # The first note of each kind in a step, from the key press: the slider's
    # step reached the window, the view or a graph painted.
    print("  in the window, from the key press (median / 95th percentile): " + "; ".join(
        f"{name} {percentile(v, 0.5):.2f} / {percentile(v, 0.95):.2f} ms" for name, v in sorted(phases.items())))


def report(name, times):
    p50, p95 = percentile(times, 0.5), percentile(times, 0.95)
    verdict = "meets" if p95 <= GOAL_MS else "misses"
    print(f"{name}: median {p50:.2f} ms, 95th percentile {p95:.2f} ms over {len(times)} steps "
          f"(goal: at most {GOAL_MS:.0f} ms at the 95th percentile; {verdict} it)")
    return p50, p95


def main():
    executable = os.path.abspath(sys.argv[1])
    tintsmith = os.path.abspath(sys.argv[2])
    folder = tempfile.mkdtemp(prefix="tintsmith-window-bench-")
    # Pictures that look different at the view's size, so that each open changes the screen.
    pictures = {"24 Mpx": (os.path.join(folder, "p24.tif"), 6000, 4000, False),
                "100 Mpx": (os.path.join(folder, "p100.tif"), 12248, 8165, True)}
    server, driver = None, None
    try:
        for path, w, h, light_top in pictures.values():
            make_tiff(path, w, h, light_top)
        # A compressed one too, as photographs are often kept: its reading
        # takes longer, the rest of an open the same.
        compressed = os.path.join(folder, "p24-deflate.tif")
        make_tiff(compressed, 6000, 4000, light_top=True)
        subprocess.run(["convert", compressed, "-compress", "zip", compressed], check=True)
        pictures["24 Mpx, deflate-compressed"] = (compressed, 6000, 4000, True)
        files = make_linearization_files(folder)
        server, display_name = start_xvfb()
        time.sleep(0.5)
        display = Display(display_name)
        driver = Driver(executable, display_name, files)
        driver.display = display_name
        view = driver.rect("mainImageView")
        button = driver.rect("loadImageButton")
        time.sleep(1.0)
        look = (button[0] + 2, button[1] + 2, max(1, button[2] - 4), max(1, button[3] - 4))
        button_look = (look, Probe(display, *look).read())
        print(f"processor: {processor()}; kernel {os.uname().release}; load {os.getloadavg()[0]:.1f}")
        print(f"preview view {view[2]} x {view[3]} px")

        # A toned blend first, so that the toned picture is told from the grey one.
        display.click(*driver.handle("yellowMidtoneSlider"))
        for _ in range(3):
            display.key("Prior")

        reads = {}
        for label, (path, *_) in pictures.items():
            read = subprocess.run([executable, "read", path, "5"], capture_output=True, text=True, check=True,
                                  env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
            reads[label] = [float(v) for v in read.stdout.split()[1:3]]

        def opened(label, cold):
            ms, moments = open_picture(display, driver, pictures[label][0], view)
            read_ms = reads[label][0 if cold else 1]
            kind = ("first open in the process, beside a first read in a process" if cold
                    else "beside a read into fresh memory with the decoder loaded")
            print(f"open {label} to the toned picture shown ({kind}): {ms:.1f} ms; the file read alone "
                  f"{read_ms:.1f} ms: {ms / read_ms:.2f}x (goal at most 1.2x); "
                  + ", ".join(f"{name} at {t:.1f} ms" for name, t in moments.items()))
            time.sleep(1.0)

        def steps(label):
            display.click(*driver.handle("cyanMidtoneSlider"))
            probe = place_probe(display, view, lambda k: display.key(("Prior", "Next")[k]))
            times, phases = time_steps(display, [probe], ("Prior", "Next"), STEPS, driver)
            report(f"toner-slider step to the preview repainted, {label}", times)
            print_phases(phases)

        opened("24 Mpx", cold=True)
        shown = driver.memory()
        steps("24 Mpx")
        after = driver.memory()
        print(f"memory with the 24 Mpx picture shown: {shown['VmRSS']:.0f} MB resident; after {STEPS + 2} steps "
              f"{after['VmRSS']:.0f} MB resident (goal at most 150 MB), peak {after['VmHWM']:.0f} MB")
        opened("100 Mpx", cold=False)
        steps("100 Mpx")
        opened("24 Mpx", cold=False)
        opened("24 Mpx, deflate-compressed", cold=False)

        places = {"loadImageButton": button, "mainImageView": view, "buttonLook": button_look,
                  "yellowMidtoneSlider": driver.handle("yellowMidtoneSlider"),
                  "cyanMidtoneSlider": driver.handle("cyanMidtoneSlider")}
        display.click(*centre(driver.rect("tab1")))
        graphs = [driver.rect("measurementGraph"), driver.rect("quadCurveGraph")]
        display.click(*driver.handle("movingAverageSmoothingSlider"))
        flip = lambda k: display.key(("Prior", "Next")[k])
        probes = [place_probe(display, graphs[0], flip), place_probe(display, graphs[1], flip)]
        times, phases = time_steps(display, probes, ("Prior", "Next"), STEPS, driver)
        report("smoothing-slider step to both graphs repainted", times)
        print_phases(phases)
        driver.close()
        driver = None

        shown, after, peak = application_memory(tintsmith, display, display_name, places, pictures["24 Mpx"][0])
        print(f"the application (tintsmith) with the 24 Mpx picture shown: {shown['VmRSS']:.0f} MB resident; after "
              f"{MEMORY_STEPS} steps {after['VmRSS']:.0f} MB (goal at most 150 MB); peak {after['VmHWM']:.0f} MB "
              f"(/proc/<pid>/status), maximum resident set {peak:.0f} MB (/usr/bin/time -v)")
    finally:
        if driver:
            driver.close()
        if server:
            server.terminate()
            server.wait()
        for name in os.listdir(folder):
            os.remove(os.path.join(folder, name))
        os.rmdir(folder)


def child_of(pid, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            with open(f"/proc/{pid}/task/{pid}/children") as children:
                found = children.read().split()
            if found:
                return int(found[0])
        except OSError:
            pass
        time.sleep(0.05)
    raise Failure("the application did not start")


def status_memory(pid):
    figures = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            key, _, value = line.partition(":")
            if key in ("VmRSS", "VmHWM"):
                figures[key] = int(value.split()[0]) / 1024
    return figures


def application_memory(tintsmith, display, display_name, places, path):
    """The application itself under /usr/bin/time -v: the picture opened, then slider steps."""
    env = dict(os.environ, DISPLAY=display_name, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=tempfile.mkdtemp())
    timed = subprocess.Popen(["/usr/bin/time", "-v", tintsmith], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True)
    pid = child_of(timed.pid)
    try:
        button = centre(places["loadImageButton"])
        # The window is up when the button looks as it did in the measured window.
        probe = Probe(display, *places["buttonLook"][0])
        end = time.monotonic() + 20
        while probe.read() != places["buttonLook"][1]:
            if time.monotonic() > end:
                raise Failure("the application's window did not show where the measured one did")
            time.sleep(0.05)
        time.sleep(1.0)
        display.click(*places["yellowMidtoneSlider"])
        for _ in range(3):
            display.key("Prior")
        display.click(*button)
        time.sleep(1.5)
        subprocess.run(["xdotool", "type", "--delay", "10", path], env=env, check=True)
        time.sleep(0.3)
        view = Probe(display, *places["mainImageView"])
        display.key("Return")
        end = time.monotonic() + 30
        while not toned(view.read()):
            if time.monotonic() > end:
                raise Failure("the application did not show the toned picture")
            time.sleep(0.05)
        time.sleep(1.0)
        shown = status_memory(pid)
        display.click(*places["cyanMidtoneSlider"])
        for i in range(MEMORY_STEPS):
            display.key(("Prior", "Next")[i % 2])
            time.sleep(0.08)
        time.sleep(1.0)
        after = status_memory(pid)
    finally:
        os.kill(pid, 15)
        _, err = timed.communicate(timeout=30)
    peak = [line for line in err.splitlines() if "Maximum resident set size" in line]
    peak_mb = int(peak[0].split(":")[1]) / 1024 if peak else float("nan")
    return shown, after, peak_mb


def processor():
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return "unknown"


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"slider_steps: {failure}", file=sys.stderr)
        sys.exit(1)
