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
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to descriptor 3, so
# that runs side by side never race for one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=("$!")
for _ in $(seq 200); do
  [[ -s "$work/display" ]] && break
  sleep 0.05
done
[[ -s "$work/display" ]] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
display=":$(head -n 1 "$work/display")"
for _ in $(seq 100); do
  xdotool getmouselocation --display "$display" >/dev/null 2>&1 && break
  sleep 0.1
done
export DISPLAY=$display
export QT_QPA_PLATFORM=xcb

# Saves the whole screen under a name and prints where.
shot() {
  ffmpeg -loglevel error -f x11grab -video_size 1024x768 -i "$display" -frames:v 1 -y "$work/$1.png"
  echo "screenshot: $work/$1.png"
}

fail() { echo "FAIL: $*" >&2; echo "--- driver output" >&2; cat "$out" >&2; exit 1; }

# Waits until the output has a line matching the pattern (ERE); prints it.
await() {
  local pattern=$1 line
  for _ in $(seq 200); do
    line=$(grep -E "$pattern" "$out" | tail -n 1 || true)
    [[ -n "$line" ]] && { echo "$line"; return 0; }
    sleep 0.05
  done
  fail "no line matching '$pattern'"
}

# The field of the last "curve" line: 3 = at 0, 5 = at the middle, 7 = at the end.
lastCurve() { grep '^curve' "$out" | tail -n 1 | cut -d' ' -f"$1"; }
curveCount() { grep -c '^curve' "$out" || true; }

start() {
  out="$work/$1.out"
  "$driver" "$1" >"$out" 2>"$work/$1.err" &
  app=$!
  pids+=("$app")
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

check() { # description, awk condition over $1
  awk -v v="$2" "BEGIN { exit !($3) }" || fail "$1 (value $2)"
}

# --- the linearization manual-curve dialog ---------------------------------
start linearization
sleep 0.3
shot linearization-dialog
await '^curve 256' >/dev/null
check "the first drawing posts the diagonal" "$(lastCurve 5)" 'v > 49 && v < 51'

# A click on the middle point shows its place in the fields.
xdotool mousemove $(at 50 50) click 1
line=$(await '^fields [0-9]')
read -r _ input output <<<"$line"
check "input field shows about 50 %" "$input" 'v > 48 && v < 52'
check "output field shows about 50 %" "$output" 'v > 48 && v < 52'

# Dragging the middle point up raises the middle of the posted curve.
press_drag_release 50 50 50 80
sleep 0.2
check "the curve's middle follows the dragged point" "$(lastCurve 5)" 'v > 75 && v < 85'
check "the curve still ends at 100" "$(lastCurve 7)" 'v > 99.9'
read -r _ _ output < <(grep '^fields' "$out" | tail -n 1)
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
for _ in $(seq 100); do [[ $(curveCount) -ge $((before + 2)) ]] && break; sleep 0.05; done
check "Reset posts the bent curve, then the diagonal" "$(lastCurve 5)" 'v > 49 && v < 51'
xdotool mousemove 600 600
await '^title OK' >/dev/null

# OK closes the dialog and so ends the program.
xdotool mousemove $((ox + ow / 2)) $((oy + oh / 2)) click 1
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app" 2>/dev/null && fail "OK did not close the dialog"
wait "$app" || fail "the dialog program failed"

# --- the other manual-curve dialog: posts under its own name ---------------
start v2
sleep 0.3
shot v2-dialog
await '^curve 256' >/dev/null
press_drag_release 25 25 25 5
sleep 0.2
check "dragging the first-quarter point down lowers the curve" "$(lastCurve 4)" 'v < 20'
kill "$app"

# --- the point editor: a right-click adds a point, a drag bends the curve ---
start editor
xdotool mousemove $(at 50 50) click 3
await '^points 3' >/dev/null
press_drag_release 50 50 50 85
await '^curve 101' >/dev/null
check "the added point lifts the middle of the output curve" "$(lastCurve 5)" 'v > 75'
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
  pids+=("$app")
  await '^ready panels' >/dev/null
  shot "$mode"
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
