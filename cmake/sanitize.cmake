# The sanitizer build (build-sanitize/, configured by scripts/sanitize_build for scripts/test and
# scripts/fuzz): the program's libraries, the unit tests and the fuzz targets, built with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer. Any report stops the process with a failure; the
# only reports let through are those of libraries listed, each with its reason, in
# tests/sanitizers.supp. The libraries that the fuzz targets of tests/fuzz/ reach are also
# instrumented for coverage there, so that libFuzzer is led by the program's own branches.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VISTABEL_SANITIZE needs clang (the fuzz targets use libFuzzer): "
                      "configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

# Lean: the optimiser on (-O1) to keep the tests quick, frames kept for the reports' stacks, line
# tables only instead of full debug information.
add_compile_options(-O1 -fno-omit-frame-pointer -gline-tables-only
                    -fsanitize=address,undefined)
add_link_options(-fsanitize=address,undefined)

# UndefinedBehaviorSanitizer checks are built recoverable, so that its suppressions can apply; the
# option halt_on_error (tests/support/sanitizer_options.cpp) makes every other report fatal.

# The one suppressions file holds the entries of both runtimes, but each runtime refuses a file
# with a kind of entry it does not know: split it into a file per runtime, each entry with the
# comment lines above it. Edits to it configure the build again.
set(supp ${PROJECT_SOURCE_DIR}/tests/sanitizers.supp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${supp})
file(STRINGS ${supp} lines)
set(comments "")
set(VISTABEL_LSAN_SUPPRESSIONS ${PROJECT_BINARY_DIR}/sanitizers/lsan.supp)
set(VISTABEL_UBSAN_SUPPRESSIONS ${PROJECT_BINARY_DIR}/sanitizers/ubsan.supp)
set(lsan "# Made from ${supp}\n")
set(ubsan "${lsan}")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*(#|$)")
    string(APPEND comments "${line}\n")
  elseif(line MATCHES "^leak:")
    string(APPEND lsan "${comments}${line}\n")
    set(comments "")
  else()
    string(APPEND ubsan "${comments}${line}\n")
    set(comments "")
  endif()
endforeach()
file(WRITE ${VISTABEL_LSAN_SUPPRESSIONS} "${lsan}")
file(WRITE ${VISTABEL_UBSAN_SUPPRESSIONS} "${ubsan}")
