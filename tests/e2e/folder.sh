#!/usr/bin/env bash
# The real program on a virtual screen (run under xvfb-run): a folder on the command line is
# searched with its subfolders and played in walk order; a tree without pictures is refused; the
# menu's "Slide Show from Folder" window plays its folder and comes back to the menu.
#   folder.sh VISTABEL E2E_TOOL
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/wait.sh"
vistabel=$1
tool=$2

# Waits until the screen's centre has the colour $1.
centre() { screen_shows "512,384=$1"; }

# The run file's picture lines (after the nine option lines).
run_file_pictures() {
  local f
  f=$(find "$XDG_DATA_HOME" -name temp.ini | head -n 1)
  [[ -n $f ]] && tail -n +10 "$f" | tr -d '\r'
}

# A tree: the start folder, A with A1 below it, and B; a hidden folder, other files, mixed case.
tree=$work/Pictures
mkdir -p "$tree/A/A1" "$tree/B" "$tree/.thumbs" "$tree/empty"
"$tool" picture "$tree/start.bmp" 200 150 '#ff0000' || fail "making pictures"
"$tool" picture "$tree/A/a.JPG" 200 150 '#00ff00' || fail "making pictures"
"$tool" picture "$tree/A/A1/deep.gif" 200 150 '#0000ff' || fail "making pictures"
"$tool" picture "$tree/B/b one.jpeg" 200 150 '#ffff00' || fail "making pictures"
"$tool" picture "$tree/.thumbs/t.jpg" 20 20 '#ffffff' || fail "making pictures"
echo text > "$tree/B/notes.txt"
expected="$tree/start.bmp
$tree/A/a.JPG
$tree/A/A1/deep.gif
$tree/B/b one.jpeg"

# 1. vistabel FOLDER: the run file lists the tree's pictures in walk order and the show plays it
#    with the set-up window's remembered options (here: no delay); Esc ends the program with status 0.
mkdir -p "$XDG_CONFIG_HOME/Vistabel"
printf '[Settings]\nDelay=0\n' > "$XDG_CONFIG_HOME/Vistabel/Vistabel.conf"
"$vistabel" "$tree" & pid=$!
if centre "#ff0000"; then pass "the first picture of the tree is shown"; else fail "no show started"; fi
got=$(run_file_pictures)
grep -q '^Delay=0' "$(find "$XDG_DATA_HOME" -name temp.ini)" && pass "the remembered delay is used" \
  || fail "the run file does not hold the remembered delay"
if [[ $got == "$expected" ]]; then
  pass "the run file lists the pictures in walk order"
else
  fail "run file pictures were:"$'\n'"$got"
fi
xdotool key Right
centre "#00ff00" && pass "Right steps to the second picture" || fail "Right did not step"
xdotool key Escape
wait_end $pid 15
[[ $status == 0 ]] && pass "Esc ends the program with status 0" || fail "Esc: program ended with '$status'"
[[ -z $(find "$XDG_DATA_HOME" -name temp.ini) ]] && pass "the run file is gone" || fail "the run file is left"

# 2. A tree without pictures: the message, then status 1.
mkdir -p "$work/nothing/sub"
echo text > "$work/nothing/sub/readme.txt"
"$vistabel" "$work/nothing" & pid=$!
if id=$(window Vistabel) && [[ -n $id ]]; then
  pass "a message for a tree without pictures"
  settled
  [[ -n ${E2E_SHOTS:-} ]] && "$tool" grab "$E2E_SHOTS/search-no-pictures.png" >/dev/null
  press "$id" Return
else
  fail "no message for a tree without pictures"
fi
wait_end $pid 15
[[ $status == 1 ]] && pass "a tree without pictures exits 1" || fail "no pictures: ended with '$status'"

# 3. The menu's "Slide Show from Folder": the window opens on the remembered folder (subfolders
#    off), "Run Slide Show" (Enter) plays its pictures, and leaving the show brings the menu back.
printf '[Settings]\nDelay=0\nDrive=/\nPath=%s\n' "$tree/A" > "$XDG_CONFIG_HOME/Vistabel/Vistabel.conf"
"$vistabel" & pid=$!
if id=$(window Vistabel) && [[ -n $id ]]; then
  press "$id" Return  # the first button has the focus on a first run
else
  fail "no menu"
fi
if id=$(window "Slide Show from Folder") && [[ -n $id ]]; then
  pass "the set-up window opens from the menu"
  settled
  [[ -n ${E2E_SHOTS:-} ]] && "$tool" grab "$E2E_SHOTS/setup.png" >/dev/null
  press "$id" Return
  centre "#00ff00" && pass "Run Slide Show plays the folder's picture" || fail "the folder's show did not start"
  xdotool key Escape
  if id=$(window Vistabel) && [[ -n $id ]]; then
    pass "leaving the show brings the menu back"
    grep -q '^Path=.*/A$' "$XDG_CONFIG_HOME/Vistabel/Vistabel.conf" && pass "the folder is remembered" \
      || fail "the folder was not saved"
    press "$id" Escape
  else
    fail "no menu after the show"
  fi
else
  fail "no set-up window"
fi
wait_end $pid 15
[[ $status == 0 ]] && pass "Esc in the menu ends the program" || fail "the menu ended with '$status'"

finish
