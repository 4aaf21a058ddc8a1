#!/usr/bin/env bash
# The slide show maker on a virtual screen (run under xvfb-run): opened from the menu on the saved
# folder, pictures added with ADD and a double-click, an entry dragged before another (a screenshot
# is taken while the drag is held), the show saved through the save dialog with ".sli" appended,
# Esc with the list changed since the save asking first (Cancel keeps the maker, Yes saves), and the
# menu coming back with the folder remembered; then a drag in a long list held just below it, which
# scrolls the list.
#   maker.sh VISTABEL E2E_TOOL
# Set E2E_SHOTS to a folder to keep the screenshots (maker.png, drag.png, drag-scrolled.png).
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/wait.sh"
vistabel=$1
tool=$2
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Vistabel" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$work/pics" "$work/out"
store="$XDG_CONFIG_HOME/Vistabel/Vistabel Maker.conf"

# Moves the pointer to client coordinates X Y of the maker window.
at() { xdotool mousemove --sync --window "$maker" "$1" "$2"; }

"$tool" picture "$work/pics/alpha.bmp" 320 240 '#20a040' || fail "making pictures"
"$tool" picture "$work/pics/bravo.jpg" 240 320 '#2040c0' || fail "making pictures"
"$tool" picture "$work/pics/charlie.gif" 300 300 '#e0c020' || fail "making pictures"
"$tool" picture "$work/pics/delta.jpg" 400 200 '#c02020' || fail "making pictures"
printf '[Settings]\nDrive=/\nPath=%s\n' "$work/pics" > "$store"

"$vistabel" 2>"$work/err" & pid=$!
menu=$(window Vistabel 60)
[[ -n $menu ]] || fail "no menu"
press "$menu" Tab Return  # the second button: Make Slide Show File
maker=$(window "Make Slide Show File")
if [[ -z $maker ]]; then
  fail "the maker did not open"
  exit 1
fi
pass "the menu opens the maker"
settled
active "$maker"

# Types $1 into the save dialog that comes and answers the question that follows (whether to run
# the show) with No. Fails when the dialog or the question does not come.
save_as() {
  local dialog question
  dialog=$(window "Save Slide Show File") || return 1
  active "$dialog"
  xdotool type --delay 20 "$1"
  settled  # the dialog has taken the name (and its completer has shown)
  xdotool key Return
  question=$(window "Slide Show Maker") || return 1
  press "$question" Escape
}

# Client places of the design: the first rows of the file list (y 57) and of the picture list
# (y 357), and ADD. The toolbar's buttons are as wide as their names, so Save is pressed with its
# key, Ctrl+S. How far apart the rows are depends on the font: it is measured on the screen, as the
# height of the band that the selected first row makes at the right of its list (clear of names).
# rows LIST X: selects the first row of a list, measures it at X and sets LIST_top and LIST_height.
rows() {
  local X Y top height blank
  read -r X Y < <(xwininfo -id "$maker" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
  read -r top blank < <("$tool" band $((X + $2)) $((Y + $3)))  # the empty list's background
  at "$2" "$3"; xdotool click 1
  until_ok 5 row_band $((X + $2)) $((Y + $3)) "$blank" || fail "no selected row in $1"
  read -r top height < <("$tool" band $((X + $2)) $((Y + $3)))
  printf -v "${1}_top" %d $((top - Y))
  printf -v "${1}_height" %d "$height"
}
row_band() { local top height; read -r top height < <("$tool" band "$1" "$2"); ((${height:-0} > 5 && height < $3)); }
file_row() { echo $((file_top + file_height * $1 + file_height / 2)); }
list_row() { echo $((list_top + list_height * $1 + list_height / 2)); }
rows file 390 57
at 244 "$(file_row 0)"; xdotool click 1
xdotool keydown shift; at 244 "$(file_row 3)"; xdotool click 1; xdotool keyup shift
at 307 174; xdotool click 1                              # ADD: alpha, bravo, charlie, delta
at 244 "$(file_row 2)"; xdotool click --repeat 2 --delay 80 1  # charlie once more
settled
shot maker

# Drag bravo (entry 2) onto delta (entry 4): it lands before delta.
rows list 225 357
at 60 "$(list_row 1)"; xdotool mousedown 1
for y in 4 8 12 16 20 24 26; do at 62 $(($(list_row 1) + y)); done
settled
shot drag
xdotool mouseup 1

# Save as "show": the file is show.sli; answer No to running it.
xdotool key ctrl+s  # Save
save_as "$work/out/show" || fail "no save dialog, or no question after saving"
if until_ok 10 test -s "$work/out/show.sli"; then
  pass "the show is saved as show.sli"
  got=$(tail -n +10 "$work/out/show.sli" | tr -d '\r' | xargs -n1 basename | tr '\n' ' ')
  want="alpha.bmp charlie.gif bravo.jpg delta.jpg charlie.gif "
  [[ $got == "$want" ]] && pass "added, double-clicked and dragged entries in order" ||
    fail "entries '$got', expected '$want'"
  head -n 9 "$work/out/show.sli" | tr -d '\r' | tr '\n' ' ' | grep -q '^Strech=False Ratio=1 Shuff=0 Delay=5 BackCol=0 Loop=1 Message=1 UseMusic=0 Music= $' &&
    pass "the default options are written" || fail "options: $(head -n 9 "$work/out/show.sli" | tr -d '\r' | tr '\n' ' ')"
else
  fail "no show.sli written ($(ls "$work/out"))"
fi

# Esc with a list changed since the save asks first: Esc on the question (Cancel) keeps the maker
# and its list.
at 244 "$(file_row 0)"; xdotool click --repeat 2 --delay 80 1  # alpha once more
settled
press "$maker" Escape
if question=$(window "Slide Show Maker"); then
  pass "Esc with a changed list asks first"
  press "$question" Escape
  gone "Slide Show Maker" && window "Make Slide Show File" 0 >/dev/null && pass "Cancel keeps the maker" ||
    fail "the maker went after Cancel"
else
  fail "Esc with a changed list did not ask"
fi

# Yes saves the list (as again.sli; not run), and the maker goes: the menu comes back and the
# folder is remembered.
press "$maker" Escape
if question=$(window "Slide Show Maker"); then
  press "$question" Return  # Yes
  save_as "$work/out/again" || fail "Yes gave no save dialog, or no question after saving"
else
  fail "the second Esc did not ask"
fi
got=$(tail -n +10 "$work/out/again.sli" 2>/dev/null | tr -d '\r' | xargs -n1 basename | tr '\n' ' ')
[[ $got == "alpha.bmp charlie.gif bravo.jpg delta.jpg charlie.gif alpha.bmp " ]] &&
  pass "Yes saves the changed list" || fail "after Yes: '$got'"
menu=$(window Vistabel)
[[ -n $menu ]] && gone "Make Slide Show File" && pass "the maker goes and the menu comes back" ||
  fail "no menu after the maker"
grep -q "^Path=$work/pics\$" "$store" && pass "the maker's folder is remembered" ||
  fail "settings: $(cat "$store")"
[[ -n $menu ]] && press "$menu" Escape
wait_end $pid 15
[[ $status == 0 ]] && pass "the program ends with status 0" || fail "the program ended with '$status'"
[[ ! -s $work/err ]] || fail "unexpected output: $(cat "$work/err")"

# A list longer than its box: an entry dragged from the top and held just below the list scrolls
# it to its end; dropped on the next to last entry in sight, it lands before that one.
"$vistabel" 2>"$work/err" & pid=$!
menu=$(window Vistabel 60) && press "$menu" Return  # the remembered button: the maker
if maker=$(window "Make Slide Show File"); then
  settled
  active "$maker"
  at 244 "$(file_row 0)"; xdotool click 1
  xdotool keydown shift; at 244 "$(file_row 3)"; xdotool click 1; xdotool keyup shift
  for _ in 1 2 3 4; do at 307 174; xdotool click 1; done  # 16 entries
  settled
  at 60 "$(list_row 0)"; xdotool mousedown 1
  for y in 4 8 12 16 40 80 110; do at 62 $(($(list_row 0) + y)); done  # just below the list
  settled 0.5  # the list scrolls a row every tenth of a second until its end
  at 62 "$(list_row 6)"
  settled
  shot drag-scrolled
  xdotool mouseup 1
  settled
  xdotool key ctrl+s  # Save
  save_as "$work/out/long" || fail "no save dialog for the long list"
  until_ok 10 test -s "$work/out/long.sli"
  got=$(tail -n +10 "$work/out/long.sli" 2>/dev/null | tr -d '\r' | xargs -n1 basename | tr '\n' ' ')
  round="alpha.bmp bravo.jpg charlie.gif delta.jpg "
  want="bravo.jpg charlie.gif delta.jpg ${round}${round}alpha.bmp bravo.jpg alpha.bmp charlie.gif delta.jpg "
  [[ $got == "$want" ]] && pass "a drag held below the list scrolls it" || fail "after the long drag: '$got'"
  press "$maker" Escape  # the list was saved: no question
  gone "Make Slide Show File" && pass "Esc with a saved list closes the maker at once" ||
    fail "Esc with a saved list did not close the maker"
  menu=$(window Vistabel) && press "$menu" Escape
else
  fail "the maker did not open again"
fi
wait_end $pid 15

echo "$failures failure(s)"
[[ $failures == 0 ]]
