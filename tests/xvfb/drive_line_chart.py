#!/usr/bin/env python3
"""Drives the chart window with real X input under Xvfb.

Starts Xvfb on a free display, starts the window (given as the first
argument) for the chart kind named by --kind (line unless named), and drives
it with xdotool as a user would.

The charts with x and y axes (line, candle, bubble, scatter): clicks a value
(highlighted: cross-hair lines, or a bubble's outline), clicks it again
(cleared), double-clicks (zoom in by 1.4 about the pointer), drags (pans,
then glides on after the release) and double-clicks elsewhere on the zoomed
and panned chart (zoom in by 1.4 again, the value under the pointer staying
under it).

The pie: a click on a slice moves it out, a click beside the pie clears it,
a drag along an arc turns the pie by the arc's angle, a flick keeps it
turning until the friction stops it, and a press on the very centre then a
drag leaves a finite angle. The radar: a click near a point rings the
nearest set's point, and a drag turns the spokes and their labels.

The bar charts (bar, and horizontalbar on its side), of a plain and a
stacked set grouped side by side: a click on a stacked value highlights that
value only, with full-bar highlighting on the whole bar, a second click
clears it, a click between groups picks the nearest bar by position alone, a
double click zooms in by 1.4 about the pointer with the bar under it staying
there, a drag pans and glides on, and on the horizontal chart a drag moves
the bars the way the pointer went, also on an inverted axis.

The combined chart (stacked bars, a line, scatter points, candles and
bubbles in one): a click on a bar highlights the whole bar of the bar
sub-data, a click on a line point shows its highlight lines and the marker
beside it, a second click clears, a double click zooms in by 1.4 about the
pointer with a candle and a bar at the same x staying in one pixel column,
and a drag pans and glides on.

Each step is checked on the chart's state, which the window prints on
request, and on a screenshot of the screen taken with ImageMagick's import. Nothing hangs on how busy the machine is: the state
is read once the window has had the gesture's input, screenshots are taken
again until the window has repainted, and a gesture that the machine
delivered as another one (by the events' own timestamps: two clicks too far
apart for a double click, a drag whose last moves stalled before the
release) is made again. Screenshots are kept in the folder named by the
second argument. Exits 0 when every check holds.
"""
import math
import os
import select
import signal
import subprocess
import sys
import tempfile
import time



class Failure(Exception):
    pass


def start_xvfb(log):
    # Xvfb picks a free display itself and writes its number to a file, so
    # runs side by side never race for one. A file, not a pipe: the server
    # writes the number and its line feed in two writes, and a pipe closed
    # between them (a busy machine's timing) ends the server.
    numbers = tempfile.TemporaryFile()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(numbers.fileno()), "-screen", "0", "800x600x24", "-nolisten",
                               "tcp"], pass_fds=(numbers.fileno(),), stdout=subprocess.DEVNULL, stderr=log)

    def last_number():
        numbers.seek(0)
        written = numbers.read().decode().split()
        return written[-1] if written else ""

    deadline = time.monotonic() + 90
    while not last_number() and server.poll() is None and time.monotonic() < deadline:
        time.sleep(0.05)
    display = ""
    for _ in range(100):
        if server.poll() is not None:
            break
        number = last_number()
        if number:
            display = f":{number}"
            probe = subprocess.run(["xdotool", "getmouselocation"], env=dict(os.environ, DISPLAY=display),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                numbers.close()
                return server, display
        time.sleep(0.1)
    state = "running" if server.poll() is None else f"ended with {server.returncode}"
    server.kill()
    server.wait()
    numbers.close()
    if not display:
        raise Failure(f"Xvfb did not start ({state})")
    raise Failure(f"Xvfb on {display} took no connections ({state})")


def start_xvfb_retrying(log, attempts=3):
    # On a busy machine a server now and then reports a display it then does
    # not serve (a stale socket of another server); a fresh one serves.
    for attempt in range(attempts):
        try:
            return start_xvfb(log)
        except Failure as failure:
            if attempt == attempts - 1:
                raise
            print("retrying:", failure)


class Window:
    def __init__(self, program, env):
        self.process = subprocess.Popen(program, stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env,
                                        text=True, bufsize=1)
        self.expect("ready", 60)

    def line(self, timeout):
        ready, _, _ = select.select([self.process.stdout], [], [], timeout)
        if not ready:
            raise Failure("the window did not answer")
        text = self.process.stdout.readline()
        if not text:
            raise Failure("the window closed")
        return text.strip()

    def expect(self, word, timeout):
        got = self.line(timeout)
        if got != word:
            raise Failure(f"expected {word!r}, got {got!r}")

    def ask(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        return self.line(20)

    def numbers(self, command):
        return [float(v) for v in self.ask(command).split()]

    def colours(self, index):
        """The colour entry `index` is drawn in and the colour its highlight
        shows in."""
        words = self.ask(f"colours {index}").split()
        return tuple(int(v) for v in words[1:4]), tuple(int(v) for v in words[5:8])

    def point(self, command):
        answer = self.ask(command)
        if answer == "none":
            raise Failure(f"the window has no point for {command!r}")
        return tuple(int(round(float(v))) for v in answer.split())

    def state(self):
        words = self.ask("state").split()
        state = {}
        state["highlight"] = None if words[1] == "none" else (float(words[1]), float(words[2]))
        for i in range(3, len(words), 2):
            value = words[i + 1]
            state[words[i]] = value if words[i] == "kind" else float(value)
        return state

    def input(self):
        words = self.ask("input").split()
        return {"presses": int(words[1]), "doubleclicks": int(words[3]), "releases": int(words[5]),
                "flick": (float(words[7]), float(words[8])), "released": float(words[10]),
                "rotation": float(words[12])}

    def await_releases(self, count, timeout=30):
        # X input reaches the window when the machine gets to it: the checks
        # read the state once the window has had the gesture's releases.
        deadline = time.time() + timeout
        while True:
            log = self.input()
            if log["releases"] >= count:
                return log
            if time.time() > deadline:
                raise Failure(f"the window had {log['releases']} of {count} releases after {timeout} s")
            time.sleep(0.05)

    def await_rest(self, timeout=60):
        # The glide slows by the friction on every display tick: from a quick
        # flick that takes a couple of seconds, longer on a busy machine.
        deadline = time.time() + timeout
        state = self.state()
        while state["decelerating"] == 1 and time.time() < deadline:
            time.sleep(0.2)
            state = self.state()
        return state

    def close(self):
        if self.process.poll() is None:
            try:
                self.ask("quit")
                self.process.wait(20)
            except Exception:
                self.process.kill()
                self.process.wait()


class Screen:
    def __init__(self, env, folder):
        self.env = env
        self.folder = folder
        os.makedirs(folder, exist_ok=True)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *[str(a) for a in args]], env=self.env, check=True)

    def shot(self, name):
        path = os.path.join(self.folder, name + ".png")
        subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", "root", path], env=self.env,
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, stdout=subprocess.PIPE).stdout
        return Image(ppm)

    def count_until(self, name, colour, box, holds, timeout=20):
        """Pixels near a colour in a box of a screenshot, shot again until the
        count holds or the time is out: a busy machine repaints late."""
        deadline = time.time() + timeout
        while True:
            count = self.shot(name).count_near(colour, *box)
            if holds(count) or time.time() > deadline:
                return count
            time.sleep(0.3)


class Image:
    def __init__(self, ppm):
        fields = []
        position = 0
        while len(fields) < 4:
            while ppm[position:position + 1].isspace():
                position += 1
            start = position
            while not ppm[position:position + 1].isspace():
                position += 1
            fields.append(ppm[start:position])
        position += 1
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise Failure("unexpected screenshot format")
        self.width = int(fields[1])
        self.height = int(fields[2])
        self.pixels = ppm[position:]

    def at(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.pixels[offset:offset + 3])

    def count_near(self, colour, x0, y0, x1, y1, tolerance=40):
        count = 0
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                if all(abs(a - b) <= tolerance for a, b in zip(self.at(x, y), colour)):
                    count += 1
        return count


ATTEMPTS = 5  # a gesture the machine delivered as another one is made again, this often at most


def click(window, screen, x, y):
    """One click; answers the window's input log once it has the release."""
    releases = window.input()["releases"]
    screen.xdotool("mousemove", x, y, "click", "1")
    return window.await_releases(releases + 1)


def double_click(window, screen, x, y):
    """A double click, made again while the window had its two clicks too far
    apart (by the events' own timestamps) to take them as one."""
    for attempt in range(ATTEMPTS):
        before = window.input()
        screen.xdotool("mousemove", x, y, "click", "--repeat", "2", "--delay", "80", "1")
        after = window.await_releases(before["releases"] + 2)
        if after["doubleclicks"] > before["doubleclicks"]:
            return
        print(f"retrying: the two clicks came as single clicks (attempt {attempt + 1})")
        time.sleep(0.8)
    raise Failure(f"no double click reached the window in {ATTEMPTS} attempts")


def flick(window, screen, x, y):
    """A quick drag to the right released while moving, made again while the
    pointer, by the events' own timestamps, stood still before the release
    (the machine stalled the last moves); answers the input log."""
    for attempt in range(ATTEMPTS):
        releases = window.input()["releases"]
        steps = ["mousemove", x, y, "mousedown", "1"]
        for _ in range(12):
            steps += ["sleep", "0.01", "mousemove_relative", "--", "4", "0"]
        steps += ["mouseup", "1"]
        screen.xdotool(*steps)
        log = window.await_releases(releases + 1)
        if log["flick"][0] > 100:
            return log
        print(f"retrying: the pointer stood still before the release ({log['flick'][0]:.0f} px/s, "
              f"attempt {attempt + 1})")
        window.await_rest()
        time.sleep(0.8)
    raise Failure(f"no drag was released while moving in {ATTEMPTS} attempts")


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok:", message)


# The circular charts.

SLICES = [(220, 40, 40), (40, 160, 60), (40, 80, 220), (230, 180, 20), (150, 60, 200), (20, 190, 200)]
RING = (255, 0, 255)  # the radar's highlight ring
LABEL = (200, 0, 0)  # the radar's spoke labels


def angle_of(centre, point):
    """The chart's angle of a screen point: degrees clockwise from the right."""
    return math.degrees(math.atan2(point[1] - centre[1], point[0] - centre[0])) % 360


def turned(before, after):
    """How far the rotation went from one angle to the other, the short way."""
    return (after - before + 180) % 360 - 180


def box_around(point, half):
    return (point[0] - half, point[1] - half, point[0] + half + 1, point[1] + half + 1)


def arc_drag(window, screen, centre, distance, start, sweep, steps, pause, hold):
    """Presses at the angle `start`, moves along the circle by `sweep` in
    `steps` moves `pause` seconds apart, holds still for `hold` seconds and
    releases. Answers the angles (by the pointer's own pixels) of the press
    and of the last move."""
    points = []
    for k in range(steps + 1):
        a = math.radians(start + sweep * k / steps)
        points.append((int(round(centre[0] + distance * math.cos(a))), int(round(centre[1] + distance * math.sin(a)))))
    script = ["mousemove", *points[0], "mousedown", "1"]
    for p in points[1:]:
        script += ["sleep", str(pause), "mousemove", *p]
    if hold > 0:
        script += ["sleep", str(hold)]
    script += ["mouseup", "1"]
    releases = window.input()["releases"]
    screen.xdotool(*script)
    window.await_releases(releases + 1)
    return angle_of(centre, points[0]), angle_of(centre, points[-1])


def check_arc_turn(window, screen, centre, distance, start, sweep, steps, what):
    """A drag along an arc turns the chart by the arc's angle (as the
    pointer's own pixels give it). The turn is read as the release found it:
    a busy machine may hand the window the hold before the release late, and
    the chart then glides on a little, as it should after a moving release."""
    rotation = window.state()["rotation"]
    pressed, last = arc_drag(window, screen, centre, distance, start, sweep, steps, 0.02, 1.2)
    released = window.input()["rotation"]
    window.await_rest()
    expected = (rotation + turned(pressed, last)) % 360
    check(abs(turned(expected, released)) < 1.0,
          f"a drag along {turned(pressed, last):.1f} degrees of arc turns {what} to {expected:.1f} "
          f"({released:.2f})")


def run_pie(window, screen):
    centre = window.point("at 0 0")
    radius = window.state()["radius"]

    # A click on a slice moves it out: the pixels just beyond the rim along
    # its middle take its colour.
    beyond = window.point("slice 2 1.06")
    before = screen.shot("pie-0").count_near(SLICES[2], *box_around(beyond, 2))
    check(before == 0, f"before the click nothing of the slice lies beyond the rim ({before} pixels)")
    click(window, screen, *window.point("slice 2 0.6"))
    state = window.state()
    check(state["highlight"] == (2, 0), f"a click on a slice highlights it: {state['highlight']}")
    lit = screen.count_until("pie-1-slice-out", SLICES[2], box_around(beyond, 2), lambda n: n > 15)
    check(lit > 15, f"the screenshot shows the slice moved out beyond the rim ({lit} pixels)")

    # A click beside the pie clears the highlight.
    time.sleep(0.8)
    click(window, screen, *window.point(f"at 40 {radius + 30}"))
    state = window.state()
    check(state["highlight"] is None, "a click beside the pie clears the highlight")
    lit = screen.count_until("pie-2-cleared", SLICES[2], box_around(beyond, 2), lambda n: n == 0)
    check(lit == 0, f"the screenshot shows the slice back within the rim ({lit} pixels)")

    time.sleep(0.8)
    check_arc_turn(window, screen, centre, radius * 0.7, 200, 60, 30, "the pie")
    slice_point = window.point("slice 2 0.6")
    lit = screen.count_until("pie-3-turned", SLICES[2], box_around(slice_point, 3), lambda n: n > 30)
    check(lit > 30, f"the screenshot shows the slice where the turned pie has it ({lit} pixels)")

    # A flick keeps the pie turning after the release, and it comes to rest.
    for attempt in range(5):
        time.sleep(0.8)
        rotation = window.state()["rotation"]
        pressed, last = arc_drag(window, screen, centre, radius * 0.7, 30, 50, 10, 0.01, 0)
        released_at = (rotation + turned(pressed, last)) % 360
        moving = window.state()
        settled = window.await_rest()
        went_on = turned(released_at, settled["rotation"])
        if moving["decelerating"] == 1 or went_on > 2:
            break
        print(f"retrying: the flick came to the window without speed (attempt {attempt + 1})")
    check(went_on > 2, f"after the release the pie turns on ({went_on:.1f} degrees beyond the release)")
    check(settled["decelerating"] == 0, "and comes to rest")
    slice_point = window.point("slice 0 0.6")
    lit = screen.count_until("pie-4-flicked", SLICES[0], box_around(slice_point, 3), lambda n: n > 30)
    check(lit > 30, f"the screenshot shows the pie as it came to rest ({lit} pixels)")

    # A press on the very centre, then a drag, leaves a finite angle.
    time.sleep(0.8)
    releases = window.input()["releases"]
    screen.xdotool("mousemove", *centre, "mousedown", "1", "sleep", "0.05", "mousemove", centre[0] + 3,
                   centre[1] + 4, "sleep", "0.05", "mousemove", centre[0] + 30, centre[1] + 5, "sleep", "0.05",
                   "mousemove", centre[0] + 10, centre[1] + 40, "sleep", "0.3", "mouseup", "1")
    window.await_releases(releases + 1)
    state = window.await_rest()
    check(math.isfinite(state["rotation"]), f"a drag from the centre leaves a finite angle ({state['rotation']})")
    lit = screen.count_until("pie-5-from-centre", SLICES[2], box_around(window.point("slice 2 0.6"), 3),
                     lambda n: n > 30)
    check(lit > 30, f"and the pie is drawn at that angle ({lit} pixels)")


def run_radar(window, screen):
    centre = window.point("at 0 0")
    radius = window.state()["radius"]

    # A click near a point rings the nearest set's point on that spoke.
    point = window.point("point 1 2")
    click(window, screen, point[0] - 2, point[1] + 3)
    state = window.state()
    check(state["highlight"] == (2, 1), f"a click near a point highlights it: {state['highlight']}")
    lit = screen.count_until("radar-1-ringed", RING, box_around(point, 11), lambda n: n > 60)
    check(lit > 60, f"the screenshot shows the ring around the point ({lit} pixels)")

    # A drag on the web turns the spokes and their labels: by 30 degrees,
    # so that no other label (they are 45 degrees apart) takes the place
    # of the first.
    time.sleep(0.8)
    label_before = window.point("label 0")
    before = screen.shot("radar-2-before").count_near(LABEL, *box_around(label_before, 8))
    check(before > 10, f"the first spoke's label shows before the drag ({before} pixels)")
    check_arc_turn(window, screen, centre, radius * 0.5, 300, 30, 20, "the spokes")
    label_after = window.point("label 0")
    moved = math.hypot(label_after[0] - label_before[0], label_after[1] - label_before[1])
    check(moved > 50, f"the first spoke's label moves with its spoke ({moved:.0f} px)")
    lit = screen.count_until("radar-3-turned", LABEL, box_around(label_after, 8), lambda n: n > 10)
    check(lit > 10, f"the screenshot shows the label at its new place ({lit} pixels)")
    left = screen.shot("radar-3-turned").count_near(LABEL, *box_around(label_before, 8))
    check(left < before, f"and not at its old one ({left} of {before} pixels)")


PLAIN = (200, 170, 40)  # the plain set's bars
SEGMENTS = [(230, 60, 60), (60, 160, 60), (60, 90, 230)]  # the stacked set's values, bottom up
HIGHLIGHT_ALPHA = 120 / 255  # a highlighted bar is covered in black at this alpha


def darkened(colour):
    return tuple(round(c * (1 - HIGHLIGHT_ALPHA)) for c in colour)


def highlight_of(state):
    """(x, set, stack) of the highlight, None without one."""
    if state["highlight"] is None:
        return None
    return (round(state["highlight"][0], 6), int(state["set"]), int(state["stack"]))


def click_on(window, screen, at):
    """A click of its own (after the double-click interval); answers the
    chart's state once the window has had it."""
    time.sleep(0.8)
    click(window, screen, at[0], at[1])
    return window.state()


def bar_pixels(screen, name, at):
    """Pixels of the plain bar's colour, lit or not, around a point."""
    lit = screen.count_until(name, PLAIN, box_around(at, 3), lambda n: n > 20)
    return lit + screen.shot(name).count_near(darkened(PLAIN), *box_around(at, 3))


def check_zoom_about(window, screen, target):
    """A double click at the target zooms in by 1.4 about the pointer: the
    value under it stays under it."""
    time.sleep(0.8)
    under = window.numbers(f"value {target[0]} {target[1]}")
    double_click(window, screen, target[0], target[1])
    state = window.state()
    check(abs(state["scaleX"] - 1.4) < 1e-9 and abs(state["scaleY"] - 1.4) < 1e-9,
          f"a double click zooms in by 1.4 ({state['scaleX']}, {state['scaleY']})")
    pinned = window.numbers(f"value {target[0]} {target[1]}")
    check(all(abs(a - b) < 0.05 * max(1, abs(a)) for a, b in zip(under, pinned)),
          f"the value under the pointer stays under it ({under} -> {pinned})")


def check_pan_and_glide(window, screen):
    """A drag to the right across the chart's middle pans the content and,
    released while moving, glides on."""
    left, top, width, height = window.numbers("geometry")
    time.sleep(0.8)
    start = window.state()["transX"]
    log = flick(window, screen, int(left + width * 0.5), int(top + height * 0.5))
    settled = window.await_rest()
    moved_at_release = log["released"] - start
    moved_in_all = settled["transX"] - start
    check(moved_at_release > 20, f"the drag pans the content ({moved_at_release:.1f} px)")
    check(moved_in_all > moved_at_release + 5,
          f"released at {log['flick'][0]:.0f} px/s, it glides on ({moved_at_release:.1f} -> {moved_in_all:.1f} px)")


def run_bars(window, screen, sideways):
    """The bar chart's road; the window shows two grouped sets of eight bars,
    the second stacked (its second value below zero on bars 0, 3 and 6)."""
    along = 1 if sideways else 0  # the screen coordinate the bar positions run along

    # A click on the middle value of a stack highlights that value only.
    seg = [window.point(f"segment 1 2 {k}") for k in range(3)]
    state = click_on(window, screen, seg[1])
    check(highlight_of(state) == (2.72, 1, 1), f"a click on a stacked value highlights that value: {highlight_of(state)}")
    dark = screen.count_until("1-segment", darkened(SEGMENTS[1]), box_around(seg[1], 4), lambda n: n > 40)
    check(dark > 40, f"the screenshot shows the middle value darkened ({dark} pixels)")
    image = screen.shot("1-segment")
    untouched = (image.count_near(SEGMENTS[0], *box_around(seg[0], 4)) +
                 image.count_near(SEGMENTS[2], *box_around(seg[2], 4)))
    check(untouched > 80, f"and the stack's other values as they were ({untouched} pixels)")

    # A second click clears it.
    state = click_on(window, screen, seg[1])
    check(highlight_of(state) is None, "a second click clears the highlight")
    back = screen.count_until("2-cleared", SEGMENTS[1], box_around(seg[1], 4), lambda n: n > 70)
    check(back > 70, f"the screenshot shows the value in its own colour again ({back} pixels)")

    # With full-bar highlighting on, a click highlights the whole bar (on its side by the touched value).
    window.ask("fullbar 1")
    state = click_on(window, screen, seg[1])
    check(highlight_of(state) == (2.72, 1, 1 if sideways else -1), f"with full-bar highlighting the whole bar: {highlight_of(state)}")
    for k in range(3):
        dark = screen.count_until("3-full-bar", darkened(SEGMENTS[k]), box_around(seg[k], 4), lambda n: n > 40)
        check(dark > 40, f"the screenshot shows value {k} of the bar darkened ({dark} pixels)")
    click_on(window, screen, seg[1])
    window.ask("fullbar 0")

    # A click between groups, far beyond the bars' ends, picks the nearest
    # bar by position alone: x 3.05 lies nearer 3.28 (plain, bar 3) than
    # 2.72 (stacked, bar 2).
    between = window.point("spot 60 3.05" if sideways else "spot 3.05 60")
    state = click_on(window, screen, between)
    check(highlight_of(state) == (3.28, 0, -1), f"a click between groups picks the nearest bar: {highlight_of(state)}")
    bar3 = window.point("bar 0 3")
    dark = screen.count_until("4-between", darkened(PLAIN), box_around(bar3, 4), lambda n: n > 40)
    check(dark > 40, f"the screenshot shows that bar highlighted ({dark} pixels)")
    click_on(window, screen, between)

    # A double click on a bar zooms in by 1.4 about the pointer: the value
    # under it stays, and so does the bar.
    target = window.point("bar 0 6")
    check_zoom_about(window, screen, target)
    moved = window.point("bar 0 6")
    check(abs(moved[along] - target[along]) <= 1, f"the bar under the pointer stays under it ({target} -> {moved})")
    seen = bar_pixels(screen, "5-zoomed", target)
    check(seen > 20, f"the screenshot shows the bar under the pointer ({seen} pixels)")

    left, top, width, height = window.numbers("geometry")
    centre = (int(left + width * 0.5), int(top + height * 0.5))
    if not sideways:
        check_pan_and_glide(window, screen)
        # How far the glide carries depends on how often a busy machine
        # ticks: the bar checked is the one the glide left nearest the middle.
        now = min((window.point(f"bar 0 {k}") for k in range(8)), key=lambda p: abs(p[0] - centre[0]))
        seen = bar_pixels(screen, "6-panned", now)
        check(seen > 20, f"the screenshot shows the panned bar where the state says ({seen} pixels)")
        return 0

    # On its side a drag to the right moves the bars to the right, with the
    # value axes upright and inverted alike.
    for inverted in (0, 1):
        window.ask(f"invert {inverted}")
        time.sleep(0.8)
        before = window.point("bar 0 6")
        flick(window, screen, *centre)
        window.await_rest()
        after = window.point("bar 0 6")
        check(after[0] - before[0] > 20,
              f"a drag to the right moves the bars right{' on an inverted axis' if inverted else ''} "
              f"({before} -> {after})")
        seen = bar_pixels(screen, f"6-dragged-{inverted}", after)
        check(seen > 20, f"the screenshot shows the bar where the state says ({seen} pixels)")
    return 0


MARKER = (255, 0, 255)  # the combined chart's marker, a box beside the highlighted value
LINE_HIGHLIGHT = (230, 0, 120)  # the combined chart's line highlight
CANDLE_COLOURS = [(0, 150, 60), (200, 40, 40)]  # rising, falling


def combined_state(window):
    """(kind, x, stack) of the combined chart's highlight, None without one."""
    words = window.ask("state").split()
    if words[1] == "none":
        return None
    at = words.index("kind")
    return (words[at + 1], round(float(words[1]), 6), int(words[words.index("stack") + 1]))


def run_combined(window, screen):
    """The combined chart's road: stacked bars, a line, scatter points, candles
    and bubbles at x 0 to 9, each kind in a band of values of its own."""
    screen.shot("0-shown")

    # A click on the top value of a stacked bar highlights the whole bar, and
    # the state names the bar sub-data.
    seg = [window.point(f"segment 3 {k}") for k in range(3)]
    click_on(window, screen, seg[2])
    state = combined_state(window)
    check(state == ("bar", 3, -1), f"a click on a bar highlights the whole bar of the bar sub-data: {state}")
    for k in range(3):
        dark = screen.count_until("1-bar", darkened(SEGMENTS[k]), box_around(seg[k], 4), lambda n: n > 40)
        check(dark > 40, f"the screenshot shows value {k} of the bar darkened ({dark} pixels)")

    # A click on a line point highlights it: its highlight lines, and the
    # marker beside it.
    point = window.point("item line 5")
    click_on(window, screen, point)
    state = combined_state(window)
    check(state is not None and state[:2] == ("line", 5), f"a click on a line point highlights it: {state}")
    lines = screen.count_until("2-line", LINE_HIGHLIGHT, (point[0] - 3, point[1] - 120, point[0] + 4, point[1] + 120),
                               lambda n: n > 100)
    check(lines > 100, f"the screenshot shows its vertical highlight line ({lines} pixels)")
    across = screen.shot("2-line").count_near(LINE_HIGHLIGHT, point[0] - 150, point[1] - 2, point[0] + 150,
                                              point[1] + 3)
    check(across > 100, f"and its horizontal one ({across} pixels)")
    marker = screen.shot("2-line").count_near(MARKER, point[0] + 5, point[1] - 35, point[0] + 55, point[1] - 5)
    check(marker > 300, f"and the marker beside the point ({marker} pixels)")
    bars_lit = screen.shot("2-line").count_near(darkened(SEGMENTS[1]), *box_around(seg[1], 4))
    check(bars_lit < 10, f"the bar is no longer highlighted ({bars_lit} pixels)")

    # A second click clears it.
    click_on(window, screen, point)
    check(combined_state(window) is None, "a second click clears the highlight")
    marker = screen.count_until("3-cleared", MARKER, (point[0] + 5, point[1] - 35, point[0] + 55, point[1] - 5),
                                lambda n: n < 10)
    check(marker < 10, f"the screenshot shows no marker ({marker} pixels)")

    # A double click zooms in by 1.4 about the pointer; a candle and a bar at
    # the same x stay in the same pixel column.
    check_zoom_about(window, screen, window.point("item candle 6"))
    candle = window.point("item candle 6")
    bar = window.point("segment 6 2")
    check(candle[0] == bar[0], f"the candle and the bar at x 6 stay in one pixel column ({candle}, {bar})")
    image = screen.shot("4-zoomed")
    candle_seen = sum(image.count_near(c, *box_around(candle, 3)) for c in CANDLE_COLOURS)
    bar_seen = screen.count_until("4-zoomed", SEGMENTS[2], box_around(bar, 3), lambda n: n > 20)
    check(candle_seen > 20 and bar_seen > 20,
          f"the screenshot shows the candle and the bar there ({candle_seen}, {bar_seen} pixels)")

    # A drag pans and glides on; the bar checked is the one the glide left
    # nearest the middle (how far it carries depends on the machine's ticks).
    check_pan_and_glide(window, screen)
    left, top, width, height = window.numbers("geometry")
    bar = min((window.point(f"segment {x} 2") for x in range(10)), key=lambda p: abs(p[0] - (left + width / 2)))
    seen = screen.count_until("5-panned", SEGMENTS[2], box_around(bar, 3), lambda n: n > 20)
    check(seen > 20, f"the screenshot shows the panned bar where the state says ({seen} pixels)")
    return 0


def run(program, folder, kind="line"):
    os.makedirs(folder, exist_ok=True)
    xvfb_log = open(os.path.join(folder, "xvfb.log"), "w")
    server, display = start_xvfb_retrying(xvfb_log)
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    env.pop("WAYLAND_DISPLAY", None)
    window = None
    try:
        window = Window([program, "--kind", kind], env)
        screen = Screen(env, folder)
        if kind == "pie":
            run_pie(window, screen)
            return 0
        if kind == "radar":
            run_radar(window, screen)
            return 0
        if kind in ("bar", "horizontalbar"):
            run_bars(window, screen, kind == "horizontalbar")
            return 0
        if kind == "combined":
            run_combined(window, screen)
            return 0
        left, top, width, height = window.numbers("geometry")

        # A click on a value highlights it; the highlight shows (the
        # cross-hair lines, or a bubble's outline).
        px, py = (int(v) for v in window.numbers("pixel 8"))
        entry_x = window.numbers("entry 8")[0]
        highlight = window.colours(8)[1]
        marks = tuple(int(v) for v in window.numbers("marks 8"))
        enough = min(100, (marks[2] - marks[0]) + (marks[3] - marks[1]))
        click(window, screen, px, py + 3)
        state = window.state()
        check(state["highlight"] is not None and state["highlight"][0] == entry_x,
              f"a click highlights the nearest value (x {entry_x}): {state['highlight']}")
        lit = screen.count_until("1-highlighted", highlight, marks, lambda n: n > enough)
        check(lit > enough, f"the screenshot shows the highlight ({lit} pixels)")

        # A second click on it clears the highlight (after the double-click
        # interval, so it is a click of its own).
        time.sleep(0.8)
        click(window, screen, px, py + 3)
        state = window.state()
        check(state["highlight"] is None, "a second click clears the highlight")
        lit = screen.count_until("2-cleared", highlight, marks, lambda n: n < 10)
        check(lit < 10, f"the screenshot shows no highlight ({lit} pixels)")

        # A double click zooms in by 1.4 about the pointer: the value under
        # the pointer stays there, the other points move away from it.
        time.sleep(0.8)
        cx, cy = (int(v) for v in window.numbers("pixel 10"))
        cy += 20
        before_value = window.numbers(f"value {cx} {cy}")
        far_before = window.numbers("pixel 6")
        double_click(window, screen, cx, cy)
        state = window.state()
        check(abs(state["scaleX"] - 1.4) < 1e-9 and abs(state["scaleY"] - 1.4) < 1e-9,
              f"a double click zooms in by 1.4 ({state['scaleX']}, {state['scaleY']})")
        pinned = window.numbers(f"value {cx} {cy}")
        check(abs(pinned[0] - before_value[0]) < 0.5 and abs(pinned[1] - before_value[1]) < 0.5,
              f"the value under the pointer stays under it ({before_value} -> {pinned})")
        far_after = window.numbers("pixel 6")
        ratio = (cx - far_after[0]) / (cx - far_before[0])
        check(abs(ratio - 1.4) < 0.02, f"a point 4 entries away moves 1.4 times as far from the pointer ({ratio:.3f})")
        fx, fy = int(far_after[0]), int(far_after[1])
        circle = screen.count_until("3-zoomed", window.colours(6)[0], (fx - 5, fy - 5, fx + 6, fy + 6),
                                    lambda n: n > 5)
        check(circle > 5, f"the screenshot shows that point where the state says ({circle} pixels)")

        # A drag pans the content and, released while moving, glides on.
        time.sleep(0.8)
        start_tx = window.state()["transX"]
        log = flick(window, screen, int(left + width * 0.5), int(top + height * 0.5))
        settled = window.await_rest()
        moved_at_release = log["released"] - start_tx
        moved_in_all = settled["transX"] - start_tx
        check(moved_at_release > 20, f"the drag pans the content ({moved_at_release:.1f} px)")
        check(moved_in_all > moved_at_release + 5,
              f"released at {log['flick'][0]:.0f} px/s, it glides on ({moved_at_release:.1f} -> "
              f"{moved_in_all:.1f} px)")
        check(settled["decelerating"] == 0, "and the glide comes to rest")
        gx, gy = (int(v) for v in window.numbers("pixel 10"))
        circle = screen.count_until("4-panned", window.colours(10)[0], (gx - 5, gy - 5, gx + 6, gy + 6),
                                    lambda n: n > 5)
        check(circle > 5, f"the screenshot shows the panned point where the state says ({circle} pixels)")

        # A second double click elsewhere, on the zoomed and panned chart,
        # zooms in by 1.4 again about the pointer: the value under it stays.
        time.sleep(0.8)
        zoomed = window.state()
        check(zoomed["scaleX"] > 1.3 and zoomed["transX"] != start_tx and (zoomed["transX"], zoomed["transY"]) != (0, 0),
              f"the chart is zoomed and panned before the next zoom (translation {zoomed['transX']:.1f}, "
              f"{zoomed['transY']:.1f})")
        qx, qy = int(left + width * 0.3), int(top + height * 0.45)
        under = window.numbers(f"value {qx} {qy}")
        double_click(window, screen, qx, qy)
        state = window.state()
        check(abs(state["scaleX"] - zoomed["scaleX"] * 1.4) < 1e-9 and
              abs(state["scaleY"] - zoomed["scaleY"] * 1.4) < 1e-9,
              f"a second double click zooms in by 1.4 again ({state['scaleX']}, {state['scaleY']})")
        spot = window.numbers(f"spot {under[0]} {under[1]}")
        check(abs(spot[0] - qx) < 0.5 and abs(spot[1] - qy) < 0.5,
              f"the value under the pointer ({under[0]:.3f}, {under[1]:.3f}) stays under it at ({qx}, {qy}): "
              f"now at ({spot[0]:.2f}, {spot[1]:.2f})")
        nearest = None
        for i in range(21):
            answer = window.ask(f"pixel {i}")
            if answer == "none":
                continue
            ex, ey = (int(float(v)) for v in answer.split())
            inside = left + 40 <= ex < left + width - 40 and top + 20 <= ey < top + height - 50
            if inside and (nearest is None or abs(ex - qx) < abs(nearest[0] - qx)):
                nearest = (ex, ey, i)
        check(nearest is not None, "a point is in view after the second zoom")
        circle = screen.count_until("5-zoomed-again", window.colours(nearest[2])[0],
                                    (nearest[0] - 5, nearest[1] - 5, nearest[0] + 6, nearest[1] + 6), lambda n: n > 5)
        check(circle > 5, f"the screenshot shows the point nearest the pointer where the state says ({circle} pixels)")
        return 0
    except Failure as failure:
        if server.poll() is not None:
            raise Failure(f"{failure} (the X server had ended with {server.returncode}; its output is in "
                          f"{xvfb_log.name})")
        raise
    finally:
        if window:
            window.close()
        server.terminate()
        try:
            server.wait(10)
        except subprocess.TimeoutExpired:
            server.kill()


def main():
    arguments = sys.argv[1:]
    kind = "line"
    if "--kind" in arguments:
        at = arguments.index("--kind")
        kind = arguments[at + 1] if at + 1 < len(arguments) else ""
        del arguments[at:at + 2]
    kinds = ("line", "candle", "bubble", "scatter", "pie", "radar", "bar", "horizontalbar", "combined")
    if len(arguments) != 2 or kind not in kinds:
        print("usage: drive_line_chart.py WINDOW_PROGRAM SCREENSHOT_FOLDER [--kind " + "|".join(kinds) + "]",
              file=sys.stderr)
        return 2
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        return run(arguments[0], arguments[1], kind)
    except Failure as failure:
        print("FAILED:", failure)
        return 1


if __name__ == "__main__":
    sys.exit(main())
