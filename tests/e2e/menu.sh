#!/usr/bin/env bash
# The main menu on a virtual screen (run under xvfb-run): started without an argument the program
# shows only the menu's four buttons; Esc ends it; About comes and goes; the focused button is
# remembered across a restart; a show file chosen in the open dialog is played and leaving it
# brings the menu back; a broken settings file does no harm, nor one that is a FIFO or read-only.
#   menu.sh VISTABEL E2E_TOOL
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/wait.sh"
vistabel=$1
tool=$2
store=$XDG_CONFIG_HOME/Vistabel/Vistabel.conf

# 1. No argument: the menu, only its row of buttons (327 x 82 pixels of client area); Esc exits 0.
"$vistabel" 2>"$work/err1" & pid=$!
id=$(window Vistabel 60)  # the first start on a busy machine builds the font cache
if [[ -n $id ]]; then
  settled
  shot menu
  size=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')
  [[ $size == 327x82 ]] && pass "the menu shows only its buttons" || fail "the menu's client area is '$size'"
  press "$id" Escape
else
  fail "no menu window (program $(kill -0 $pid 2>/dev/null && echo running || echo ended);" \
       "windows: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' '|'))"
fi
wait_end $pid 15
[[ $status == 0 ]] && pass "Esc in the menu exits 0" || fail "Esc in the menu: ended with '$status'"
[[ ! -s $work/err1 ]] || fail "unexpected output: $(cat "$work/err1")"

# 2. About from the focused About button; Esc brings the menu back; the focus is stored.
"$vistabel" & pid=$!
id=$(window Vistabel)
press "$id" Tab Tab Tab Return
about=$(window "About Vistabel")
if [[ -n $about ]]; then
  settled
  shot about
  pass "About opens"
  gone Vistabel && pass "the menu closed for About" || fail "the menu stayed with About"
  press "$about" Escape
  id=$(window Vistabel)
  [[ -n $id ]] && pass "the menu comes back after About" || fail "no menu after About"
  press "$id" Escape
else
  fail "About did not open"
fi
wait_end $pid 15
[[ $status == 0 ]] && pass "the program ends with the menu" || fail "after About: ended with '$status'"
grep -q '^btnFocus=3' "$store" && pass "the About button's focus is stored" || fail "store: $(cat "$store")"
[[ $(stat -c %a "$store") == 600 ]] && pass "the store is private" || fail "store mode $(stat -c %a "$store")"

# 3. After a restart Return clicks the remembered About button.
"$vistabel" & pid=$!
id=$(window Vistabel)
press "$id" Return
about=$(window "About Vistabel")
[[ -n $about ]] && pass "the focus is restored after a restart" || fail "Return did not open About"
[[ -n $about ]] && press "$about" Escape
id=$(window Vistabel)
[[ -n $id ]] && press "$id" Escape
wait_end $pid 15

# 4. Open Slide Show File: the dialog takes a typed path; the show plays over its red background;
#    Esc leaves it and the menu comes back, its focus on the button that opened the show.
"$tool" picture "$work/green.bmp" 200 150 '#00ff00' || fail "making a picture"
printf 'Strech=False\r\nRatio=0\r\nShuff=0\r\nDelay=0\r\nBackCol=255\r\nLoop=1\r\nMessage=0\r\nUseMusic=0\r\nMusic=\r\n%s\r\n' \
  "$work/green.bmp" > "$work/red show.sli"
printf '[Settings]\r\nbtnFocus=2\r\n' > "$store"
"$vistabel" & pid=$!
id=$(window Vistabel)
press "$id" Return
dialog=$(window "Open Slide Show File")
if [[ -n $dialog ]]; then
  settled
  shot open-dialog
  active "$dialog"
  xdotool type --delay 20 "$work/red show.sli"
  settled  # the dialog has taken the name (and its completer has shown)
  xdotool key Return
  red_corner() { [[ $("$tool" grab "$work/player.png" 5,5 | tr -d '\n') == "#ff0000" ]]; }
  until_ok 10 red_corner && pass "the chosen show plays" ||
    fail "screen corner was '$("$tool" grab "$work/player.png" 5,5 | tr -d '\n')'"
  xdotool key Escape
  id=$(window Vistabel)
  [[ -n $id ]] && pass "leaving the show brings the menu back" || fail "no menu after the show"
  [[ -n $id ]] && press "$id" Escape
else
  fail "no open dialog"
fi
wait_end $pid 15
[[ $status == 0 ]] && pass "the program ends after a show" || fail "after a show: ended with '$status'"
grep -q '^btnFocus=2' "$store" && pass "the focus comes back to Open Slide Show File" ||
  fail "after a show: $(grep btnFocus "$store")"

# 5. A settings file that is not a settings file, or a focus of "abc": defaults, no message.
for content in $'\x7fELF\x01[[[ no end\n=\n' $'[Settings]\nbtnFocus=abc\n'; do
  printf '%s' "$content" > "$store"
  "$vistabel" 2>"$work/err5" & pid=$!
  id=$(window Vistabel)
  [[ -n $id ]] && pass "a broken store still opens the menu" || fail "no menu with a broken store"
  [[ -n $id ]] && press "$id" Escape
  wait_end $pid 15
  [[ $status == 0 ]] || fail "a broken store: ended with '$status'"
  [[ ! -s $work/err5 ]] || fail "unexpected output: $(cat "$work/err5")"
done
grep -q '^btnFocus=0' "$store" && pass "the store is written afresh" || fail "store: $(cat "$store")"

# 6. A FIFO, or a read-only file, in the settings file's place: the menu opens at once, the thing
#    stays as it was, and one line on standard error says why.
rm -f "$store"
mkfifo "$store"
printf '[Settings]\nbtnFocus=3\n' > "$work/locked.conf"
chmod 400 "$work/locked.conf"
for kind in FIFO read-only; do
  [[ $kind == read-only ]] && { rm -f "$store"; cp -p "$work/locked.conf" "$store"; }
  before=$(stat -c '%F %a %s %Y' "$store")
  "$vistabel" 2>"$work/err6" & pid=$!
  id=$(window Vistabel 20)
  [[ -n $id ]] && pass "a $kind settings file: the menu opens" || fail "a $kind settings file: no menu"
  [[ -n $id ]] && press "$id" Escape
  wait_end $pid 15
  [[ $status == 0 ]] || fail "a $kind settings file: ended with '$status'"
  [[ $(stat -c '%F %a %s %Y' "$store") == "$before" ]] && pass "a $kind settings file is left as it was" ||
    fail "a $kind settings file is now $(stat -c '%F %a %s' "$store")"
  [[ $(wc -l < "$work/err6") == 1 ]] && grep -q "$store" "$work/err6" &&
    pass "one line says why the $kind settings file is not used" || fail "stderr: $(cat "$work/err6")"
done

finish
