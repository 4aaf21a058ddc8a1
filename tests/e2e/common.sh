# What every end-to-end script shares; sourced after setting $vistabel and $tool. The program gets
# a fresh home, settings, data and runtime folder, and the virtual screen a small window manager.
set -u
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8  # the show files here write their delays with a decimal point
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

source "$(dirname "${BASH_SOURCE[0]}")/../support/verdict.sh"

# Runs the command after $1 every tenth of a second until it succeeds, for at most $1 seconds.
# Every wait of the scripts goes through it.
until_ok() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# The window manager announces itself before it is ready to take windows (a window mapped in
# between may stay unmapped): its theme is the last thing it puts on the root window.
openbox >/dev/null 2>&1 &
wm_ready() { xprop -root _OB_THEME 2>/dev/null | grep -q '='; }
until_ok 10 wm_ready || echo "   the window manager did not get ready"

# Waits (up to $2 seconds, 20 by default) for a visible window whose title is exactly $1 and prints
# its id. The search is repeated rather than left to "xdotool search --sync", and visibility is
# asked of each window on its own: one search that meets a window closing under it fails as a
# whole, and that must not count as "no such window".
window() { until_ok "${2:-20}" visible_window "$1"; }
# The id of a visible window whose title is exactly $1, if there is one.
visible_window() {
  local id
  for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
  done
  return 1
}
# Waits (up to 10 seconds) until no visible window has the title $1.
gone() { until_ok 10 no_window "$1"; }
no_window() { ! visible_window "$1" >/dev/null; }
# Waits up to $2 seconds for process $1 to end; sets $status (or "timeout", ending it).
wait_end() {
  if until_ok "$2" ended "$1"; then
    wait "$1"
    status=$?
    return 0
  fi
  kill -KILL "$1" 2>/dev/null; wait "$1" 2>/dev/null; status=timeout
  return 1
}
ended() { ! kill -0 "$1" 2>/dev/null; }
# Whether colour $1 is within $3 steps (8 by default) of colour $2 in each channel (#rrggbb each;
# JPEG and WebP are lossy).
close_to() {
  local i a b near=${3:-8}
  [[ $1 =~ ^#[0-9a-f]{6}$ ]] || return 1
  for i in 1 3 5; do
    a=$((16#${1:i:2})); b=$((16#${2:i:2}))
    (( a - b > near || b - a > near )) && return 1
  done
  return 0
}
# Saves the screen as $work/NAME.png, and into $E2E_SHOTS when that is set.
shot() {
  "$tool" grab "$work/$1.png" >/dev/null
  [[ -n ${E2E_SHOTS:-} ]] && cp "$work/$1.png" "$E2E_SHOTS/$1.png"
  return 0
}
