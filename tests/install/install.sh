#!/usr/bin/env bash
# "cmake --install" of the build into a temporary prefix puts every file in place.
#   install.sh BUILD_DIR VERSION
source "$(dirname "$0")/common.sh"
build=$1
version=$2

if cmake --install "$build" --prefix "$work/prefix" >"$work/log" 2>&1; then
  check_tree "$work/prefix" "$version"
else
  fail "cmake --install: $(cat "$work/log")"
fi
finish
