#!/usr/bin/env bash
# Draws every picture Lumadraw carries (assets/pictures/pNN.*), the sample
# gallery pictures (assets/Backgrounds/Samples/*.jpg) and the mouse-move click
# (assets/mousemove.wav). The outputs are committed; run this again only to
# change them. Needs ImageMagick 6 (`convert`), the DejaVu fonts and python3.
#
# Usage: tools/make_assets.sh            (from anywhere inside the repository)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PIC="$ROOT/assets/pictures"
SAMPLES="$ROOT/assets/Backgrounds/Samples"
CONVERT=${CONVERT:-convert}
BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
SERIF=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

mkdir -p "$PIC" "$SAMPLES"

# ImageMagick closes stroked arcs and paths with a chord, so open curves are
# drawn as polylines. arc CX CY RX RY FROM TO: points of an elliptic arc, angles
# in degrees, 0 = east, growing clockwise on screen.
arc() {
  awk -v cx="$1" -v cy="$2" -v rx="$3" -v ry="$4" -v a0="$5" -v a1="$6" 'BEGIN {
    n = 48; out = "stroke-linejoin round polyline"
    for (i = 0; i <= n; i++) {
      a = (a0 + (a1 - a0) * i / n) * 3.14159265358979 / 180
      out = out sprintf(" %.2f,%.2f", cx + rx * cos(a), cy + ry * sin(a))
    }
    print out }'
}

# Writers that keep the files small and byte-for-byte reproducible
# (no timestamps, no comments, no colour profiles).
bmp24() { "$CONVERT" "$@" -alpha off -type TrueColor -strip "BMP3:$PIC/$OUT"; }
png() { "$CONVERT" "$@" -strip -define png:exclude-chunks=date,time "PNG32:$PIC/$OUT"; }

# ---------------------------------------------------------------------------
# 1: program icon, 16 colours: a yellow cross on dark red with a small pencil.
"$CONVERT" -size 32x32 xc:'#7a0000' +antialias \
  -fill '#5a0000' -draw 'rectangle 0,0 31,1' -draw 'rectangle 0,30 31,31' \
  -fill '#ffe000' -draw 'rectangle 12,3 17,26' -draw 'rectangle 3,12 26,17' \
  -fill '#000000' -draw 'rectangle 14,13 15,16' -draw 'rectangle 13,14 16,15' \
  -fill '#ffffff' -draw 'polygon 21,31 23,27 30,20 31,21 31,24 25,30' \
  -fill '#2060ff' -draw 'polygon 23,27 30,20 31,21 31,22 24,29' \
  -fill '#f0c080' -draw 'polygon 20,31 21,28 23,30' \
  -fill '#000000' -draw 'point 20,31' \
  -colors 16 -type Palette -strip "ICO:$PIC/p01.ico"

# 3: Fill Color Tool mouse icon: a bucket tipped to the left, its paint running
# down to a drop at the lower-left corner (pixel 0,31 is the hot spot).
"$CONVERT" -size 32x32 xc:none -strokewidth 1 \
  -stroke '#202020' -fill none -draw "$(arc 16 8 7.2 7.2 146 326)" \
  -stroke '#202020' -fill '#b8c0c8' -draw 'polygon 10,12 22,4 31,18 19,27' \
  -stroke '#202020' -fill '#e8ecf0' -draw 'ellipse 14,17 4,7.5 0,360' \
  -stroke none -fill '#1060e0' -draw 'ellipse 14,17 2.5,5.5 0,360' \
  -fill '#1060e0' -draw 'polygon 12,15 15,19 6,26 3,24' \
  -draw 'polygon 3,24 6,26 2,30 0,29' \
  -draw 'circle 1.5,29.5 3.2,29.5' \
  +antialias -draw 'rectangle 0,29 2,31' \
  -strip "ICO:$PIC/p03.ico"

# 4 (and 37): Pencil Tool mouse icon: a pencil lying on the diagonal whose
# graphite tip is the lower-left pixel (0,31), the hot spot.
"$CONVERT" -size 32x32 xc:none -strokewidth 1 -stroke '#202020' \
  -fill '#ffc820' -draw 'polygon 9,27 4,22 24,2 29,7' \
  -fill '#ff8090' -draw 'polygon 24,2 29,7 31,5 26,0' \
  -fill '#a0a0a0' -draw 'polygon 22,4 27,9 29,7 24,2' \
  -fill '#f0c890' -draw 'polygon 9,27 4,22 0,31' \
  -stroke none -fill '#303030' -draw 'polygon 0,31 2,26 5,29' \
  +antialias -draw 'rectangle 0,30 1,31' \
  -strip "ICO:$PIC/p04.ico"
cp "$PIC/p04.ico" "$PIC/p37.ico"

# 2: splash picture, 600x564.
wave() {
  awk 'BEGIN { out = "stroke-linejoin round polyline"
    for (x = 40; x <= 560; x += 8) out = out sprintf(" %d,%.1f", x, 362 + 12 * sin(x / 30))
    print out }'
}
"$CONVERT" -size 600x564 gradient:'#ffffff-#d8f0ff' \
  -fill none -strokewidth 10 \
  -stroke '#e03030' -draw 'line 40,500 190,380' \
  -stroke '#2060e0' -draw 'rectangle 220,390 360,510' \
  -stroke '#20a040' -draw 'ellipse 470,450 80,55 0,360' \
  -stroke none -fill '#ffd020' -draw 'circle 110,110 110,60' \
  -fill '#ff8020' -draw 'polygon 430,60 560,60 560,170 430,170' \
  -stroke '#000000' -strokewidth 6 -fill none \
  -draw "$(wave)" \
  -stroke none -font "$SERIF" -pointsize 96 -fill '#00000040' \
  -gravity north -annotate +6+176 'Lumadraw' \
  -fill '#7a0000' -annotate +0+170 'Lumadraw' \
  -font "$BOLD" -pointsize 44 -fill '#204080' -annotate +0+305 'VRK' \
  -colors 64 -strip "GIF:$PIC/p02.gif"

# ---------------------------------------------------------------------------
# 5..14: tool pictures, 80x65. Tool k is picture 14-k.
tool() { # tool OUT draw-args...
  local out=$1; shift
  OUT=$out bmp24 -size 80x65 gradient:'#fbfaf4-#e6e2d2' \
    -fill none -stroke '#a8a490' -strokewidth 1 -draw 'rectangle 0,0 79,64' \
    -strokewidth 4 "$@"
}
tool p14.bmp -stroke '#1a1a1a' -draw 'line 14,52 66,12' \
  -stroke none -fill '#d02020' -draw 'circle 14,52 14,47' -draw 'circle 66,12 66,7'
tool p13.bmp -stroke '#1030a0' -draw 'rectangle 17,10 63,55'
tool p12.bmp -stroke '#107030' -draw 'ellipse 40,32.5 27,21 0,360'
tool p11.bmp -strokewidth 2 -stroke '#303030' -fill '#ff9eb0' \
  -draw 'polygon 12,42 40,14 68,30 40,58' \
  -fill '#6080e0' -draw 'polygon 12,42 26,28 54,44 40,58' \
  -stroke '#303030' -strokewidth 1 \
  -draw 'line 20,34 48,50' -draw 'line 24,30 52,46' -draw 'line 16,38 44,54'
tool p10.bmp -stroke none -fill '#1a1a1a' -font "$BOLD" -pointsize 34 \
  -gravity center -annotate +0+0 'Abc' \
  -fill '#d02020' -draw 'rectangle 10,52 70,55'
tool p09.bmp -stroke '#1a1a1a' -strokewidth 3 -fill '#e03030' -draw 'rectangle 17,10 63,55'
tool p08.bmp -stroke '#1a1a1a' -strokewidth 3 -fill '#2070e0' -draw 'ellipse 40,32.5 27,21 0,360'
tool p07.bmp -strokewidth 2 -stroke '#5a3a10' -fill '#90d0ff' -draw 'rectangle 10,8 70,57' \
  -stroke none -fill '#ffd020' -draw 'circle 55,21 55,14' \
  -fill '#6a7a50' -draw 'polygon 11,56 30,24 46,46 54,36 69,56' \
  -fill '#ffffff' -draw 'polygon 26,31 30,24 34,31' \
  -fill '#3a9a30' -draw 'rectangle 11,50 69,56'
tool p06.bmp -strokewidth 2 -stroke '#202020' \
  -fill '#ffc820' -draw 'polygon 22,52 14,44 54,8 62,16' \
  -fill '#ff8090' -draw 'polygon 54,8 62,16 68,10 60,2' \
  -fill '#a0a0a0' -draw 'polygon 50,12 58,20 62,16 54,8' \
  -fill '#f0c890' -draw 'polygon 22,52 14,44 8,58' \
  -stroke none -fill '#303030' -draw 'polygon 8,58 11,51 15,55'
tool p05.bmp -strokewidth 2 -stroke '#202020' \
  -fill none -draw "$(arc 38 19 12.2 12.2 145 325)" \
  -fill '#b8c0c8' -draw 'polygon 28,26 48,12 64,36 44,50' \
  -fill '#e8ecf0' -draw 'ellipse 36,38 6,13 -35,325' \
  -stroke none -fill '#1060e0' -draw 'ellipse 35,37 3.5,9 0,360' \
  -draw 'polygon 31,33 37,41 20,52 15,47' -draw 'circle 15,54 15,59' \
  -fill '#1060e0' -draw 'ellipse 22,60 14,3 0,360'

# 15: background of the tool-name hint panel.
OUT=p15.bmp bmp24 -size 80x82 gradient:'#fffdf0-#e4ecfa' \
  \( -size 80x82 pattern:hs_diagcross -fill '#d8dcec' -opaque black \
     -transparent white \) -compose over -composite

# ---------------------------------------------------------------------------
# Pad pictures: a light face with dark arrows.
PAD_FACE='gradient:#f6f8fc-#d6deea'
ARROW='#203060'

# 16, 17: turn about the tool centre, 72x144 (17 is the mirror of 16).
"$CONVERT" -size 72x144 "$PAD_FACE" \
  -fill none -stroke '#90a0b8' -strokewidth 1 -draw 'rectangle 0,0 71,143' \
  -stroke "$ARROW" -strokewidth 6 -draw "$(arc 36 72 26 50 180 450)" \
  -stroke none -fill "$ARROW" -draw 'polygon 0,68 20,68 10,88' \
  -fill '#c00000' -draw 'rectangle 34,62 38,82' -draw 'rectangle 26,70 46,74' \
  "$TMP/turn.miff"
OUT=p16.bmp bmp24 "$TMP/turn.miff"
OUT=p17.bmp bmp24 "$TMP/turn.miff" -flop

# 18, 19: turn about the virtual centre, 300x300.
"$CONVERT" -size 300x300 "$PAD_FACE" \
  -fill none -stroke '#90a0b8' -strokewidth 2 -draw 'rectangle 1,1 298,298' \
  -stroke "$ARROW" -strokewidth 18 -draw "$(arc 150 150 105 105 180 450)" \
  -stroke none -fill "$ARROW" -draw 'polygon 10,140 80,140 45,200' \
  -fill '#c00000' -draw 'circle 150,150 150,132' \
  "$TMP/orbit.miff"
OUT=p18.bmp bmp24 "$TMP/orbit.miff"
OUT=p19.bmp bmp24 "$TMP/orbit.miff" -flop

# 20..23: diagonal moves, 317x317 PNG: 20 left-bottom, 21 right-bottom,
# 22 right-top, 23 left-top.
"$CONVERT" -size 317x317 "$PAD_FACE" \
  -fill none -stroke '#90a0b8' -strokewidth 2 -draw 'rectangle 1,1 315,315' \
  -stroke "$ARROW" -strokewidth 34 -draw 'line 262,55 110,207' \
  -stroke none -fill "$ARROW" -draw 'polygon 50,267 62,118 199,255' \
  "$TMP/diag.miff"
OUT=p20.png png "$TMP/diag.miff"
OUT=p21.png png "$TMP/diag.miff" -flop
OUT=p22.png png "$TMP/diag.miff" -rotate 180
OUT=p23.png png "$TMP/diag.miff" -flip

# 24: home, 36x36: a house.
OUT=p24.bmp bmp24 -size 36x36 "$PAD_FACE" \
  -fill none -stroke '#90a0b8' -strokewidth 1 -draw 'rectangle 0,0 35,35' \
  -stroke "$ARROW" -strokewidth 1 -fill "$ARROW" -draw 'polygon 4,18 18,5 32,18' \
  -fill '#f0e0c0' -draw 'rectangle 8,17 28,30' \
  -fill '#c00000' -stroke none -draw 'rectangle 15,21 21,30' \
  -fill "$ARROW" -draw 'rectangle 24,7 27,13'

# 25..28: straight moves, 48x48: down, right, up, left.
"$CONVERT" -size 48x48 "$PAD_FACE" \
  -fill none -stroke '#90a0b8' -strokewidth 1 -draw 'rectangle 0,0 47,47' \
  -stroke none -fill "$ARROW" -draw 'rectangle 19,8 29,26' \
  -draw 'polygon 8,24 40,24 24,42' "$TMP/down.miff"
OUT=p25.bmp bmp24 "$TMP/down.miff"
OUT=p26.bmp bmp24 "$TMP/down.miff" -rotate -90
OUT=p27.bmp bmp24 "$TMP/down.miff" -flip
OUT=p28.bmp bmp24 "$TMP/down.miff" -rotate 90

# 29..35: the option button face, 72x72 JPEG, seven identical copies.
"$CONVERT" -size 72x72 xc:'#7f8fa8' \
  -fill '#c8d8f0' -draw 'roundrectangle 3,3 68,68 14,14' \
  \( -size 62x62 radial-gradient:'#ffffff-#a8bcdc' \) -geometry +5+5 \
  \( -size 62x62 xc:black -fill white -draw 'roundrectangle 0,0 61,61 12,12' \) \
  -compose over -composite \
  -strip -quality 90 "JPEG:$PIC/p29.jpg"
for n in 30 31 32 33 34 35; do cp "$PIC/p29.jpg" "$PIC/p$n.jpg"; done

# 36: background of the colour box, 1026x770 dark blue gradient.
"$CONVERT" -size 1026x770 gradient:'#1c2c70-#02061c' -strip -quality 80 \
  "JPEG:$PIC/p36.jpg"

# ---------------------------------------------------------------------------
# Sample gallery pictures, 800x600.
"$CONVERT" -size 800x600 gradient:'#5aa0ff-#dff0ff' \
  -fill '#fff4a0' -draw 'circle 640,120 640,60' \
  -fill '#5f9a3a' -draw 'ellipse 180,600 420,230 0,360' \
  -fill '#4a8a2a' -draw 'ellipse 640,620 380,200 0,360' \
  -fill '#3a7020' -draw 'ellipse 400,680 500,160 0,360' \
  -blur 0x1 -strip -quality 80 "JPEG:$SAMPLES/hills.jpg"
"$CONVERT" -size 800x420 gradient:'#40206a-#ff8a30' \
  -fill '#ffd860' -draw 'circle 400,420 400,330' \
  \( -size 800x180 gradient:'#402040-#100818' \) -append \
  -fill '#ffb050' -draw 'rectangle 330,440 470,446' -draw 'rectangle 360,470 440,475' \
  -strip -quality 80 "JPEG:$SAMPLES/sunset.jpg"
"$CONVERT" \( xc:'#3060a0' xc:'#f0e8d8' +append \) \( xc:'#f0e8d8' xc:'#c04040' +append \) \
  -append -scale 5000% "$TMP/tile.miff"
"$CONVERT" -size 800x600 tile:"$TMP/tile.miff" -strip -quality 80 "JPEG:$SAMPLES/tiles.jpg"
"$CONVERT" -size 800x600 xc:'#f8f4ec' -fill none -strokewidth 14 \
  -stroke '#e04040' -draw 'circle 260,260 260,90' \
  -stroke '#40a0e0' -draw 'circle 470,320 470,120' \
  -stroke '#f0c020' -draw 'circle 600,200 600,110' \
  -stroke none -fill '#60c06080' -draw 'circle 330,420 330,330' \
  -fill '#a050c080' -draw 'circle 620,470 620,400' \
  -strip -quality 80 "JPEG:$SAMPLES/circles.jpg"

# ---------------------------------------------------------------------------
# Resource list: every picture under the prefix /pictures as pNN.<ext>.
{
  echo '<!DOCTYPE RCC>'
  echo '<RCC version="1.0">'
  echo '  <qresource prefix="/pictures">'
  for f in $(cd "$PIC" && ls p[0-9][0-9].*); do
    echo "    <file alias=\"$f\">pictures/$f</file>"
  done
  echo '  </qresource>'
  echo '</RCC>'
} > "$ROOT/assets/lumadraw.qrc"

python3 "$ROOT/tools/make_click_wav.py" "$ROOT/assets/mousemove.wav"

ls -l "$PIC" "$SAMPLES" "$ROOT/assets/mousemove.wav"
