#!/usr/bin/env bash
# The whole linearization road in the real window, under a private Xvfb
# display and driven by real X input: the application started by the
# README's run command; a .quad and a measurement file loaded through the
# (non-native) open dialogs by typing their paths; the moving-average slider
# moved; two loads that fail (a binary file and an empty one) show the alert
# with its exact texts and change nothing; then the linearized .quad, the
# .acv and the .cube exported through the save dialogs (an .acv before any
# load alerts; a .cube typed as .quad is written as .cube). The alert carries no
# text an X client can read back, so its window is compared pixel for pixel
# with one that the application's own alert presenter draws with the
# expected texts (alert_reference_window) on the same display. The written files are
# checked by the product's own reader (linearization_export_check), by
# ffmpeg's curves and lut1d filters and by ociochecklut. Screenshots of
# every step go to the working directory; their paths are printed.
#
# The shared real files (a photographer's wedge and the .quad it measured)
# are used when the test data folder has them; otherwise the test writes a
# wedge and a .quad of its own and runs all the same.
#
# Usage: test_linearization_screen.sh <source dir> <testdata dir> <checker> <alert reference>
set -euo pipefail
source_dir=$1
testdata=$2
checker=$3
alert_reference=$4

work=$(pwd)/xvfb-linearization
rm -rf "$work"
mkdir -p "$work/out"

measurement=$testdata/measurements/gray-lab-list-25rows.txt
quad=$testdata/quad/k-only-8ink-lowercase-labels.quad
if [[ -f "$measurement" && -f "$quad" ]]; then
  echo "inputs: the shared files $measurement and $quad"
else
  # A 21-step K wedge that prints the midtones dark, with a little noise so
  # that smoothing windows tell apart, and an 8-ink .quad whose K is a
  # straight ramp to 13762.
  measurement=$work/wedge.txt
  quad=$work/k-ramp.quad
  awk 'BEGIN {
    printf "GRAY\tLAB_L\tLAB_A\tLAB_B\n"
    for (i = 0; i <= 20; i++)
      printf "%.1f\t%.2f\t%.2f\t%.2f\n", i * 5, 95 - 80 * (i / 20) ^ 0.75 + 0.4 * sin(i * 1.7), 0.3, -1.1
  }' >"$measurement"
  {
    echo "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK"
    echo "# written by the linearization screen test"
    for ink in K C M Y LC LM LK LLK; do
      echo "# $ink Curve"
      awk -v k="$ink" 'BEGIN { for (i = 0; i < 256; i++) print (k == "K" ? int(13762 * i / 255) : 0) }'
    done
  } >"$quad"
  echo "inputs: no shared test data in $testdata; written here: $measurement and $quad"
fi

source "$(dirname "$0")/xvfb_session.sh"
fail() {
  echo "FAIL: $*" >&2
  echo "--- application output" >&2
  tail -n 40 "$work/app.log" >&2 || true
  exit 1
}

start_xvfb 1400x1000 "$work"
# The Open Recent list of this run stays in the working directory.
export XDG_CONFIG_HOME=$work/config

# The README's run command builds the application, then starts it.
bash "$source_dir/scripts/run.sh" >"$work/app.log" 2>&1 </dev/null &
app=$!
xvfb_pids+=("$app")
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

shot() { shot_into "$work" "$1"; }
# Without a window manager a closed dialog leaves no window focused; a click
# on the empty part of the tab bar gives the main window the keys again.
focus_main() { xdotool mousemove 900 32 click 1; sleep 0.3; }
keys() { xdotool key --delay 60 "$@"; sleep 0.4; }
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
# The application's shown windows (alerts carry no title of their own).
app_windows() { xdotool search --onlyvisible --class tintsmith 2>/dev/null | wc -l; }
at_least_windows() { [[ $(windows "$1") -ge $2 ]]; }
no_window() { [[ $(windows "$1") -eq 0 ]]; }
focused_on() { [[ $(xdotool getwindowfocus getwindowname 2>/dev/null) =~ $1 ]]; }
# Waits until a top-level window titled like the pattern is shown and has
# the keyboard: keys typed before would go elsewhere.
await_window() {
  wait_for "$deadline_seconds" at_least_windows "$1" "${2:-1}" || fail "no window titled '$1'"
  wait_for "$deadline_seconds" focused_on "$1" || fail "the window titled '$1' did not get the keyboard"
}
# Types a path into the dialog that has the keyboard and confirms it; waits
# until the dialog has closed.
type_path() {
  local title
  title=$(xdotool getwindowfocus getwindowname)
  xdotool type --delay 15 "$1"
  sleep 0.3
  xdotool key Return
  wait_for "$deadline_seconds" no_window "^$title\$" || fail "the dialog '$title' did not close"
  sleep 0.5
}
await_file() {
  wait_for "$deadline_seconds" test -s "$1" || fail "$1 was not written"
}

# The reason each is refused, the alert's detailed text.
declare -A reason=(
  [binary]="binary.txt is of no kind this program reads: its first line is not one it recognises."
  [empty]="empty.txt is empty: its first line holds nothing to recognise."
)
# Compares the application's alert with the reference alert drawn by the
# same presenter with the expected texts, collapsed or with both showing
# their details (Tab to Show Details, Space). Each window is read once it has
# painted; a busy machine paints late, so a difference is looked at again, a
# few times at most.
compare_alert() { # bad file, collapsed|details
  local bad=$1 view=$2 attempt name="06-$1-file-$2"
  if [[ $view == details ]]; then
    xdotool windowfocus --sync "$alert"
    keys Tab space
  fi
  differing=unread
  for attempt in 1 2 3 4 5; do
    xdotool windowfocus --sync "$alert"
    sleep "$attempt"
    import -window "$alert" "$work/$name-alert.png"
    "$alert_reference" warning "$message" "$informative" "${reason[$bad]}" >"$work/reference.out" 2>&1 &
    reference=$!
    xvfb_pids+=("$reference")
    reference_shown() { xdotool search --onlyvisible --class alert_reference_window; }
    wait_for "$deadline_seconds" reference_shown || fail "the reference alert did not show"
    reference_window=$(xdotool search --onlyvisible --class alert_reference_window 2>/dev/null | head -n 1)
    xdotool windowfocus --sync "$reference_window"
    if [[ $view == details ]]; then keys Tab space; fi
    sleep "$attempt"
    import -window "$reference_window" "$work/$name-reference.png"
    kill "$reference" 2>/dev/null || true
    wait "$reference" 2>/dev/null || true
    differing=$(compare -metric AE "$work/$name-alert.png" "$work/$name-reference.png" "$work/$name-difference.png" \
      2>&1 || true)
    [[ "$differing" == "0" ]] && break
    echo "retrying: the alert and the reference differ in $differing pixels (attempt $attempt)"
  done
  echo "screenshot: $work/$name-alert.png"
  echo "screenshot: $work/$name-reference.png"
  [[ "$differing" == "0" ]] ||
    fail "the alert for the $bad file ($view) is not the load-failure alert \"$message\" with its texts ($differing pixels differ)"
}

# The Linearization tab.
xdotool mousemove 128 32 click 1
sleep 1
shot 01-linearization-screen

# Save as .acv with nothing loaded: "Failed to Linearize", no dialog, no file.
message="Failed to Linearize"
informative="Please load a valid quad curve file and measurement data file and try again"
reason[unlinearized]=""
focus_main
keys alt+e Down alt+s
two_windows() { [[ $(app_windows) -ge 2 ]]; }
wait_for "$deadline_seconds" two_windows || fail "no alert for an .acv saved with nothing loaded"
alert=$(xdotool search --onlyvisible --class tintsmith 2>/dev/null | grep -vx "$window" | head -n 1)
compare_alert unlinearized collapsed
xdotool windowfocus --sync "$alert"
keys Return
[[ $(app_windows) -eq 1 && -z $(ls -A "$work/out") ]] || fail "the alert stayed open or a file was written"
focus_main
keys alt+e Up

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

# Two loads that fail: each shows the alert with its exact texts and leaves
# what was loaded. The alert's window carries the application's name (it
# has no title of its own); its contents are compared with the reference
# alert's, drawn while each has the keyboard.
head -c 4096 /bin/ls >"$work/binary.txt"
: >"$work/empty.txt"
message="Failed to Load Measurement Data"
informative=$'Please check the measurement data format and load data again.\n\nIf this problem continues send the measurement data file using the send feedback form in the help menu.'
alerts=0
for bad in binary empty; do
  focus_main
  keys alt+m
  await_window 'Choose a measurement file'
  type_path "$work/$bad.txt"
  alert_shown() { [[ $(app_windows) -ge 2 ]]; }
  wait_for "$deadline_seconds" alert_shown || fail "no alert for the $bad file"
  alert=
  for shown in $(xdotool search --onlyvisible --class tintsmith 2>/dev/null); do
    [[ "$shown" != "$window" ]] && alert=$shown
  done
  [[ -n "$alert" ]] || fail "the alert for the $bad file has no window of its own"
  title=$(xdotool getwindowname "$alert")
  echo "alert window for the $bad file: titled '$title'"
  [[ "$title" == "Tintsmith" ]] || fail "the alert for the $bad file is titled '$title', not with the application's name"
  shot "06-$bad-file-alert"
  compare_alert "$bad" collapsed
  compare_alert "$bad" details
  echo "alert for the $bad file: \"$message\" with its informative text, OK and the reason as its details," \
    "drawn exactly as the reference"

  # From Hide Details back to OK, which closes it.
  xdotool windowfocus --sync "$alert"
  keys shift+Tab Return
  alerts=$((alerts + 1))
done
[[ $(app_windows) -eq 1 ]] || fail "an alert stayed open"
shot 07-after-failed-loads

# Export .quad, .acv and .cube through the save dialogs.
export_as() { # item-downs typed-file [written-file]
  focus_main
  keys alt+e
  for _ in $(seq "$1"); do keys Down; done
  keys alt+s
  await_window '^Save As'
  type_path "$2"
  await_file "${3:-$2}"
}
export_as 0 "$work/out/linearized.quad"
shot 08-quad-exported
export_as 1 "$work/out/correction.acv"
export_as 1 "$work/out/correction.cube"
shot 09-all-exported
# .cube still chosen, typed.quad typed: written as typed.cube, the table.
export_as 0 "$work/out/typed.quad" "$work/out/typed.cube"
cmp -s "$work/out/"{typed,correction}.cube || fail "typed.cube is not the table"
[[ ! -e "$work/out/typed.quad" ]] || fail "a .quad was written"

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
