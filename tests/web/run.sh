#!/usr/bin/env bash
# The page's tests as CTest runs them: puppeteer-core, pngjs and axe-core as the lock file pins them
# (installed once, and again when the lock file changes), then Node's test runner over every
# *.test.mjs here.
set -euo pipefail
cd "$(dirname "$0")"
if [[ ! node_modules/.package-lock.json -nt package-lock.json ]]; then
  # Trusting the machine's own certificate store as the rest of the system does (a school's or a
  # company's network may inspect HTTPS with its own authority there), not only Node.js's own.
  NODE_OPTIONS="${NODE_OPTIONS:+$NODE_OPTIONS }--use-openssl-ca" npm ci --no-audit --no-fund --loglevel=error
fi
# WebKitGTK runs on a private X display. (The desktop program, which the page is set beside, runs
# on one of its own, so that no window of another test file lies over it.)
exec xvfb-run -a -s '-screen 0 1600x1200x24 -nolisten tcp -noreset' node --test
