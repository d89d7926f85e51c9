#!/usr/bin/env bash
# Measures the large-phantom targets in one run and prints each figure next
# to its floor. RUNS (default 9) runs of each; medians, with min and max.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
./build.sh >/dev/null
runs=${RUNS:-9}
work=build/bench-travail
rm -rf "$work" && mkdir -p "$work"
./build/bench/bench-images "$work"

# median, min and max of the numbers on standard input
stats() { sort -g | awk '{v[NR]=$1} END {printf "%s %s %s\n", v[int((NR+1)/2)], v[1], v[NR]}'; }

phantom=() copie=() memoire=()
for i in $(seq "$runs"); do
    rm -f "$work/fantome.egsphant" "$work/copie.egsphant"; sync
    /usr/bin/time -f "%e %M" -o "$work/time" ./build/bin/quarvel-phantom \
        --xy "$work/xy.bmp" --xz "$work/xz.bmp" --yz "$work/yz.bmp" \
        --medium 240=AIR:0.0012048 --medium 180=POUMON:0.26 --medium 120=EAU:1.0 \
        --medium 60=OS:1.85 --medium 0=TITANE:4.5 -o "$work/fantome.egsphant" >/dev/null
    read -r s kb <"$work/time"; phantom+=("$s"); memoire+=("$kb"); sync
    /usr/bin/time -f "%e" -o "$work/time" cp "$work/fantome.egsphant" "$work/copie.egsphant"
    copie+=("$(cat "$work/time")"); sync
done
taille=$(stat -c %s "$work/fantome.egsphant")
read -r pm pmin pmax < <(printf '%s\n' "${phantom[@]}" | stats)
read -r cm cmin cmax < <(printf '%s\n' "${copie[@]}" | stats)
read -r mm mmin mmax < <(printf '%s\n' "${memoire[@]}" | stats)
voxels=$((512 * 512 * 256))
plafond=$(((3 * voxels + 64 * 1024 * 1024) / 1024))
echo "Fantome 512 x 512 x 256 (3 plans), fichier de $((taille / 1000000)) Mo, $runs passes"
printf '  quarvel-phantom   mediane %6.2f s (min %s, max %s)\n' "$pm" "$pmin" "$pmax"
printf '  cp du fichier     mediane %6.2f s (min %s, max %s)\n' "$cm" "$cmin" "$cmax"
printf '  rapport           %.2f (cible <= 2)\n' "$(awk "BEGIN {print $pm / $cm}")"
printf '  memoire max       mediane %d Ko (min %s, max %s), plafond %d Ko : rapport %.2f (cible <= 1)\n' \
    "$mm" "$mmin" "$mmax" "$plafond" "$(awk "BEGIN {print $mm / $plafond}")"

# Reading it back: --info and the viewer, plain and gzip, against the build.
gzip -1 -c "$work/fantome.egsphant" >"$work/fantome.egsphant.gz"
plafondLecture=$(((6 * voxels + 64 * 1024 * 1024) / 1024))
echo "Lecture du meme fantome (cibles : temps <= quarvel-phantom, memoire <= 6 octets/voxel + 64 Mo)"
for fichier in fantome.egsphant fantome.egsphant.gz; do
    temps=() memoire=()
    for i in $(seq "$runs"); do
        /usr/bin/time -f "%e %M" -o "$work/time" ./build/bin/quarvel-phantom --info "$work/$fichier" >/dev/null
        read -r s kb <"$work/time"; temps+=("$s"); memoire+=("$kb")
    done
    read -r tm tmin tmax < <(printf '%s\n' "${temps[@]}" | stats)
    read -r mm mmin mmax < <(printf '%s\n' "${memoire[@]}" | stats)
    printf '  --info %-20s mediane %5.2f s (min %s, max %s), rapport au quarvel-phantom %.2f ; memoire %d Ko : rapport %.2f\n' \
        "$fichier" "$tm" "$tmin" "$tmax" "$(awk "BEGIN {print $tm / $pm}")" "$mm" "$(awk "BEGIN {print $mm / $plafondLecture}")"
done
echo "Visionneuse (hors ecran ; cible : < 30 ms par coupe)"
for fichier in fantome.egsphant fantome.egsphant.gz; do
    /usr/bin/time -f "%M" -o "$work/time" ./build/bench/bench-vue "$work/$fichier" 2>/dev/null | sed "s/^/  $fichier : /"
    printf '  %s : memoire %d Ko : rapport %.2f\n' "$fichier" "$(cat "$work/time")" \
        "$(awk "BEGIN {print $(cat "$work/time") / $plafondLecture}")"
done

pegs=../shared/data/521icru.pegs4dat
if [ ! -f "$pegs" ]; then
    echo "Lecture PEGS4 : $pegs absent, le fichier de 2 Mo est remplace par un fichier vide"
    pegs=/dev/null
fi
echo "Etapes internes (cibles : inventaire < 500 ms, lecture PEGS4 < 50 ms)"
./build/bench/bench-etapes "$work/grande.bmp" "$pegs" "$work/xy.bmp" "$work/xz.bmp" "$work/yz.bmp"
rm -rf "$work"
