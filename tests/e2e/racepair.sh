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

# The deal raced with the keys 1 to 4 on both sides to its question to play
# again; the centre cards compared, mirrored; the host says No, the guest
# is told; both close with the deal counted once between them.
race_to_the_end()
{
    log "racing with the keys 1 to 4 on both sides"
    Deadline=$((SECONDS + 120))
    while :; do
        [ "$SECONDS" -le "$Deadline" ] || fail "no end of the deal within 120 s"
        for side in host guest; do
            kill -0 "${Pid[$side]}" 2>/dev/null || fail "the $side's program ended during the race"
        done
        HostBox=$(find_box host) && GuestBox=$(find_box guest) && break
        for side in host guest; do
            find_box $side >/dev/null || keys $side "${Main[$side]}" 1 2 3 4
        done
    done
    log "the question to play again shows on both sides"

    # The boxes aside, so that the table shows whole; then the centre piles of
    # both sides side by side: the host's left is the guest's right.
    DISPLAY=${Display[host]} xdotool windowmove "$HostBox" 0 0
    DISPLAY=${Display[guest]} xdotool windowmove "$GuestBox" 0 0
    sleep 0.5
    for side in host guest; do
        DISPLAY=${Display[$side]} import -window "${Main[$side]}" "$Tmp/$side.png"
        cp "$Tmp/$side.png" "$Out/$Name-$side.png"
        Height=$(identify -format %h "$Tmp/$side.png")
        Menu=$((Height - 448))
        convert "$Tmp/$side.png" -crop "71x96+195+$((Menu + 168))" +repage "$Tmp/$side-left.png"
        convert "$Tmp/$side.png" -crop "71x96+342+$((Menu + 168))" +repage "$Tmp/$side-right.png"
    done
    for pair in "host-left guest-right" "host-right guest-left"; do
        set -- $pair
        Diff=$(compare -metric AE "$Tmp/$1.png" "$Tmp/$2.png" null: 2>&1)
        [ "$Diff" = 0 ] || fail "the $1 pile differs from the $2 pile ($Diff pixels)"
    done
    log "the centre cards are the same on both sides, mirrored: $Out/$Name-host.png, $Out/$Name-guest.png"

    log "the host says No; the guest's question closes and it is told"
    keys host "$HostBox" alt+n
    Told=""
    for _ in $(seq 100); do
        Told=$(find_box guest) && [ "$Told" != "$GuestBox" ] && break
        Told=""
        sleep 0.1
    done
    [ -n "$Told" ] || fail "the guest was not told that the race ended"
    DISPLAY=${Display[guest]} import -window root "$Out/$Name-guest-told.png"
    keys guest "$Told" Return
    for _ in $(seq 50); do find_box guest >/dev/null || break; sleep 0.1; done
    ! find_box guest >/dev/null || fail "a box stays open on the guest's side"

    log "both close"
    for side in host guest; do
        keys $side "${Main[$side]}" alt+e
    done
    for side in host guest; do
        Status=""
        for _ in $(seq 300); do
            if ! kill -0 "${Pid[$side]}" 2>/dev/null; then wait "${Pid[$side]}"; Status=$?; break; fi
            sleep 0.1
        done
        [ -n "$Status" ] || fail "the $side's program did not end"
        [ "$Status" = 0 ] || fail "the $side's program ended with status $Status"
        grep -q '^\[Statistics\]' "$Tmp/$side/Data/Config.INI" || fail "the $side's settings were not written"
    done
    # The deal counts in each side's own race records, one win between them,
    # and never among the deals against the computer.
    Wins=0
    for side in host guest; do
        Race=$(sed -n '/^\[Race Statistics\]/,/^\[/s/^Deck1=//p' "$Tmp/$side/Data/Config.INI")
        case $Race in
            1,1,1,1,*) Wins=$((Wins + 1)) ;;
            1,0,0,0,0,,) ;;
            *) fail "the $side's race statistics read \"$Race\"" ;;
        esac
        ! grep -q '^Deck1Level[1-5]=[1-9]' "$Tmp/$side/Data/Config.INI" || fail "the race was counted against the computer on the $side's side"
    done
    [ "$Wins" = 1 ] || fail "$Wins wins were counted between the two sides"
    log "the race counted once on each side, one win between them"
    log "PASS"
}
