#!/usr/bin/env bash
# Two people racing over the network: two real programs on this machine,
# each in a virtual X server of its own, one started with --host and one
# with --join 127.0.0.1, both driven with xdotool through the start boxes and
# a whole deal played with the keys 1 to 4 on both sides at once, the cards
# flying as they do by default. At the end both show the question to play
# again; the screenshots of both sides must show the same centre cards,
# mirrored (the host's left pile is the guest's right). Then the host says No, the guest is told, and both close cleanly
# with their settings written and the deal counted in their race records.
#
# Usage: network_race.sh VELTO OUTDIR. Exits 77 (skipped) when Xvfb, xdotool
# or ImageMagick is missing; scripts/deps.sh installs them.
set -uo pipefail
Name=network_race
# shellcheck source=racepair.sh
source "$(dirname "$0")/racepair.sh" "$@"

race_to_the_end
