// RT Structure Sets written byte by byte as a treatment planning system
// writes them: a Part 10 file, explicit VR little endian with sequences and
// items of undefined length, or implicit VR with every length given.
#ifndef QUARVEL_TESTS_STRUCTURESRT_H
#define QUARVEL_TESTS_STRUCTURESRT_H

#include <QByteArray>
#include <QtEndian>

#include <locale>
#include <sstream>
#include <string>
#include <vector>

struct ContourEssai
{
    std::vector<double> points; // x, y, z in mm, one triplet per point
    std::string type = "CLOSED_PLANAR";
};

struct RegionEssai
{
    int numero = 1;
    std::string nom;
    std::string type = "ORGAN";
    std::string couleur = "255\\0\\0";
    std::vector<ContourEssai> contours;
};

struct StructuresEssai
{
    std::string classe = "1.2.840.10008.5.1.4.1.1.481.3";
    std::string referentiel = "1.2.826.0.1.3680043.2.1125.22.7";
    std::vector<RegionEssai> regions;
    bool implicite = false;
};

// An axis-aligned rectangle on plane z (mm), counter-clockwise.
inline ContourEssai rectangle(double x0, double x1, double y0, double y1, double z)
{
    return {{x0, y0, z, x1, y0, z, x1, y1, z, x0, y1, z}};
}

class EcritureDicom
{
public:
    explicit EcritureDicom(bool implicite) : implicite(implicite) {}

    // A value element, padded to an even length as DICOM wants.
    void element(quint16 groupe, quint16 numero, const char *vr, std::string valeur)
    {
        if (valeur.size() % 2)
            valeur += std::string(vr) == "UI" ? '\0' : ' ';
        etiquette(groupe, numero);
        longueur(vr, quint32(valeur.size()));
        octets += QByteArray::fromStdString(valeur);
    }

    // A sequence of items that ecrire(item index) fills.
    template <typename Ecrire>
    void sequence(quint16 groupe, quint16 numero, size_t articles, Ecrire ecrire)
    {
        etiquette(groupe, numero);
        const qsizetype debut = longueur("SQ", 0xFFFFFFFF);
        for (size_t k = 0; k < articles; ++k) {
            etiquette(0xFFFE, 0xE000);
            const qsizetype debutArticle = brut(0xFFFFFFFF);
            ecrire(k);
            if (implicite)
                fixer(debutArticle);
            else
                etiquette(0xFFFE, 0xE00D), brut(0);
        }
        if (implicite)
            fixer(debut);
        else
            etiquette(0xFFFE, 0xE0DD), brut(0);
    }

    QByteArray octets;

private:
    void etiquette(quint16 groupe, quint16 numero)
    {
        octets += QByteArray(reinterpret_cast<const char *>(&(groupe = qToLittleEndian(groupe))), 2);
        octets += QByteArray(reinterpret_cast<const char *>(&(numero = qToLittleEndian(numero))), 2);
    }
    qsizetype brut(quint32 n)
    {
        const qsizetype place = octets.size();
        n = qToLittleEndian(n);
        octets += QByteArray(reinterpret_cast<const char *>(&n), 4);
        return place;
    }
    // The VR and length; where the four-byte length lies, for fixer.
    qsizetype longueur(const char *vr, quint32 n)
    {
        if (implicite)
            return brut(n);
        octets += QByteArray(vr, 2);
        const std::string v(vr);
        if (v == "SQ" || v == "OB" || v == "UT" || v == "UN") {
            octets += QByteArray(2, '\0');
            return brut(n);
        }
        const quint16 court = qToLittleEndian(quint16(n));
        octets += QByteArray(reinterpret_cast<const char *>(&court), 2);
        return octets.size() - 2;
    }
    // Writes the length of what follows the four bytes at place.
    void fixer(qsizetype place)
    {
        const quint32 n = qToLittleEndian(quint32(octets.size() - place - 4));
        octets.replace(place, 4, QByteArray(reinterpret_cast<const char *>(&n), 4));
    }

    bool implicite;
};

inline std::string nombresDicom(const std::vector<double> &v)
{
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s.precision(10);
    for (size_t i = 0; i < v.size(); ++i)
        s << (i ? "\\" : "") << v[i];
    return s.str();
}

inline QByteArray octetsStructures(const StructuresEssai &jeu)
{
    EcritureDicom meta(false);
    meta.element(0x0002, 0x0001, "OB", std::string("\0\1", 2));
    meta.element(0x0002, 0x0002, "UI", jeu.classe);
    meta.element(0x0002, 0x0003, "UI", "1.2.826.0.1.3680043.2.1125.22.8");
    meta.element(0x0002, 0x0010, "UI", jeu.implicite ? "1.2.840.10008.1.2" : "1.2.840.10008.1.2.1");
    EcritureDicom d(jeu.implicite);
    d.element(0x0008, 0x0016, "UI", jeu.classe);
    d.element(0x0008, 0x0060, "CS", "RTSTRUCT");
    d.sequence(0x3006, 0x0010, 1, [&](size_t) { d.element(0x0020, 0x0052, "UI", jeu.referentiel); });
    const auto &regions = jeu.regions;
    d.sequence(0x3006, 0x0020, regions.size(), [&](size_t k) {
        d.element(0x3006, 0x0022, "IS", std::to_string(regions[k].numero));
        d.element(0x3006, 0x0024, "UI", jeu.referentiel);
        d.element(0x3006, 0x0026, "LO", regions[k].nom);
    });
    d.sequence(0x3006, 0x0039, regions.size(), [&](size_t k) {
        d.element(0x3006, 0x002A, "IS", regions[k].couleur);
        d.sequence(0x3006, 0x0040, regions[k].contours.size(), [&](size_t c) {
            const ContourEssai &contour = regions[k].contours[c];
            d.element(0x3006, 0x0042, "CS", contour.type);
            d.element(0x3006, 0x0046, "IS", std::to_string(contour.points.size() / 3));
            d.element(0x3006, 0x0050, "DS", nombresDicom(contour.points));
        });
        d.element(0x3006, 0x0084, "IS", std::to_string(regions[k].numero));
    });
    d.sequence(0x3006, 0x0080, regions.size(), [&](size_t k) {
        d.element(0x3006, 0x0084, "IS", std::to_string(regions[k].numero));
        d.element(0x3006, 0x00A4, "CS", regions[k].type);
    });
    EcritureDicom groupe(false);
    const quint32 n = qToLittleEndian(quint32(meta.octets.size()));
    groupe.element(0x0002, 0x0000, "UL", std::string(reinterpret_cast<const char *>(&n), 4));
    return QByteArray(128, '\0') + "DICM" + groupe.octets + meta.octets + d.octets;
}

#endif
