# Sourced by the real-window tests: a private Xvfb display, screenshots of it,
# and waiting for what a program shows or prints. Nothing waits a fixed time
# for a program to have done something: a busy machine delivers input and
# draws late, so every wait is for the thing itself, with a deadline far
# beyond what an idle machine needs.
#
# After `start_xvfb WxH FOLDER`, DISPLAY and QT_QPA_PLATFORM are set for the
# programs the test starts; every process added to xvfb_pids ends with the
# script.

xvfb_pids=()
xvfb_cleanup() {
  for pid in "${xvfb_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${xvfb_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap xvfb_cleanup EXIT

# The seconds any wait gives a program before the test fails.
deadline_seconds=${XVFB_DEADLINE_SECONDS:-90}

# wait_for SECONDS COMMAND...: runs the command every 50 ms until it
# succeeds; fails once the seconds have passed.
wait_for() {
  local until=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < until)) || return 1
    sleep 0.05
  done
}

# start_xvfb WIDTHxHEIGHT FOLDER: Xvfb picks a free display itself and writes
# its number to descriptor 3, so that runs side by side never race for one.
# On a busy machine a server now and then reports a display it then does not
# serve; a fresh one is started in its place, twice at most.
start_xvfb() {
  local size=$1 folder=$2 attempt server display
  screen_size=$size
  for attempt in 1 2 3; do
    : >"$folder/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$folder/display" >>"$folder/xvfb.log" 2>&1 &
    server=$!
    xvfb_pids+=("$server")
    if wait_for 30 test -s "$folder/display"; then
      display=":$(head -n 1 "$folder/display")"
      if DISPLAY=$display wait_for 30 xdotool getmouselocation; then
        export DISPLAY=$display
        export QT_QPA_PLATFORM=xcb
        return 0
      fi
      echo "retrying: Xvfb on $display took no connections (attempt $attempt)"
    else
      echo "retrying: Xvfb named no display (attempt $attempt)"
    fi
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  done
  cat "$folder/xvfb.log" >&2
  echo "FAIL: Xvfb did not start" >&2
  exit 1
}

# shot FOLDER NAME: the whole screen as FOLDER/NAME.png; prints the path.
shot_into() {
  ffmpeg -loglevel error -f x11grab -video_size "$screen_size" -i "$DISPLAY" -frames:v 1 -y "$1/$2.png"
  echo "screenshot: $1/$2.png"
}

# await_output FILE PATTERN [AFTER]: waits until FILE has a line matching the
# pattern (ERE) after line AFTER (default 0); prints the last such line.
# Answers 1 when the deadline passes.
await_output() {
  local file=$1 pattern=$2 after=${3:-0} line until=$((SECONDS + deadline_seconds))
  while true; do
    line=$(tail -n +"$((after + 1))" "$file" | grep -E "$pattern" | tail -n 1 || true)
    [[ -n "$line" ]] && { echo "$line"; return 0; }
    ((SECONDS < until)) || return 1
    sleep 0.05
  done
}
