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
#     MK for PSeries Pro10, whose black on matte paper is MK), and the other
#     10-channel printer model, which shows PSeries K3, writes its black in K;
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

source "$(dirname "$0")/main_window_session.sh"
start_main_window
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

# The save button, the save dialog, a typed path; waits for the file.
save_quad() { # file, screenshot name (optional)
  local at
  at=$(mark)
  xdotool mousemove $(centre saveQuadButton) click 1
  await '^dialog ' "$at" >/dev/null
  if [[ -n ${2:-} ]]; then shot "$2"; fi
  xdotool type --delay 15 "$1"
  xdotool key Return
  wait_for "$deadline_seconds" test -s "$1" || fail "the save dialog wrote no $(basename "$1")"
}
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
at=$(mark)
xdotool mousemove $(centre loadImageButton) click 1
await '^dialog Open an image file' "$at" >/dev/null
shot open-dialog
xdotool type --delay 15 "$work/wedge.tif"
xdotool key Return
line=$(await '^preview [0-9]+ 900 600 ' "$at")
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
at=$(mark)
xdotool mousemove $(centre loadImageButton) click 1
await '^dialog Open an image file' "$at" >/dev/null
xdotool type --delay 15 "$work/second.tif"
xdotool key Return
await '^preview [0-9]+ 600 400 ' "$at" >/dev/null
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

# The other 10-channel printer shows PSeries K3 in the ink-set pop-up and
# blends with it: its ten-channel file holds the blend's black in K.
choose printerModelSelectionMenu 2 # from the P-series Pro model down to the other 10-channel one
[[ $(state_field printer) == 5 && $(state_field channels) == 10 ]] || fail "other 10-channel printer not taken"
[[ $(state_field inkset) == PSeries_K3 ]] || fail "the other 10-channel printer shows $(state_field inkset)"
save_quad "$work/other10.quad" other10-save-dialog
[[ $(head -n 1 "$work/other10.quad") == "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR" ]] ||
  fail "the other 10-channel printer's file has the header $(head -n 1 "$work/other10.quad")"
read_quad "$work/other10.quad"
IFS=, read -r -a largest <<<"$quad_largest"
[[ ${largest[0]} -gt 10000 ]] || fail "the PSeries K3 blend carries no black in K (largest ${largest[0]})"

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
at=$(mark)
xdotool mousemove $(centre loadQuadFilePressed) click 1
await '^dialog Choose a quad file' "$at" >/dev/null
xdotool type --delay 15 "$work/blend.quad"
xdotool key Return
await '^linearization quad=blend.quad channels=10 ' "$at" >/dev/null
at=$(mark)
xdotool mousemove $(centre loadMeasurmentData) click 1
await '^dialog Choose a measurement file' "$at" >/dev/null
xdotool type --delay 15 "$work/wedge.txt"
xdotool key Return
await '^linearization quad=blend.quad channels=10 measured=wedge.txt linearized=10$' "$at" >/dev/null
sleep 0.5
shot linearization-screen

echo "blending screen under X: all checks passed"
