# The window under a window manager: its Width and Height are the outer
# size, so the whole window, frame and title bar included, covers exactly
# the screen, and the bottom rows of the layout stay on it. Runs last: it
# starts a window manager (openbox) in the X server, which frames the
# running window, then starts the program again under it. Sourced by
# run_e2e.sh.

# "X Y W H" of a window on the screen.
frame_geometry_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }'
}

# The window manager's frame around the program's window: its ancestor just
# below the root window.
frame_window() {
  local w=$WIN parent root
  root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  while parent=$(xwininfo -tree -id "$w" | awk '/Parent window id:/ { print $4 }'); do
    [[ -n "$parent" && "$parent" != "$root" ]] || break
    w=$parent
  done
  echo "$w"
}

# The frame covers the screen exactly and the window lies inside it.
frame_covers_screen() {
  local frame fx fy fw fh x y w h
  frame=$(frame_window)
  [[ "$frame" != "$WIN" ]] || { LAST_MISMATCH="the window has no frame"; return 1; }
  read -r fx fy fw fh <<<"$(frame_geometry_of "$frame")"
  read -r x y w h <<<"$(frame_geometry_of "$WIN")"
  if [[ "$fx $fy $fw $fh" != "0 0 $SCREEN_W $SCREEN_H" ]] ||
    ((x < fx || y < fy || x + w > fx + fw || y + h > fy + fh || h >= SCREEN_H)); then
    LAST_MISMATCH="frame at $fx,$fy ${fw}x$fh, window at $x,$y ${w}x$h on a ${SCREEN_W}x$SCREEN_H screen"
    return 1
  fi
}

openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
eventually 10 "the window manager frames the running window to the screen's size" frame_covers_screen

start_program
eventually 10 "a window started under the window manager is framed to the screen's size" frame_covers_screen
eventually 15 "splash has gone under the window manager" splash_gone
# The last colour row (grey, light grey) reaches the screen's last rows.
expect_pixel 950 762 128 128 128
expect_pixel 997 762 240 240 240 16
program_alive
