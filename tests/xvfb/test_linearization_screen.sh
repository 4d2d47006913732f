#!/usr/bin/env bash
# The whole linearization road in the real window, under a private Xvfb
# display and driven by real X input: the application started by the
# README's run command; a .quad and a measurement file loaded through the
# (non-native) open dialogs by typing their paths; the moving-average slider
# moved; two loads that fail (a binary file and an empty one) show the alert and
# change nothing; then the linearized .quad, the .acv and the .cube exported
# through the save dialogs. The written files are checked by the product's
# own reader (linearization_export_check), by ffmpeg's curves and lut1d
# filters and by ociochecklut. Screenshots of every step go to the working
# directory.
#
# Usage: test_linearization_screen.sh <source dir> <testdata dir> <checker>
# Exits 77 (skipped) when the shared test data folder is missing.
set -euo pipefail
source_dir=$1
testdata=$2
checker=$3
measurement=$testdata/measurements/gray-lab-list-25rows.txt
quad=$testdata/quad/k-only-8ink-lowercase-labels.quad
if [[ ! -f "$measurement" || ! -f "$quad" ]]; then
  echo "SKIPPED: the shared test data folder $testdata is missing"
  exit 77
fi

work=$(pwd)/xvfb-linearization
rm -rf "$work"
mkdir -p "$work/out"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  echo "--- application output" >&2
  tail -n 40 "$work/app.log" >&2 || true
  exit 1
}

Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=("$!")
for _ in $(seq 200); do
  [[ -s "$work/display" ]] && break
  sleep 0.05
done
[[ -s "$work/display" ]] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb
# The Open Recent list of this run stays in the working directory.
export XDG_CONFIG_HOME=$work/config

# The README's run command builds the application, then starts it.
bash "$source_dir/scripts/run.sh" >"$work/app.log" 2>&1 </dev/null &
app=$!
pids+=("$app")
window=
for _ in $(seq 1200); do
  window=$(xdotool search --onlyvisible --name '^Tintsmith$' 2>/dev/null | head -n 1 || true)
  [[ -n "$window" ]] && break
  kill -0 "$app" 2>/dev/null || fail "the run command ended before a window showed"
  sleep 1
done
[[ -n "$window" ]] || fail "no application window"
xdotool windowmove "$window" 0 0 windowsize "$window" 1400 1000
sleep 1

shot() { ffmpeg -loglevel error -f x11grab -video_size 1400x1000 -i "$DISPLAY" -frames:v 1 -y "$work/$1.png"; }
# Without a window manager a closed dialog leaves no window focused; a click
# on the empty part of the tab bar gives the main window the keys again.
focus_main() { xdotool mousemove 900 32 click 1; sleep 0.3; }
keys() { xdotool key --delay 60 "$@"; sleep 0.4; }
type_path() { xdotool type --delay 15 "$1"; sleep 0.3; xdotool key Return; sleep 1; }
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
# The application's shown windows (alerts carry no title of their own).
app_windows() { xdotool search --onlyvisible --class tintsmith 2>/dev/null | wc -l; }
# Waits until a top-level window titled like the pattern is shown.
await_window() {
  for _ in $(seq 100); do
    [[ $(windows "$1") -ge ${2:-1} ]] && return 0
    sleep 0.1
  done
  fail "no window titled '$1'"
}
await_file() {
  for _ in $(seq 100); do
    [[ -s "$1" ]] && return 0
    sleep 0.1
  done
  fail "$1 was not written"
}

# The Linearization tab.
xdotool mousemove 128 32 click 1
sleep 1
shot 01-linearization-screen

# Load the .quad through its open dialog.
focus_main
keys alt+q
await_window 'Choose a quad file'
shot 02-quad-open-dialog
type_path "$quad"
shot 03-quad-loaded

# Load the measurements through theirs.
focus_main
keys alt+m
await_window 'Choose a measurement file'
type_path "$measurement"
shot 04-measurements-loaded

# Move the moving-average slider five steps.
focus_main
keys alt+v
keys Right Right Right Right Right
shot 05-slider-moved

# Two loads that fail: each shows the alert and leaves what was loaded.
head -c 4096 /bin/ls >"$work/binary.txt"
: >"$work/empty.txt"
alerts=0
for bad in binary empty; do
  focus_main
  keys alt+m
  await_window 'Choose a measurement file'
  type_path "$work/$bad.txt"
  for _ in $(seq 100); do [[ $(app_windows) -ge 2 ]] && break; sleep 0.1; done
  [[ $(app_windows) -ge 2 ]] || fail "no alert for the $bad file"
  shot "06-$bad-file-alert"
  keys Return
  alerts=$((alerts + 1))
done
[[ $(app_windows) -eq 1 ]] || fail "an alert stayed open"
shot 07-after-failed-loads

# Export .quad, .acv and .cube through the save dialogs.
export_as() { # item-downs file
  focus_main
  keys alt+e
  for _ in $(seq "$1"); do keys Down; done
  keys alt+s
  await_window '^Save As'
  type_path "$2"
  await_file "$2"
}
export_as 0 "$work/out/linearized.quad"
shot 08-quad-exported
export_as 1 "$work/out/correction.acv"
export_as 1 "$work/out/correction.cube"
shot 09-all-exported

# The product's reader: the .quad holds the corrected curves of the inputs,
# the .acv and .cube the bytes of that correction.
check=$("$checker" "$measurement" "$quad" "$work/out/linearized.quad" "$work/out/correction.acv" \
  "$work/out/correction.cube" "$work/levels.txt") || fail "the exported files do not match: $check"
echo "$check"
windows=" $(sed -n 's/^windows //p' <<<"$check") "
[[ "$windows" != *" 33 "* ]] || fail "the slider move did not reach the export (window still 33)"

# External readers of the image files, over a grey ramp.
ramp() {
  local filter=$1 out=$2
  perl -e 'print map { chr($_) x 3 } 0..255' >"$work/ramp.rgb"
  ffmpeg -v error -y -f rawvideo -pix_fmt rgb24 -s 256x1 -i "$work/ramp.rgb" -vf "$filter" \
    -f rawvideo -pix_fmt rgb24 "$out"
}
( cd "$work/out" && ramp "lut1d=file=correction.cube" "$work/lut1d.rgb" && ramp "curves=psfile=correction.acv" "$work/curves.rgb" ) \
  || fail "ffmpeg does not read the exports"
levels() { od -An -v -tu1 -w3 "$1" | awk '{ print NR - 1, $2 }'; }
paste -d' ' "$work/levels.txt" <(levels "$work/lut1d.rgb") | awk '
  { d = $2 - $4; if (d < 0) d = -d; if (d > 1.01) { print "lut1d level " $1 ": " $4 " for " $2; bad = 1 } }
  END { exit bad }' || fail "ffmpeg's lut1d does not give the correction's levels"
# The .acv is a spline through its points: it agrees with the table at them.
acv_points=$(sed -n 's/^acv points //p' <<<"$check")
for point in $acv_points; do
  input=${point%%:*}
  output=${point##*:}
  got=$(levels "$work/curves.rgb" | awk -v x="$input" '$1 == x { print $2 }')
  awk -v a="$got" -v b="$output" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(d <= 3) }' \
    || fail "ffmpeg's curves gives $got at level $input, the .acv point says $output"
done
# ociochecklut reads the table at entries of its own.
for x in 0 64 128 200 255; do
  expected=$(awk -v x="$x" '$1 == x { printf "%.6f", $2 / 255 }' "$work/levels.txt")
  got=$(ociochecklut "$work/out/correction.cube" "$(awk -v x="$x" 'BEGIN { printf "%.10f", x / 255 }')" 0 0 | \
        awk '{ print $1 }' | tail -n 1)
  awk -v a="$got" -v b="$expected" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(d < 1e-4) }' \
    || fail "ociochecklut reads $got at $x/255, the correction is $expected"
done

echo "linearization screen under X: $alerts failed loads shown and survived; .quad, .acv and .cube checked"
