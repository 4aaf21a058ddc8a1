#!/usr/bin/env bash
# The command line of the real program: --help and --version need no display; "--" ends the
# options; Qt takes no argument as its own option; without a display the program says so in one
# line and exits 1. Run under xvfb-run; $VISTABEL_VERSION is the version the build was given.
#   command_line.sh VISTABEL E2E_TOOL
source "$(dirname "$0")/common.sh"
vistabel=$1
tool=$2
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

# 1. Usage and version on standard output, status 0, nothing on standard error, no display.
for option in --help -h --version -v; do
  "${no_display[@]}" "$vistabel" "$option" further words >"$work/out" 2>"$work/err"
  status=$?
  case $option in
    --help | -h) expected=$(head -1 "$work/out" | grep -c '^Usage: vistabel ') ;;
    *) expected=$([[ $(cat "$work/out") == "Vistabel $VISTABEL_VERSION" ]] && echo 1) ;;
  esac
  if [[ $status == 0 && $expected == 1 && ! -s $work/err ]]; then
    pass "$option"
  else
    fail "$option: status $status, out '$(head -3 "$work/out")', err '$(cat "$work/err")'"
  fi
done
grep -q -- '--version' "$work/out" && fail "--version printed the usage"
"${no_display[@]}" "$vistabel" --help >/dev/full 2>/dev/null
[[ $? == 1 ]] && pass "a failed write of the usage exits 1" || fail "writing the usage to a full device"

# 2. No display (none set, or one that does not answer), with or without an argument: one line on
#    standard error and status 1, never a crash.
for case in "" ":97" "bogus"; do
  if [[ $case == "" ]]; then run=("${no_display[@]}" "$vistabel" "$work")
  elif [[ $case == bogus ]]; then run=(env QT_QPA_PLATFORM=bogus "$vistabel")
  else run=(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$case" "$vistabel"); fi
  "${run[@]}" >"$work/out" 2>"$work/err"
  status=$?
  lines=$(wc -l <"$work/err")
  # Only when nothing names a display does the line say so.
  hint=$(grep -c 'DISPLAY and WAYLAND_DISPLAY are not set' "$work/err")
  if [[ $status == 1 && $lines == 1 && ! -s $work/out && $hint == $([[ -z $case ]] && echo 1 || echo 0) ]] &&
     grep -q '^vistabel: cannot open a window: ' "$work/err"; then
    pass "no display '$case': $(cat "$work/err")"
  else
    fail "no display '$case': status $status, $lines lines: $(cat "$work/err")"
  fi
done

# 3. Show files whose names look like options are played: after "--" always, and without it
#    whenever the name is not one of the program's own options (Qt's "-reverse" is not taken).
#    A one-picture show that does not loop ends by itself with status 0; an argument that was
#    not played would leave a window or a message open until the time limit.
"$tool" picture "$work/green.bmp" 200 150 '#00ff00' || fail "making a picture"
cd "$work" || exit 1
for name in -x.sli --help -reverse -platform; do
  printf 'Strech=False\r\nRatio=0\r\nShuff=0\r\nDelay=0.3\r\nBackCol=255\r\nLoop=0\r\nMessage=0\r\nUseMusic=0\r\nMusic=\r\n%s\r\n' \
    "$work/green.bmp" > "$work/$name"
done
for args in "-- -x.sli" "-- --help" "-reverse" "-platform" "-x.sli"; do
  # shellcheck disable=SC2086
  "$vistabel" $args >"$work/out" 2>&1 & pid=$!
  wait_end $pid 30
  [[ $status == 0 ]] && pass "vistabel $args plays the show" \
    || fail "vistabel $args: ended with '$status'"
done

# 4. What Qt says while the window system starts still reaches standard error when the start
#    succeeds, and the show plays.
QT_SCALE_FACTOR_ROUNDING_POLICY=bogus "$vistabel" -x.sli >"$work/out" 2>"$work/err" & pid=$!
wait_end $pid 30
[[ $status == 0 ]] && grep -q 'Unknown scale factor rounding policy' "$work/err" \
  && pass "Qt's start-up warnings are passed on" || fail "with a start-up warning: status '$status', $(cat "$work/err")"

finish
