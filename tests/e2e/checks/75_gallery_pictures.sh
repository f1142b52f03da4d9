# Every kind of picture the gallery lists paints stretched over the whole
# canvas: a metafile and an 8000x6000 picture. Sourced by run_e2e.sh, whose
# gallery folder holds, after a_red.jpg, b_green.jpg and c_blue.jpg,
# d_halves.wmf (red left half, blue right half) and e_large.jpg (yellow left
# half, magenta right half).
#
# Screen positions on 1024x768: the canvas spans x 96..927, y 0..767; the
# gallery viewport lies at its bottom, thumbnail i at x 109 + 116 i .. +103,
# y 613..716. The points looked at lie clear of the cross at the centre and
# of the viewport, near the canvas's four edges where a picture painted at
# a smaller size would not reach.

# Left-half colour R G B, then right-half colour R G B.
gp_halves() {
  pixel_is 110 15 "$1" "$2" "$3" 16 && pixel_is 300 500 "$1" "$2" "$3" 16 &&
    pixel_is 915 15 "$4" "$5" "$6" 16 && pixel_is 700 500 "$4" "$5" "$6" 16
}

# The gallery's pictures were decoded at start-up by the helper program, which
# runs as a child of the program (and goes when the program goes: see
# 90_window_frame.sh's restart and the end of run_e2e.sh).
gp_helper_pid() {
  local pid
  for pid in $(pgrep -P "$PROGRAM_PID" 2>/dev/null); do
    [[ "$(readlink "/proc/$pid/exe" 2>/dev/null)" == "$(dirname "$PROGRAM")/lumadraw-picture" ]] && echo "$pid"
  done
}
GP_HELPER=$(gp_helper_pid)
[[ -n "$GP_HELPER" ]] || fail "no picture helper runs as a child of the program"
echo "ok: the picture helper $GP_HELPER is a child of the program"

# The "Picture Tool" shows the gallery.
click 700 300
key F2 F2 F2 F2 F2 F2 F2
click 509 664
eventually 5 "the metafile paints the canvas red and blue" gp_halves 255 0 0 0 0 255
click 625 664
eventually 5 "the 8000x6000 picture paints the canvas yellow and magenta" gp_halves 255 255 0 255 0 255
program_alive

# Neutral again: back to the "Line Tool", the background picture removed
# and the canvas cleared.
key F2 F2 F2
key shift+Delete Delete
gp_cleared() { gp_halves 0 0 0 0 0 0; }
eventually 3 "the canvas is cleared after the gallery pictures" gp_cleared
program_alive
