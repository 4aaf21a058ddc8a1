#!/usr/bin/env bash
# The whole program on a full-HD virtual screen (run under xvfb-run with a 1920x1080 screen):
# a timed show of six 6000 x 4000 photos in keep-ratio mode, a one-photo show from start to exit,
# and the program's memory with a tiny picture; feh side by side when it is installed.
# Prints one "name<TAB>value<TAB>unit" line a figure.
#   show.sh BUILD_DIR [RUNS]
set -uo pipefail
build=$1
runs=${2:-3}
tool=$build/bench/bench_show
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$work/photos" "$work/tiny"
chmod 700 "$XDG_RUNTIME_DIR"
openbox >/dev/null 2>&1 &
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
sleep 1

"$tool" photos "$work/photos" 6 || exit 1
"$tool" photos "$work/tiny" 1 64 48 || exit 1
photos=("$work"/photos/photo{1..6}.jpg)

show() {  # show FILE PICTURES...: keep ratio, 1 ms a picture, no loop
  local file=$1
  shift
  {
    printf 'Strech=True\r\nRatio=1\r\nShuff=0\r\nDelay=0.001\r\nBackCol=0\r\nLoop=0\r\n'
    printf 'Message=0\r\nUseMusic=0\r\nMusic=\r\n'
    for p in "$@"; do printf '%s\r\n' "$p"; done
  } >"$file"
}
show "$work/six.sli" "${photos[@]}"
show "$work/one.sli" "${photos[0]}"
show "$work/tiny.sli" "$work/tiny/photo1.jpg"

# median RUNS COMMAND...: prints the median "SECONDS PEAK_MIB" of the runs (by seconds).
median() {
  local i
  for i in $(seq "$runs"); do "$tool" run "$@" 2>/dev/null; done | sort -n | sed -n "$(((runs + 1) / 2))p"
}
figure() { printf '%s\t%s\t%s\n' "$1" "$2" "$3"; }

read -r s mib < <(median "$build/vistabel" "$work/six.sli")
figure "timed show of six 24 MP photos: a picture" "$(awk -v s="$s" 'BEGIN{printf "%.0f", s*1000/6}')" ms
figure "timed show of six 24 MP photos: peak memory" "$mib" MiB
read -r s mib < <(median "$build/vistabel" "$work/one.sli")
figure "one 24 MP photo, start to exit" "$(awk -v s="$s" 'BEGIN{printf "%.0f", s*1000}')" ms
read -r s mib < <(median "$build/vistabel" "$work/tiny.sli")
figure "a tiny picture: peak memory" "$mib" MiB
if command -v feh >/dev/null; then
  read -r s mib < <(median feh -F -Z -D 0.01 --on-last-slide quit "${photos[@]}")
  figure "feh, the six photos: a picture" "$(awk -v s="$s" 'BEGIN{printf "%.0f", s*1000/6}')" ms
  figure "feh, the six photos: peak memory" "$mib" MiB
  read -r s mib < <(median feh -F -Z -D 0.01 --on-last-slide quit "${photos[0]}")
  figure "feh, one photo, start to exit" "$(awk -v s="$s" 'BEGIN{printf "%.0f", s*1000}')" ms
else
  echo "feh not installed: no side-by-side figures" >&2
fi
