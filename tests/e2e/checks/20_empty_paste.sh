# Pastes with nothing to paste: Ctrl+V, Shift+Insert and a middle click in
# the Script Manager's editor and in the help text, while no X client owns
# the clipboard or the selection, leave both texts as they were; the
# program runs on with its drawing and its record. Sourced by run_e2e.sh
# (helpers defined there).
#
# Runs right after the start-up checks: only the program could own the
# clipboard or the selection in this X server (no window manager runs yet),
# and nothing has given it text to copy or select so far.

# Status 0 when the W x H rectangle at X, Y of the current screenshot is
# pixel for pixel as in the screenshot BEFORE.
paste_unchanged() {
  local before=$1 w=$2 h=$3 x=$4 y=$5 n
  n=$(compare -metric AE "$before[${w}x${h}+${x}+${y}]" "$LAST_SHOT[${w}x${h}+${x}+${y}]" null: 2>&1) || true
  [[ "$n" == 0 ]] || { LAST_MISMATCH="$n pixels of ${w}x$h+$x+$y differ from $(basename "$before")"; return 1; }
}

# The drawing: one line stamped at the canvas centre (512, 384), running
# from the upper left to the lower right, with the cross moved away above
# it. Every panel of this check lies over it, so it is drawn again on each
# close.
PASTE_DRAWING=(60 60 482 354)
paste_stamp_shown() {
  local k
  for k in -15 0 15; do
    pixel_is $((512 + k)) $((384 + k)) 255 255 0 40 || pixel_is $((513 + k)) $((384 + k)) 255 255 0 40 || return 1
  done
}
click 300 600
key Return
key Up Up Up Up Up Up Up Up Up Up
eventually 2 "a line stamped at the canvas centre" paste_stamp_shown
paste_drawing=$LAST_SHOT

# Each paste goes to the text at (X, Y) after a click there gives it the
# focus; then a click on the canvas below takes the focus (and the text
# cursor) away again, and the text must look as before.
paste_all_ways() {
  local what=$1 before=$2 x=$3 y=$4
  shift 4
  local paste
  for paste in "key ctrl+v" "key shift+Insert" "click $x $y 2"; do
    click "$x" "$y"
    $paste || { program_alive; fail "$paste did not reach the program"; }
    program_alive
    click 300 700
    eventually 2 "$what unchanged by $paste from an empty clipboard" paste_unchanged "$before" "$@"
  done
}

# The Script Manager (Alt+V) shows the record in its editor; Cancel closes
# it. Shown again after the pastes, it shows the same record.
PASTE_EDITOR=(390 370 198 130)
key alt+v
eventually 3 "the Script Manager shows the record" pixel_is 400 300 255 255 255
paste_record=$LAST_SHOT
paste_all_ways "the Script Manager's editor" "$paste_record" 400 300 "${PASTE_EDITOR[@]}"
click 723 305
eventually 3 "the drawing after the Script Manager closes" paste_unchanged "$paste_drawing" "${PASTE_DRAWING[@]}"
key alt+v
eventually 3 "the record unchanged by the pastes" paste_unchanged "$paste_record" "${PASTE_EDITOR[@]}"
click 723 305

# The help text: "Hints" on the option panel (a right click on the canvas)
# shows it; its X closes it. A timer hides the option panel every 5 s,
# which can come between the right click and the click on "Hints".
PASTE_HELP=(560 400 224 198)
for attempt in 1 2 3; do
  click 300 600 3
  click 144 188
  within 2 "the help text shows" pixel_is 760 560 255 255 255 && break
done
pixel_is 760 560 255 255 255 || fail "the help text does not show: $LAST_MISMATCH"
echo "ok: the help text shows"
paste_all_ways "the help text" "$LAST_SHOT" 500 400 "${PASTE_HELP[@]}"
click 802 166
eventually 3 "the drawing after the help closes" paste_unchanged "$paste_drawing" "${PASTE_DRAWING[@]}"
program_alive

# Neutral again for the later checks: the canvas cleared and the cross back
# at the centre.
click 300 700
key Delete
key Down Down Down Down Down Down Down Down Down Down
paste_neutral() { pixel_is 482 354 0 0 0 && pixel_is 520 400 0 0 0 && pixel_is 512 384 255 255 0 40; }
eventually 3 "canvas cleared and the cross back at the centre after the pastes" paste_neutral
