# Shared steps of the end-to-end tests: a private Xvfb display, the real game started in it
# with its sound captured to a file, real key presses, screenshots, and the close request.
# Each test script sources this file, then calls e2e_begin NAME.
set -euo pipefail

: "${QUINDLE_BUILD:?QUINDLE_BUILD must name the build folder}"
: "${WINDOW_TOOL:=$QUINDLE_BUILD/tests/e2e/window_tool}"
GAME="$QUINDLE_BUILD/quindle"
TITLE="QUINDLE"

fail() {
  echo "FAIL: $*" >&2
  [[ -n "${ARTIFACTS:-}" ]] && echo "artifacts in $ARTIFACTS" >&2
  exit 1
}

e2e_cleanup() {
  [[ -n "${GAME_PID:-}" ]] && kill "$GAME_PID" 2>/dev/null || true
  [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
}

# Starts a private X display and points ALSA's default device at a capture file.
e2e_begin() {
  ARTIFACTS="$QUINDLE_BUILD/e2e-artifacts/$1"
  rm -rf "$ARTIFACTS" && mkdir -p "$ARTIFACTS"
  trap e2e_cleanup EXIT
  local display_file="$ARTIFACTS/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" 2>"$ARTIFACTS/xvfb.log" &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [[ -s "$display_file" ]] && break
    sleep 0.05
  done
  [[ -s "$display_file" ]] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$display_file")"
  CAPTURE="$ARTIFACTS/sound.raw"
  cat >"$ARTIFACTS/asound.conf" <<CONF
pcm.!default { type file; slave.pcm "null"; file "$CAPTURE"; format "raw" }
CONF
  export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$ARTIFACTS/asound.conf"
}

# Starts the game from folder $1 (the build folder when not given).
start_game() {
  local folder="${1:-$QUINDLE_BUILD}"
  (cd "$folder" && exec "$GAME") >"$ARTIFACTS/stdout" 2>"$ARTIFACTS/stderr" &
  GAME_PID=$!
}

# Waits until the game's window exists; prints its X window id.
wait_for_window() {
  for _ in $(seq 200); do
    if "$WINDOW_TOOL" size "$TITLE" >/dev/null 2>&1; then
      xdotool search --name "^$TITLE\$" | head -n 1
      return 0
    fi
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared: $(cat "$ARTIFACTS/stderr")"
    sleep 0.05
  done
  fail "no window titled $TITLE appeared"
}

# Puts the pointer on the window so that it has the keyboard (there is no window manager).
focus_window() {
  xdotool mousemove 400 300
  xdotool windowfocus --sync "$1" 2>/dev/null || true
}

# Saves the window's picture as $ARTIFACTS/$2.png.
screenshot() {
  import -display "$DISPLAY" -window "$1" "$ARTIFACTS/$2.png"
}

# The colour of one pixel of a screenshot, as "r,g,b".
pixel() {
  convert "$ARTIFACTS/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# How many pixels differ between two screenshots.
pixels_changed() {
  compare -metric AE "$ARTIFACTS/$1.png" "$ARTIFACTS/$2.png" null: 2>&1 | cut -d' ' -f1 || true
}

hold_key() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

# Sends the close request and waits up to $1 seconds for the game to end; its exit status is
# left in GAME_STATUS (not printed: only this shell, the game's parent, can collect it).
close_game_within() {
  "$WINDOW_TOOL" close "$TITLE" || fail "could not send the close request"
  local started=$SECONDS
  for _ in $(seq $(($1 * 20))); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      GAME_STATUS=0
      wait "$GAME_PID" || GAME_STATUS=$?
      GAME_PID=""
      return 0
    fi
    sleep 0.05
  done
  fail "the game did not end within $1 s of the close request"
}
