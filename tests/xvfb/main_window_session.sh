# Sourced by the real-window tests of the main window: starts the window
# driver (blending_screen_driver) on a private Xvfb display and gives the
# steps a user takes, each waiting for what the window reports.
# Needs: work (a fresh folder), driver (the driver executable).
out="$work/driver.out"
: >"$out"
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"
# The settings (Open Recent) of this run only.
export XDG_CONFIG_HOME="$work/config"

fail() { echo "FAIL: $*" >&2; echo "--- driver output" >&2; tail -n 40 "$out" >&2; exit 1; }

# Waits until the output has a line matching the pattern (ERE) after line
# $2 (default 0); prints the last such line.
await() { await_output "$out" "$1" "${2:-0}" || fail "no line matching '$1'"; }
mark() { wc -l <"$out"; }
shot() { shot_into "$work" "$1"; }
centre() { # name -> "x y" of the control's centre
  local x y w h
  read -r _ _ x y w h < <(grep "^ready $1 " "$out" | tail -n 1)
  echo "$((x + w / 2)) $((y + h / 2))"
}

# A pop-up: click it open, move down to the item, take it.
choose() { # pop-up name, number of items down (up when negative) from the current one
  local at keys=() key=Down count=$2
  at=$(mark)
  xdotool mousemove $(centre "$1") click 1
  await "^open $1$" "$at" >/dev/null
  if ((count < 0)); then key=Up count=$((-count)); fi
  for _ in $(seq "$count"); do keys+=("$key"); done
  xdotool key "${keys[@]}" Return
  await "^popup $1 " "$at" >/dev/null
  await "^state " "$(grep -n "^popup $1 " "$out" | tail -n 1 | cut -d: -f1)" >/dev/null
}

state_field() { await '^state ' | tr ' ' '\n' | sed -n "s/^$1=//p"; }

# The product's reader on a saved file: sets quad_header, quad_channels and
# quad_largest (the largest value of each channel, comma-separated).
read_quad() {
  local word _k0 _k128 _k255 _zeros
  read -r word quad_header quad_channels _k0 _k128 _k255 _zeros quad_largest < <("$driver" read-quad "$1" 2>/dev/null)
  [[ $word == quad ]] || fail "the product's reader did not take $(basename "$1")"
}


# Starts the window; returns once it has placed its controls.
start_main_window() {
  start_xvfb 1280x1024 "$work"
  "$driver" window >>"$out" 2>"$work/driver.err" &
  driver_pid=$!
  xvfb_pids+=("$driver_pid")
  await '^state ' >/dev/null
  await '^ready inkPercentGraph ' >/dev/null
}

click_on() { xdotool mousemove $(centre "$1") click 1; }

# Clicks a button that opens a file dialog, types the path and confirms it.
through_dialog() { # button, dialog title (ERE), path
  local at
  at=$(mark)
  click_on "$1"
  await "^dialog $2" "$at" >/dev/null
  xdotool type --delay 15 "$3"
  xdotool key Return
  await '^dialog closed' "$at" >/dev/null
}

# Shows the linearization screen.
show_linearization() {
  local at
  at=$(mark)
  click_on linearizationTab
  await '^ready saveButtonPressed ' "$at" >/dev/null
}
