# Start-up: after the splash the window is laid out over the whole screen,
# with the tool box, the colour box, a black canvas with the line tool's
# cross at its centre, and the info line as the window's title. Runs first,
# while the window is as start-up left it. Sourced by run_e2e.sh (helpers
# defined there).
#
# Timer1 hides the splash at its 101st tick (about 1.5 s); the canvas shows
# black where the splash panel was.
eventually 5 "splash hidden, black canvas" pixel_is 300 100 0 0 0
program_alive
# The tool box's yellow below the last icon and left of the icons.
expect_pixel 48 710 255 255 128
expect_pixel 4 300 255 255 128
# Colour cells at their centres: 24 yellow and 18 red (right column), 8 cyan.
expect_pixel 997 566 255 255 0
expect_pixel 997 252 255 0 0
expect_pixel 950 461 0 255 255
# The cross of the line tool at the canvas centre (512, 384): only its
# horizontal arm shows, 1000 twips long, turned 45 degrees clockwise, so it
# runs from the upper left to the lower right of the centre, about 23 px
# each way.
startup_yellow_near() {
  pixel_is "$1" "$2" 255 255 0 40 || pixel_is $(($1 + 1)) "$2" 255 255 0 40 ||
    pixel_is "$1" $(($2 + 1)) 255 255 0 40
}
for k in -20 -10 0 10 20; do
  startup_yellow_near $((512 + k)) $((384 + k)) || fail "cross: no yellow near ($((512 + k)),$((384 + k)))"
done
expect_pixel $((512 + 15)) $((384 - 15)) 0 0 0
expect_pixel $((512 - 15)) $((384 + 15)) 0 0 0
expect_pixel $((512 + 32)) $((384 + 32)) 0 0 0
echo "ok: tool box, colour box and cross"
# The window's title is the info line.
startup_info='.   VRK  Line Tool   [Moving Step  100] [Rotating Step  1] [Tool Width  1000] [Tool Height  1000] [Draw Width  0]     Move'
startup_title=$(xdotool getwindowname "$WIN")
[[ "$startup_title" == "$startup_info" ]] || fail "window title is '$startup_title', expected '$startup_info'"
echo "ok: window title is the info line"
