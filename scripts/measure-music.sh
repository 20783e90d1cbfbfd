#!/usr/bin/env bash
# Measures the music player with bench/music: read + start time on the game's thread, CPU of
# rendering and mixing, memory per minute of tune. It runs the bench under Xvfb with Allegro's
# ALSA output captured to a file, so that a real voice and mixer play the tune; the capture's
# size tells how much audio was mixed. Usage: scripts/measure-music.sh [BUILD_DIR] [TUNE_FILE]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
tune=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'pcm.!default { type file; slave.pcm "null"; file "%s/capture.raw"; format "raw" }\n' \
  "$work" >"$work/asound.conf"
export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$work/asound.conf"

echo "== silent player (no sound device)"
"$build/bench/music/music_bench" ${tune:+"$tune"}
echo "== on Allegro's ALSA output"
start=$(date +%s.%N)
xvfb-run -a "$build/bench/music/music_bench" ${tune:+"$tune"} 2> >(grep -v "cannot find card" >&2)
end=$(date +%s.%N)
bytes=$(stat -c %s "$work/capture.raw" 2>/dev/null || echo 0)
awk -v b="$bytes" -v s="$start" -v e="$end" 'BEGIN {
  printf "captured %.1f s of audio in %.1f s of wall time\n", b / 4 / 44100, e - s }'
