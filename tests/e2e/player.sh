#!/usr/bin/env bash
# The real program on a virtual screen (run under xvfb-run): plays a show to its end, refuses a bad
# argument and a bad file with their messages, and shows an own-size picture over its background.
#   player.sh VISTABEL E2E_TOOL
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/wait.sh"
vistabel=$1
tool=$2

# Writes a show file: the nine option lines, then the pictures, CR LF line ends. With $MUSIC set
# the show has that music.
show() {  # show FILE STRECH RATIO DELAY BACKCOL LOOP PICTURES...
  local file=$1 strech=$2 ratio=$3 delay=$4 backcol=$5 loop=$6
  shift 6
  {
    printf 'Strech=%s\r\nRatio=%s\r\nShuff=0\r\nDelay=%s\r\nBackCol=%s\r\nLoop=%s\r\n' \
      "$strech" "$ratio" "$delay" "$backcol" "$loop"
    printf 'Message=1\r\nUseMusic=%s\r\nMusic=%s\r\n' "$([[ -n ${MUSIC:-} ]] && echo 1 || echo 0)" "${MUSIC:-}"
    for p in "$@"; do printf '%s\r\n' "$p"; done
  } > "$file"
}

# Waits for a window whose title is exactly $1, then answers it with Return.
answer() {
  local id
  id=$(window "$1") || return 1
  press "$id" Return
}

"$tool" picture "$work/one.bmp" 320 240 '#20a040' || fail "making pictures"
"$tool" picture "$work/two.jpg" 240 320 '#2040c0' || fail "making pictures"
"$tool" picture "$work/three.gif" 300 300 '#e0c020' || fail "making pictures"
"$tool" picture "$work/green.bmp" 200 150 '#00ff00' || fail "making pictures"

# 1. A three-picture show that does not loop ends by itself with status 0.
show "$work/three.sli" True 1 0.4 0 0 "$work/one.bmp" "$work/two.jpg" "$work/three.gif"
"$vistabel" "$work/three.sli" & pid=$!
wait_end $pid 30
[[ $status == 0 ]] && pass "a non-looping show ends by itself" || fail "a non-looping show ended with '$status'"

# 2. An argument that is neither a file nor a folder.
"$vistabel" "$work/no such thing" & pid=$!
answer "Slide Show" || fail "no message for a bad argument"
wait_end $pid 15
[[ $status == 1 ]] && pass "a bad argument exits 1" || fail "a bad argument ended with '$status'"

# 3. A file that is not a show.
printf 'just\r\ntext\r\n' > "$work/bad.sli"
"$vistabel" "$work/bad.sli" & pid=$!
answer "Slide Show" || fail "no message for a bad file"
wait_end $pid 15
[[ $status == 1 ]] && pass "a bad file exits 1" || fail "a bad file ended with '$status'"

# 4. An own-size picture in the middle of a red background; Esc leaves.
show "$work/red.sli" False 0 0 255 1 "$work/green.bmp"
"$vistabel" "$work/red.sli" & pid=$!
if screen_shows 5,5=#ff0000 512,384=#00ff00 1018,762=#ff0000 413,310=#00ff00 610,457=#00ff00; then
  pass "the picture is centred on the red background"
else
  fail "the own-size picture is not centred on the red background"
fi
[[ -n ${E2E_SHOTS:-} ]] && cp "$work/shot.png" "$E2E_SHOTS/player-own-size.png"
xdotool key Escape
wait_end $pid 15
[[ $status == 0 ]] && pass "Esc ends the program" || fail "Esc: program ended with '$status'"

# 5. The keys of a running show: Right steps, "f" gives a window and back, Esc leaves a looping show.
"$tool" picture "$work/blue.bmp" 200 150 '#0000ff' || fail "making pictures"
show "$work/keys.sli" False 0 0 255 1 "$work/green.bmp" "$work/blue.bmp"
"$vistabel" "$work/keys.sli" & pid=$!
centre() { screen_shows "512,384=$1" "5,5=$2"; }  # centre CENTRE CORNER: waits for those colours
centre "#00ff00" "#ff0000" && pass "the first picture is shown" || fail "the first picture is not shown"
xdotool key Right
centre "#0000ff" "#ff0000" && pass "Right shows the second picture" || fail "Right did not step"
[[ -n ${E2E_SHOTS:-} ]] && cp "$work/shot.png" "$E2E_SHOTS/player-right.png"
xdotool key f
if id=$(window Vistabel 10); then
  pass "f gives a window named Vistabel"
  settled
  [[ -n ${E2E_SHOTS:-} ]] && "$tool" grab "$E2E_SHOTS/player-window.png" >/dev/null
  eval "$(xdotool getwindowgeometry --shell "$id")"
  (( WIDTH < 1024 && HEIGHT < 768 )) && pass "the window is smaller than the screen" \
    || fail "window is ${WIDTH}x${HEIGHT}"
  # Neither a minimise nor a maximise button, and a double click on the title (which maximises in
  # this window manager) leaves the window at its size.
  [[ $(xprop -id "$id" _MOTIF_WM_HINTS) == *"= 0x3, 0x26, "* ]] && pass "the window has a close box only" ||
    fail "window hints: $(xprop -id "$id" _MOTIF_WM_HINTS)"
  top=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left Y: *//p')
  xdotool mousemove $((X + WIDTH / 2)) $((top - 9)) click --repeat 2 --delay 60 1
  # The window manager maximises first; the player then goes back to its own size.
  size_now() { xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' '; }
  until_ok 3 eval '[[ $(size_now) != "WIDTH=$WIDTH HEIGHT=$HEIGHT " ]]'  # maximised, if only briefly
  if until_ok 10 eval '[[ $(size_now) == "WIDTH=$WIDTH HEIGHT=$HEIGHT " ]]'; then
    pass "the window cannot be maximised"
  else
    fail "after a double click on the title: $(size_now) (was ${WIDTH}x${HEIGHT})"
  fi
  xdotool windowactivate --sync "$id" 2>/dev/null
  xdotool key f
  centre "#0000ff" "#ff0000" && pass "f again gives full screen" || fail "f again: not full screen"
else
  fail "no window named Vistabel after f"
fi
xdotool key Escape
wait_end $pid 15
[[ $status == 0 ]] && pass "Esc leaves a looping show, exit 0" || fail "Esc on a looping show ended with '$status'"

# 6. Picture bombs are skipped like unloadable pictures, without the memory their decode would
#    take: a progressive JPEG claiming 65000 x 65000 and a valid 30000 x 30000 PNG, in keep ratio.
"$tool" bomb "$work/bomb" || fail "making the bombs"
show "$work/bombs.sli" True 1 0 255 1 "$work/bomb.jpg" "$work/bomb.png" "$work/green.bmp"
"$vistabel" "$work/bombs.sli" & pid=$!
centre "#00ff00" "#00ff00" && pass "the bombs are skipped, the next picture shows" \
  || fail "the picture after the bombs is not shown"
peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null)
(( ${peak:-999999} < 300000 )) && pass "memory stays low (${peak} kB)" || fail "peak memory ${peak} kB"
xdotool key Escape
wait_end $pid 15
[[ $status == 0 ]] && pass "Esc ends the show of bombs" || fail "Esc on the bombs ended with '$status'"

# 7. A photo turned by its EXIF orientation (6: a quarter clockwise): stored 200 x 100 with green
#    over blue, it is seen 100 x 200 with blue on the left and green on the right, own size.
"$tool" photo "$work/turned.jpg" 200 100 '#00ff00' '#0000ff' 6 || fail "making the photo"
show "$work/turned.sli" False 0 0 255 1 "$work/turned.jpg"
"$vistabel" "$work/turned.sli" & pid=$!
# Left of the centre, right of it, above it on the right, and the background beside it.
NEAR=40 screen_shows 487,384=#0000ff 537,384=#00ff00 540,300=#00ff00 600,384=#ff0000 && turned=yes || turned=""
[[ -n ${E2E_SHOTS:-} ]] && cp "$work/shot.png" "$E2E_SHOTS/player-exif-turned.png"
[[ -n $turned ]] && pass "the photo is shown upright" || fail "the turned photo is not upright"
xdotool key Escape
wait_end $pid 15

# 8. A show that does not loop ends after its last picture even when its first ones cannot be
#    loaded (a missing file and an empty one).
: > "$work/empty.jpg"
show "$work/broken-first.sli" False 0 0.3 0 0 "$work/missing.jpg" "$work/empty.jpg" "$work/green.bmp"
"$vistabel" "$work/broken-first.sli" & pid=$!
wait_end $pid 30
[[ $status == 0 ]] && pass "a show whose first picture cannot be loaded ends" \
  || fail "a show with a broken first picture ended with '$status'"

# 9. Music that cannot be played: its message waits for the user and the show stands still behind
#    it (a delay of 0.3 s, not looping: it would have ended long since); the answer ends the
#    program with status 1.
printf 'not music\r\n' > "$work/bad.mp3"
MUSIC=$work/bad.mp3 show "$work/bad-music.sli" True 0 0.3 255 0 "$work/green.bmp" "$work/blue.bmp"
"$vistabel" "$work/bad-music.sli" & pid=$!
if box=$(window "Slide Show"); then
  before=$("$tool" grab "$work/shot.png" 5,5)
  # Watched for two seconds or more, over six of the show's steps: anything that moves fails at once.
  moved() { ended $pid || no_window "Slide Show" || [[ $("$tool" grab "$work/shot.png" 5,5) != "$before" ]]; }
  if ! until_ok 3 moved; then
    pass "the show stands still behind the music message"
  else
    fail "behind the music message: program $(ended $pid && echo ended || echo running), screen $before then $("$tool" grab "$work/shot.png" 5,5)"
  fi
  shot player-music-message
  press "$box" Return
else
  fail "no music message"
fi
wait_end $pid 15
[[ $status == 1 ]] && pass "the music message ends the program with 1" || fail "after the music message: '$status'"

# 10. SIGTERM and SIGINT end the program while its music plays: SDL's disk driver writes what is
#     heard to a file, which shows that the tone really plays.
"$tool" tone "$work/tone.wav" 3000 || fail "making the tone"
heard() { [[ -s $work/heard.raw ]] && (( $(tr -d '\0' < "$work/heard.raw" | head -c 64 | wc -c) > 0 )); }
MUSIC=$work/tone.wav show "$work/music.sli" False 0 0 0 1 "$work/green.bmp"
for sig in TERM INT; do
  rm -f "$work/heard.raw"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/heard.raw \
    env --default-signal=INT "$vistabel" "$work/music.sli" 2>/dev/null & pid=$!
  until_ok 10 heard && pass "the music plays ($sig)" || fail "no music heard ($sig)"
  kill -$sig $pid
  wait_end $pid 10
  [[ $status == $((128 + $(kill -l $sig))) ]] && pass "SIG$sig ends the program with its music" \
    || fail "after SIG$sig the program ended with '$status'"
done

# 11. Shift+Delete, as a fast typist or xdotool types it, asks before deleting the shown picture;
#     Return (Yes) deletes it.
cp "$work/green.bmp" "$work/doomed.bmp"
cp "$work/blue.bmp" "$work/kept.bmp"
show "$work/delete.sli" True 0 0 0 1 "$work/doomed.bmp" "$work/kept.bmp"
"$vistabel" "$work/delete.sli" & pid=$!
centre "#00ff00" "#00ff00" || fail "the picture to delete is not shown"
xdotool key shift+Delete
if answer "Slide Show"; then
  pass "Shift+Delete asks"
  until_ok 5 test ! -e "$work/doomed.bmp"
  [[ ! -e $work/doomed.bmp && -e $work/kept.bmp ]] && pass "Yes deletes the shown picture" \
    || fail "after Yes: $(ls "$work"/*.bmp | tr '\n' ' ')"
else
  fail "Shift+Delete did not ask"
fi
xdotool key Escape
wait_end $pid 15

finish
