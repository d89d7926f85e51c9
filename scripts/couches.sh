#!/usr/bin/env bash
# Keeps src/ in layers: fails when folders include each other (naming a file
# of each side), when a folder other than window/ and app/ includes window/,
# or when a header below window/ and viewer/ names a widget.
set -euo pipefail
cd "$(dirname "$0")/../src"

# One include per pair of folders: "from to file included".
aretes=$(grep -rEo '^#include "[^"]+/[^"]+"' --include='*.h' --include='*.cpp' . |
    sed -E 's|^\./||; s|:#include "(.*)"$| \1|' |
    while read -r fichier inclus; do
        de=$(dirname "$fichier")
        vers=$(dirname "$inclus")
        if [ "$de" != "$vers" ]; then echo "$de $vers $fichier $inclus"; fi
    done | sort -u | awk '!vu[$1 " " $2]++')

statut=0
while read -r de vers fichier inclus; do
    retour=$(awk -v de="$de" -v vers="$vers" '$1 == vers && $2 == de { print $3 " inclut " $4; exit }' <<<"$aretes")
    if [ -n "$retour" ] && [[ "$de" < "$vers" ]]; then
        echo "Cycle entre $de/ et $vers/ : $fichier inclut $inclus, et $retour" >&2
        statut=1
    fi
done <<<"$aretes"

# The window is the top but for the programs: only they include it.
while read -r de vers fichier inclus; do
    if [ "$vers" = window ] && [ "$de" != app ]; then
        echo "window/ inclus hors de window/ et app/ : $fichier inclut $inclus" >&2
        statut=1
    fi
done <<<"$aretes"

# Longer loops, through three folders or more.
if ! boucle=$(awk '{ print $1, $2 }' <<<"$aretes" | sort -u | tsort 2>&1 >/dev/null) || [ -n "$boucle" ]; then
    if [ "$statut" -eq 0 ]; then
        echo "Cycle entre dossiers : $(grep -v 'input contains a loop' <<<"$boucle" | sed 's/^tsort: //' | tr '\n' ' ')" >&2
        statut=1
    fi
fi

widgets='\b(QtWidgets|QApplication|QWidget|QMainWindow|QDialog|QFileDialog|QMessageBox|QLabel|QLineEdit|QTextEdit|QPushButton|QToolButton|QRadioButton|QCheckBox|QButtonGroup|QComboBox|QSpinBox|QDoubleSpinBox|QSlider|QProgressBar|QScrollArea|QGroupBox|QTableWidget|QTableView|QTreeView|QListWidget|QGridLayout|QHBoxLayout|QVBoxLayout|QFormLayout)\b'
for en_tete in $(find . -name '*.h' -not -path './window/*' -not -path './viewer/*' | sed 's|^\./||' | sort); do
    if ligne=$(grep -nE "$widgets" "$en_tete" | head -1) && [ -n "$ligne" ]; then
        echo "Widget sous window/ et viewer/ : $en_tete:$ligne" >&2
        statut=1
    fi
done
exit "$statut"
