#!/usr/bin/env bash
# Fails when a text of src/ has no translation: lupdate is run over a copy of
# translations/, and any entry it leaves unfinished (a text added in the code)
# or vanished (one the code no longer says) is named. The French file holds
# only the plural forms; French is the language the texts are written in.
# Usage: scripts/traductions.sh [LUPDATE], lupdate from PATH or Qt's bin/ by default.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${1:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
copie=$(mktemp -d)
trap 'rm -rf "$copie"' EXIT
cp translations/quarvel_en.ts translations/quarvel_fr.ts "$copie/"
"$lupdate" -silent -locations none -source-language fr src -ts "$copie/quarvel_en.ts" >/dev/null
"$lupdate" -silent -locations none -source-language fr -pluralonly src -ts "$copie/quarvel_fr.ts" >/dev/null
statut=0
for ts in "$copie"/*.ts; do
    if grep -qE 'type="(unfinished|vanished|obsolete)"' "$ts"; then
        echo "Traductions à compléter dans translations/$(basename "$ts") :" >&2
        grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$ts" | grep '<source>' | sed 's/^ */  /' >&2
        statut=1
    fi
done
exit $statut
