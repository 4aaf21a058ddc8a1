#!/usr/bin/env bash
# The real program given a picture (run under xvfb-run): it plays the pictures of that picture's
# folder, PNG and WebP among them, from that picture round to the one before it, with the folder
# window's options, and ends with the show; a picture without a picture's name is known by its
# contents; a show file named as a picture is played as a show, its relative paths leading from
# its own folder.
#   picture.sh VISTABEL E2E_TOOL
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/wait.sh"
vistabel=$1
tool=$2

# Waits until the screen's centre has about the colour $1 (and the corner $2, when given).
centre() { screen_shows "512,384=$1" ${2:+"5,5=$2"}; }

pics=$work/Pictures
other=$work/Other
mkdir -p "$pics/sub" "$other"
"$tool" picture "$pics/a.png" 200 150 '#ff0000' || fail "making pictures"
"$tool" picture "$pics/b.webp" 200 150 '#00ff00' || fail "making pictures"
"$tool" picture "$pics/C.bmp" 200 150 '#0000ff' || fail "making pictures"
"$tool" picture "$pics/d.gif" 200 150 '#ffff00' || fail "making pictures"
"$tool" picture "$pics/sub/e.bmp" 200 150 '#ff00ff' || fail "making pictures"
echo text > "$pics/notes.txt"
"$tool" picture "$other/photo.png" 200 150 '#00ffff' && mv "$other/photo.png" "$other/photo" \
  || fail "making pictures"

# The folder window's options: no delay, no loop.
mkdir -p "$XDG_CONFIG_HOME/Vistabel"
printf '[Settings]\nDelay=0\nLoop=0\n' > "$XDG_CONFIG_HOME/Vistabel/Vistabel.conf"

# 1. The WebP picture first, then the folder's others in name order round to the one before it;
#    Right past the last ends the show that does not loop, and the program with status 0.
"$vistabel" "$pics/b.webp" & pid=$!
centre "#00ff00" && pass "the picture named is shown first" || fail "the WebP picture is not shown"
shot picture-first
n=0
for colour in "#0000ff" "#ffff00" "#ff0000"; do
  xdotool key Right
  centre "$colour" && n=$((n + 1))
done
(( n == 3 )) && pass "Right goes on through the folder and round to its first picture" \
  || fail "$n of 3 steps showed the folder's next picture"
xdotool key Right
wait_end $pid 15
[[ $status == 0 ]] && pass "the show ends with the program, status 0" || fail "the show ended with '$status'"

# 2. A PNG picture without a picture's name: known by its contents; Esc ends the program. There
#    is no session bus to keep the screen awake through: nothing is said of it.
env -u DBUS_SESSION_BUS_ADDRESS "$vistabel" "$other/photo" 2>"$work/err" & pid=$!
centre "#00ffff" && pass "a picture without an extension plays" || fail "the unnamed PNG is not shown"
xdotool key Escape
wait_end $pid 15
[[ $status == 0 ]] && pass "Esc ends the program, status 0" || fail "Esc ended with '$status'"
[[ ! -s $work/err ]] && pass "without a session bus nothing is said" || fail "said: $(head -3 "$work/err")"

# 3. A show file named as a picture plays as a show: a red background and the WebP picture by a
#    path relative to the show file's folder, wherever the program was started.
printf 'Strech=False\r\nRatio=0\r\nShuff=0\r\nDelay=0\r\nBackCol=255\r\nLoop=1\r\nMessage=0\r\nUseMusic=0\r\nMusic=\r\n../Pictures/b.webp\r\n' \
  > "$other/list.jpg"
(cd / && exec "$vistabel" "$other/list.jpg") & pid=$!
centre "#00ff00" "#ff0000" && pass "a show named as a picture plays, its relative paths from its folder" \
  || fail "the show named list.jpg did not play its picture"
xdotool key Escape
wait_end $pid 15
[[ $status == 0 ]] && pass "Esc ends that show, status 0" || fail "Esc ended with '$status'"

finish
