#!/usr/bin/env bash
# End-to-end test: starts the real program in its own Xvfb server, drives it
# with xdotool and checks the pixels it puts on the screen.
#
# Usage: run_e2e.sh PATH/TO/lumadraw
#   LUMADRAW_E2E_DISPLAY=N   run the X server on display :N (default: the
#                            first free one from :90)
# Exit codes: 0 all checks passed, 1 a check failed, 77 a needed tool is missing.
#
# Checks are plain bash at the end of this file. Helpers:
#   shot [NAME]                  screenshot of the whole screen (becomes current)
#   pixel X Y                    "R,G,B" of the current screenshot
#   pixel_is X Y R G B [TOL]     status 0 when the pixel matches (+-TOL per channel)
#   expect_pixel X Y R G B [TOL] fails the test unless the pixel matches
#   within SECS DESC CMD...      takes screenshots until CMD succeeds (status)
#   eventually SECS DESC CMD...  the same, and fails the test if it never does
#   key KEY...                   xdotool key names sent to the program's window
#   type_text TEXT               types text into the program's window
#   click X Y [BUTTON]           mouse click at screen position (1 left, 3 right)
#   start_program                starts the program again (ends the running one)
#   fail MESSAGE                 stops the test with a message
set -euo pipefail

PROGRAM=${1:?usage: run_e2e.sh PATH/TO/lumadraw}
PROGRAM=$(cd "$(dirname "$PROGRAM")" && pwd)/$(basename "$PROGRAM")
SCREEN_W=1024
SCREEN_H=768

for tool in Xvfb xdotool import convert openbox xwininfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool missing"
    exit 77
  fi
done
[[ -x "$PROGRAM" ]] || { echo "FAIL: $PROGRAM is not an executable"; exit 1; }

# The program must talk to the X server, never to the offscreen platform.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

WORK=$(mktemp -d "${TMPDIR:-/tmp}/lumadraw-e2e.XXXXXX")
SHOTS="$WORK/shots"
KEEP="$(dirname "$PROGRAM")/e2e-shots"
mkdir -p "$SHOTS" "$WORK/backgrounds/Samples" "$WORK/runtime"
# A gallery of three solid pictures, listed in this order: red, green, blue.
convert -size 64x48 xc:'rgb(255,0,0)' "$WORK/backgrounds/Samples/a_red.jpg"
convert -size 64x48 xc:'rgb(0,255,0)' "$WORK/backgrounds/Samples/b_green.jpg"
convert -size 64x48 xc:'rgb(0,0,255)' "$WORK/backgrounds/Samples/c_blue.jpg"
# Then the unit tests' metafile (red on its left half, blue on its right),
# its bytes taken from the hex in their source, and an 8000x6000 picture,
# yellow on its left half and magenta on its right.
wmf_hex=$(sed -n 's/^[^"]*"\([0-9a-f ]*\)".*/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../support/test_metafile.h" | tr -d ' \n')
# shellcheck disable=SC2059
printf "$(sed 's/../\\x&/g' <<<"$wmf_hex")" >"$WORK/backgrounds/Samples/d_halves.wmf"
convert -size 4000x6000 xc:'rgb(255,255,0)' -size 4000x6000 xc:'rgb(255,0,255)' +append \
  -quality 90 "$WORK/backgrounds/Samples/e_large.jpg"
chmod 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime"
XVFB_PID=""
WM_PID=""
PROGRAM_PID=""
WIN=""
SHOT_COUNT=0
LAST_SHOT=""
LAST_MISMATCH=""
STATUS=1

finish() {
  local rc=$?
  ((STATUS == 0)) && rc=0
  stop_program
  if [[ -n "$WM_PID" ]]; then
    kill "$WM_PID" 2>/dev/null || true
    wait "$WM_PID" 2>/dev/null || true
  fi
  if [[ -n "$XVFB_PID" ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  if ((rc != 0)); then
    if [[ -s "$WORK/program.log" ]]; then
      echo "--- program output (last 40 lines) ---"
      tail -n 40 "$WORK/program.log"
    fi
    rm -rf "$KEEP"
    mkdir -p "$KEEP"
    cp "$SHOTS"/*.png "$KEEP"/ 2>/dev/null || true
    cp "$WORK/program.log" "$KEEP"/ 2>/dev/null || true
    echo "Screenshots kept:"
    ls -1 "$KEEP"/*.png 2>/dev/null || echo "  (none taken)"
  fi
  rm -rf "$WORK"
  exit "$rc"
}
trap finish EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAIL: $*"
  exit 1
}

# --- X server -----------------------------------------------------------------
# Its own Xvfb, never the caller's $DISPLAY: on the first free display from
# :90 to :199 (one whose socket or lock file exists is taken), or on display
# LUMADRAW_E2E_DISPLAY alone when that is set to a number.
start_xvfb() {
  local n first=90 last=199
  if [[ -n "${LUMADRAW_E2E_DISPLAY:-}" ]]; then
    [[ "$LUMADRAW_E2E_DISPLAY" =~ ^[0-9]+$ ]] ||
      fail "LUMADRAW_E2E_DISPLAY is '$LUMADRAW_E2E_DISPLAY', not a display number"
    first=$LUMADRAW_E2E_DISPLAY last=$LUMADRAW_E2E_DISPLAY
  fi
  for ((n = first; n <= last; n++)); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp \
      >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local i
    for ((i = 0; i < 100; i++)); do
      if [[ -e /tmp/.X11-unix/X$n ]] && DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  done
  fail "could not start Xvfb on a free display from :$first to :$last (see $WORK/xvfb.log)"
}

# --- Screenshots and pixels -----------------------------------------------------
shot() {
  SHOT_COUNT=$((SHOT_COUNT + 1))
  LAST_SHOT=$(printf '%s/%03d-%s.png' "$SHOTS" "$SHOT_COUNT" "${1:-shot}")
  import -silent -window root "$LAST_SHOT"
}

# Prints "R,G,B" (0..255) of pixel X,Y of the current screenshot.
pixel() {
  [[ -n "$LAST_SHOT" ]] || fail "pixel $1 $2: no screenshot taken yet"
  convert "$LAST_SHOT" -format \
    "%[fx:int(255*p{$1,$2}.r+0.5)],%[fx:int(255*p{$1,$2}.g+0.5)],%[fx:int(255*p{$1,$2}.b+0.5)]" info:
}

pixel_is() {
  local x=$1 y=$2 r=$3 g=$4 b=$5 tol=${6:-0} got
  got=$(pixel "$x" "$y")
  local gr gg gb
  IFS=, read -r gr gg gb <<<"$got"
  if ((gr < r - tol || gr > r + tol || gg < g - tol || gg > g + tol || gb < b - tol || gb > b + tol)); then
    LAST_MISMATCH="pixel ($x,$y) is ($got), expected ($r,$g,$b) +-$tol in $(basename "$LAST_SHOT")"
    return 1
  fi
  return 0
}

expect_pixel() {
  pixel_is "$@" || fail "$LAST_MISMATCH"
}

# within SECONDS DESCRIPTION COMMAND...: repeats screenshot + COMMAND until
# COMMAND succeeds (status 0) or SECONDS have passed (status 1); at least
# one try is made.
within() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + ${seconds%.*} + 1)) end_ns
  end_ns=$(($(date +%s%N) + $(awk -v s="$seconds" 'BEGIN { printf "%d", s * 1e9 }')))
  while :; do
    shot "$(tr -c 'A-Za-z0-9' '_' <<<"$what" | cut -c1-40)"
    "$@" && return 0
    (($(date +%s%N) >= end_ns || SECONDS > deadline)) && return 1
    sleep 0.05
  done
}

# eventually SECONDS DESCRIPTION COMMAND...: within, or the test fails.
eventually() {
  within "$@" || fail "$2: ${LAST_MISMATCH:-condition not met}"
  echo "ok: $2"
}

# --- Input ---------------------------------------------------------------------
key() {
  xdotool key --window "$WIN" --delay 40 "$@"
  sleep 0.2
}

type_text() {
  xdotool type --window "$WIN" --delay 40 "$1"
  sleep 0.2
}

click() {
  xdotool mousemove --sync "$1" "$2" click "${3:-1}"
  sleep 0.2
}

program_alive() {
  kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program exited early"
}

# --- Program -------------------------------------------------------------------
# Starts the program (ending one that runs) and waits for its visible window.
start_program() {
  stop_program
  (cd "$WORK" && exec env LUMADRAW_SCREEN="${SCREEN_W}x${SCREEN_H}" \
    LUMADRAW_BACKGROUNDS="$WORK/backgrounds" "$PROGRAM") >>"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
  WIN=$(timeout 20 xdotool search --sync --onlyvisible --name 'Lumadraw|VRK' 2>/dev/null | head -n 1) || true
  [[ -n "$WIN" ]] || { program_alive; fail "no visible Lumadraw window within 20 s"; }
  echo "window $WIN is visible"
}

stop_program() {
  if [[ -n "$PROGRAM_PID" ]] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
  fi
  PROGRAM_PID=""
}

# --- Start ---------------------------------------------------------------------
start_xvfb
echo "Xvfb on $DISPLAY"
start_program
# No window manager runs in Xvfb (until the window frame checks start one):
# give the window the keyboard focus directly.
xdotool windowfocus "$WIN" 2>/dev/null || true

# --- Checks --------------------------------------------------------------------
# While the splash shows, its light green panel fills the screen around the
# centred splash picture.
splash_panel_visible() {
  pixel_is 20 20 192 255 192 &&
    pixel_is 1000 20 192 255 192 &&
    pixel_is 20 740 192 255 192 &&
    pixel_is 1000 740 192 255 192 &&
    pixel_is 512 40 192 255 192 &&
    pixel_is 100 384 192 255 192
}
eventually 1 "splash panel covers the screen" splash_panel_visible
program_alive
# The splash closes by itself (the start-up checks wait for that).
splash_gone() { ! pixel_is 512 40 192 255 192; }

# Further checks, one file per area of the program, run in name order.
for check in "$(dirname "${BASH_SOURCE[0]}")"/checks/*.sh; do
  [[ -e "$check" ]] || continue
  echo "== ${check##*/}"
  # shellcheck source=/dev/null
  source "$check"
done

# No picture helper outlives its program: neither the first program's
# (75_gallery_pictures.sh noted it; a later check restarted the program)
# nor the running one's once it ends.
process_runs() {
  local state
  state=$(sed -n 's/^.*) \(.\).*$/\1/p' "/proc/$1/stat" 2>/dev/null) || return 1
  [[ -n "$state" && "$state" != Z ]]
}
helpers="${GP_HELPER:-} $(pgrep -P "$PROGRAM_PID" 2>/dev/null || true)"
stop_program
for helper in $helpers; do
  for ((i = 0; i < 40; i++)); do
    process_runs "$helper" || break
    sleep 0.05
  done
  process_runs "$helper" && fail "the picture helper $helper outlived its program"
done
echo "ok: no picture helper outlives its program"

STATUS=0
echo "e2e: all checks passed"
