# The background gallery and "Play" in the real window. Sourced by
# run_e2e.sh, whose gallery folder holds Samples/a_red.jpg, b_green.jpg and
# c_blue.jpg, in that order.
#
# Screen positions on 1024x768 (pixels = twips / 15): the canvas spans
# x 96..927, y 0..767, and the cross stands at its centre (512, 384) turned
# 45 degrees. The gallery viewport lies at the canvas's bottom with the first
# thumbnail at x 109..212, y 613..716. The pop-up option panel's "Mouse" box
# is at x 120..169, y 128..145. The settings panel covers y 0..99 of the
# canvas, "Play" at x 699..773, y 60..77, and the panel's own pink background
# shows at (200, 50), between its frames.

# Two points of the canvas clear of the tool, the panels and the viewport.
# A solid picture comes through JPEG only nearly exactly.
ga_canvas_is() { # R G B
  pixel_is 200 200 "$1" "$2" "$3" 12 && pixel_is 800 500 "$1" "$2" "$3" 12
}
# The one-pixel line stamp through the centre, at 45 degrees: its exact
# pixels are looked for around the centre.
ga_stamp_is() { # R G B
  local p
  for p in "512 384" "511 384" "513 384" "512 383" "512 385"; do
    # shellcheck disable=SC2086
    pixel_is $p "$1" "$2" "$3" 12 && return 0
  done
  return 1
}

# The keys go to the canvas (with the "Line Tool" a click does nothing else).
click 700 300
eventually 3 "canvas empty before the gallery checks" ga_canvas_is 0 0 0

# The "Picture Tool" shows the gallery; a click on the first thumbnail paints
# its picture stretched over the whole canvas.
key F2 F2 F2 F2 F2 F2 F2
click 160 664
eventually 3 "the first thumbnail paints the canvas red" ga_canvas_is 255 0 0

# Back to the "Line Tool" (Pencil, Fill, Line), a stamp at the centre, then
# the tool moved down out of the way so that its outline is not taken for
# the stamp.
key F2 F2 F2
key Return
key Down Down Down Down Down Down Down Down Down Down
eventually 3 "a line stamp over the picture" ga_stamp_is 255 255 0

# Ctrl+Up paints the next thumbnail over everything, which records nothing.
key ctrl+Up
eventually 3 "Ctrl+Up paints the next thumbnail (green)" ga_canvas_is 0 255 0
eventually 3 "the picture covers the stamp" ga_stamp_is 0 255 0

# A right click on the canvas shows the option panel, its "Mouse" box
# switches the settings panel. The option panel hides itself every five
# seconds whenever it was shown, so that tick may fall between the two clicks;
# then the second click lands on the canvas and changes nothing, and the two
# clicks are tried again.
ga_settings_panel() { # shown | hidden
  local colour=(0 0 0) attempt
  [[ $1 == shown ]] && colour=(255 192 192 8)
  for attempt in 1 2 3; do
    click 600 450 3
    click 144 136
    within 2 "the settings panel $1" pixel_is 200 50 "${colour[@]}" && { echo "ok: the settings panel is $1"; return 0; }
  done
  fail "the settings panel is not $1: $LAST_MISMATCH"
}

# "Play" replays the record: the canvas is cleared and the stamp drawn again.
ga_settings_panel shown
click 736 68
ga_replayed() { ga_canvas_is 0 0 0 && ga_stamp_is 255 255 0; }
eventually 10 "Play clears the canvas and redraws the stamp" ga_replayed
program_alive

# Neutral again: the settings panel closed, the option panel hidden by a
# left click on the canvas, the background picture removed, the canvas
# cleared, the cross back at the centre as it stood.
ga_settings_panel hidden
click 600 450
key shift+Delete Delete
key Up Up Up Up Up Up Up Up Up Up
eventually 3 "the canvas is cleared" ga_canvas_is 0 0 0
eventually 6 "the option panel is hidden" pixel_is 144 136 0 0 0
program_alive
