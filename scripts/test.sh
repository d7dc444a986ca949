#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test: the
# desktop program's, and the page's (the test build builds the site too, from its own pictures,
# and drives it in headless Chromium beside the desktop program). Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --web
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DLUMENARY_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-tests -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
# use_tls=0: the leak checker of this compiler misreads dynamic TLS of dlopened Qt plugins and crashes.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0:use_tls=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The program and the browsers speak English wherever a test does not choose another language.
export LANGUAGE=en
ctest --test-dir build-tests --output-on-failure "$@"
