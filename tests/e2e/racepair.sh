# What the races of two real programs share: a virtual X server for each
# side, finding their windows and boxes, keys sent to them, the host
# started with --host (letting Bo in) and the guest with --join, and both
# start boxes answered. Sourced by a script that has set Name; its
# arguments are VELTO OUTDIR.
Velto=$1
Out=$2
mkdir -p "$Out"
log() { printf '[%s %5ds] %s\n' "$Name" "$SECONDS" "$*"; }
for tool in Xvfb xdotool import compare xwininfo; do
    command -v "$tool" >/dev/null || { log "SKIP: $tool is not installed"; exit 77; }
done
export LC_ALL=C.UTF-8
unset LANGUAGE

Tmp=$(mktemp -d)
Pids=()
cleanup()
{
    for p in "${Pids[@]}"; do kill -KILL "$p" 2>/dev/null; done
    rm -rf "$Tmp"
}
trap cleanup EXIT
fail()
{
    log "FAIL: $*"
    for side in host guest; do
        [ -n "${Display[$side]:-}" ] && DISPLAY=${Display[$side]} import -window root "$Out/$Name-$side-failed.png" 2>/dev/null
        log "$side's output:"; tail -n 20 "$Tmp/$side/log" 2>/dev/null
    done
    exit 1
}

declare -A Display Pid Main
start_x()
{
    local fd=$Tmp/display-$1
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd" >/dev/null 2>&1 &
    Pids+=($!)
    for _ in $(seq 50); do [ -s "$fd" ] && break; sleep 0.1; done
    [ -s "$fd" ] || fail "no X server for the $1"
    Display[$1]=":$(head -n1 "$fd")"
}
start_x host
start_x guest

# The program's main window on a side: "Velto", exactly as wide as the table.
find_main()
{
    local w
    for w in $(DISPLAY=${Display[$1]} xdotool search --onlyvisible --name '^Velto$' 2>/dev/null); do
        [ "$(DISPLAY=${Display[$1]} xwininfo -id "$w" | sed -n 's/.*Width: //p')" = 572 ] && { echo "$w"; return 0; }
    done
    return 1
}
# A box of the program on a side: "Velto", narrower than the table.
find_box()
{
    local w
    for w in $(DISPLAY=${Display[$1]} xdotool search --onlyvisible --name '^Velto$' 2>/dev/null); do
        [ "$(DISPLAY=${Display[$1]} xwininfo -id "$w" | sed -n 's/.*Width: //p')" != 572 ] && { echo "$w"; return 0; }
    done
    return 1
}
wait_box()
{
    local w
    for _ in $(seq $(($2 * 10))); do
        w=$(find_box "$1") && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}
keys() # SIDE WINDOW KEYS...
{
    local side=$1 w=$2
    shift 2
    DISPLAY=${Display[$side]} xdotool windowfocus --sync "$w" key --delay 20 "$@" 2>/dev/null
}

Port=$((20000 + RANDOM % 20000))
for side in host guest; do
    mkdir -p "$Tmp/$side/Data"
    cp "$Velto" "$Tmp/$side/velto"
    printf "[Settings]\nDeckSize=1\nPlaySounds=0\nAnimateCards=1\n" >"$Tmp/$side/Data/Config.INI"
done
log "starting the host on port $Port"
(cd "$Tmp/host" && exec env DISPLAY="${Display[host]}" ./velto --host "$Port" --name Ann --accept Bo >log 2>&1) &
Pid[host]=$!
Pids+=("${Pid[host]}")
for _ in $(seq 100); do Main[host]=$(find_main host) && break; sleep 0.1; done
[ -n "${Main[host]:-}" ] || fail "the host's window did not show"
log "starting the guest"
(cd "$Tmp/guest" && exec env DISPLAY="${Display[guest]}" ./velto --join "127.0.0.1:$Port" --name Bo >log 2>&1) &
Pid[guest]=$!
Pids+=("${Pid[guest]}")
for _ in $(seq 100); do Main[guest]=$(find_main guest) && break; sleep 0.1; done
[ -n "${Main[guest]:-}" ] || fail "the guest's window did not show"

log "both press OK in their start boxes"
for side in host guest; do
    Box=$(wait_box $side 30) || fail "no start box on the $side's side"
    keys $side "$Box" Return
done
