#!/usr/bin/env bash
# Roads a new user takes through the main window, in the real window on a
# private Xvfb display with real X input, with real and hostile files:
#   - after "P-series Pro 10-channel printer" then "Other 8-channel printer"
#     the ink-set pop-up reads PSeries K3, and the sliders and Lab read-outs
#     are those of PSeries K3 chosen by hand;
#   - Open Image... on a named pipe, a text file named .tif, an empty file,
#     noise and a truncated TIFF: an alert that the image could not be read,
#     each time, and the picture shown before stays;
#   - Alt+F on the linearization screen opens the File menu;
#   - a paste into the notes with an empty clipboard (Ctrl+V, Shift+Insert,
#     a middle click) does nothing; copied text still pastes;
#   - the custom curve editor with only a .quad loaded is handed no curves;
#     with a wedge too it shows them on a readable axis;
#   - the custom curve editor on a measured wedge and its .quad: a press on
#     the K curve between two points, dragged up 20 px, moves one point and
#     keeps them in order; Accept, Finish Editing and the export write a K
#     curve that differs only around the dragged point, through the point as
#     the editor showed it;
#   - Save clicked twice with .acv chosen opens one panel, and Escape closes it;
#   - a save name typed with a double quote is refused, the dialog stays, and
#     a plain name then saves in the folder typed;
#   - the Window menu shows each of its windows, one each; Manual Target
#     Curve pressed twice shows one dialog; Ctrl+Q there ends the application.
# Screenshots go to the working directory's xvfb-roads folder.
# Usage: test_user_roads.sh <driver executable> <testdata dir>
set -euo pipefail
driver=$1
testdata=$2
wedge=$testdata/measurements/argyll-grey21-coated-konly.ti3
kquad=$testdata/quad/k-only-8ink-lowercase-labels.quad
mkquad=$testdata/quad/mk-only-10ink.quad
for file in "$wedge" "$kquad" "$mkquad"; do
  [[ -f "$file" ]] || { echo "skipped: the shared test file $file is missing"; exit 77; }
done

work=$(pwd)/xvfb-roads
rm -rf "$work"
mkdir -p "$work/out"
# A save that went astray would land in the working directory: this one.
cd "$work"
source "$(dirname "$0")/main_window_session.sh"
# The window is quit at the end, its exit status read: not for the libraries' leaks.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")/../../scripts" && pwd)/lsan.supp:print_suppressions=0}
start_main_window
shot start

alive() { kill -0 "$driver_pid" 2>/dev/null || fail "the window has ended"; }
close_alert() {
  local at
  at=$(mark)
  xdotool key Return
  await '^alert closed' "$at" >/dev/null
}
state_of() { grep '^state ' "$out" | tail -n 1 | tr ' ' '\n' | sed -n "s/^$1=//p"; }

# --- the ink set after two printer models ----------------------------------
choose printerModelSelectionMenu 3 # P-series Pro 10-channel printer
[[ $(state_of inkset) == PSeries_Pro10 ]] || fail "the Pro 10 printer did not bring its ink set"
choose printerModelSelectionMenu 1 # Other 8-channel printer
[[ $(state_of printer) == 4 && $(state_of inkset) == PSeries_K3 ]] ||
  fail "the other 8-channel printer shows $(state_of inkset) (printer $(state_of printer))"
after_printers="tone=$(state_of tone) lab=$(state_of lab)"
choose inkSetPopupSelectionMenu -1 # UCK3
choose inkSetPopupSelectionMenu 1  # PSeries K3 by hand
[[ $(state_of inkset) == PSeries_K3 ]] || fail "PSeries K3 not taken by hand"
by_hand="tone=$(state_of tone) lab=$(state_of lab)"
[[ "$after_printers" == "$by_hand" ]] ||
  fail "the ink set shown is not the one used: after the printers $after_printers, PSeries K3 by hand $by_hand"
echo "ok: after the printers the sliders and read-outs are PSeries K3's ($by_hand)"
shot ink-set

# --- Open Image... on files that are no picture -----------------------------
convert -size 300x200 gradient:black-white -colorspace Gray -depth 8 "$work/picture.tif"
at=$(mark)
through_dialog loadImageButton 'Open an image file' "$work/picture.tif"
shown=$(await '^preview [0-9]+ 300 200 ' "$at")
mkfifo "$work/pipe.tif"
printf 'This is a text file, not a picture.\n' >"$work/text.tif"
: >"$work/empty.tif"
head -c 65536 /dev/urandom >"$work/noise.tif"
convert -size 600x400 gradient:black-white -colorspace Gray -depth 8 -compress none "$work/whole.tif"
head -c 200000 "$work/whole.tif" >"$work/truncated.tif"
for bad in pipe text empty noise truncated; do
  at=$(mark)
  through_dialog loadImageButton 'Open an image file' "$work/$bad.tif"
  await '^alert The image could not be read' "$at" >/dev/null
  shot "image-$bad-alert"
  close_alert
  alive
  [[ $(grep '^preview ' "$out" | tail -n 1) == "$shown" ]] || fail "the $bad file changed the preview"
  echo "ok: the $bad file is refused with an alert, the preview kept"
done
shot image-kept

# --- Alt+F on the linearization screen --------------------------------------
show_linearization
xdotool mousemove 900 32 click 1 # the empty part of the tab bar: the window has the keys
at=$(mark)
xdotool key alt+f
await '^menu File' "$at" >/dev/null
shot alt-f-menu
xdotool key Escape
echo "ok: Alt+F opens the File menu"

# --- paste into the notes with an empty clipboard ---------------------------
click_on quadNotesOutlet
xdotool key ctrl+v
xdotool key shift+Insert
xdotool click 2
at=$(mark)
xdotool type --delay 30 "abc"
await '^lnotes abc$' "$at" >/dev/null
alive
echo "ok: Ctrl+V, Shift+Insert and a middle click with an empty clipboard paste nothing"
at=$(mark)
xdotool key ctrl+a ctrl+c ctrl+End ctrl+v
await '^lnotes abcabc$' "$at" >/dev/null
echo "ok: copied text still pastes"

# --- the custom curve editor with only a .quad ------------------------------
through_dialog loadQuadFilePressed 'Choose a quad file' "$mkquad"
await '^linearization quad=mk-only-10ink.quad channels=10 ' >/dev/null
at=$(mark)
click_on CustomCurveEditor
line=$(await '^editor shown=graph' "$at")
sleep 0.5
shot editor-quad-only
[[ $line == *" channels= "* ]] || fail "before a correction the editor was handed the file's channels: $line"
at=$(mark)
click_on finishEditingButton
await '^editor closed' "$at" >/dev/null
echo "ok: with only a .quad the editor is handed no curves"

# --- the custom curve editor on a wedge and its .quad -----------------------
through_dialog loadMeasurmentData 'Choose a measurement file' "$wedge"
through_dialog loadQuadFilePressed 'Choose a quad file' "$kquad"
await '^linearization quad=k-only-8ink-lowercase-labels.quad channels=8 measured=argyll-grey21-coated-konly.ti3 linearized=8' \
  >/dev/null
save_export() { # path: Save with the export pop-up at Linearized .quad
  through_dialog saveButtonPressed 'Save' "$1"
  wait_for "$deadline_seconds" test -s "$1" || fail "no $(basename "$1") was written"
}
save_export "$work/out/before.quad"
k_curve() { awk '/^# K/ { k = 1; next } /^#/ { k = 0 } k' "$1"; }
at=$(mark)
click_on CustomCurveEditor
line=$(await '^editor shown=graph' "$at")
[[ $line == *" axis=0,10,20,30,40,50,60,70,80,90,100 "* ]] || fail "the editor's axis is not readable: $line"
at=$(mark)
click_on curveNameList
await '^open curveNameList' "$at" >/dev/null
xdotool key Return # the first channel, K
await '^editor shown=channel' "$at" >/dev/null
# The editor's place once it shows the channel.
read -r _ _ ex ey ew eh < <(grep '^ready quadEditor ' "$out" | tail -n 1)
k_middle=$(k_curve "$work/out/before.quad" | sed -n 129p)
px=$((ex + ew / 2))
py=$(awk -v y="$ey" -v h="$eh" -v k="$k_middle" 'BEGIN { printf "%d", y + h - h * k / 65535 }')
at=$(mark)
xdotool mousemove "$px" "$py" mousedown 1
for step in $(seq 10); do
  sleep 0.03
  xdotool mousemove "$px" $((py - 2 * step))
done
xdotool mouseup 1
# The point ends where the pointer was released: 20 px above the press.
released=$(awk -v y="$ey" -v h="$eh" -v p=$((py - 20)) 'BEGIN { printf "%d", (y + h - p) / h * 65535 }')
last_editor() { tail -n +"$((at + 1))" "$out" | grep '^editor shown=' | tail -n 1; }
at_release() { awk -v v="$(last_editor | sed 's/.*,//')" -v r="$released" 'BEGIN { d = v - r; exit !(d < 200 && d > -200) }'; }
wait_for "$deadline_seconds" at_release || fail "the dragged point did not follow the pointer: $(last_editor)"
line=$(last_editor)
[[ $line == *" ordered=1 "* ]] || fail "the drag put the points out of order: $line"
points_before=$(grep '^editor shown=channel' "$out" | head -n 1 | sed 's/.* points=\([0-9]*\) .*/\1/')
[[ $line == *" points=$points_before "* ]] || fail "the drag changed the number of points: $line"
shot editor-dragged
active=${line##*active=}
active_input=${active%,*}
active_value=${active#*,}
echo "ok: the drag moved one point to input $active_input, value $active_value, the points in order"
at=$(mark)
click_on acceptEditButton
await '^editor shown=graph' "$at" >/dev/null
shot editor-accepted
at=$(mark)
click_on finishEditingButton
await '^editor closed' "$at" >/dev/null
save_export "$work/out/after.quad"
paste <(k_curve "$work/out/before.quad") <(k_curve "$work/out/after.quad") |
  awk -v x="$active_input" -v y="$active_value" '
    { before[NR - 1] = $1; after[NR - 1] = $2 }
    END {
      if (NR != 256) { print "the K curve has " NR " values"; exit 1 }
      if (after[0] != before[0]) { print "input 0 went from " before[0] " to " after[0]; exit 1 }
      for (i = 0; i < 256; i++) {
        d = after[i] - before[i]; if (d < 0) d = -d
        far = i < x - 36 || i > x + 36
        if (far && d > 200) { print "input " i " far from the drag went from " before[i] " to " after[i]; exit 1 }
        if (!far && d > most) most = d
      }
      if (most < 1000) { print "the drag changed the curve by " most " at most"; exit 1 }
      d = after[x] - y; if (d < 0) d = -d
      if (d > 656) { print "the file has " after[x] " at input " x ", the editor showed " y; exit 1 }
      print "ok: the written K curve differs only around input " x " (by up to " most "), through the point shown"
    }' || fail "the edited K curve is not what the editor showed"

# --- Save clicked twice with .acv chosen ------------------------------------
# The second click arrives while the window is busy with the first: one
# panel, which keeps the keys (one that lost them stays up after Escape).
export_kind() { # Down or Up: the next or the previous kind of the export pop-up
  local at
  at=$(mark)
  click_on exportFileOptionsPopupButton
  await '^open exportFileOptionsPopupButton' "$at" >/dev/null
  xdotool key "$1" Return
}
save_panels() { xdotool search --onlyvisible --name '^Save As$' | wc -l; }
no_save_panel() { (($(save_panels) == 0)); }
export_kind Down
at=$(mark)
xdotool mousemove $(centre saveButtonPressed) click 1 click 1
await '^dialog Save' "$at" >/dev/null
(($(save_panels) == 1)) || fail "two clicks on Save opened $(save_panels) panels"
shot acv-save-clicked-twice
xdotool key Escape
wait_for "$deadline_seconds" no_save_panel || fail "Escape did not reach the panel: it had lost the keys"
echo "ok: Save clicked twice opens one panel, which keeps the keyboard"
export_kind Up

# --- a save name with a double quote ----------------------------------------
mkdir -p "$work/out/sub"
at=$(mark)
click_on saveButtonPressed
await '^dialog Save' "$at" >/dev/null
xdotool type --delay 15 "$work/out/sub/say \"hi\" there.quad"
at=$(mark)
xdotool key Return
await '^alert The name .* cannot be used' "$at" >/dev/null
shot quoted-name-refused
close_alert
# Without a window manager nothing gives the dialog the keyboard back.
at=$(mark)
xdotool search --onlyvisible --name '^Save As$' windowfocus
await '^dialog Save' "$at" >/dev/null
xdotool key ctrl+a
at=$(mark)
xdotool type --delay 15 "$work/out/sub/plain.quad"
xdotool key Return
await '^dialog closed' "$at" >/dev/null
wait_for "$deadline_seconds" test -s "$work/out/sub/plain.quad" || fail "the plain name was not saved"
astray=$(find "$work" -name '*.quad' ! -path "$work/out/before.quad" ! -path "$work/out/after.quad" \
  ! -path "$work/out/sub/plain.quad")
[[ -z "$astray" ]] || fail "a save went astray: $astray"
echo "ok: the quoted name is refused, the plain one saved where typed"

alive
# --- the Window menu, Manual Target Curve twice, Ctrl+Q in a dialog --------
has_keys() { [[ $(grep '^active ' "$out" | tail -n 1) == "active $1" ]]; }
focus_window() { # title: without a window manager a click moves no keyboard
  xdotool search --onlyvisible --name "^$1\$" windowfocus
  wait_for "$deadline_seconds" has_keys "$1" || fail "'$1' did not get the keys"
}
one_window() { (($(xdotool search --onlyvisible --name "^$1\$" | wc -l) == 1)) || fail "not one '$1' window"; }
for item in "2 Linearization Ink Ramps" "2 Linearization Ink Ramps"; do
  read -r down title <<<"$item"
  focus_window Tintsmith
  at=$(mark)
  xdotool key alt+w
  await '^menu Window' "$at" >/dev/null
  [[ $down == 2 ]] && shot window-menu
  xdotool key $(printf 'Down %.0s' $(seq "$down")) Return
  wait_for "$deadline_seconds" has_keys "$title" || fail "Window > $title showed no window"
  one_window "$title"
  sleep 0.3 # only for the picture: the window has drawn
  import -window "$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)" "$work/window-${title// /-}.png"
done
echo "ok: the Window menu shows each of its windows, one each"
for press in 1 2; do
  focus_window Tintsmith
  click_on ShowManualCurve
  wait_for "$deadline_seconds" has_keys 'Manual Target Curve' || fail "press $press did not bring the dialog forward"
done
one_window 'Manual Target Curve'
shot manual-target-twice
echo "ok: Manual Target Curve pressed twice shows one dialog, brought to the front"
xdotool key ctrl+q
ended() { ! kill -0 "$driver_pid" 2>/dev/null; }
wait_for "$deadline_seconds" ended || fail "Ctrl+Q in the Manual Target Curve dialog did not end the application"
wait "$driver_pid" || fail "the application ended with status $? after Ctrl+Q"
echo "ok: Ctrl+Q in the Manual Target Curve dialog ends the application"
echo "user roads under X: all checks passed"
