#!/usr/bin/env bash
# Drives the manual-curve dialog and the point editor with real X input on a
# private Xvfb display and checks the curves they post:
#   - in the dialog, a click on a point shows its percentages, dragging it up
#     raises the posted curve, Option held over OK turns it into Reset, which
#     posts the diagonal again, and OK closes the dialog;
#   - in the point editor, a right-click adds a point and dragging it bends
#     the output curve.
#   - the quad-curve panel, the Quad Curves window and the ink-sample panel
#     show a posted blend and a linearization's ramps; after a blend without
#     curves the Quad Curves window shows its empty-chart label.
# Screenshots go to xvfb-manual-curve in the working directory; each file's
# path is printed as "screenshot: <path>".
# Usage: test_manual_curve_dialog.sh <driver executable>
set -euo pipefail
driver=$1
work=$(pwd)/xvfb-manual-curve
rm -rf "$work"
mkdir -p "$work"

out=/dev/null
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb 1024x768 "$work"

# Saves the whole screen under a name and prints where.
shot() { shot_into "$work" "$1"; }

fail() { echo "FAIL: $*" >&2; echo "--- driver output" >&2; cat "$out" >&2; exit 1; }

# Waits until the output has a line matching the pattern (ERE); prints it.
await() { await_output "$out" "$1" || fail "no line matching '$1'"; }

# The field of the last "curve" line: 3 = at 0, 5 = at the middle, 7 = at the end.
lastCurve() { grep '^curve' "$out" | tail -n 1 | cut -d' ' -f"$1"; }
curveCount() { grep -c '^curve' "$out" || true; }

start() {
  out="$work/$1.out"
  "$driver" "$1" >"$out" 2>"$work/$1.err" &
  app=$!
  xvfb_pids+=("$app")
  read -r _ _ ex ey ew eh < <(await '^ready editor')
}

# Screen position of a point given in the editor's y-up percentages.
at() { echo "$((ex + ew * $1 / 100)) $((ey + eh - eh * $2 / 100))"; }

press_drag_release() { # from-x from-y to-x to-y (y-up percent)
  xdotool mousemove $(at "$1" "$2") mousedown 1
  sleep 0.1
  local steps=8 i
  for i in $(seq $steps); do
    xdotool mousemove $(at $(($1 + ($3 - $1) * i / steps)) $(($2 + ($4 - $2) * i / steps)))
    sleep 0.03
  done
  xdotool mouseup 1
  sleep 0.2
}

check() { # description, value, awk condition over v
  awk -v v="$2" "BEGIN { exit !($3) }" || fail "$1 (value $2)"
}

# Waits until the last posted curve's field satisfies the condition: the
# program takes the input when the machine lets it.
holds() { awk -v v="$(lastCurve "$1")" "BEGIN { exit !($2) }"; }
await_curve() { # description, field, awk condition over v
  wait_for "$deadline_seconds" holds "$2" "$3" || fail "$1 (value $(lastCurve "$2"))"
  echo "ok: $1"
}

# --- the linearization manual-curve dialog ---------------------------------
start linearization
sleep 0.3
shot linearization-dialog
await '^curve 256' >/dev/null
await_curve "the first drawing posts the diagonal" 5 'v > 49 && v < 51'

# A click on the middle point shows its place in the fields.
xdotool mousemove $(at 50 50) click 1
line=$(await '^fields [0-9]')
read -r _ input output <<<"$line"
check "input field shows about 50 %" "$input" 'v > 48 && v < 52'
check "output field shows about 50 %" "$output" 'v > 48 && v < 52'

# Dragging the middle point up raises the middle of the posted curve.
press_drag_release 50 50 50 80
await_curve "the curve's middle follows the dragged point" 5 'v > 75 && v < 85'
check "the curve still ends at 100" "$(lastCurve 7)" 'v > 99.9'
line=$(await '^fields [0-9.]+ (7[7-9]|8[0-2])')
read -r _ _ output <<<"$line"
check "output field shows the new height" "$output" 'v > 77 && v < 83'
shot linearization-dialog-bent

# Option held over OK turns it into Reset; Reset brings back the diagonal.
read -r _ _ ox oy ow oh < <(await '^ready ok')
xdotool mousemove 600 600 keydown alt
sleep 0.1
xdotool mousemove $((ox + ow / 2)) $((oy + oh / 2))
await '^title Reset' >/dev/null
shot linearization-dialog-reset
before=$(curveCount)
xdotool click 1
xdotool keyup alt
counted() { [[ $(curveCount) -ge $((before + 2)) ]]; }
wait_for "$deadline_seconds" counted || fail "Reset posted no curves"
check "Reset posts the bent curve, then the diagonal" "$(lastCurve 5)" 'v > 49 && v < 51'
xdotool mousemove 600 600
await '^title OK' >/dev/null

# OK closes the dialog and so ends the program.
xdotool mousemove $((ox + ow / 2)) $((oy + oh / 2)) click 1
ended() { ! kill -0 "$app"; }
wait_for "$deadline_seconds" ended || fail "OK did not close the dialog"
wait "$app" || fail "the dialog program failed"

# --- the other manual-curve dialog: posts under its own name ---------------
start v2
sleep 0.3
shot v2-dialog
await '^curve 256' >/dev/null
press_drag_release 25 25 25 5
await_curve "dragging the first-quarter point down lowers the curve" 4 'v < 20'
kill "$app"

# --- the point editor: a right-click adds a point, a drag bends the curve ---
start editor
xdotool mousemove $(at 50 50) click 3
await '^points 3' >/dev/null
press_drag_release 50 50 50 85
await '^curve 101' >/dev/null
await_curve "the added point lifts the middle of the output curve" 5 'v > 75'
check "the output ends at exactly 100" "$(lastCurve 7)" 'v == 100'
grep -q '^points 3' "$out" || fail "the point count changed"
kill "$app"

# --- the panels: a blend and a linearization's ramps, then an empty blend ---
# Pixels within 15 % of a colour in a region (WxH+X+Y) of a screenshot.
pixelsOf() {
  convert "$1" -crop "$2" +repage -fuzz 15% -fill black +opaque "$3" -fill white -opaque "$3" \
    -format '%[fx:round(mean*w*h)]' info:
}
panelRegion=500x370+0+0
windowRegion=500x370+512+0
samplesRegion=440x130+0+400
magenta='rgb(255,0,255)'
for mode in panels panels-empty; do
  out="$work/$mode.out"
  "$driver" "$mode" >"$out" 2>"$work/$mode.err" &
  app=$!
  xvfb_pids+=("$app")
  await '^ready panels' >/dev/null
  # Both show the blend's curves in the panel once they have painted.
  painted() { shot "$mode" >/dev/null && [[ $(pixelsOf "$work/$mode.png" $panelRegion "$magenta") -gt 100 ]]; }
  wait_for "$deadline_seconds" painted || true
  echo "screenshot: $work/$mode.png"
  kill "$app"
  wait "$app" 2>/dev/null || true
done
check "the panel draws the blend's magenta curve" "$(pixelsOf "$work/panels.png" $panelRegion "$magenta")" 'v > 100'
check "the Quad Curves window draws it too" "$(pixelsOf "$work/panels.png" $windowRegion "$magenta")" 'v > 100'
check "the ink-sample panel shows dark patches" "$(pixelsOf "$work/panels.png" $samplesRegion black)" 'v > 500'
check "after an empty blend the window shows no curve" \
  "$(pixelsOf "$work/panels-empty.png" $windowRegion "$magenta")" 'v == 0'
check "the panel keeps its curves" "$(pixelsOf "$work/panels-empty.png" $panelRegion "$magenta")" 'v > 100'

echo "manual-curve dialog under X: all checks passed"
