# Colour box: a left click on a colour cell makes it the pen colour, and the
# line tool stamped with Return leaves a line of that colour on the canvas.
# Sourced by run_e2e.sh (helpers defined there).
#
# Screen positions on 1024x768: the canvas starts at x = 96 and the tool's
# cross stands at the canvas centre (512, 384), a 1000-twip line turned 45
# degrees. Colour cells: right column (cells 14..27) at x 976..1019, rows of
# about 52 px from y = 17, so cell 18 (red) is row 4 and cell 24 (yellow)
# row 10. A click on a cell leaves the keyboard focus in the colour box, so
# the canvas is clicked before keys are sent (with the line tool a click on
# the canvas does nothing else).

cb_cell_x=997
cb_cell18_y=$((17 + 4 * 52 + 26))
cb_cell24_y=$((17 + 10 * 52 + 26))

cb_canvas_x=300
cb_canvas_y=600

# The stamped line runs from the upper left to the lower right through the
# centre; the cross (now red too) has been moved 5 steps (500 twips, about
# 33 px) right, so the red at the centre is the drawing, not the outline.
cb_red_line_at_centre() {
  pixel_is 512 384 255 0 0 40 &&
    pixel_is 502 374 255 0 0 40 &&
    pixel_is 522 394 255 0 0 40 &&
    pixel_is 545 384 255 0 0 40 &&
    pixel_is 512 364 0 0 0 40 &&
    pixel_is 532 384 0 0 0 40
}

click "$cb_cell_x" "$cb_cell18_y" 1
click "$cb_canvas_x" "$cb_canvas_y" 1
key Return
key Right Right Right Right Right
eventually 3 "red cell and Return stamp a red line at the canvas centre" cb_red_line_at_centre
program_alive

# Back to the neutral state: the cross home, the pen yellow, the canvas
# cleared, and the mouse over the canvas (which hides the colour preview).
key Left Left Left Left Left
click "$cb_cell_x" "$cb_cell24_y" 1
click "$cb_canvas_x" "$cb_canvas_y" 1
key Delete
cb_canvas_clear() {
  pixel_is 512 384 255 255 0 40 &&   # the yellow cross at the centre again
    pixel_is 502 374 255 255 0 40 &&
    pixel_is 512 364 0 0 0 40 &&
    pixel_is 400 250 0 0 0 40
}
eventually 3 "canvas cleared with a yellow pen again" cb_canvas_clear
program_alive
