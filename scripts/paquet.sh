#!/usr/bin/env bash
# Makes the Debian package and checks it without root: its control fields, the
# dependencies dpkg-shlibdeps found from the programs' libraries, the files it
# installs (share/installation.txt, no more), and, unpacked, the batch command
# answering --version without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build}
./package.sh >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
paquet="$dir/quarvel-toolkit_${version}_amd64.deb"
echec() { echo "Paquet $paquet : $*" >&2; exit 1; }
[ -f "$paquet" ] || echec "absent"

info=$(dpkg-deb --info "$paquet")
for champ in "Package: quarvel-toolkit" "Version: $version" "Architecture: amd64"; do
    grep -qxF " $champ" <<<"$info" || echec "champ « $champ » absent"
done
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
for bibliotheque in libc6 libstdc++6 libisal2 libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6; do
    [[ ", $depends" == *", $bibliotheque (>= "* ]] || echec "dépendance $bibliotheque absente de « $depends »"
done

contenu=$(dpkg-deb --contents "$paquet")
fichiers=$(awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6 }' <<<"$contenu" | sort)
attendus=$(sort share/installation.txt)
[ "$fichiers" = "$attendus" ] ||
    echec "fichiers en trop (>) ou manquants (<) : $(diff <(echo "$attendus") <(echo "$fichiers") | grep '^[<>]' | tr '\n' ' ')"
awk '$2 != "root/root" || ($6 ~ /^\.\/usr\/bin\/./ && $1 != "-rwxr-xr-x") { exit 1 }' <<<"$contenu" ||
    echec "propriétaire autre que root ou programme non exécutable"

dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
dpkg-deb -x "$paquet" "$dossier"
reponse=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$dossier/usr/bin/quarvel-phantom" --version)
[ "$reponse" = "quarvel-phantom (Quarvel Toolkit) $version" ] || echec "quarvel-phantom --version répond « $reponse »"
echo "Paquet vérifié : $paquet"
