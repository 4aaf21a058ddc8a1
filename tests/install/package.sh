#!/usr/bin/env bash
# The Debian package made by CPack, unpacked into a temporary root (never installed on the
# system): it holds every installed file under /usr, and its dependencies were read from the
# binary, besides the plug-ins, sound font and fonts listed by hand.
#   package.sh BUILD_DIR VERSION
source "$(dirname "$0")/common.sh"
build=$1
version=$2

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/log" 2>&1; then
  fail "cpack: $(cat "$work/log")"
else
  deb=$(echo "$work"/out/*.deb)
  if [[ -f $deb ]]; then
    pass "a package: $(basename "$deb")"
    [[ $(dpkg-deb -f "$deb" Package) == vistabel && $(dpkg-deb -f "$deb" Version) == "$version-1" ]] \
      && pass "its name and version" || fail "name/version: $(dpkg-deb -f "$deb" Package Version)"
    depends=$(dpkg-deb -f "$deb" Depends)
    for dep in libc6 libqt6widgets6 libsdl2-mixer qt6-qpa-plugins libqt6svg6 \
               qt6-image-formats-plugins timgm6mb-soundfont fonts-liberation2 fonts-dejavu-core; do
      [[ $depends == *"$dep"* ]] || fail "the package does not depend on $dep: $depends"
    done
    dpkg-deb -x "$deb" "$work/root" && check_tree "$work/root/usr" "$version"
  else
    fail "cpack made no single .deb: $(ls "$work/out")"
  fi
fi
finish
