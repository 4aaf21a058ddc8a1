#!/usr/bin/env bash
# "cmake --install" of the build into a temporary prefix puts every file in place.
#   install.sh BUILD_DIR VERSION
set -u
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
source "$(dirname "$0")/check_tree.sh"

if cmake --install "$build" --prefix "$work/prefix" >"$work/log" 2>&1; then
  check_tree "$work/prefix" "$version"
else
  fail "cmake --install: $(cat "$work/log")"
fi
echo "$failures failed"
[[ $failures == 0 ]]
