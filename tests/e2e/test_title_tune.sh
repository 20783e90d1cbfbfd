#!/usr/bin/env bash
# At start-up the game plays its title tune through the sound device: it is heard, and it is
# neither silence nor clipped.
source "$(dirname "$0")/lib.sh"
e2e_begin title_tune

start_game
wait_for_window >/dev/null
sleep 3
close_game_within 2
[[ "$GAME_STATUS" == 0 ]] || fail "the game ended with status $GAME_STATUS"

[[ -s "$CAPTURE" ]] || fail "nothing was played to the sound device"
# The file device writes unsigned 16-bit little-endian stereo at 44100 Hz.
sox -t raw -r 44100 -e unsigned-integer -b 16 -c 2 -L "$CAPTURE" "$ARTIFACTS/sound.wav"
# The first two seconds hold the title tune's opening.
sox "$ARTIFACTS/sound.wav" -n trim 0 2 stats 2>"$ARTIFACTS/stats.txt"
rms=$(awk '/^RMS lev dB/ {print $4}' "$ARTIFACTS/stats.txt")
peak=$(awk '/^Pk lev dB/ {print $4}' "$ARTIFACTS/stats.txt")
awk -v r="$rms" 'BEGIN { exit !(r > -35) }' || fail "the title tune is not heard: RMS $rms dB"
awk -v p="$peak" 'BEGIN { exit !(p < -0.5) }' || fail "the title tune clips: peak $peak dB"
# Heard all through its opening, not a blip followed by silence.
silent_seconds=$(sox "$ARTIFACTS/sound.wav" -n trim 0 2 stat 2>&1 | awk '/RMS +amplitude/ {print ($3 < 0.003)}')
[[ "$silent_seconds" == 0 ]] || fail "the opening of the title tune is silent"
echo "title tune heard: RMS $rms dB, peak $peak dB"
