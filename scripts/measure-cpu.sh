#!/usr/bin/env bash
# Measures the CPU share of the running game over a stretch of play (it stands in level 1)
# beside that of a bare Allegro program that only waits with rest(1), both in the same run
# under one Xvfb display. Usage: scripts/measure-cpu.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${2:-30}
ticks=$(getconf CLK_TCK)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
printf 'pcm.!default { type file; slave.pcm "null"; file "/dev/null"; format "raw" }\n' >"$work/asound.conf"
export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$work/asound.conf"

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Prints the CPU share, in percent of one core, of command "$@" over $seconds after 3 s warm-up.
measure() {
  (cd "$build" && exec "$@") >/dev/null 2>&1 &
  local pid=$!
  sleep 3
  local before after
  before=$(cpu_ticks $pid)
  sleep "$seconds"
  after=$(cpu_ticks $pid)
  kill $pid
  wait $pid 2>/dev/null || true
  awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * d / t / s }'
}

game=$(measure ./quindle)
bare=$(measure ./bench/idle/bare_wait)
echo "over ${seconds} s: game ${game}% of a core, bare Allegro rest(1) loop ${bare}%"
awk -v g="$game" -v b="$bare" 'BEGIN { if (b > 0) printf "ratio %.2f\n", g / b }'
