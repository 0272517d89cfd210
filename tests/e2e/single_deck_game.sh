#!/usr/bin/env bash
# A whole single-deck deal against the computer at "Easy", played with the
# keys 1 to 4 on the real program in its own X server: deal by clicking the
# deck, catch a card in the air (cards fly by default), play until a side wins, decline the next deal, deal again (from the
# menu) while the computer wins, enter the Hall of Fame with a name, open and
# close the Options, Scores and About windows, exit between deals (no
# question), and read back the file the program wrote: the name and its score
# in the Hall of Fame of the deal's settings.
#
# usage: single_deck_game.sh VELTO OUTDIR
set -u
# shellcheck source=e2elib.sh
. "$(dirname "$0")/e2elib.sh"

e2e_begin single_deck_game "$1" "$2"

# "Easy" gives the computer 1.25 s a move, so fast keys win most deals. Sounds
# off and back 3 are not the defaults: the write-back shows they were read.
Settings=(Scoring=0 DeckSize=1 Velto=4 PlaySounds=0 CardBack=3 AnimateCards=1)
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

# The keys win most deals against "Easy", but which cards come is the
# shuffle's doing: a deal the computer wins anyway is followed by another, up
# to MaxDeals, since this run is about the Hall of Fame.
MaxDeals=4
Deal=1
Dialog=""
while :; do
    if [ "$Deal" = 1 ]; then
        # Cards fly unless the settings say otherwise: one is caught in the air.
        e2e_step "catching a card in the air"
        e2e_catch_flight "$E2E_OUT/single_deck_game-card-in-air.png" 40
    fi
    e2e_step "playing deal $Deal with the keys 1 to 4"
    e2e_play_until_box 120
    Question=$E2E_FOUND

    e2e_step "declining the next deal"
    e2e_log "question $Question $(e2e_size "$Question")"
    e2e_check_centred "$Question"
    e2e_keys "$Question" alt+n
    e2e_wait_closed "$Question" 30

    # A user's win always scores above the empty table, so the name dialog
    # follows the answer at once; after the computer's win nothing shows.
    e2e_step "waiting for the Hall of Fame name dialog"
    Deadline=$(e2e_deadline 5)
    while [ "$SECONDS" -le "$Deadline" ]; do
        e2e_check_alive
        Dialog=$(e2e_find "Name") && break
        sleep 0.1
    done
    [ -n "$Dialog" ] && break
    e2e_log "the computer won deal $Deal"
    [ "$Deal" -lt "$MaxDeals" ] || e2e_fail "the computer won all $MaxDeals deals; no name dialog"
    Deal=$((Deal + 1))
    e2e_step "dealing again from the menu"
    e2e_keys "$E2E_MAIN" alt+d
    e2e_answer "Velto" 60 Return
done
e2e_log "the user won deal $Deal"

e2e_step "entering the name"
e2e_check_centred "$Dialog"
e2e_focus "$Dialog"
xdotool type --delay 40 "$PlayerName"
xdotool key Return
e2e_wait_closed "$Dialog" 30

e2e_step "opening and closing the options"
e2e_keys "$E2E_MAIN" alt+o
e2e_answer "Options" 30 Escape

e2e_step "opening the scores, and the statistics from them"
e2e_keys "$E2E_MAIN" alt+s
e2e_wait_window "Scores" 30
Scores=$E2E_FOUND
e2e_keys "$Scores" alt+t
e2e_answer "Statistics" 30 Return
e2e_keys "$Scores" Return
e2e_wait_closed "$Scores" 30

# The Help menu opens on its first item; "About Velto" is the fourth.
e2e_step "opening and closing the About box"
e2e_keys "$E2E_MAIN" alt+h Down Down Down Return
e2e_answer "About Velto" 30 Return

e2e_step "exiting between deals"
e2e_keys "$E2E_MAIN" alt+e
e2e_wait_exit 60
e2e_expect_clean_exit

e2e_step "checking the written settings file"
# Every deal dealt was played to its end: the computer won all but the last.
e2e_check_config "$(e2e_config)" "$(printf '%s\n' "${Settings[@]}")" "Single Deck - Normal Scoring - Easy" "$PlayerName" \
    Deck1Level5 "$Deal" 1
# What a won single deal at "Easy" can score, worked out by hand: a point for
# each of the user's 25 cards, the bonus of 100, 100 for each card the
# computer has left (0 when a stalemate brings both to 25 together, at most
# 25) and the closing point: 126 to 2626.
if [ "$E2E_SCORE" -lt 126 ] || [ "$E2E_SCORE" -gt 2626 ]; then
    e2e_fail "the Hall of Fame score $E2E_SCORE is none a won single deal at \"Easy\" can have"
fi
e2e_log "Hall of Fame: $PlayerName with $E2E_SCORE"
e2e_log "PASS"
