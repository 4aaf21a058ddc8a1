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

# The window manager announces itself before it is ready to take windows: a window mapped in
# between may stay unmapped, so it gets a moment more.
openbox >/dev/null 2>&1 &
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
sleep 1

# Waits (up to $2 seconds, 20 by default) for a visible window whose title is exactly $1 and prints
# its id. The search is repeated rather than left to "xdotool search --sync", and visibility is
# asked of each window on its own: one search that meets a window closing under it fails as a
# whole, and that must not count as "no such window".
window() {
  local id tries=$(( ${2:-20} * 5 ))
  (( tries > 0 )) || tries=1
  for try in $(seq "$tries"); do
    for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
      xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
    done
    (( try < tries )) && sleep 0.2
  done
  return 1
}
# Waits until no visible window has the title $1.
gone() {
  for _ in $(seq 100); do
    window "$1" 0 >/dev/null || return 0
    sleep 0.1
  done
  return 1
}
# Waits up to $2 seconds for process $1 to end; sets $status (or "timeout", ending it).
wait_end() {
  local pid=$1 limit=$2
  for _ in $(seq $((limit * 10))); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; status=$?; return 0; }
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; status=timeout
  return 1
}
# Whether colour $1 is within a few steps of colour $2 (#rrggbb each; JPEG and WebP are lossy).
close_to() {
  local i a b
  [[ $1 =~ ^#[0-9a-f]{6}$ ]] || return 1
  for i in 1 3 5; do
    a=$((16#${1:i:2})); b=$((16#${2:i:2}))
    (( a - b > 8 || b - a > 8 )) && return 1
  done
  return 0
}
# Saves the screen as $work/NAME.png, and into $E2E_SHOTS when that is set.
shot() {
  "$tool" grab "$work/$1.png" >/dev/null
  [[ -n ${E2E_SHOTS:-} ]] && cp "$work/$1.png" "$E2E_SHOTS/$1.png"
  return 0
}
