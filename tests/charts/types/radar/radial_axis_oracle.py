#!/usr/bin/env python3
"""The label values of a radar chart's radial axis, computed with Python's
math module: the oracle the C++ values are checked against.

Reads one case a line on standard input:
    min max labelCount granularityEnabled granularity centering forceLabels
(flags 0 or 1) and writes one line per case:
    entries=<v,v,...> centered=<v,v,...> decimals=<d>
with every value in its shortest round-trip form (repr), or "none" when the
axis gets no values.
"""
import math
import sys


def round_half_away(x):
    a = abs(x)
    r = math.trunc(a)
    if a - r >= 0.5:
        r += 1
    return math.copysign(r, x)


def round_to_next_significant(value):
    if value == 0 or not math.isfinite(value):
        return value
    d = math.ceil(math.log10(abs(value)))
    pw = 1 - d
    magnitude = math.pow(10.0, pw)
    return round_half_away(value * magnitude) / magnitude


def radial_values(mn, mx, label_count, gran_on, granularity, centering, force):
    rng = abs(mx - mn)
    if label_count <= 0 or not (rng > 0) or not math.isfinite(rng):
        return None
    interval = round_to_next_significant(rng / label_count)
    if gran_on and granularity > interval:
        interval = granularity
    magnitude = round_to_next_significant(math.pow(10.0, math.floor(math.log10(interval))))
    if math.trunc(interval / magnitude) > 5:
        raised = math.floor(10.0 * magnitude)
        if raised != 0:
            interval = float(raised)
    if force:
        step = rng / (label_count - 1) if label_count > 1 else math.inf
        entries = [mn] + [mn + k * step for k in range(1, label_count)]
    else:
        first = 0.0 if interval == 0 else math.ceil(mn / interval) * interval
        if centering:
            first -= interval
        last = math.floor(mx / interval) * interval
        if last == 0:
            last = 0.0
        if last != math.inf:
            last = math.nextafter(last, math.inf)
        n = 1 if centering else 0
        if interval != 0:
            k = 0
            while first + k * interval <= last:
                n += 1
                k += 1
        n += 1
        entries = []
        value = first
        for _ in range(n):
            entries.append(0.0 if value == 0 else value)
            value += interval
    decimals = math.ceil(-math.log10(interval)) if 0 < interval < 1 else 0
    centered = []
    if centering:
        spacing = entries[1] - entries[0] if len(entries) >= 2 else interval
        centered = [v + spacing / 2 for v in entries]
    return entries, centered, decimals


def text(values):
    return ",".join(repr(float(v)) for v in values)


for line in sys.stdin:
    words = line.split()
    if not words:
        continue
    mn, mx = float(words[0]), float(words[1])
    result = radial_values(mn, mx, int(words[2]), words[3] == "1", float(words[4]), words[5] == "1",
                           words[6] == "1")
    if result is None:
        print("none")
    else:
        entries, centered, decimals = result
        print("entries=%s centered=%s decimals=%d" % (text(entries), text(centered), decimals))
