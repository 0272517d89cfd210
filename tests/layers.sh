#!/usr/bin/env bash
# The arrows between the layers run one way only. Each folder may include
# its own headers and those of the folders it builds on, nothing above: the
# rules (core/) know no Qt at all, the network knows the rules but no card,
# window or game, and the two kinds of race know what they share on the
# table but not each other. A line that breaks this names the file.
# Usage: tests/layers.sh SOURCE_DIR
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A allowed=(
  [platform]="platform platform/soundmodule"
  [platform/soundmodule]="platform/soundmodule"
  [core]="core"
  [cardlib]="platform cardlib"
  [dialogs]="platform cardlib dialogs"
  [network]="platform core network"
  [game/table]="platform core cardlib dialogs game/table"
  [game/solo]="platform core cardlib dialogs game/table game/solo"
  [game/netrace]="platform core cardlib dialogs network game/table game/netrace"
  [game]="platform core cardlib dialogs network game/table game/solo game/netrace game"
)

failed=0
for layer in "${!allowed[@]}"; do
  for file in "$layer"/*.h "$layer"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r included; do
      folder=${included%/*}
      ok=0
      for a in ${allowed[$layer]}; do
        [ "$folder" = "$a" ] && ok=1
      done
      if [ $ok = 0 ]; then
        echo "$file includes $included: $layer does not build on $folder"
        failed=1
      fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  done
done
# The rules are plain C++: no Qt type reaches them.
if grep -ln '^#include <Q' core/*.h core/*.cpp; then
  echo "core/ includes Qt"
  failed=1
fi
[ $failed = 0 ] && echo "every include runs down the layers"
exit $failed
