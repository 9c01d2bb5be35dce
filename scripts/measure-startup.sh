#!/usr/bin/env bash
# Measures how long the program takes from launch until its main window is mapped (the palettes have
# read their first pages by then), under Xvfb at 1024 x 768 and 1920 x 1080, and reports the median of
# several runs per screen. Fails when a median reaches one second.
# Usage: scripts/measure-startup.sh [runs per screen] [program]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-9}"
program="${2:-$root/build/bin/festoon}"
limit_ms=1000

if [ ! -x "$program" ]; then
  echo "no program at $program: build it first (scripts/build.sh)" >&2
  exit 2
fi
# A runtime folder of its own, so that the single-instance guard never meets another running copy.
runtime="$(mktemp -d)"
chmod 700 "$runtime"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$runtime"
}
trap cleanup EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Prints the launch-to-mapped time of one run in milliseconds.
one_run() {
  local start pid
  start=$(now_ms)
  XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb "$program" >"$runtime/festoon.log" 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name '^Festoon$' >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "the program ended before showing its window:" >&2
      cat "$runtime/festoon.log" >&2
      return 1
    fi
    sleep 0.005
  done
  echo $(($(now_ms) - start))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

# Starts Xvfb at the given size on the first free display from :140 on (the end-to-end tests use
# :90 to :139) and waits until it answers. Without -noreset the server resets whenever its last client
# leaves, and a program starting in that moment cannot connect.
start_display() {
  local number
  for ((number = 140; number < 190; number++)); do
    if [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; then continue; fi
    Xvfb ":$number" -screen 0 "$1x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$number"
    for ((wait = 0; wait < 100; wait++)); do
      if ! kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
      if xdpyinfo >/dev/null 2>&1; then return 0; fi
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  echo "no free display for Xvfb" >&2
  exit 2
}

status=0
for screen in 1024x768 1920x1080; do
  start_display "$screen"
  times=()
  for ((i = 0; i < runs; i++)); do
    times+=("$(one_run)")
  done
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
  echo "start-up at $screen: median ${median} ms over $runs runs (${times[*]} ms)"
  if [ "$median" -ge "$limit_ms" ]; then
    echo "start-up at $screen takes a second or more" >&2
    status=1
  fi
done
exit "$status"
