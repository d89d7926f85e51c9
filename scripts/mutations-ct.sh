#!/usr/bin/env bash
# Mutation run of the CT path: quarvel-phantom --ct built with AddressSanitizer
# and UndefinedBehaviorSanitizer (in build-asan-ct, or $BUILD_DIR), fed DICOM
# series and ramps that this script writes, then damages one way or several at
# a time (cuts, flipped bytes, lengths, hostile values, elements removed or
# added, files removed or doubled). A fault: a sanitizer report, a signal, a
# hang, a status other than 0 and 1, a refusal that is not one line, a status
# 0 without its file, or a file that differs in fr_FR.UTF-8 from C.UTF-8.
#     scripts/mutations-ct.sh [RUNS [SEED]]     # 600 runs by default
# Not run by CI: it builds the program a second time.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build-asan-ct}
runs=${1:-600}
graine=${2:-28}
drapeaux="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$drapeaux" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$dir" --parallel --target quarvel-phantom >/dev/null
export ASAN_OPTIONS=detect_leaks=0:exitcode=99:abort_on_error=0
export UBSAN_OPTIONS=halt_on_error=1:exitcode=98:print_stacktrace=1

python3 - "$dir/bin/quarvel-phantom" "$runs" "$graine" <<'FIN'
import os, random, shutil, struct, subprocess, sys, tempfile

programme, runs, graine = os.path.abspath(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
hasard = random.Random(graine)

# --- Seeds: a small CT series as scanners write it -------------------------

def element_implicite(groupe, element, valeur):
    if len(valeur) % 2:
        valeur += b' '
    return struct.pack('<HHI', groupe, element, len(valeur)) + valeur

LONGUES = {b'OB', b'OW', b'SQ', b'UN', b'UT'}

def element_explicite(groupe, element, vr, valeur):
    if len(valeur) % 2:
        valeur += b'\0' if vr == b'UI' else b' '
    if vr in LONGUES:
        return struct.pack('<HH', groupe, element) + vr + b'\0\0' + struct.pack('<I', len(valeur)) + valeur
    return struct.pack('<HH', groupe, element) + vr + struct.pack('<H', len(valeur)) + valeur

# (group, element, VR, value); the values a test of the readers cares about.
ORIENTATIONS = {'axial': b'1\\0\\0\\0\\1\\0', 'coronal': b'1\\0\\0\\0\\0\\-1',
                'incline': b'1\\0\\0\\0\\0.96592582628906831\\0.25881904510252074', 'inegal': b'1\\0\\0\\0\\1\\0'}

def position(z, forme):
    if forme == 'coronal':
        return b'-11\\%g\\100' % (100 + 2.5 * z)
    return b'-11\\-11.25\\%g' % (100 + 2.5 * z + (0.7 if forme == 'inegal' and z % 2 else 0))

def elements_coupe(z, n, uid, forme, colonnes=12, rangees=10):
    pixels = b''.join(struct.pack('<h', ((c * 97 + r * 151 + z * 31) % 2500) - 1000 + 1024)
                      for r in range(rangees) for c in range(colonnes))
    us = lambda v: struct.pack('<H', v)
    return [
        (0x0008, 0x0008, b'CS', b'ORIGINAL\\PRIMARY\\AXIAL'),
        (0x0008, 0x0016, b'UI', b'1.2.840.10008.5.1.4.1.1.2'),
        (0x0008, 0x0018, b'UI', (uid + '.%d' % (z + 1)).encode()),
        (0x0008, 0x0060, b'CS', b'CT'),
        (0x0008, 0x103e, b'LO', b'Mutations'),
        (0x0018, 0x1120, b'DS', b'0'),
        (0x0020, 0x000d, b'UI', (uid + '.0').encode()),
        (0x0020, 0x000e, b'UI', uid.encode()),
        (0x0020, 0x0011, b'IS', b'3'),
        (0x0020, 0x0013, b'IS', b'%d' % (z + 1)),
        (0x0020, 0x0032, b'DS', position(z, forme)),
        (0x0020, 0x0037, b'DS', ORIENTATIONS[forme]),
        (0x0028, 0x0002, b'US', us(1)),
        (0x0028, 0x0004, b'CS', b'MONOCHROME2'),
        (0x0028, 0x0010, b'US', us(rangees)),
        (0x0028, 0x0011, b'US', us(colonnes)),
        (0x0028, 0x0030, b'DS', b'2.5\\2'),
        (0x0028, 0x0100, b'US', us(16)),
        (0x0028, 0x0101, b'US', us(16)),
        (0x0028, 0x0102, b'US', us(15)),
        (0x0028, 0x0103, b'US', us(0)),
        (0x0028, 0x1052, b'DS', b'-1024'),
        (0x0028, 0x1053, b'DS', b'1'),
        (0x7fe0, 0x0010, b'OW', pixels),
    ]

def meta(syntaxe, instance):
    corps = (element_explicite(0x0002, 0x0001, b'OB', b'\0\1') +
             element_explicite(0x0002, 0x0002, b'UI', b'1.2.840.10008.5.1.4.1.1.2') +
             element_explicite(0x0002, 0x0003, b'UI', instance) +
             element_explicite(0x0002, 0x0010, b'UI', syntaxe))
    return b'\0' * 128 + b'DICM' + element_explicite(0x0002, 0x0000, b'UL', struct.pack('<I', len(corps))) + corps

# A sequence of undefined length, one item of undefined length, for the walk's items.
def sequence(explicite):
    dedans = (element_explicite(0x0008, 0x1150, b'UI', b'1.2.840.10008.5.1.4.1.1.2') if explicite
              else element_implicite(0x0008, 0x1150, b'1.2.840.10008.5.1.4.1.1.2'))
    article = struct.pack('<HHI', 0xfffe, 0xe000, 0xffffffff) + dedans + struct.pack('<HHI', 0xfffe, 0xe00d, 0)
    tete = (struct.pack('<HH', 0x0008, 0x1140) + b'SQ\0\0' + struct.pack('<I', 0xffffffff) if explicite
            else struct.pack('<HHI', 0x0008, 0x1140, 0xffffffff))
    return tete + article + struct.pack('<HHI', 0xfffe, 0xe0dd, 0)

def fichier_coupe(z, n, uid, explicite, forme):
    parties = []
    for g, e, vr, v in elements_coupe(z, n, uid, forme):
        parties.append(element_explicite(g, e, vr, v) if explicite else element_implicite(g, e, v))
        if (g, e) == (0x0008, 0x103e):
            parties.append(sequence(explicite))
    syntaxe = b'1.2.840.10008.1.2.1' if explicite else b'1.2.840.10008.1.2'
    return meta(syntaxe, (uid + '.%d' % (z + 1)).encode()) + b''.join(parties)

def graines():
    series = []
    for explicite in (False, True):
        for i, forme in enumerate(ORIENTATIONS):
            uid = '1.2.826.0.1.3680043.2.1125.28.%d%d' % (explicite, i)
            series.append([fichier_coupe(z, 6, uid, explicite, forme) for z in range(6)])
    return series

RAMPE = b'min -1000\nAIR -900 0.001 0.101\nLUNG -600 0.2 0.5\nEAU 200 0.9 1.3\nOS 2000 1.5 2.4\n'

# --- Mutations ------------------------------------------------------------------

HOSTILES = [b'nan', b'inf', b'-inf', b'1e300', b'-1e300', b'1e-300', b'5e-324', b'1e-45', b'0', b'-0', b'',
            b'abc', b'1,5', b'1e400', b'9' * 400, b'\xff\xfe', b'2147483647', b'-1', b'4294967296']
ETIQUETTES = [(0x0020, 0x0032), (0x0020, 0x0037), (0x0028, 0x0030), (0x0018, 0x1120), (0x0028, 0x0008),
              (0x0028, 0x1052), (0x0028, 0x1053), (0x0002, 0x0010), (0x0008, 0x0008), (0x0008, 0x0016),
              (0x0020, 0x000e), (0x0008, 0x0060)]
ENTIERS = [(0x0028, 0x0010), (0x0028, 0x0011), (0x0028, 0x0100), (0x0028, 0x0002), (0x0028, 0x0101)]

def trouver(octets, g, e):
    return octets.find(struct.pack('<HH', g, e), 132 if g != 0x0002 else 128)

def longueur_a(octets, i):
    # Explicit or implicit: the VR's two letters, when present, say which.
    vr = octets[i + 4:i + 6]
    if vr.isalpha() and vr.isupper():
        if vr in LONGUES:
            return i + 8, 4
        return i + 6, 2
    return i + 4, 4

def remplacer(octets, g, e, valeur):
    i = trouver(octets, g, e)
    if i < 0:
        return octets
    ou, taille = longueur_a(octets, i)
    ancienne = struct.unpack('<I' if taille == 4 else '<H', octets[ou:ou + taille])[0]
    debut = ou + taille
    if len(valeur) % 2:
        valeur += b' '
    nouvelle = struct.pack('<I' if taille == 4 else '<H', len(valeur) & (0xffffffff if taille == 4 else 0xffff))
    return octets[:ou] + nouvelle + valeur + octets[debut + ancienne:]

def muter(octets):
    choix = hasard.randrange(9)
    n = len(octets)
    if choix == 0:                                    # cut anywhere
        return octets[:hasard.randrange(n)]
    if choix == 1:                                    # cut within the header
        return octets[:hasard.randrange(min(n, 700))]
    if choix == 2:                                    # flipped bytes
        b = bytearray(octets)
        for _ in range(hasard.randint(1, 8)):
            i = hasard.randrange(min(n, 900) if hasard.random() < 0.8 else n)
            b[i] = hasard.randrange(256)
        return bytes(b)
    if choix == 3:                                    # a hostile value
        g, e = hasard.choice(ETIQUETTES)
        valeur = hasard.choice(HOSTILES)
        if g == 0x0020 and e == 0x0032 and hasard.random() < 0.5:
            valeur = valeur + b'\\0\\100'
        if g == 0x0028 and e == 0x0030 and hasard.random() < 0.5:
            valeur = valeur + b'\\2'
        return remplacer(octets, g, e, valeur)
    if choix == 4:                                    # a hostile whole number
        g, e = hasard.choice(ENTIERS)
        return remplacer(octets, g, e, struct.pack('<H', hasard.choice([0, 1, 8, 11, 13, 32, 64, 255, 65535])))
    if choix == 5:                                    # a length field changed
        g, e = hasard.choice(ETIQUETTES + ENTIERS + [(0x7fe0, 0x0010), (0x0008, 0x1140), (0x0002, 0x0000)])
        i = trouver(octets, g, e)
        if i < 0:
            return octets
        ou, taille = longueur_a(octets, i)
        ancienne = struct.unpack('<I' if taille == 4 else '<H', octets[ou:ou + taille])[0]
        v = hasard.choice([0, 1, ancienne + 1, ancienne - 1, ancienne + 2, 0xffff, 0xfffffffe, 0xffffffff, 0x7fffffff])
        v &= 0xffffffff if taille == 4 else 0xffff
        return octets[:ou] + struct.pack('<I' if taille == 4 else '<H', v) + octets[ou + taille:]
    if choix == 6:                                    # NumberOfFrames added
        i = trouver(octets, 0x0028, 0x0010)
        valeur = hasard.choice([b'2', b'0', b'-3', b'2147483647', b'99999999999', b'nan'])
        if len(valeur) % 2:
            valeur += b' '
        explicite = octets[i + 4:i + 6] == b'US'
        tete = (struct.pack('<HH', 0x0028, 0x0008) + b'IS' + struct.pack('<H', len(valeur)) if explicite
                else struct.pack('<HHI', 0x0028, 0x0008, len(valeur)))
        return octets[:i] + tete + valeur + octets[i:]
    if choix == 7:                                    # an element removed
        g, e = hasard.choice(ETIQUETTES + ENTIERS)
        i = trouver(octets, g, e)
        if i < 0:
            return octets
        ou, taille = longueur_a(octets, i)
        ancienne = struct.unpack('<I' if taille == 4 else '<H', octets[ou:ou + taille])[0]
        return octets[:i] + octets[ou + taille + ancienne:]
    # bytes inserted or removed in the middle
    i = hasard.randrange(n)
    if hasard.random() < 0.5:
        return octets[:i] + bytes(hasard.randrange(256) for _ in range(hasard.randint(1, 16))) + octets[i:]
    return octets[:i] + octets[i + hasard.randint(1, 16):]

def muter_rampe(texte):
    lignes = texte.split(b'\n')
    choix = hasard.randrange(4)
    if choix == 0:
        mots = texte.split(b' ')
        mots[hasard.randrange(len(mots))] = hasard.choice(HOSTILES)
        return b' '.join(mots)
    if choix == 1:
        del lignes[hasard.randrange(len(lignes))]
    elif choix == 2:
        i, j = hasard.randrange(len(lignes)), hasard.randrange(len(lignes))
        lignes[i], lignes[j] = lignes[j], lignes[i]
    else:
        lignes.insert(hasard.randrange(len(lignes)), bytes(hasard.randrange(256) for _ in range(20)))
    return b'\n'.join(lignes)

# --- The runs ---------------------------------------------------------------------

def lancer(dossier, rampe, sortie, locale, taille):
    env = dict(os.environ, LC_ALL=locale, QT_QPA_PLATFORM='offscreen')
    arguments = [programme, '--ct', dossier, '--ramp', rampe, '-o', sortie]
    if taille:
        arguments += ['--size', '0.5,0.5,0.5']
    try:
        p = subprocess.run(arguments, env=env, capture_output=True, timeout=60)
        return p.returncode, p.stderr.decode('utf-8', 'replace')
    except subprocess.TimeoutExpired:
        return 'délai', ''

series = graines()
fautes, statuts = [], {}
racine = tempfile.mkdtemp(prefix='mutations-ct-')
for essai in range(runs):
    dossier = os.path.join(racine, 'serie')
    shutil.rmtree(dossier, ignore_errors=True)
    os.makedirs(dossier)
    fichiers = list(series[essai % len(series)])
    rampe_texte = RAMPE
    if essai % 10 == 9:
        rampe_texte = muter_rampe(RAMPE)
    else:
        for _ in range(hasard.choice([1, 1, 1, 2, 3])):
            k = hasard.randrange(len(fichiers))
            if hasard.random() < 0.05:
                fichiers.append(fichiers[k])      # a slice twice
            elif hasard.random() < 0.05:
                del fichiers[k]                    # a slice missing
            else:
                fichiers[k] = muter(fichiers[k])
    for k, octets in enumerate(fichiers):
        with open(os.path.join(dossier, 'IM%d' % (k + 1)), 'wb') as f:
            f.write(octets)
    rampe = os.path.join(racine, 'rampe.txt')
    with open(rampe, 'wb') as f:
        f.write(rampe_texte)
    taille = essai % 3 == 0
    sorties = [os.path.join(racine, 'c.egsphant'), os.path.join(racine, 'fr.egsphant')]
    for s in sorties:
        if os.path.exists(s):
            os.remove(s)
    statut, erreurs = lancer(dossier, rampe, sorties[0], 'C.UTF-8', taille)
    statuts[statut] = statuts.get(statut, 0) + 1
    faute = None
    if statut not in (0, 1) or 'Sanitizer' in erreurs or 'runtime error' in erreurs:
        faute = 'statut %s' % statut
    elif statut == 1 and erreurs.count('\n') != 1:
        faute = 'refus sur %d lignes' % erreurs.count('\n')
    elif statut == 0 and not os.path.exists(sorties[0]):
        faute = 'statut 0 sans fichier'
    elif statut == 0:
        statut_fr, _ = lancer(dossier, rampe, sorties[1], 'fr_FR.UTF-8', taille)
        if statut_fr != 0 or open(sorties[0], 'rb').read() != open(sorties[1], 'rb').read():
            faute = 'fichier différent en fr_FR.UTF-8'
    if faute:
        garde = os.path.join(racine, 'faute%d' % essai)
        shutil.copytree(dossier, garde)
        shutil.copy(rampe, garde)
        fautes.append(faute)
        print('essai %d : %s (gardé dans %s)\n%s' % (essai, faute, garde, erreurs[-2000:]))
print('%d essais, %d fautes ; statuts : %s' % (runs, len(fautes),
      ', '.join('%s : %d' % (k, v) for k, v in sorted(statuts.items(), key=lambda kv: str(kv[0])))))
if not fautes:
    shutil.rmtree(racine)
sys.exit(1 if fautes else 0)
FIN
