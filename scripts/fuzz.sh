#!/usr/bin/env bash
# Fuzzes the picture loader: arbitrary bytes through the header check, Qt's readers and the
# painter, with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
#   bash scripts/fuzz.sh [SECONDS]     (default 600)
# The corpus grows in build-fuzz/corpus from one run to the next. Every input that crashes,
# hangs (over 1 s) or takes over 256 MiB is minimised into tests/pictures/, where the ordinary
# test suite replays it. LUMENARY_SEED_BUILD names an ordinary build folder to take the artwork
# and the model tests from (default build-fuzz/seeds, built here).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
bash scripts/setup.sh
missing=()
for p in clang-16 libclang-rt-16-dev; do
  [[ $(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true) == "install ok installed" ]] || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Seeds: the program's pictures at their own sizes (not the sharper variants), the pictures the
# model tests make, and every earlier finding.
seed_build=${LUMENARY_SEED_BUILD:-build-fuzz/seeds}
if [[ ! -x "$seed_build/tests/model/model_tests" ]]; then
  cmake -S . -B "$seed_build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
fi
cmake --build "$seed_build" -j2 --target artwork model_tests
seeds=build-fuzz/seeds-corpus
rm -rf "$seeds" && mkdir -p "$seeds" build-fuzz/corpus build-fuzz/artifacts
find "$seed_build/app/Images" "$seed_build/app/newton" "$seed_build/app/opening" -type f ! -name '*@*' -exec cp {} "$seeds" \;
LUMENARY_KEEP_TEST_PICTURES="$PWD/$seeds" QT_QPA_PLATFORM=offscreen \
  "$seed_build/tests/model/model_tests" --gtest_filter='Formats/*:PictureLoadingTest.*' >/dev/null
find tests/pictures -type f -exec cp {} "$seeds" \;

cmake -S tools/fuzz -B build-fuzz/clang -DCMAKE_CXX_COMPILER=clang++-16 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz/clang -j2
fuzzer=build-fuzz/clang/picture_fuzzer
# AddressSanitizer holds freed memory back (256 MB by default) to catch its use after free; with
# decoded pictures freed thousands of times a second that alone would pass the memory limit.
export ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=16 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# In a child process (-fork=1), so that one finding is kept and the run goes on to the next.
nice -n 19 "$fuzzer" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -timeout=1 -rss_limit_mb=256 \
  -max_total_time="$seconds" -artifact_prefix=build-fuzz/artifacts/ build-fuzz/corpus "$seeds" > build-fuzz/last-run.log 2>&1 || true
grep -a '^#' build-fuzz/last-run.log | tail -1
grep -a -c 'ERROR: libFuzzer\|ERROR: AddressSanitizer\|runtime error' build-fuzz/last-run.log | sed 's/^/faults reported: /' || true

# Each new finding that fails again when run alone (a timeout may be only the machine's load
# at that moment), minimised, joins the ones the tests replay.
for finding in build-fuzz/artifacts/*; do
  [[ -f "$finding" && "$finding" != *.passed ]] || continue
  name=$(basename "$finding")
  kept=tests/pictures/$name
  [[ -e "$kept" || -e "$finding.passed" ]] && continue
  # Run alone on a file, libFuzzer reports the time rather than enforcing the limit.
  if out=$("$fuzzer" -timeout=1 -rss_limit_mb=256 "$finding" 2>&1) &&
     (( $(grep -o 'in [0-9]* ms' <<<"$out" | grep -o '[0-9]*' || echo 99999) <= 1000 )); then
    touch "$finding.passed"
    echo "did not fail again, not kept: $finding"
    continue
  fi
  nice -n 19 "$fuzzer" -minimize_crash=1 -timeout=1 -rss_limit_mb=256 -max_total_time=60 \
    -exact_artifact_path="$kept" "$finding" >/dev/null 2>&1 || true
  [[ -e "$kept" ]] || cp "$finding" "$kept"
  echo "finding kept: $kept"
done
