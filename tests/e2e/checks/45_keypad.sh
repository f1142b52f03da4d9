# The numeric keypad on the canvas with real X keys: with Num Lock off (the
# X server starts with it off) its arrows move the tool as the arrow keys
# do; with Num Lock on its 7 moves the tool up and left at once, and Shift
# with its 4 is Left with Shift released (the tool moves left); with Num
# Lock off Shift with its 4 is Shift+Left, which carries the tool around the
# virtual centre. Sourced by run_e2e.sh, after the mouse checks left the
# line tool's cross at the canvas centre (512, 384), the virtual centre.
#
# The keys go through the X server's keyboard (XTest), so that Num_Lock
# really changes the state the later keys are read in.

# The centre of the cross's yellow pixels near the canvas centre, as "X Y".
keypad_cross_centre() {
  convert "$LAST_SHOT" -crop 240x240+392+264 +repage -depth 8 txt:- |
    awk -F'[:,() ]+' 'NR > 1 && $3 > 200 && $4 > 200 && $5 < 80 { sx += $1; sy += $2; n++ }
      END { if (n < 10) exit 1; printf "%d %d\n", 392 + sx / n + 0.5, 264 + sy / n + 0.5 }'
}

# The cross has moved by DX DY pixels (+-2) from where it stood at X0 Y0.
keypad_moved_by() { # X0 Y0 DX DY
  local at x y
  at=$(keypad_cross_centre) || { LAST_MISMATCH="no cross near the canvas centre"; return 1; }
  read -r x y <<<"$at"
  if ((x < $1 + $3 - 2 || x > $1 + $3 + 2 || y < $2 + $4 - 2 || y > $2 + $4 + 2)); then
    LAST_MISMATCH="the cross stands at ($x, $y), expected ($(($1 + $3)), $(($2 + $4))) +-2"
    return 1
  fi
}

keypad_key() {
  xdotool windowfocus --sync "$WIN" 2>/dev/null || true
  xdotool key --delay 40 "$@"
  sleep 0.2
}

# The keypad's keys go by their key codes: xdotool given a keypad keysym
# (KP_7, KP_Left) presses Num_Lock itself when it thinks the keysym needs
# it, which leaves Num Lock toggled.
keypad_keymap=$(xkbcomp -xkb "$DISPLAY" - 2>/dev/null || true)
keypad_code() { # KEY-NAME DEFAULT: the key code of <KEY-NAME>
  local code
  code=$(awk -v k="<$1>" '$1 == k { sub(";", "", $3); print $3 }' <<<"$keypad_keymap")
  echo "${code:-$2}"
}
kp4=$(keypad_code KP4 83)
kp7=$(keypad_code KP7 79)

# Shift held with keypad 4.
keypad_shift_kp4() {
  xdotool windowfocus --sync "$WIN" 2>/dev/null || true
  xdotool keydown shift
  xdotool key "$kp4"
  xdotool keyup shift
  sleep 0.2
}

shot keypad_start
keypad_start=$(keypad_cross_centre) || fail "keypad: no cross near the canvas centre"
read -r kx ky <<<"$keypad_start"

# A step is 100 twips, about 7 pixels.
keypad_key "$kp4"
eventually 2 "KP_Left with Num Lock off moves the tool left" keypad_moved_by "$kx" "$ky" -7 0
keypad_key Left
eventually 2 "Left moves it as far again" keypad_moved_by "$kx" "$ky" -13 0

keypad_key Num_Lock
keypad_key "$kp7"
eventually 2 "KP_7 with Num Lock on moves the tool up and left" keypad_moved_by "$kx" "$ky" -20 -7
keypad_shift_kp4
eventually 2 "Shift+KP_4 with Num Lock on moves the tool left as Left does" keypad_moved_by "$kx" "$ky" -27 -7

# Back to neutral: Num Lock off, the cross at the centre.
keypad_key Num_Lock
keypad_key Right Right Right Right Down
eventually 2 "the cross back at the canvas centre after the keypad" keypad_moved_by "$kx" "$ky" 0 0

# Num Lock off: Shift+KP_4 is Shift+Left, a turn of one degree around the
# virtual centre the cross stands on; it moves no step left.
keypad_shift_kp4
sleep 0.5
eventually 2 "Shift+KP_4 with Num Lock off carries the tool as Shift+Left does" keypad_moved_by "$kx" "$ky" 0 0
program_alive
