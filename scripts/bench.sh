#!/usr/bin/env bash
# Sets up, builds Lumenary and its benchmarks for release in build-bench/, and measures how quickly
# it starts, opens each screen, follows each click and a drag, and how much memory and idle
# processor time it takes, each beside a baseline (a bare Qt window, or the least a repaint of
# that window costs) and the target; then the same for the page in the browser. Prints one table
# of medians; the details are kept in build-bench/bench-results/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j2

bench=build-bench/bench
results=build-bench/bench-results
rm -rf "$results"
mkdir -p "$results"
rows="$results/rows.tsv"
: >"$rows"

# A private X server on a free display, with a plain black root: a window not yet painted shows
# black, which is how the start-up harness tells that the first paint has landed.
xserver_dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -br -nolisten tcp -noreset 3>"$xserver_dir/display" 2>"$results/xvfb.log" &
xserver=$!
trap 'kill "$xserver" 2>/dev/null || true; wait "$xserver" 2>/dev/null || true; rm -rf "$xserver_dir"' EXIT
for _ in $(seq 100); do [[ -s "$xserver_dir/display" ]] && break; sleep 0.1; done
[[ -s "$xserver_dir/display" ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$xserver_dir/display")"
export XDG_RUNTIME_DIR="$xserver_dir"
unset QT_QPA_PLATFORM

echo "Start-up, 21 runs each (about half a minute)..." >&2
"$bench/startup_bench" 21 build-bench/app/lumenary "$bench/plain_title" "$bench/bare_window" build-bench/app >>"$rows" 2>"$results/startup.log"
echo "Screens, clicks and drags in process (a few minutes)..." >&2
"$bench/lumenary_bench" --benchmark_color=false --rows="$results/in-process.tsv" >"$results/in-process.txt" 2>&1
cat "$results/in-process.tsv" >>"$rows"
echo "Peak memory, 5 runs each..." >&2
"$bench/memory_bench" 5 "$bench/memory_tour" "$bench/bare_window" >>"$rows" 2>"$results/memory.log"
echo "Idle processor time, 10 s each..." >&2
"$bench/idle_bench" 10 build-bench/app/lumenary "$bench/bare_window" >>"$rows" 2>"$results/idle.log"
echo "The page in headless Chromium: the site built, then 7 runs each (about two minutes)..." >&2
bash scripts/web.sh >"$results/web-build.log" 2>&1
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
node bench/web/pageBench.mjs 7 >>"$rows" 2>"$results/page.log"

# The table: columns as wide as their widest cell.
{
  printf 'measured\tmedian\tbaseline\ttarget\n'
  cat "$rows"
} | awk -F'\t' '
  { for (i = 1; i <= NF; i++) { cell[NR, i] = $i; if (length($i) > width[i]) width[i] = length($i) } }
  END {
    for (r = 1; r <= NR; r++) {
      line = ""
      for (i = 1; i <= 4; i++) line = line sprintf("%-" width[i] "s  ", cell[r, i])
      sub(/ +$/, "", line)
      print line
      if (r == 1) { gsub(/./, "-", line); print line }
    }
  }' | tee "$results/table.txt"
