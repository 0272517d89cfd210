#!/usr/bin/env bash
# A double-deck start with the cards jumping (flights off) on the real
# program in its own X server: the splash
# comes and goes while the second deck is made, before the main window shows
# the deck as a double stack; deal from the menu (answering the start box
# through the blocked main window), play a few keys, exit in
# the middle of the deal ("Quit game and exit?", Yes), and read back the
# file the program wrote.
#
# usage: double_deck_quit.sh VELTO OUTDIR
set -u
# shellcheck source=e2elib.sh
. "$(dirname "$0")/e2elib.sh"

e2e_begin double_deck_quit "$1" "$2"

Settings=(Scoring=0 DeckSize=2 Velto=4 PlaySounds=1 CardBack=0 AnimateCards=0)
e2e_write_config "[Settings]" "${Settings[@]}"

e2e_start_x
e2e_watch_windows
e2e_start_app
e2e_wait_main 120
e2e_step "checking that the splash came and went first"
e2e_check_splash shown
e2e_step "looking at the deck"
e2e_wait_deck double 30

e2e_step "dealing from the menu"
e2e_keys "$E2E_MAIN" alt+d
# The start box is answered with the keyboard focus put back on the blocked
# main window, as a click on it would do without a window manager: the key
# must still reach the box.
e2e_wait_window "Velto" 60
StartBox=$E2E_FOUND
e2e_check_centred "$StartBox"
e2e_keys "$E2E_MAIN" Return
e2e_wait_closed "$StartBox" 30

e2e_step "playing a few keys"
for _ in 1 2 3; do
    e2e_check_alive
    ! e2e_find "Velto" >/dev/null || e2e_fail "a box showed during the first moves of a double deal"
    e2e_keys "$E2E_MAIN" 1 2 3 4
done

e2e_step "exiting during the deal"
e2e_keys "$E2E_MAIN" alt+e
e2e_wait_window "Velto" 30
Question=$E2E_FOUND
e2e_check_centred "$Question"
e2e_keys "$Question" alt+y
e2e_wait_exit 60 "$Question"
e2e_expect_clean_exit

e2e_step "checking the written settings file"
# The deal given up at the close counts as one lost at "Easy".
e2e_check_config "$(e2e_config)" "$(printf '%s\n' "${Settings[@]}")" "" "" Deck2Level5 1 0
e2e_log "PASS"
