#!/usr/bin/env bash
# The mutation run: quarvel-phantom built with AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-asan, or $BUILD_DIR), run on RUNS
# (default 1000) mutants of sound volume files and label tables
# (scripts/mutations.py, seed GRAINE). Counts the sanitizer faults, crashes,
# hangs (past 20 s), refusals that are not one line, and the well-formed
# cases whose bytes differ between C.UTF-8 and fr_FR.UTF-8. Exits 1 on any.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-1000}
graine=${GRAINE:-1}
dir=${BUILD_DIR:-build-asan}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$dir" --parallel --target quarvel-phantom >/dev/null
programme=$PWD/$dir/bin/quarvel-phantom
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
python3 scripts/mutations.py "$travail" "$runs" "$graine"

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:exitcode=86
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=86
fautes=0 plantages=0 blocages=0 bavards=0 ecarts=0 ecrits=0 refuses=0
declare -A parFamille
lancer() { # locale, output; the case's arguments in $arguments
    (cd "$cas" && LC_ALL=$1 timeout 20 "$programme" "${arguments[@]}" -o "$2" >/dev/null 2>erreurs)
}
for cas in "$travail"/*/; do
    mapfile -t lignes <"$cas/arguments"
    famille=${lignes[0]} arguments=("${lignes[@]:1}")
    statut=0
    lancer C.UTF-8 c.egsphant || statut=$?
    if grep -q "Sanitizer\|runtime error:" "$cas/erreurs"; then
        fautes=$((fautes + 1)); parFamille[$famille]=$((${parFamille[$famille]:-0} + 1))
        echo "FAUTE ($famille) $cas" >&2; head -5 "$cas/erreurs" >&2
    elif [ "$statut" -eq 124 ]; then
        blocages=$((blocages + 1)); echo "BLOCAGE ($famille) $cas" >&2
    elif [ "$statut" -gt 128 ] || [ "$statut" -eq 86 ]; then
        plantages=$((plantages + 1)); echo "PLANTAGE $statut ($famille) $cas" >&2
    elif [ "$statut" -eq 0 ]; then
        ecrits=$((ecrits + 1))
        lancer fr_FR.UTF-8 f.egsphant || true
        if ! cmp -s "$cas/c.egsphant" "$cas/f.egsphant"; then
            ecarts=$((ecarts + 1)); echo "ECART DE LOCALE ($famille) $cas" >&2
        fi
    else
        refuses=$((refuses + 1))
        if [ "$(wc -l <"$cas/erreurs")" -ne 1 ]; then
            bavards=$((bavards + 1)); echo "PLUS D'UNE LIGNE ($famille) $cas" >&2; head -3 "$cas/erreurs" >&2
        fi
    fi
done
echo "$runs cas (graine $graine) : $ecrits écrits, $refuses refusés ; $fautes fautes, $plantages plantages," \
    "$blocages blocages, $bavards refus de plus d'une ligne, $ecarts écarts entre C.UTF-8 et fr_FR.UTF-8"
[ $((fautes + plantages + blocages + bavards + ecarts)) -eq 0 ]
