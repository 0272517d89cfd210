#!/usr/bin/env bash
# A termination request ends the real program at once wherever it stands:
# for each place a player can leave it in (idle, the start box, mid-deal, the
# questions to re-deal and to exit, the options, the race's setup and its
# waiting window), the program is started afresh in its own X server, led
# there with the keys, sent the signal, and must end within a second with
# status 0, leaving the settings file whole (another program's lines kept,
# a deal that ran counted as lost). The time from the signal to the end is
# printed for each place.
#
# usage: termination.sh VELTO OUTDIR
set -u
# shellcheck source=e2elib.sh
. "$(dirname "$0")/e2elib.sh"

e2e_begin termination "$1" "$2"
e2e_start_x
e2e_watch_windows

Settings=(Scoring=0 DeckSize=1 Velto=4 PlaySounds=0 CardBack=0 AnimateCards=1)
# Under the sanitizers a write takes longer than in a release build.
LimitMs=$((1000 * E2E_SLOWDOWN))
Report=()

# start_at PLACE: a fresh program, led to PLACE; prints nothing.
start_at()
{
    printf '%s\n' "[Other]" "Keep=this" "[Settings]" "${Settings[@]}" >"$E2E_APP/Data/Config.INI"
    e2e_start_app
    e2e_wait_main 60
    e2e_wait_deck single 30
    e2e_step "going to: $1"
    case $1 in
    idle) ;;
    startbox | middeal | redeal | quit | options)
        e2e_keys "$E2E_MAIN" alt+d
        e2e_wait_window "Velto" 30
        [ "$1" = startbox ] && return
        e2e_keys "$E2E_FOUND" Return
        e2e_wait_closed "$E2E_FOUND" 30
        e2e_keys "$E2E_MAIN" 1 2 3 4
        case $1 in
        redeal) e2e_keys "$E2E_MAIN" alt+d; e2e_wait_window "Velto" 30 ;;
        quit) e2e_keys "$E2E_MAIN" alt+e; e2e_wait_window "Velto" 30 ;;
        options) e2e_keys "$E2E_MAIN" alt+o; e2e_wait_window "Options" 30 ;;
        esac
        ;;
    racesetup | racewait)
        e2e_keys "$E2E_MAIN" alt+r h
        e2e_wait_window "Host a Race" 30
        if [ "$1" = racewait ]; then
            e2e_keys "$E2E_FOUND" Return
            e2e_wait_closed "$E2E_FOUND" 30
            e2e_wait_window "Host a Race" 30
        fi
        ;;
    esac
}

# terminate PLACE SIGNAL PLAYED: the signal, the time to the end, the file.
terminate()
{
    local place=$1 signal=$2 played=$3 started ended ms
    start_at "$place"
    e2e_step "$place: SIG$signal"
    started=$(date +%s%N)
    kill -s "$signal" "$E2E_PID"
    while e2e_alive; do
        ended=$(date +%s%N)
        [ $(((ended - started) / 1000000)) -gt $((10 * LimitMs)) ] && e2e_fail "still running 10 times the limit after SIG$signal"
        sleep 0.005
    done
    ended=$(date +%s%N)
    wait "$E2E_PID" 2>/dev/null
    E2E_STATUS=$?
    E2E_PID=""
    ms=$(((ended - started) / 1000000))
    Report+=("$(printf '%-10s SIG%-4s status %s  %4d ms' "$place" "$signal" "$E2E_STATUS" "$ms")")
    e2e_log "ended in $ms ms, status $E2E_STATUS"
    e2e_expect_clean_exit
    [ "$ms" -le "$LimitMs" ] || e2e_fail "$place: $ms ms from SIG$signal to the end (limit $LimitMs)"
    local file text
    file=$(e2e_config)
    text=$(tr -d '\r' <"$file")
    [ "$(sed -n '1,2p' <<<"$text")" = "$(printf '[Other]\nKeep=this')" ] || e2e_fail "another program's lines were lost"
    sed -i '1,2d' "$file"
    if [ "$played" = 1 ]; then
        e2e_check_config "$file" "$(printf '%s\n' "${Settings[@]}")" "" "" Deck1Level5 1 0
    else
        e2e_check_config "$file" "$(printf '%s\n' "${Settings[@]}")" "" ""
    fi
    ls "$E2E_APP/Data" | grep -vqx 'Config.INI' && e2e_fail "a temporary file was left: $(ls "$E2E_APP/Data")"
}

terminate idle TERM 0
terminate startbox TERM 0
terminate middeal TERM 1
terminate middeal HUP 1
terminate middeal INT 1
terminate redeal TERM 1
terminate quit TERM 1
terminate options TERM 1
terminate racesetup TERM 0
terminate racewait TERM 0

e2e_log "time from the signal to the end of the program:"
printf '    %s\n' "${Report[@]}"
e2e_log "PASS"
