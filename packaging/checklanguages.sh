#!/usr/bin/env bash
# Every language the program is translated into (a .ts file of
# resources/translations) is carried by the desktop entry (its comment) and
# the AppStream metadata (its summary and its list of languages), and none
# that the program does not speak.
set -euo pipefail
source_dir=$1 app_id=$2
desktop=$source_dir/packaging/$app_id.desktop
metainfo=$source_dir/packaging/$app_id.metainfo.xml
status=0
program=$(cd "$source_dir/resources/translations" && ls velto_*.ts | sed 's/^velto_\(.*\)\.ts$/\1/' | sort)
entry=$(sed -n 's/^Comment\[\([^]]*\)\]=.*/\1/p' "$desktop" | sort)
summary=$(sed -n 's/.*<summary xml:lang="\([^"]*\)">.*/\1/p' "$metainfo" | sort)
listed=$(sed -n 's/.*<lang>\([^<]*\)<\/lang>.*/\1/p' "$metainfo" | grep -vx en | sort)
for what in entry summary listed; do
    if [ "${!what}" != "$program" ]; then
        echo "the $what's languages ($(echo ${!what})) are not the program's ($(echo $program))" >&2
        status=1
    fi
done
exit $status
