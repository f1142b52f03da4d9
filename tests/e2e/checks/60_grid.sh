# The grid: Alt+G on the canvas shows dotted dark-blue lines every 300 twips
# (20 px) through the canvas centre, the two centre lines light yellow;
# Alt+G again hides them. Sourced by run_e2e.sh (helpers defined there).
#
# On 1024x768 the canvas starts at x = 96 and its centre, the grid's home
# point, is at (512, 384). Qt's dotted pen colours every third pixel, so a
# stretch of 60 px along a line holds about 20 dots.

# Number of pixels of colour HEX (#RRGGBB) in the W x H rectangle at X,Y of
# the current screenshot.
gr_count() {
  local x=$1 y=$2 w=$3 h=$4 hex=$5
  convert "$LAST_SHOT" -crop "${w}x${h}+${x}+${y}" +repage txt:- | grep -ci -- "$hex" || true
}

gr_blue='#000064'    # RGB(0, 0, 100)
gr_yellow='#FFFF65'  # RGB(255, 255, 101)

# Dots along the vertical line 5 steps right of the centre, the horizontal
# line 10 steps above it, and the two centre lines (away from the cross);
# nothing between two lines.
gr_grid_shown() {
  local n
  n=$(gr_count 612 100 1 60 "$gr_blue");   ((n >= 15)) || { LAST_MISMATCH="x=612: $n blue dots"; return 1; }
  n=$(gr_count 200 184 60 1 "$gr_blue");   ((n >= 15)) || { LAST_MISMATCH="y=184: $n blue dots"; return 1; }
  n=$(gr_count 292 500 1 60 "$gr_blue");   ((n >= 15)) || { LAST_MISMATCH="x=292: $n blue dots"; return 1; }
  n=$(gr_count 512 100 1 60 "$gr_yellow"); ((n >= 15)) || { LAST_MISMATCH="x=512: $n yellow dots"; return 1; }
  n=$(gr_count 150 384 60 1 "$gr_yellow"); ((n >= 15)) || { LAST_MISMATCH="y=384: $n yellow dots"; return 1; }
  n=$(gr_count 622 100 1 60 "$gr_blue");   ((n == 0)) || { LAST_MISMATCH="x=622: $n blue pixels between lines"; return 1; }
  return 0
}

gr_grid_hidden() {
  local n
  n=$(gr_count 96 0 832 768 "$gr_blue")
  ((n == 0)) || { LAST_MISMATCH="$n blue grid pixels left"; return 1; }
  n=$(gr_count 96 0 832 768 "$gr_yellow")
  ((n == 0)) || { LAST_MISMATCH="$n yellow grid pixels left"; return 1; }
  return 0
}

shot grid-before
gr_grid_hidden || fail "grid colours on the canvas before Alt+G: $LAST_MISMATCH"

# A click on the colour box (the yellow cell, the pen already) and then on
# the tool box background below the icons: the keys are the tool's again.
click 997 $((17 + 10 * 52 + 26)) 1
click 48 720 1
key alt+g
eventually 3 "Alt+G shows the grid" gr_grid_shown
program_alive

key alt+g
eventually 3 "Alt+G again hides the grid" gr_grid_hidden
program_alive

# The mouse back over the canvas, as the other checks leave it.
xdotool mousemove --sync 300 600
sleep 0.2
