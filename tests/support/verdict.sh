# The verdict of a test script, sourced by the shell tests: pass and fail print one line each;
# finish prints the count of failures and gives the script's exit status.
failures=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() {
  echo "$failures failed"
  [[ $failures == 0 ]]
}
