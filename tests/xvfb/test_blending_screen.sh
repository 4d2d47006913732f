#!/usr/bin/env bash
# The blending screen in the real main window on a private Xvfb display,
# driven by real X input the way a user goes:
#   - picks a printer model, an ink set, a media type and a toner from the
#     pop-ups (click, arrow keys, Return) and drags two tone sliders;
#   - opens a greyscale TIFF made by ImageMagick through the open dialog
#     (typing its path) and sees the toned preview, then drags a slider again
#     and sees the preview follow, then opens a second picture the same way
#     at once;
#   - saves the .quad through the save dialog and reads it back with the
#     product's .quad reader: after an ink set that moves the printer pop-up
#     the file is the shown printer's (eight channels for CCPro HDM K3, V and
#     MK for PSeries Pro10, whose black on matte paper is MK), and a printer
#     model whose file cannot hold the blend's MK gets an alert and no file;
#   - loads that .quad and a measured wedge on the linearization screen
#     through its open dialogs and sees it linearize the blend's channels.
# Screenshots go to the working directory's xvfb-blending folder; each path
# is printed as it is taken.
# Usage: test_blending_screen.sh <driver executable>
set -euo pipefail
driver=$1
work=$(pwd)/xvfb-blending
rm -rf "$work"
mkdir -p "$work"

out="$work/driver.out"
: >"$out"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
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
# The settings (Open Recent) of this run only.
export XDG_CONFIG_HOME="$work/config"

fail() { echo "FAIL: $*" >&2; echo "--- driver output" >&2; tail -n 40 "$out" >&2; exit 1; }

# Waits until the output has a line matching the pattern (ERE) after line
# $2 (default 0); prints the last such line.
await() {
  local pattern=$1 after=${2:-0} line
  for _ in $(seq 300); do
    line=$(tail -n +"$((after + 1))" "$out" | grep -E "$pattern" | tail -n 1 || true)
    [[ -n "$line" ]] && { echo "$line"; return 0; }
    sleep 0.05
  done
  fail "no line matching '$pattern'"
}
mark() { wc -l <"$out"; }
shot() {
  ffmpeg -loglevel error -f x11grab -video_size 1280x1024 -i "$display" -frames:v 1 -y "$work/$1.png"
  echo "screenshot: $work/$1.png"
}
centre() { # name -> "x y" of the control's centre
  local x y w h
  read -r _ _ x y w h < <(grep "^ready $1 " "$out" | tail -n 1)
  echo "$((x + w / 2)) $((y + h / 2))"
}

# A pop-up: click it open, move down to the item, take it.
choose() { # pop-up name, number of items down from the current one
  local at keys=()
  at=$(mark)
  xdotool mousemove $(centre "$1") click 1
  sleep 0.4
  for _ in $(seq "$2"); do keys+=(Down); done
  xdotool key "${keys[@]}" Return
  await "^popup $1 " "$at" >/dev/null
  sleep 0.2
}

# A slider: press on its knob, drag by a number of pixels, release.
drag_slider() { # name, pixels
  local hx hy i steps=6
  read -r _ _ hx hy < <(grep "^handle $1 " "$out" | tail -n 1)
  xdotool mousemove "$hx" "$hy" mousedown 1
  sleep 0.1
  for i in $(seq $steps); do
    xdotool mousemove $((hx + $2 * i / steps)) "$hy"
    sleep 0.03
  done
  xdotool mouseup 1
  sleep 0.3
}

state_field() { await '^state ' | tr ' ' '\n' | sed -n "s/^$1=//p"; }

# The save button, the save dialog, a typed path; waits for the file.
save_quad() { # file, screenshot name (optional)
  local at
  at=$(mark)
  xdotool mousemove $(centre saveQuadButton) click 1
  await '^dialog ' "$at" >/dev/null
  sleep 0.3
  if [[ -n ${2:-} ]]; then shot "$2"; fi
  xdotool type --delay 15 "$1"
  xdotool key Return
  for _ in $(seq 100); do [[ -s "$1" ]] && break; sleep 0.05; done
  [[ -s "$1" ]] || fail "the save dialog wrote no $(basename "$1")"
}
# A file through an open dialog: the button, the dialog, a typed path and
# Return; the line the window prints once the file is taken goes to stdout.
open_through_dialog() { # button, dialog title, file, pattern of the line awaited, screenshot name (optional)
  local at
  at=$(mark)
  xdotool mousemove $(centre "$1") click 1
  await "^dialog $2" "$at" >/dev/null
  sleep 0.3
  if [[ -n ${5:-} ]]; then shot "$5" >&2; fi
  xdotool type --delay 15 "$3"
  xdotool key Return
  await "$4" "$at"
}
# The product's reader on a saved file: sets quad_header, quad_channels and
# quad_largest (the largest value of each channel, comma-separated).
read_quad() {
  local word _k0 _k128 _k255 _zeros
  read -r word quad_header quad_channels _k0 _k128 _k255 _zeros quad_largest < <("$driver" read-quad "$1" 2>/dev/null)
  [[ $word == quad ]] || fail "the product's reader did not take $(basename "$1")"
}

"$driver" window >>"$out" 2>"$work/driver.err" &
pids+=("$!")
await '^state ' >/dev/null
await '^ready inkPercentGraph ' >/dev/null
shot start

# --- printer, ink set, media, toner ----------------------------------------
choose printerModelSelectionMenu 3 # the ten-channel model with V and MK
[[ $(state_field printer) == 3 && $(state_field channels) == 11 ]] || fail "printer model not taken"
[[ $(state_field inkset) == PSeries_Pro10 ]] || fail "the printer did not bring its ink set"
choose inkSetPopupSelectionMenu 1 # from PSeries Pro10 down to CCPro HDM K3
[[ $(state_field inkset) == CCPro_HDM_K3 ]] || fail "ink set not taken"
[[ $(state_field printer) == 0 ]] || fail "this ink set moves the printer pop-up to the first model"
[[ $(state_field channels) == 8 ]] || fail "the save does not follow the printer pop-up to the first model"
save_quad "$work/ccpro.quad"
[[ $(head -n 1 "$work/ccpro.quad") == "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK" ]] ||
  fail "after CCPro HDM K3 the file is not the eight-channel printer's ($(head -n 1 "$work/ccpro.quad"))"
read_quad "$work/ccpro.quad"
[[ $quad_channels == 8 ]] || fail "the CCPro file has $quad_channels channels"
choose printerModelSelectionMenu 1 # the ten-channel K3 model again: OR and GR
[[ $(state_field channels) == 10 ]] || fail "ten-channel model not taken"
choose mediaTypePopupMenu 1 # Matte
[[ $(state_field media) == Matte ]] || fail "media not taken"
choose tonerSelectionPopupMenu 2 # from Neutral down to Warm
[[ $(state_field toner) == Warm ]] || fail "toner not taken"
# The warm matte preset of the first ink set: yellow shadow at 64.
await '^slider yellowShadowSlider 64$' >/dev/null

# --- sliders: the toner turns Custom, the summary follows -------------------
at=$(mark)
drag_slider cyanHighlightSlider 40
await '^popup tonerSelectionPopupMenu 0 Custom' "$at" >/dev/null
line=$(await '^slider cyanHighlightSlider ' "$at")
cyan=${line##* }
[[ $cyan -gt 20 ]] || fail "the cyan highlight slider did not follow the drag ($cyan)"
await "^notes Cyan Settings: $(printf '%d.%02d' $((cyan / 100)) $((cyan % 100)))," "$at" >/dev/null
drag_slider magentaMidtoneSlider 25
shot sliders

# --- a greyscale TIFF through the open dialog -------------------------------
convert -size 900x600 gradient:black-white -colorspace Gray -depth 8 "$work/wedge.tif"
[[ $(identify -format '%[colorspace] %z' "$work/wedge.tif") == "Gray 8" ]] || fail "ImageMagick made no 8-bit grey TIFF"
line=$(open_through_dialog loadImageButton 'Open an image file' "$work/wedge.tif" '^preview [0-9]+ 900 600 ' open-dialog)
read -r _ _ _ _ dark mid light <<<"$line"
IFS=, read -r dr dg db <<<"$dark"
IFS=, read -r mr mg mb <<<"$mid"
IFS=, read -r lr lg lb <<<"$light"
[[ $dr -lt $mr && $mr -lt $lr ]] || fail "the toned picture does not run dark to light ($line)"
# Warm with added cyan: the tone is not a neutral grey in the midtones.
[[ $mr -ne $mb || $mg -ne $mb ]] || fail "the preview is not toned ($line)"
sleep 0.3
shot toned-preview

at=$(mark)
drag_slider yellowShadowSlider -60
line2=$(await '^preview [0-9]+ 900 600 ' "$at")
[[ "${line2#* * }" != "${line#* * }" ]] || fail "the preview did not follow the slider ($line2)"
sleep 0.3
shot toned-preview-after-slider

# Another picture straight away: nothing the last dialog left (such as the
# completion list of its name field) takes the click.
convert -size 600x400 gradient:white-black -colorspace Gray -depth 8 "$work/second.tif"
open_through_dialog loadImageButton 'Open an image file' "$work/second.tif" '^preview [0-9]+ 600 400 ' >/dev/null
sleep 0.3
shot second-picture

# --- the .quad through the save dialog, read back ---------------------------
save_quad "$work/blend.quad" save-dialog
[[ $(head -n 1 "$work/blend.quad") == "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR" ]] || fail "wrong header"
[[ -n $(tail -c 1 "$work/blend.quad") ]] || fail "the file ends in a line feed"
grep -q "^# Cyan Settings: $(printf '%d.%02d' $((cyan / 100)) $((cyan % 100)))," "$work/blend.quad" ||
  fail "the blend summary is not in the notes"
read -r word header channels k0 k128 k255 zeros _ < <("$driver" read-quad "$work/blend.quad" 2>/dev/null)
[[ $word == quad && $channels == 10 ]] || fail "the product's reader did not take the file ($word $channels)"
[[ $zeros == 0 ]] || fail "the OR and GR channels are not empty ($zeros)"
awk -v a="$k0" -v b="$k255" 'BEGIN { exit !(a == 0 && b > 10000) }' || fail "the K channel is not a ramp ($k0 .. $k255)"

# --- PSeries Pro10 on matte paper: the black is MK ---------------------------
choose inkSetPopupSelectionMenu 2 # from UCK3 down to PSeries Pro10
[[ $(state_field inkset) == PSeries_Pro10 ]] || fail "the ten-channel ink set not taken"
[[ $(state_field printer) == 3 && $(state_field channels) == 11 ]] ||
  fail "the ten-channel ink set did not bring its printer model to the save"
[[ $(state_field media) == Matte ]] || fail "the media changed"
save_quad "$work/pro10.quad"
[[ $(head -n 1 "$work/pro10.quad") == "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK" ]] ||
  fail "after PSeries Pro10 the file is not the V and MK printer's ($(head -n 1 "$work/pro10.quad"))"
read_quad "$work/pro10.quad"
IFS=, read -r -a largest <<<"$quad_largest"
[[ $quad_channels == 10 && ${#largest[@]} == 10 ]] || fail "the Pro10 file has $quad_channels channels"
[[ ${largest[9]} -gt 10000 ]] || fail "MK carries no black on matte paper (largest ${largest[9]})"
[[ ${largest[0]} == 0 ]] || fail "K prints on matte paper with the ten-channel ink set (largest ${largest[0]})"
grep -q '^# MK Curve$' "$work/pro10.quad" || fail "no MK channel line"

# The other 10-channel printer keeps the ink set, but its file would write MK
# as GR: an alert, and no file.
choose printerModelSelectionMenu 2 # from the P-series Pro model down to the other 10-channel one
[[ $(state_field printer) == 5 && $(state_field channels) == 10 ]] || fail "other 10-channel printer not taken"
at=$(mark)
xdotool mousemove $(centre saveQuadButton) click 1
await '^alert The blend cannot be saved for this printer model' "$at" >/dev/null
sleep 0.3
shot refused-save-alert
if grep -q '^dialog ' <(tail -n +"$((at + 1))" "$out"); then fail "a save dialog opened for a file that cannot hold MK"; fi
xdotool key Return
sleep 0.3

# --- the saved .quad on the linearization screen ----------------------------
# A 21-step wedge whose midtones print too dark, as a photographer's Lab list.
{
  printf 'GRAY\tLAB_L\tLAB_A\tLAB_B\n'
  for step in $(seq 0 20); do
    awk -v s="$step" 'BEGIN { g = s * 5; printf "%.1f\t%.3f\t0.10\t-1.00\n", g, 95 - 80 * (g / 100) ^ 0.75 }'
  done
} >"$work/wedge.txt"
at=$(mark)
xdotool mousemove $(centre linearizationTab) click 1
await '^ready loadQuadFilePressed ' "$at" >/dev/null
sleep 0.3
open_through_dialog loadQuadFilePressed 'Choose a quad file' "$work/blend.quad" \
  '^linearization quad=blend.quad channels=10 ' >/dev/null
open_through_dialog loadMeasurmentData 'Choose a measurement file' "$work/wedge.txt" \
  '^linearization quad=blend.quad channels=10 measured=wedge.txt linearized=10$' >/dev/null
sleep 0.5
shot linearization-screen

echo "blending screen under X: all checks passed"
