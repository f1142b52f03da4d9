# The text tool in the real window: typed letters and Enter leave the text on
# the canvas in the pen colour, with its top-left corner at the tool centre
# (the canvas centre, screen pixel 512, 384); the box lies over the printed
# text without hiding it. Sourced by run_e2e.sh.

# Pixels of colour R G B in the W x H rectangle at X, Y of the current
# screenshot.
text_tool_count() {
  local x=$1 y=$2 w=$3 h=$4 hex
  hex=$(printf '#%02X%02X%02X' "$5" "$6" "$7")
  convert "$LAST_SHOT" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:- | grep -c "$hex" || true
}

# Right of the cross (whose arms reach 34 px from the centre at most) and in
# the first line of text.
TEXT_TOOL_AREA=(548 384 80 28)
text_tool_yellow() { text_tool_count "${TEXT_TOOL_AREA[@]}" 255 255 0; }
text_tool_printed() {
  local n
  n=$(text_tool_yellow)
  ((n >= 40)) || { LAST_MISMATCH="only $n yellow pixels right of the tool centre"; return 1; }
}
text_tool_clear() {
  local n
  n=$(text_tool_yellow)
  ((n == 0)) || { LAST_MISMATCH="$n yellow pixels right of the tool centre"; return 1; }
}

# The splash has gone and the canvas is empty there.
eventually 10 "canvas shown, nothing right of the tool centre" text_tool_clear
expect_pixel 300 100 0 0 0
# A click on an empty part of the canvas gives the window and the canvas the
# keyboard focus, wherever earlier checks left it.
click 300 600

# F2 four times on the canvas chooses the "Text Tool"; its box takes the keys.
key F2 F2 F2 F2
type_text "WWWW"
key Return
eventually 2 "typed text printed at the tool centre in the pen colour" text_tool_printed
printed=$(text_tool_yellow)

# The first Up reaches the canvas and moves the tool (and the box) one step
# up; three more in the box bring the box back onto the printed text, whose
# pixels still show through it.
key Up Up Up Up
shot box_over_text
n=$(text_tool_yellow)
((n == printed)) || fail "the box over the text changed it: $n yellow pixels, $printed before"
echo "ok: the text shows through the box lying over it"

# Back to neutral: the box and the cross stand at the canvas centre again; a
# click on the "Line Tool" icon chooses it and gives the canvas the focus,
# Delete clears the canvas, and the mouse back over the canvas hides the
# tool-name panel.
click 50 50
key Delete
xdotool mousemove --sync 300 600
sleep 0.2
text_tool_neutral() {
  text_tool_clear &&
    pixel_is 512 384 255 255 0 40 &&  # the yellow cross at the centre
    pixel_is 502 374 255 255 0 40
}
eventually 3 "canvas cleared and the line tool back after the text tool" text_tool_neutral
program_alive
