#!/usr/bin/env bash
# A player's first seconds: the game reaches level 1, the right arrow walks the pondrel right
# and the view follows, the jump key shows the jump picture, and the close button still ends
# the game cleanly.
source "$(dirname "$0")/lib.sh"
e2e_begin play
: "${SPRITE_FINDER:=$QUINDLE_BUILD/tests/e2e/sprite_finder}"

# Prints "NAME X Y FACING" for the pondrel's picture in screenshot $1.
find_pondrel() {
  convert "$ARTIFACTS/$1.png" "BMP3:$ARTIFACTS/$1.bmp"
  "$SPRITE_FINDER" "$QUINDLE_BUILD/quindle.dat" "$ARTIFACTS/$1.bmp" | head -n 1
}

start_game
window=$(wait_for_window)
focus_window "$window"
sleep 2
screenshot "$window" level1
read -r pose x y facing <<<"$(find_pondrel level1)"
[[ "$pose" == PONDREL_RIGHT && "$facing" == right ]] || fail "expected the pondrel standing, facing right; saw '$pose $facing'"
[[ "$x" == 160 ]] || fail "the pondrel should stand at its start, screen x 160; it is at $x"
[[ $(pixel level1 5 5) == "166,235,255" ]] || fail "level 1's sky is not showing: $(pixel level1 5 5)"

hold_key Right 3
sleep 1.5
screenshot "$window" walked
read -r pose x2 y2 facing <<<"$(find_pondrel walked)"
[[ -n "$pose" ]] || fail "no pondrel after walking"
(( x2 > x )) || fail "the pondrel did not move right on the screen ($x -> $x2)"
(( $(pixels_changed level1 walked) > 5000 )) || fail "the view did not follow the pondrel"
[[ "$x2" == 400 ]] || fail "the view should follow a walking pondrel at screen x 400; it is at $x2"

xdotool keydown x
sleep 0.2
screenshot "$window" jumping
xdotool keyup x
read -r pose _ y3 _ <<<"$(find_pondrel jumping)"
[[ "$pose" == PONDREL_JUMP ]] || fail "expected the jump picture in the air; saw '$pose'"
(( y3 < y2 )) || fail "the pondrel did not rise ($y2 -> $y3)"

close_game_within 2
[[ "$GAME_STATUS" == 0 ]] || fail "the game ended with status $GAME_STATUS after the close request"
echo "walked from x $x to $x2, jumped to y $y3, closed with status 0"
