// The sanitizers' options for the test and fuzz binaries of the sanitizer build, read by their
// runtimes before main. Options given in ASAN_OPTIONS, LSAN_OPTIONS or UBSAN_OPTIONS come after
// these and win. The suppressions are those of tests/sanitizers.supp, split by runtime.
extern "C" {

// Leaks are looked for at the end of every process; a report fails it.
const char* __asan_default_options() { return "detect_leaks=1:strict_string_checks=1"; }

const char* __lsan_default_options() {
  return "suppressions=" VISTABEL_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

// Undefined behaviour that is not suppressed stops the process with the stack that led to it.
const char* __ubsan_default_options() {
  return "print_stacktrace=1:halt_on_error=1:suppressions=" VISTABEL_UBSAN_SUPPRESSIONS;
}

}
