#!/usr/bin/env python3
"""Seed files for the mutation run and their mutants (see mutations.sh).

mutations.py DOSSIER NOMBRE GRAINE writes NOMBRE cases, DOSSIER/NNNNN/ each,
with a file "arguments" (one quarvel-phantom argument a line, the files
relative to the case's folder). Each family makes a sound seed, then spoils
it: a number of its header set to a hostile value, bytes flipped, the file
cut, bytes inserted or removed. Case 0 of each family is the seed itself.
"""
import gzip
import os
import random
import struct
import sys
import zlib

# Numbers a header should never be believed about.
HOSTILES = [b"0", b"-1", b"-32768", b"2147483647", b"4294967296", b"9223372036854775808", b"1e300", b"1e-45",
            b"5e-324", b"nan", b"inf", b"-inf", b"3.4e38", b"", b"abc", b"1.5", b"65536", b"3000"]
# Labels 0 to 3 on 6 x 5 x 4 voxels, in a pattern no turned reading gives again.
COMPTES = (6, 5, 4)
VOXELS = bytes((x * 7 + y * 3 + z) % 4 for z in range(4) for y in range(5) for x in range(6))
MILIEUX = ["--medium", "0=AIR:0.0012", "--medium", "1=H2O:1", "--medium", "2=OS:1.85", "--medium", "3=TITANE:4.5"]


def nrrd(r):
    codage = r.choice(["raw", "gzip"])
    donnees = VOXELS if codage == "raw" else gzip.compress(VOXELS)
    entete = (b"NRRD0004\ntype: uint8\ndimension: 3\nsizes: 6 5 4\nspace: left-posterior-superior\n"
              b"space directions: (1.5,0,0) (0,2,0) (0,0,2.5)\nspace origin: (-150.75,10.5,-3.25)\n"
              b"encoding: " + codage.encode() + b"\n")
    if r.random() < 0.3:
        return {"v.nhdr": entete + b"data file: v.raw\n", "v.raw": donnees}, "v.nhdr"
    return {"v.nrrd": entete + b"\n" + donnees}, "v.nrrd"


def nifti(r):
    entete = bytearray(348)
    struct.pack_into("<i", entete, 0, 348)
    struct.pack_into("<8h", entete, 40, 3, *COMPTES, 1, 1, 1, 1)
    flottant = r.random() < 0.3
    struct.pack_into("<hh", entete, 70, 16 if flottant else 2, 32 if flottant else 8)
    struct.pack_into("<8f", entete, 76, 1, 1.5, 2, 2.5, 0, 0, 0, 0)
    struct.pack_into("<ff", entete, 108, 352, 1)
    struct.pack_into("<hh", entete, 252, 1, 1)
    struct.pack_into("<3f", entete, 268, -150.75, 10.5, -3.25)
    struct.pack_into("<12f", entete, 280, 1.5, 0, 0, -150.75, 0, 2, 0, 10.5, 0, 0, 2.5, -3.25)
    donnees = struct.pack("<%df" % len(VOXELS), *VOXELS) if flottant else VOXELS
    forme = r.choice(["nii", "nii.gz", "hdr"])
    if forme == "hdr":
        entete[344:348] = b"ni1\0"
        struct.pack_into("<f", entete, 108, 0)
        return {"v.hdr": bytes(entete), "v.img": donnees}, "v.hdr"
    entete[344:348] = b"n+1\0"
    fichier = bytes(entete) + b"\0" * 4 + donnees
    if forme == "nii.gz":
        return {"v.nii.gz": gzip.compress(fichier)}, "v.nii.gz"
    return {"v.nii": fichier}, "v.nii"


def metaimage(r):
    champs = (b"ObjectType = Image\nNDims = 3\nBinaryData = True\nBinaryDataByteOrderMSB = False\n"
              b"ElementSpacing = 1.5 2 2.5\nOffset = -150.75 10.5 -3.25\nDimSize = 6 5 4\n"
              b"ElementType = MET_UCHAR\n")
    forme = r.choice(["LOCAL", "zlib", "fichier", "LIST", "motif"])
    tranche = len(VOXELS) // 4
    if forme == "LOCAL":
        return {"v.mha": champs + b"ElementDataFile = LOCAL\n" + VOXELS}, "v.mha"
    if forme == "zlib":
        z = zlib.compress(VOXELS)
        return {"v.mha": champs + b"CompressedData = True\nCompressedDataSize = %d\nElementDataFile = LOCAL\n"
                % len(z) + z}, "v.mha"
    if forme == "fichier":
        return {"v.mhd": champs + b"ElementDataFile = v.raw\n", "v.raw": VOXELS}, "v.mhd"
    tranches = {"t%d.raw" % k: VOXELS[k * tranche:(k + 1) * tranche] for k in range(4)}
    if forme == "LIST":
        return dict(tranches, **{"v.mhd": champs + b"ElementDataFile = LIST\nt0.raw\nt1.raw\nt2.raw\nt3.raw\n"}), "v.mhd"
    return dict(tranches, **{"v.mhd": champs + b"ElementDataFile = t%d.raw 0 3 1\n"}), "v.mhd"


def table(r):
    fichiers, volume = nrrd(random.Random(0))
    fichiers["table.txt"] = b"# tissus\n0 AIR 0.0012\n1-2 H2O 1.5\n3 TITANE 4.5\nfond 0\n"
    return fichiers, volume


# >>> DICOM series and ramp family: added here, as dicom(r) returning the
# >>> case's files and its arguments, and listed in FAMILLES below.

FAMILLES = {"nrrd": nrrd, "nifti": nifti, "metaimage": metaimage, "table": table}


def nombres(texte):
    """Positions of the numbers (and words after '=' or ':') of a text header."""
    positions, i = [], 0
    while i < len(texte):
        if texte[i:i + 1].isdigit() or texte[i:i + 1] == b"-":
            j = i + 1
            while j < len(texte) and texte[j:j + 1] in b"0123456789.e+-":
                j += 1
            positions.append((i, j))
            i = j
        else:
            i += 1
    return positions


def gater(r, octets, texte):
    choix = r.random()
    if texte and choix < 0.5:
        positions = nombres(octets[:4096])
        if positions:
            i, j = r.choice(positions)
            return octets[:i] + r.choice(HOSTILES) + octets[j:]
    if choix < 0.65 and octets:
        return octets[:r.randrange(len(octets))]
    if choix < 0.8 and octets:
        b = bytearray(octets)
        for _ in range(r.randint(1, 8)):
            i = r.randrange(len(b))
            b[i] = r.randrange(256) if r.random() < 0.5 else b[i] ^ (1 << r.randrange(8))
        return bytes(b)
    if choix < 0.9 and octets:
        i = r.randrange(len(octets))
        return octets[:i] + bytes(r.randrange(256) for _ in range(r.randint(1, 16))) + octets[i:]
    if octets:
        i = r.randrange(len(octets))
        return octets[:i] + octets[i + r.randint(1, 64):]
    return octets


def gater_nifti(r, octets):
    """A NIfTI header field set to a hostile value, in the header's own type."""
    b = bytearray(octets if not octets[:2] == b"\x1f\x8b" else gzip.decompress(octets))
    if len(b) < 348:
        return octets
    champ = r.choice([("<h", 40 + 2 * r.randrange(8)), ("<h", 70), ("<h", 72), ("<f", 76 + 4 * r.randrange(8)),
                      ("<f", 108), ("<f", 112), ("<h", 252), ("<h", 254), ("<f", 256 + 4 * r.randrange(6)),
                      ("<f", 280 + 4 * r.randrange(12))])
    if champ[0] == "<h":
        valeur = r.choice([0, -1, -32768, 32767, 7, 8, 255])
    else:
        valeur = r.choice([0.0, -1.0, 1e-45, 3.4e38, 9.2233720e18, float("nan"), float("inf"), -float("inf"), 1e30])
    struct.pack_into(champ[0], b, champ[1], valeur)
    return gzip.compress(bytes(b)) if octets[:2] == b"\x1f\x8b" else bytes(b)


def main():
    dossier, nombre, graine = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    r = random.Random(graine)
    familles = sorted(FAMILLES)
    for n in range(nombre):
        famille = familles[n % len(familles)]
        fichiers, volume = FAMILLES[famille](r)
        if n >= len(familles):  # the first case of each family is its sound seed
            nom = r.choice(sorted(fichiers))
            if famille == "nifti" and nom.endswith((".nii", ".nii.gz", ".hdr")) and r.random() < 0.5:
                fichiers[nom] = gater_nifti(r, fichiers[nom])
            else:
                texte = nom.endswith((".nhdr", ".mhd", ".mha", ".nrrd", ".txt"))
                fichiers[nom] = gater(r, fichiers[nom], texte)
        cas = os.path.join(dossier, "%05d" % n)
        os.makedirs(cas)
        for nom, octets in fichiers.items():
            with open(os.path.join(cas, nom), "wb") as f:
                f.write(octets)
        arguments = ["--volume", volume] + (["--table", "table.txt"] if "table.txt" in fichiers else MILIEUX)
        with open(os.path.join(cas, "arguments"), "w") as f:
            f.write("\n".join([famille] + arguments) + "\n")


main()
