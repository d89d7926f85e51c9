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
        --medium 60=OS:1.85 --medium 0=TITANE:4.5 -o "$work/fantome.egsphant" >/dev/null 2>"$work/notes"
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

# best (smallest) of the numbers on standard input
best() { sort -g | head -1; }
ratio() { awk "BEGIN {printf \"%.2f\", $1 / $2}"; }
milieux=(--medium 240=AIR:0.0012048 --medium 180=POUMON:0.26 --medium 120=EAU:1.0
         --medium 60=OS:1.85 --medium 0=TITANE:4.5)
plansL=(--xy "$work/xy.bmp" --xz "$work/xz.bmp" --yz "$work/yz.bmp")
plansXL=(--xy "$work/xl-xy.bmp" --xz "$work/xl-xz.bmp" --yz "$work/xl-yz.bmp")

# L as .gz against the cp of the uncompressed L file, side by side.
gz=() copieL=()
for i in $(seq "$runs"); do
    rm -f "$work/fantome.egsphant.gz" "$work/copie.egsphant"; sync
    /usr/bin/time -f "%e" -o "$work/time" ./build/bin/quarvel-phantom "${plansL[@]}" "${milieux[@]}" \
        -o "$work/fantome.egsphant.gz" >/dev/null 2>&1
    gz+=("$(cat "$work/time")"); sync
    /usr/bin/time -f "%e" -o "$work/time" cp "$work/fantome.egsphant" "$work/copie.egsphant"
    copieL+=("$(cat "$work/time")"); sync
done
tailleGz=$(stat -c %s "$work/fantome.egsphant.gz")
gzMin=$(printf '%s\n' "${gz[@]}" | best) cpMin=$(printf '%s\n' "${copieL[@]}" | best)
echo "Fantome L en .egsphant.gz ($((tailleGz / 1000)) Ko), meilleur de $runs passes"
printf '  quarvel-phantom .gz  %6.2f s, cp du texte %6.2f s : rapport %s (cible <= 1)\n' "$gzMin" "$cpMin" \
    "$(ratio "$gzMin" "$cpMin")"
printf '  texte / .gz          %s (cible >= 50)\n' "$(ratio "$taille" "$tailleGz")"

# Progress: L through the command with and without a terminal, both run by
# script(1) so that only where stderr goes differs. Written to memory when
# /dev/shm has room, so that the disk's swings do not hide the cost of the
# progress line.
dossierP=$work
if [ -d /dev/shm ] && [ "$(df -Pk /dev/shm | awk 'NR==2 {print $4}')" -gt $((2 * taille / 1024)) ]; then
    dossierP=$(mktemp -d /dev/shm/quarvel-bench.XXXXXX)
fi
commande="./build/bin/quarvel-phantom ${plansL[*]} ${milieux[*]} -o $dossierP/progression.egsphant"
sans=() avec=()
for i in $(seq "$runs"); do
    /usr/bin/time -f "%e" -o "$work/time" script -q -e -c "$commande 2>$work/stderr" /dev/null >/dev/null
    sans+=("$(cat "$work/time")")
    if grep -q $'\r' "$work/stderr"; then echo "  ERREUR : progression sans terminal" >&2; fi
    /usr/bin/time -f "%e" -o "$work/time" script -q -e -c "$commande" /dev/null >"$work/terminal"
    avec+=("$(cat "$work/time")")
done
rm -f "$dossierP/progression.egsphant"; [ "$dossierP" = "$work" ] || rmdir "$dossierP"
grep -q $'\r''Écriture : ' "$work/terminal" || echo "  ERREUR : pas de progression sur le terminal" >&2
sansMin=$(printf '%s\n' "${sans[@]}" | best) avecMin=$(printf '%s\n' "${avec[@]}" | best)
echo "Progression, fantome L ecrit dans $dossierP, meilleur de $runs passes"
printf '  sans terminal %6.2f s, avec terminal %6.2f s : ecart %s %% (cible <= 5)\n' "$sansMin" "$avecMin" \
    "$(awk "BEGIN {d = ($avecMin - $sansMin) / $sansMin * 100; printf \"%.1f\", d < 0 ? -d : d}")"

# XL as text: 1024 x 1024 x 512, against the cp of its own file; its peak memory.
runsXL=${RUNS_XL:-3}
libre=$(df -Pk "$work" | awk 'NR==2 {print $4}')
if [ "$libre" -lt $((14 * 1024 * 1024)) ]; then
    echo "Fantome XL : moins de 14 Go libres sous $work, mesure sautee"
else
    xl=() copieXL=() memoireXL=()
    for i in $(seq "$runsXL"); do
        rm -f "$work/xl.egsphant" "$work/copie-xl.egsphant"; sync
        /usr/bin/time -f "%e %M" -o "$work/time" ./build/bin/quarvel-phantom "${plansXL[@]}" "${milieux[@]}" \
            -o "$work/xl.egsphant" >/dev/null 2>&1
        read -r s kb <"$work/time"; xl+=("$s"); memoireXL+=("$kb"); sync
        /usr/bin/time -f "%e" -o "$work/time" cp "$work/xl.egsphant" "$work/copie-xl.egsphant"
        copieXL+=("$(cat "$work/time")"); sync
    done
    tailleXL=$(stat -c %s "$work/xl.egsphant")
    rm -f "$work/xl.egsphant" "$work/copie-xl.egsphant"
    xlMin=$(printf '%s\n' "${xl[@]}" | best) cpXLMin=$(printf '%s\n' "${copieXL[@]}" | best)
    memMax=$(printf '%s\n' "${memoireXL[@]}" | sort -g | tail -1)
    voxelsXL=$((1024 * 1024 * 512))
    plafondXL=$(((11 * voxelsXL / 10 + 64 * 1024 * 1024) / 1024))
    echo "Fantome XL 1024 x 1024 x 512 (3 plans), fichier de $((tailleXL / 1000000)) Mo, meilleur de $runsXL passes"
    printf '  quarvel-phantom %6.2f s (%s), cp %6.2f s (%s) : rapport %s (cible <= 1.5)\n' "$xlMin" "${xl[*]}" \
        "$cpXLMin" "${copieXL[*]}" "$(ratio "$xlMin" "$cpXLMin")"
    printf '  memoire max %d Ko, plafond %d Ko (1,1 octet par voxel + 64 Mo) : rapport %s (cible <= 1)\n' \
        "$memMax" "$plafondXL" "$(ratio "$memMax" "$plafondXL")"
fi

# Label volumes: 512 x 512 x 300 in gzip-encoded NRRD, uint8 then uint16,
# read and written as a phantom against the cp of the text written. Each
# pass runs both, in turn first: on a virtual machine, memory just freed by
# one command and taken by the next can cost that one a great deal, and
# always in the same order that cost would fall on one side only.
./build/bench/bench-volume "$work"
voxelsV=$((512 * 512 * 300))
echo "Volumes d'etiquettes 512 x 512 x 300 (NRRD gzip), $runs passes, chaque commande tour a tour la premiere"
for octets in 1 2; do
    fichierV="$work/volume-u$((8 * octets)).nrrd"
    facteur=$((octets == 1 ? 1 : 1000))
    etiquettes=(--medium 0=AIR:0.0012048 --medium "$facteur=EAU:1.0" --medium "$((2 * facteur))=POUMON:0.26"
                --medium "$((3 * facteur))=POUMON:0.26" --medium "$((4 * facteur))=OS:1.85")
    fantome() {
        rm -f "$work/volume.egsphant"; sync
        /usr/bin/time -f "%e %M" -o "$work/time" ./build/bin/quarvel-phantom --volume "$fichierV" "${etiquettes[@]}" \
            -o "$work/volume.egsphant" >/dev/null 2>"$work/notes"
        read -r s kb <"$work/time"; temps+=("$s"); memoire+=("$kb")
    }
    copie() {
        rm -f "$work/copie.egsphant"; sync
        /usr/bin/time -f "%e" -o "$work/time" cp "$work/texte.egsphant" "$work/copie.egsphant"
        copieV+=("$(cat "$work/time")")
    }
    temps=() copieV=() memoire=()
    fantome && cp "$work/volume.egsphant" "$work/texte.egsphant" # the text cp copies, and a first run not counted
    temps=() memoire=()
    for i in $(seq "$runs"); do
        ordre=(fantome copie)
        [ $((i % 2)) = 0 ] && ordre=(copie fantome)
        for etape in "${ordre[@]}"; do "$etape"; done
    done
    cmp -s "$work/volume.egsphant" "$work/texte.egsphant" || echo "  ERREUR : deux passes ont ecrit des fantomes differents" >&2
    read -r vm vmin vmax < <(printf '%s\n' "${temps[@]}" | stats)
    read -r cm cmin cmax < <(printf '%s\n' "${copieV[@]}" | stats)
    read -r mm mmin mmax < <(printf '%s\n' "${memoire[@]}" | stats)
    plafondV=$((((octets + 1) * voxelsV + 64 * 1024 * 1024) / 1024))
    echo "  uint$((8 * octets)) ($(($(stat -c %s "$fichierV") / 1000)) Ko), fantome de $(($(stat -c %s "$work/texte.egsphant") / 1000000)) Mo"
    printf '    quarvel-phantom mediane %6.2f s (min %s, max %s), cp %6.2f s (min %s, max %s) : rapport %.2f, des minimums %.2f (cible <= 1.5)\n' \
        "$vm" "$vmin" "$vmax" "$cm" "$cmin" "$cmax" "$(awk "BEGIN {print $vm / $cm}")" "$(awk "BEGIN {print $vmin / $cmin}")"
    printf '    memoire max mediane %d Ko (min %s, max %s), plafond %d Ko (volume + 1 octet par voxel + 64 Mo) : rapport %.2f (cible <= 1)\n' \
        "$mm" "$mmin" "$mmax" "$plafondV" "$(awk "BEGIN {print $mm / $plafondV}")"
done
rm -f "$work/volume.egsphant" "$work/copie.egsphant" "$work/texte.egsphant" "$work"/volume-u*.nrrd
# CT: a series of 200 slices of 512 x 512 16-bit pixels written here through
# ITK's GDCM writer, read, then made into a phantom at its own voxels and at
# 2 x 2 x 2 mm, each beside the cp of the text it wrote.
serie=$work/serie-ct
mkdir -p "$serie"
./build/bench/bench-ct serie "$serie"
printf 'min -1024\nAIR -950 0.001 0.044\nLUNG -700 0.044 0.302\nTISSU 125 0.302 1.101\nOS 2000 1.101 2.088\n' \
    >"$work/rampe.txt"
lectures=()
for i in $(seq "$runs"); do
    read -r s hmin hmax < <(./build/bench/bench-ct lire "$serie"); lectures+=("$s")
done
read -r lm lmin lmax < <(printf '%s\n' "${lectures[@]}" | stats)
echo "Serie CT 512 x 512 x 200 (16 bits, $(du -sm "$serie" | cut -f1) Mo, HU de $hmin a $hmax), $runs passes"
printf '  lecture           mediane %6.2f s (min %s, max %s)\n' "$lm" "$lmin" "$lmax"
voxelsCT=$((512 * 512 * 200))
for tailles in "" 0.2,0.2,0.2; do
    option=() nom="voxels du scanner" voxels=$voxelsCT
    if [ -n "$tailles" ]; then option=(--size "$tailles"); nom="voxels de 2 mm"; voxels=$((250 * 250 * 200)); fi
    commande=() etapes=() copie=() memoire=()
    for i in $(seq "$runs"); do
        rm -f "$work/ct.egsphant" "$work/copie.egsphant"; sync
        /usr/bin/time -f "%e %M" -o "$work/time" ./build/bin/quarvel-phantom --ct "$serie" --ramp "$work/rampe.txt" \
            "${option[@]}" -o "$work/ct.egsphant" >/dev/null 2>"$work/notes"
        read -r s kb <"$work/time"; commande+=("$s"); memoire+=("$kb"); sync
        /usr/bin/time -f "%e" -o "$work/time" cp "$work/ct.egsphant" "$work/copie.egsphant"
        copie+=("$(cat "$work/time")"); rm -f "$work/ct.egsphant"; sync
        read -r l c e < <(./build/bench/bench-ct etapes "$serie" "$work/rampe.txt" "$work/ct.egsphant" $tailles)
        etapes+=("$(awk "BEGIN {print $c + $e}")")
    done
    tailleCT=$(stat -c %s "$work/ct.egsphant")
    read -r qm qmin qmax < <(printf '%s\n' "${commande[@]}" | stats)
    read -r em emin emax < <(printf '%s\n' "${etapes[@]}" | stats)
    read -r cm cmin cmax < <(printf '%s\n' "${copie[@]}" | stats)
    memMax=$(printf '%s\n' "${memoire[@]}" | sort -g | tail -1)
    plafondCT=$(((6 * voxels + 2 * voxelsCT + 64 * 1024 * 1024) / 1024))
    echo "Fantome CT, $nom, fichier de $((tailleCT / 1000000)) Mo"
    printf '  quarvel-phantom --ct mediane %6.2f s (min %s, max %s), lecture comprise\n' "$qm" "$qmin" "$qmax"
    printf '  construction + ecriture mediane %6.2f s (min %s, max %s)\n' "$em" "$emin" "$emax"
    printf '  cp du fichier     mediane %6.2f s (min %s, max %s)\n' "$cm" "$cmin" "$cmax"
    printf '  rapport (construction + ecriture) / cp %.2f, des minimums %.2f (cible <= 1.5 aux voxels du scanner)\n' \
        "$(awk "BEGIN {print $em / $cm}")" "$(awk "BEGIN {print $emin / $cmin}")"
    printf '  memoire max %d Ko, plafond %d Ko (6 octets par voxel + la serie + 64 Mo) : rapport %s (cible <= 1)\n' \
        "$memMax" "$plafondCT" "$(ratio "$memMax" "$plafondCT")"
done

# CT of 512 x 512 x 140, straight, on a gantry tilted by 15° (resampled onto
# straight slices) and at uneven steps (boundaries halfway between), each
# built at its own voxels; the three take turns at running first. Each runs
# twice in a row: on a virtual machine that hands freed memory back to its
# host, the first run pays for any memory beyond what the run before it
# freed, the second starts as its twin did.
formes=(droite inclinee inegale)
declare -A octetsForme tempsPasse
for forme in "${formes[@]}"; do
    mkdir -p "$work/serie-$forme"
    ./build/bench/bench-ct serie "$work/serie-$forme" 140 "$forme"
done
for i in $(seq "$runs"); do
    for j in 0 1 2; do
        forme=${formes[$(((i + j) % 3))]}
        for passe in premiere seconde; do
            rm -f "$work/ct.egsphant"; sync
            /usr/bin/time -f "%e" -o "$work/time" ./build/bin/quarvel-phantom --ct "$work/serie-$forme" \
                --ramp "$work/rampe.txt" -o "$work/ct.egsphant" >/dev/null 2>"$work/notes"
            tempsPasse[$forme-$passe]+="$(cat "$work/time") "
        done
        octetsForme[$forme]=$(stat -c %s "$work/ct.egsphant")
    done
done
rm -f "$work/ct.egsphant"
echo "Serie CT 512 x 512 x 140 droite, inclinee de 15° et a pas inegaux, aux voxels du scanner, $runs passes"
for passe in seconde premiere; do
    echo "  $passe execution de chaque forme :"
    for forme in "${formes[@]}"; do
        read -r m min max < <(printf '%s\n' ${tempsPasse[$forme-$passe]} | stats)
        eval "m_$forme=$m min_$forme=$min"
        printf '    %-9s mediane %6.2f s (min %s, max %s)\n' "$forme" "$m" "$min" "$max"
    done
    printf '    rapport inclinee / droite %.2f, des minimums %.2f (cible <= 2)\n' \
        "$(awk "BEGIN {print $m_inclinee / $m_droite}")" "$(awk "BEGIN {print $min_inclinee / $min_droite}")"
    printf '    rapport inegale / droite %.2f, des minimums %.2f (cible : 1, rien de mesurable)\n' \
        "$(awk "BEGIN {print $m_inegale / $m_droite}")" "$(awk "BEGIN {print $min_inegale / $min_droite}")"
done
# The tilted box holds every scanned voxel centre, so its file is larger;
# writing it is most of the time.
printf '  fichiers %d Mo inclinee, %d Mo droite : rapport %.2f\n' "$((octetsForme[inclinee] / 1000000))" \
    "$((octetsForme[droite] / 1000000))" "$(awk "BEGIN {print ${octetsForme[inclinee]} / ${octetsForme[droite]}}")"

# Structures: 30 regions (the body, the lungs, the spine, 26 organs) on 140
# of those slices, outside the body set to air and the others to titanium,
# against the same phantom without them, run in turn.
./build/bench/bench-ct structures "$work/rs.dcm"
boite=(--crop=-25,25,-25,25,-20.1,7.9)
regions=(--structures "$work/rs.dcm" --outside BODY=AIR:0.0012)
while IFS=$'\t' read -r numero nom reste; do
    [ "$nom" = BODY ] || regions+=(--structure "$nom=TITANE:4.5")
done < <(./build/bin/quarvel-phantom --structures "$work/rs.dcm" --list-structures)
lectureRS=() pose=() sans=() avec=()
for i in $(seq "$runs"); do
    read -r z l p < <(./build/bench/bench-ct temps-structures "$serie" "$work/rampe.txt" "$work/rs.dcm")
    lectureRS+=("$l"); pose+=("$(awk "BEGIN {print $l + $p}")")
    for cas in sans avec; do
        rm -f "$work/ct.egsphant"; sync
        option=(); [ "$cas" = avec ] && option=("${regions[@]}")
        /usr/bin/time -f "%e" -o "$work/time" ./build/bin/quarvel-phantom --ct "$serie" --ramp "$work/rampe.txt" \
            "${boite[@]}" "${option[@]}" -o "$work/ct.egsphant" >/dev/null 2>&1
        if [ "$cas" = sans ]; then sans+=("$(cat "$work/time")"); else avec+=("$(cat "$work/time")"); fi
    done
done
rm -f "$work/ct.egsphant"
read -r rm_ rmin rmax < <(printf '%s\n' "${lectureRS[@]}" | stats)
read -r pm_ pmin pmax < <(printf '%s\n' "${pose[@]}" | stats)
read -r sm smin smax < <(printf '%s\n' "${sans[@]}" | stats)
read -r am amin amax < <(printf '%s\n' "${avec[@]}" | stats)
echo "Structures : 30 regions sur 512 x 512 x $z voxels ($(($(stat -c %s "$work/rs.dcm") / 1000000)) Mo de contours ; cible : <= 0.5 s de plus)"
printf '  lecture + choix + pose  mediane %5.2f s (min %s, max %s), dont lecture %s s : rapport a 0.5 s %s\n' \
    "$pm_" "$pmin" "$pmax" "$rm_" "$(ratio "$pm_" 0.5)"
printf '  quarvel-phantom --ct    sans mediane %5.2f s (min %s), avec %5.2f s (min %s) : %s s de plus, rapport a 0.5 s %s\n' \
    "$sm" "$smin" "$am" "$amin" "$(awk "BEGIN {print $am - $sm}")" "$(ratio "$(awk "BEGIN {print $am - $sm}")" 0.5)"

# A density per voxel, as a CT gives, against few densities, on one grid of
# 256 x 256 x 200: --info and the viewer's opening, each run reading the two
# files in turn (targets: at most 1.5 times the time). Then a dose for that
# grid as DOSXYZnrc writes it, read alone, against the phantom per byte.
./build/bench/bench-dose "$work" 256 256 200
infoPlan=() infoCT=() vuePlan=() vueCT=() lectureDose=()
for i in $(seq "$runs"); do
    for genre in plan ct; do
        /usr/bin/time -f "%e" -o "$work/time" ./build/bin/quarvel-phantom --info "$work/$genre.egsphant" >/dev/null
        if [ "$genre" = plan ]; then infoPlan+=("$(cat "$work/time")"); else infoCT+=("$(cat "$work/time")"); fi
        s=$(./build/bench/bench-vue "$work/$genre.egsphant" 2>/dev/null | awk '/^ouverture/ {print $2}')
        if [ "$genre" = plan ]; then vuePlan+=("$s"); else vueCT+=("$s"); fi
    done
    lectureDose+=("$(./build/bench/bench-dose lire "$work/dose.3ddose")")
done
octetsPlan=$(stat -c %s "$work/plan.egsphant")
octetsDose=$(stat -c %s "$work/dose.3ddose")
echo "Densite par voxel et dose, 256 x 256 x 200, $runs passes alternees (machine partagee : voir les minimums)"
for mesure in info vue; do
    if [ "$mesure" = info ]; then a=("${infoPlan[@]}") b=("${infoCT[@]}"); else a=("${vuePlan[@]}") b=("${vueCT[@]}"); fi
    read -r am amin amax < <(printf '%s\n' "${a[@]}" | stats)
    read -r bm bmin bmax < <(printf '%s\n' "${b[@]}" | stats)
    printf '  %-5s peu de densites mediane %5.2f s (min %s) ; une par voxel mediane %5.2f s (min %s) : rapport %s, des minimums %s (cible <= 1.5)\n' \
        "$mesure" "$am" "$amin" "$bm" "$bmin" "$(ratio "$bm" "$am")" "$(ratio "$bmin" "$amin")"
done
read -r am amin amax < <(printf '%s\n' "${infoPlan[@]}" | stats)
read -r dm dmin dmax < <(printf '%s\n' "${lectureDose[@]}" | stats)
printf '  dose %d Mo lue mediane %5.2f s (min %s) : par octet, rapport au --info du fantome %s, des minimums %s (cible <= 1.5)\n' \
    "$((octetsDose / 1000000))" "$dm" "$dmin" "$(ratio "($dm * $octetsPlan)" "($am * $octetsDose)")" \
    "$(ratio "($dmin * $octetsPlan)" "($amin * $octetsDose)")"
rm -f "$work/plan.egsphant" "$work/ct.egsphant" "$work/dose.3ddose"

# The viewer following the cursor over a CT-sized grid with its dose: 512 x
# 512 x 140, 2.7 GB of text written for it and removed after (target: no
# visible lag, each step below 30 ms).
./build/bench/bench-dose "$work" 512 512 140
echo "Visionneuse, 512 x 512 x 140, une densite par voxel et sa dose (cible : < 30 ms par pas)"
./build/bench/bench-vue "$work/ct.egsphant" "$work/dose.3ddose" 2>/dev/null | sed 's/^/  /'
rm -f "$work/plan.egsphant" "$work/ct.egsphant" "$work/dose.3ddose"

pegs=../shared/data/521icru.pegs4dat
if [ ! -f "$pegs" ]; then
    echo "Lecture PEGS4 : $pegs absent, le fichier de 2 Mo est remplace par un fichier vide"
    pegs=/dev/null
fi
echo "Etapes internes (cibles : inventaire < 500 ms, lecture PEGS4 < 50 ms)"
./build/bench/bench-etapes "$work/grande.bmp" "$pegs" "$work/xy.bmp" "$work/xz.bmp" "$work/yz.bmp"
rm -rf "$work"
