# shellcheck shell=bash
# Waiting for what a step awaits, each with a deadline, instead of pausing for a fixed time;
# sourced after common.sh by the scripts that use it.

# Whether window $1 is the one that has the keyboard.
is_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

# Activates window $1 and waits (up to 10 seconds) until it has the keyboard.
active() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null
  until_ok 10 is_active "$1"
}

# Activates window $1, waits until it has the keyboard, and sends it the keys that follow.
press() {
  local id=$1
  shift
  active "$id" || echo "   window $id did not take the keyboard"
  xdotool key "$@"
}

# Waits (up to 10 seconds) until the screen stops changing: two grabs in a row alike, a tenth of a
# second apart (or $1 seconds, for what moves on a timer). Windows are then painted and dialogs
# have taken what was typed.
settled() {
  "$tool" grab "$work/settled-a.png" >/dev/null
  until_ok 10 same_screen "${1:-0.1}"
}
# One step of settled: a new grab, $1 seconds on, alike to the last, which it then replaces.
same_screen() {
  sleep "$1"
  "$tool" grab "$work/settled-b.png" >/dev/null && cmp -s "$work/settled-a.png" "$work/settled-b.png" && return 0
  mv "$work/settled-b.png" "$work/settled-a.png"
  return 1
}

# Waits (up to 15 seconds) until the screen shows each colour at its place, given as X,Y=#rrggbb,
# each channel within $NEAR (8 by default); says what it saw when it gives up.
screen_shows() {
  until_ok 15 shows_now "$@" && return 0
  echo "   the screen showed $seen"
  return 1
}
shows_now() {
  local places=() wanted=() p i
  for p in "$@"; do places+=("${p%%=*}"); wanted+=("${p#*=}"); done
  mapfile -t seen_at < <("$tool" grab "$work/shot.png" "${places[@]}")
  seen="${seen_at[*]:-nothing}"
  for i in "${!wanted[@]}"; do
    close_to "${seen_at[i]:-}" "${wanted[i]}" "${NEAR:-8}" || return 1
  done
}
