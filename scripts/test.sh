#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test: the
# desktop program's, then the page's (its site built from the same build's pictures, driven in
# headless Chromium and set beside the desktop program). Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DLUMENARY_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-tests -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
# use_tls=0: the leak checker of this compiler misreads dynamic TLS of dlopened Qt plugins and crashes.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0:use_tls=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
ctest --test-dir build-tests --output-on-failure "$@" || status=$?

# The browser binding.
LUMENARY_DESKTOP_BUILD=build-tests bash scripts/web.sh
export LUMENARY_DESKTOP="$PWD/build-tests/app/lumenary"
cd tests/web
# puppeteer-core, as the lock file pins it, from the npm registry: trusting the machine's own
# certificate store as the rest of the system does (a school's or a company's network may
# inspect HTTPS with its own authority there), not only the certificates Node.js carries.
NODE_OPTIONS="${NODE_OPTIONS:+$NODE_OPTIONS }--use-openssl-ca" npm ci --no-audit --no-fund --loglevel=error
node --test || status=$?
exit "$status"
