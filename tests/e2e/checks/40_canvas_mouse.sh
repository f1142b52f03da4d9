# The canvas mouse in the real window: a drag with the "Pencil Tool" leaves a
# stroke in the pen colour (yellow), and a click with the "Fill Color Tool"
# inside a stamped box fills its inside only. Sourced by run_e2e.sh.
#
# The pencil and the fill work at the tip of the pencil icon, 16 px left of
# and 16 px below the mouse point. The canvas starts at screen x = 96, y = 0;
# the cross stands at the canvas centre (512, 384) turned 45 degrees, so the
# box tool stamps an upright square with its sides about 23 px from there.

cm_stroke_area_clear() {
  pixel_is 314 216 0 0 0 && pixel_is 354 231 0 0 0 && pixel_is 374 236 0 0 0
}
eventually 2 "canvas empty where the pencil will draw" cm_stroke_area_clear

# Shift+F2 twice steps back from the "Line Tool" (0) past the fill (9) to
# the "Pencil Tool" (8).
key shift+F2 shift+F2

cm_drag() {
  xdotool mousemove --sync "$1" "$2"
  sleep 0.05
}
cm_drag 300 200
xdotool mousedown 1
sleep 0.1
cm_drag 320 200
cm_drag 340 200
cm_drag 360 210
cm_drag 380 220
cm_drag 400 220
xdotool mouseup 1
sleep 0.2

# Working points (304, 216) (324, 216) (344, 226) (364, 236) (384, 236) of
# the moves: the stroke joins them; the mouse's own path stays black. (The
# first stroke of a run starts at its first move, not at the press.)
cm_stroke_drawn() {
  pixel_is 314 216 255 255 0 40 &&
    pixel_is 354 231 255 255 0 40 &&
    pixel_is 374 236 255 255 0 40 &&
    pixel_is 330 200 0 0 0 40 &&
    pixel_is 390 220 0 0 0 40 &&
    pixel_is 294 230 0 0 0 40
}
eventually 3 "pencil drag leaves a yellow stroke at the working points" cm_stroke_drawn
program_alive

# F2 three times: fill (9), line (0), box (1); Return stamps the box.
key F2 F2 F2
key Return
cm_box_stamped() {
  pixel_is 500 384 0 0 0 40 && pixel_is 520 390 0 0 0 40 && pixel_is 545 384 0 0 0 40 &&
    pixel_is 536 384 255 255 0 60
}
eventually 3 "box tool stamps a yellow square about the canvas centre" cm_box_stamped

# Shift+F2 twice: line (0), fill (9). A click at (516, 368) fills at (500, 384).
key shift+F2 shift+F2
click 516 368 1
cm_box_filled() {
  pixel_is 500 384 255 255 0 40 &&
    pixel_is 520 390 255 255 0 40 &&
    pixel_is 512 370 255 255 0 40 &&
    pixel_is 500 400 255 255 0 40 &&
    pixel_is 545 384 0 0 0 40 &&
    pixel_is 475 384 0 0 0 40 &&
    pixel_is 512 415 0 0 0 40 &&
    pixel_is 512 350 0 0 0 40 &&
    pixel_is 200 600 0 0 0 40
}
eventually 3 "fill tool click fills the inside of the box only" cm_box_filled
program_alive

# Back to neutral: the canvas cleared, the "Line Tool" (F2 from 9 to 0),
# the mouse away from the cross.
key Delete
key F2
xdotool mousemove --sync 300 600
sleep 0.2
cm_cleared() {
  pixel_is 314 216 0 0 0 40 && pixel_is 500 384 0 0 0 40 && pixel_is 520 390 0 0 0 40 &&
    pixel_is 502 374 255 255 0 40   # the line tool's yellow cross at the centre
}
eventually 3 "canvas cleared and the line tool back after the mouse checks" cm_cleared
program_alive
