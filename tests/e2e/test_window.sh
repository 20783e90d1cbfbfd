#!/usr/bin/env bash
# The game opens an 800 x 600 window titled QUINDLE with its class and icon, and the close
# button ends it at once.
source "$(dirname "$0")/lib.sh"
e2e_begin window

start_game
window=$(wait_for_window)
size=$("$WINDOW_TOOL" size "$TITLE")
[[ "$size" == "800x600" ]] || fail "window is $size, not 800x600"
class=$("$WINDOW_TOOL" class "$TITLE")
[[ "$class" == "quindle Quindle" ]] || fail "window class is '$class', not 'quindle Quindle'"
xprop -name "$TITLE" WM_HINTS | grep -q "bitmap id # to use for icon" || fail "the window has no icon"
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended by itself: $(cat "$ARTIFACTS/stderr")"
screenshot "$window" running

close_game_within 2
[[ "$GAME_STATUS" == 0 ]] || fail "the game ended with status $GAME_STATUS after the close request"
echo "window 800x600 titled $TITLE; closed with status 0"
