#!/usr/bin/env bash
# A start-up that cannot have what it needs says so in one line and ends with status 1;
# the data file is also found beside the game and in its installed folder.
source "$(dirname "$0")/lib.sh"
e2e_begin startup_errors

# No X display at all.
status=0
env -u DISPLAY "$GAME" >"$ARTIFACTS/nodisplay.out" 2>"$ARTIFACTS/nodisplay.err" || status=$?
[[ $status == 1 ]] || fail "without a display the status was $status"
[[ $(wc -l <"$ARTIFACTS/nodisplay.err") == 1 ]] || fail "expected one line: $(cat "$ARTIFACTS/nodisplay.err")"
grep -q "display" "$ARTIFACTS/nodisplay.err" || fail "message does not name the display"

# A copy of the game alone in a folder, started from another folder: no data file anywhere.
lonely="$ARTIFACTS/lonely"
mkdir -p "$lonely/bin" "$lonely/elsewhere"
cp "$GAME" "$lonely/bin/"
status=0
(cd "$lonely/elsewhere" && exec "$lonely/bin/quindle") >"$ARTIFACTS/nodata.out" 2>"$ARTIFACTS/nodata.err" || status=$?
[[ $status == 1 ]] || fail "without a data file the status was $status"
grep -q "quindle.dat" "$ARTIFACTS/nodata.err" || fail "message does not name the data file: $(cat "$ARTIFACTS/nodata.err")"
# The sound library may talk on stderr too; the game itself says one line.
[[ $(grep -c '^quindle: ' "$ARTIFACTS/nodata.err") == 1 ]] || fail "expected one line: $(cat "$ARTIFACTS/nodata.err")"

# A file that is not a data file.
echo "not a data file" >"$lonely/elsewhere/quindle.dat"
status=0
(cd "$lonely/elsewhere" && exec "$lonely/bin/quindle") >/dev/null 2>"$ARTIFACTS/baddata.err" || status=$?
[[ $status == 1 ]] || fail "with a broken data file the status was $status"
grep -q "quindle.dat" "$ARTIFACTS/baddata.err" || fail "message does not name the data file"
rm "$lonely/elsewhere/quindle.dat"

# No sound device is not an error: the game plays silent.
printf 'pcm.!default { type hw; card 7 }\n' >"$ARTIFACTS/nosound.conf"
ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$ARTIFACTS/nosound.conf" start_game
wait_for_window >/dev/null
sleep 1
close_game_within 2
[[ "$GAME_STATUS" == 0 ]] || fail "without a sound device the game ended with status $GAME_STATUS"

# The data file beside the game is found from any working folder.
cp "$QUINDLE_BUILD/quindle.dat" "$lonely/bin/"
GAME="$lonely/bin/quindle"
start_game "$lonely/elsewhere"
wait_for_window >/dev/null
close_game_within 2
[[ "$GAME_STATUS" == 0 ]] || fail "started beside its data file, the game ended with status $GAME_STATUS"
echo "clear messages without display or data; silent without sound; data file found beside the game"
