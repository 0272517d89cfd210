#!/usr/bin/env bash
# A whole single-deck deal against the computer at "Easy", played with the
# keys 1 to 4 on the real program in its own X server: deal by clicking the
# deck, play until a side wins, decline the next deal, enter the Hall of Fame
# when the user won, open and close the Options, Scores and About windows,
# exit between deals (no question), and read back the file the program wrote.
#
# usage: single_deck_game.sh VELTO OUTDIR
set -u
# shellcheck source=e2elib.sh
. "$(dirname "$0")/e2elib.sh"

e2e_begin single_deck_game "$1" "$2"

# "Easy" gives the computer 1.25 s a move, so fast keys win the deal. Sounds
# off and back 3 are not the defaults: the write-back shows they were read.
Settings=(Scoring=0 DeckSize=1 Velto=4 PlaySounds=0 CardBack=3)
e2e_write_config "[Settings]" "${Settings[@]}"
PlayerName="Tess E2E Runner"

e2e_start_x
e2e_watch_windows
e2e_start_app
e2e_wait_main 90
e2e_check_splash none
e2e_step "looking at the deck"
e2e_wait_deck single 30

e2e_step "dealing by a click on the deck"
e2e_click_deck
e2e_answer "Velto" 60 Return

e2e_step "playing the deal with the keys 1 to 4"
e2e_play_until_box 240
Question=$E2E_FOUND

e2e_step "declining the next deal"
e2e_log "question $Question $(e2e_size "$Question")"
e2e_check_centred "$Question"
e2e_keys "$Question" alt+n
e2e_wait_closed "$Question" 30

# A user's win always scores above the empty table, so the name dialog
# follows the answer at once; after the computer's win nothing shows.
e2e_step "waiting for the Hall of Fame name dialog"
Winner=computer
Deadline=$(e2e_deadline 15)
while [ "$SECONDS" -le "$Deadline" ]; do
    e2e_check_alive
    if Dialog=$(e2e_find "Name"); then
        Winner=user
        break
    fi
    sleep 0.1
done
e2e_log "winner: $Winner"
if [ "$Winner" = user ]; then
    e2e_step "entering the name"
    e2e_check_centred "$Dialog"
    e2e_focus "$Dialog"
    xdotool type --delay 40 "$PlayerName"
    xdotool key Return
    e2e_wait_closed "$Dialog" 30
fi

e2e_step "opening and closing the options"
e2e_keys "$E2E_MAIN" alt+o
e2e_answer "Options" 30 Escape

e2e_step "opening and closing the scores"
e2e_keys "$E2E_MAIN" alt+s
e2e_answer "Scores" 30 Return

# The Help menu opens on its first item; "About Velto" is the fourth.
e2e_step "opening and closing the About box"
e2e_keys "$E2E_MAIN" alt+h Down Down Down Return
e2e_answer "About Velto" 30 Return

e2e_step "exiting between deals"
e2e_keys "$E2E_MAIN" alt+e
e2e_wait_exit 60
e2e_expect_clean_exit

e2e_step "checking the written settings file"
if [ "$Winner" = user ]; then
    e2e_check_config "$(e2e_config)" "$(printf '%s\n' "${Settings[@]}")" "Single Deck - Normal Scoring - Easy" "$PlayerName"
    e2e_log "Hall of Fame: $PlayerName with $E2E_SCORE"
else
    e2e_check_config "$(e2e_config)" "$(printf '%s\n' "${Settings[@]}")" "" ""
    e2e_log "the computer won this time; no Hall of Fame entry, as it should be"
fi
e2e_log "PASS"
