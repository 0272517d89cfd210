#!/usr/bin/env bash
# The program on a Wayland session: a headless weston of the run's own
# (drawing with pixman, so its screen can be read), the real program on Qt's
# Wayland platform with no X display to fall back on, its window found on
# the compositor's screen by the table drawn in it, then closed as a desktop
# closes it when the session ends (SIGTERM: the close query, then the write
# at close), and the settings file it wrote read back.
#
# Usage: wayland_start.sh VELTO OUTDIR. Exits 77 (skipped) only when weston,
# its screenshooter or Qt's Wayland plugin is missing; scripts/deps.sh
# installs them.
set -uo pipefail
Velto=$1
Out=$2
Name=wayland_start
mkdir -p "$Out"
log() { printf '[%s %5ds] %s\n' "$Name" "$SECONDS" "$*"; }

for tool in weston weston-screenshooter convert; do
    command -v "$tool" >/dev/null || { log "SKIP: $tool is not installed"; exit 77; }
done
Plugin=$(find /usr/lib/*/qt6/plugins/platforms /usr/lib/qt6/plugins/platforms -name 'libqwayland-generic.so' 2>/dev/null | head -n1)
[ -n "$Plugin" ] || { log "SKIP: Qt's Wayland platform plugin (qt6-wayland) is not installed"; exit 77; }

Tmp=$(mktemp -d)
WestonPid=""
VeltoPid=""
cleanup()
{
    [ -n "$VeltoPid" ] && kill -KILL "$VeltoPid" 2>/dev/null
    [ -n "$WestonPid" ] && kill "$WestonPid" 2>/dev/null && wait "$WestonPid" 2>/dev/null
    rm -rf "$Tmp"
}
trap cleanup EXIT
fail()
{
    log "FAIL: $*"
    log "the compositor's log:"; tail -n 20 "$Tmp/weston.log" 2>/dev/null
    log "the program's output:"; tail -n 30 "$Tmp/velto.log" 2>/dev/null
    [ -f "$Tmp/shots/last.png" ] && cp "$Tmp/shots/last.png" "$Out/$Name-failed.png" && log "screen: $Out/$Name-failed.png"
    exit 1
}

export XDG_RUNTIME_DIR=$Tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR" "$Tmp/shots"
Socket=velto-$$
log "starting a headless weston"
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 \
    --socket="$Socket" --debug >"$Tmp/weston.log" 2>&1 &
WestonPid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$Socket" ] && break
    kill -0 "$WestonPid" 2>/dev/null || fail "weston did not start"
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$Socket" ] || fail "weston made no socket"

# run_once DECKS: the program's own folder, with settings of the player's
# (DECKS 2 shows the splash while the second deck is made) and a line of
# another program's that the close must keep; started, found, ended, read.
run_once()
{
    local decks=$1
    rm -rf "$Tmp/app"
    mkdir -p "$Tmp/app/Data"
    cp "$Velto" "$Tmp/app/velto"
    Settings=(Scoring=1 DeckSize=$decks Velto=3 PlaySounds=0 CardBack=7 AnimateCards=0)
    { echo "[Other]"; echo "Keep=this"; echo "[Settings]"; printf '%s\n' "${Settings[@]}"; } >"$Tmp/app/Data/Config.INI"

    log "starting velto on Wayland, deck size $decks"
    (cd "$Tmp/app" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$Socket" \
        LC_ALL=C.UTF-8 LANGUAGE= ./velto >"$Tmp/velto.log" 2>&1) &
    VeltoPid=$!

    # The table's silver, exactly: the compositor's own desktop has none of it.
    local table="" shot status=""
    for _ in $(seq 120); do
        kill -0 "$VeltoPid" 2>/dev/null || fail "velto ended before its window showed"
        rm -f "$Tmp/shots/"wayland-screenshot-*.png
        (cd "$Tmp/shots" && WAYLAND_DISPLAY=$Socket weston-screenshooter >/dev/null 2>&1)
        shot=$(ls "$Tmp/shots/"wayland-screenshot-*.png 2>/dev/null | head -n1)
        if [ -n "$shot" ]; then
            mv "$shot" "$Tmp/shots/last.png"
            table=$(convert "$Tmp/shots/last.png" -fill black +opaque '#C0C0C0' -fill white -opaque '#C0C0C0' \
                -format '%[fx:int(mean*w*h)]' info:)
            [ "${table:-0}" -gt 150000 ] && break
        fi
        sleep 0.5
    done
    [ "${table:-0}" -gt 150000 ] || fail "no table on the screen (silver pixels: ${table:-none})"
    cp "$Tmp/shots/last.png" "$Out/$Name-deck$decks.png"
    log "the table shows ($table silver pixels): $Out/$Name-deck$decks.png"
    ! grep -qi 'xcb\|could not load the qt platform plugin' "$Tmp/velto.log" || fail "not on the Wayland platform"

    log "ending the session: SIGTERM"
    kill -TERM "$VeltoPid"
    for _ in $(seq 300); do
        if ! kill -0 "$VeltoPid" 2>/dev/null; then
            wait "$VeltoPid"
            status=$?
            break
        fi
        sleep 0.1
    done
    [ -n "$status" ] || fail "velto did not end within 30 s of SIGTERM"
    VeltoPid=""
    [ "$status" = 0 ] || fail "velto ended with status $status"

    log "checking the written settings file"
    local config got
    config=$(tr -d '\r' <"$Tmp/app/Data/Config.INI")
    [ "$(sed -n '1,2p' <<<"$config")" = "$(printf '[Other]\nKeep=this')" ] || fail "another program's lines were lost:
$config"
    got=$(awk '/^\[/ { inside = ($0 == "[Settings]"); next } inside && NF' <<<"$config")
    [ "$got" = "$(printf '%s\n' "${Settings[@]}")" ] || fail "[Settings] reads
$got"
    grep -qx '\[Single Deck - Normal Scoring - Unbeatable\]' <<<"$config" || fail "no Hall of Fame written"
    [ "$(awk '/^\[/ { inside = ($0 == "[Statistics]"); next } inside && NF' <<<"$config" | wc -l)" = 10 ] \
        || fail "no statistics written"
    log "what the program said on Wayland: $(grep -c . "$Tmp/velto.log") lines"
    sed 's/^/    /' "$Tmp/velto.log" | head -n 10
}

run_once 1
run_once 2
log "PASS"
