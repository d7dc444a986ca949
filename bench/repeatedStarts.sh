#!/usr/bin/env bash
# Usage: bench/repeatedStarts.sh [--no-load] [--server-resets] [STARTS] [PROGRAM]
#   STARTS           starts, one after another (default 200)
#   PROGRAM          the built program (default build-tests/app/lumenary, the test build)
#   --no-load        leave the processors alone; by default one busy loop per processor runs
#                    beside the program throughout, as on a machine shared with a build
#   --server-resets  let the X server reset whenever its last client leaves (Xvfb's default),
#                    which drops a connection still being set up; without it the server runs
#                    with -noreset, as the end-to-end tests' does
#   TIMEOUT=s        how long one start may take to paint its title screen (default 60)
#
# Starts the program again and again, each time on a new private Xvfb as each end-to-end test
# does. Each start waits for the title screen's window (its title is one space) and then for its
# area of the screen to be painted: no longer all one colour (the bare root is black). Then the program is sent SIGTERM, which ends it at
# once, and the next start follows. Prints how many starts reached the painted title screen, the
# least, median and greatest time to it, and how many timed out or ended before painting. What a
# failed start wrote to its error output, and the stacks of a start that timed out (where gdb is
# installed), are kept in the folder named at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

load=1
server_args=(-noreset)
while [[ "${1:-}" == --* ]]; do
  case "$1" in
    --no-load) load=0 ;;
    --server-resets) server_args=() ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
starts=${1:-200}
program=$(realpath "${2:-build-tests/app/lumenary}")
timeout_s=${TIMEOUT:-60}
[[ -x "$program" ]] || { echo "no program at $program: build it first" >&2; exit 2; }

work=$(mktemp -d)
kept="$work/failed"
mkdir -p "$kept"
server=
pid=
loaders=()
cleanup() {
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null
  for loader in "${loaders[@]}"; do kill "$loader" 2>/dev/null; done
  [[ -n $server ]] && kill "$server" 2>/dev/null
  wait 2>/dev/null
  # The folder stays only when it holds what a failed start left.
  if [[ -z "$(ls -A "$kept")" ]]; then rm -rf "$work"; fi
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORM
# A sanitized build's leak check at each end would only slow the run down.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"

# A fresh server for each start, as each end-to-end test has, on the first free display.
# -br: a black root, so that a window not yet painted shows black.
start_server() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp "${server_args[@]}" 3>"$work/display" 2>/dev/null &
  server=$!
  for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
  [[ -s "$work/display" ]] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$work/display")"
}
stop_server() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  server=
}

if ((load)); then
  # Bounded even if this script is killed before it can clean up.
  for _ in $(seq "$(nproc)"); do
    timeout $((starts * (timeout_s + 20) + 60)) yes >/dev/null &
    loaders+=($!)
  done
fi

now() { date +%s%N; }
painted=0 timed_out=0 ended=0
times=()
for ((n = 1; n <= starts; n++)); do
  start_server
  errors="$work/errors"
  start=$(now)
  "$program" 2>"$errors" &
  pid=$!
  disown "$pid"  # its end is seen by kill -0; no note from the shell on how it ended
  deadline=$((start + timeout_s * 1000000000))
  outcome=timed_out
  window=
  while (($(now) < deadline)); do
    if ! kill -0 "$pid" 2>/dev/null; then outcome=ended; break; fi
    if [[ -z $window ]]; then
      window=$(xdotool search --onlyvisible --name '^ $' 2>/dev/null | head -1 || true)
      if [[ -n $window ]]; then
        # X=, Y=, WIDTH=, HEIGHT=
        geometry=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null) && eval "$geometry" || window=
      fi
    fi
    if [[ -n $window ]] &&
      (($(import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -format %k info: 2>/dev/null || echo 1) > 1)); then
      outcome=painted
      break
    fi
    sleep 0.02
  done
  case $outcome in
    painted)
      painted=$((painted + 1))
      times+=($((($(now) - start) / 1000000)))
      ;;
    timed_out)
      timed_out=$((timed_out + 1))
      cp "$errors" "$kept/start$n.stderr"
      command -v gdb >/dev/null && gdb -p "$pid" -batch -ex "thread apply all bt" >"$kept/start$n.stacks" 2>&1 || true
      ;;
    ended)
      ended=$((ended + 1))
      cp "$errors" "$kept/start$n.stderr"
      ;;
  esac
  kill -TERM "$pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null || true
  pid=
  stop_server
done

echo "starts: $starts ($( ((load)) && echo "$(nproc) processors kept busy" || echo "no load"), server ${server_args[*]:-resetting})"
echo "title screen painted: $painted"
if ((painted)); then
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  echo "time to it (ms): min ${sorted[0]}, median ${sorted[$((painted / 2))]}, max ${sorted[$((painted - 1))]}"
fi
echo "timed out after ${timeout_s} s: $timed_out"
echo "ended before painting: $ended"
if ((timed_out + ended)); then
  echo "what the failed starts left: $kept"
  for file in "$kept"/*.stderr; do echo "  $(basename "$file"): $(grep -m1 . "$file" || echo '(nothing)')"; done
fi
