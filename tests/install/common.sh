# What the install and the package tests share, sourced by both: a temporary folder $work,
# pass / fail / finish, and
#   check_tree PREFIX VERSION    checks what an installation holds under PREFIX (P or ROOT/usr)
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/verdict.sh"

# The width and height of a PNG, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }

check_tree() {
  local prefix=$1 version=$2 desktop id icon mime size
  local no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

  # The program runs from there and tells its version without a display.
  [[ $("${no_display[@]}" "$prefix/bin/vistabel" --version 2>&1) == "Vistabel $version" ]] \
    && pass "the installed program runs --version" || fail "bin/vistabel --version"

  # One desktop entry, named by the program's id; it starts the installed program on a file.
  desktop=$(echo "$prefix"/share/applications/*.desktop)
  [[ -f $desktop ]] || { fail "no single desktop entry in share/applications"; return; }
  id=$(basename "$desktop" .desktop)
  desktop-file-validate "$desktop" && pass "the desktop entry is valid" || fail "desktop-file-validate"
  grep -qx 'Exec=vistabel %f' "$desktop" && [[ -x $prefix/bin/vistabel ]] \
    && pass "the desktop entry starts the program" || fail "Exec= of the desktop entry"
  grep -qx 'Categories=Graphics;Viewer;Photography;' "$desktop" || fail "Categories= of the desktop entry"
  for mime in application/x-vistabel-slideshow image/bmp image/jpeg image/gif image/png image/webp; do
    grep -q "^MimeType=.*$mime;" "$desktop" || fail "the desktop entry does not open $mime"
  done

  # The program icon in the theme, under the name the desktop entry gives.
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [[ -f $prefix/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "no scalable icon $icon"
  for size in 48 256; do
    local png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
    [[ -f $png && $(png_size "$png") == "${size}x$size" ]] \
      && pass "a ${size} px icon" || fail "$png: $( [[ -f $png ]] && png_size "$png" || echo missing)"
  done

  # The AppStream description of the same id.
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream" 2>&1 \
    && pass "the AppStream file is valid" || fail "appstreamcli: $(cat "$work/appstream")"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" \
    || fail "the AppStream file does not launch $id.desktop"

  # The file type of slide show files: by name and by its first line, with its icon.
  mime=$work/mime
  rm -rf "$mime" && mkdir -p "$mime/packages"
  cp "$prefix/share/mime/packages/$id.xml" "$mime/packages/" || fail "no MIME package $id.xml"
  if update-mime-database "$mime" 2>"$work/mime.err"; then
    grep -qx 'application/x-vistabel-slideshow:\*\.sli' <(cut -d: -f2- "$mime/globs2") \
      && grep -aq 'Strech=' "$mime/magic" \
      && pass "slide show files are known by name and content" || fail "the compiled MIME data"
  else
    fail "update-mime-database: $(cat "$work/mime.err")"
  fi
  [[ -f $prefix/share/icons/hicolor/scalable/mimetypes/application-x-vistabel-slideshow.svg ]] \
    || fail "no icon for slide show files"

  # The manual page, with this version, formatted without warnings.
  local man=$prefix/share/man/man1/vistabel.1
  if [[ -f $man ]] && grep -q "Vistabel $version" "$man" && [[ -z $(groff -man -ww -z "$man" 2>&1) ]]; then
    pass "the manual page"
  else
    fail "the manual page $man"
  fi
}
