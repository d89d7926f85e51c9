#include "media/pegs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <locale>
#include <ostream>
#include <sstream>

#include "media/nom.h"
#include "model/ligne.h"
#include "model/nombre.h"

namespace {

// Piece 0 of texte cut at every sep: everything before the first sep.
QByteArrayView premierePiece(QByteArrayView texte, char sep)
{
    const qsizetype fin = texte.indexOf(sep);
    return fin < 0 ? texte : texte.first(fin);
}

// Piece 1 of texte cut at every sep (empty pieces kept): from the first sep
// to the second or the end. False when texte has no sep at all.
bool deuxiemePiece(QByteArrayView texte, char sep, QByteArrayView &piece)
{
    const qsizetype debut = texte.indexOf(sep);
    if (debut < 0)
        return false;
    qsizetype fin = texte.indexOf(sep, debut + 1);
    if (fin < 0)
        fin = texte.size();
    piece = texte.sliced(debut + 1, fin - debut - 1);
    return true;
}

// The line [debut, fin) without its end of line; fin is the index of its
// '\n', or the size of contenu for an unterminated last line.
QByteArrayView ligne(QByteArrayView contenu, qsizetype debut, qsizetype fin)
{
    if (fin < contenu.size() && fin > debut && contenu[fin - 1] == '\r')
        --fin;
    return contenu.sliced(debut, fin - debut);
}

// A density as Fortran writes it: "1.0D+00" is read as "1.0E+00". False
// when the text is still not a finite number.
bool lireDensite(QByteArrayView texte, double &densite)
{
    QString t = QString::fromLatin1(texte);
    t.replace(QLatin1Char('D'), QLatin1Char('E')).replace(QLatin1Char('d'), QLatin1Char('e'));
    return lireReel(t, densite);
}

void setErreur(QString *erreur, const QString &message)
{
    if (erreur)
        *erreur = message;
}

} // namespace

int analysePegs(QByteArrayView contenu, QList<Milieu> &milieux, std::ostream &trace)
{
    static constexpr char cle[] = "MEDIUM";
    // The density is printed as a default std::ostream would, whatever the
    // flags or locale of the trace stream.
    std::ostringstream nombre;
    nombre.imbue(std::locale::classic());

    int lus = 0;
    qsizetype pos = 0; // always the start of a line
    const qsizetype taille = contenu.size();
    while (pos < taille) {
        // Searching the bytes for the key skips the long data sections at
        // once instead of visiting each line.
        const qsizetype trouve = contenu.indexOf(QByteArrayView(cle), pos);
        if (trouve < 0)
            break;
        qsizetype debut = trouve;
        while (debut > pos && contenu[debut - 1] != '\n')
            --debut;
        const qsizetype finMilieu = contenu.indexOf('\n', trouve);
        if (finMilieu < 0 || finMilieu + 1 >= taille)
            break; // the medium line is the last one: no density line
        const QByteArrayView ligneMilieu = ligne(contenu, debut, finMilieu);
        pos = finMilieu + 1;

        QByteArrayView nom;
        if (!deuxiemePiece(premierePiece(ligneMilieu, ','), '=', nom))
            continue; // not a medium header: the next line is scanned as usual

        // The density line is consumed whatever it holds.
        qsizetype finDensite = contenu.indexOf('\n', pos);
        if (finDensite < 0)
            finDensite = taille;
        const QByteArrayView ligneDensite = ligne(contenu, pos, finDensite);
        pos = finDensite + 1;

        QByteArrayView champ, texteDensite;
        if (!deuxiemePiece(ligneDensite, ',', champ) || !deuxiemePiece(champ, '=', texteDensite))
            continue;

        double densite = 0.0;
        if (!lireDensite(texteDensite, densite) || !refusNom(QString::fromLatin1(nom)).isEmpty())
            continue; // as any other malformed block: left out rather than guessed
        nombre.str(std::string());
        nombre << densite;

        // The bytes are written back as read, i.e. as Latin-1.
        trace.write(nom.data(), nom.size());
        trace.put(' ');
        trace.write(texteDensite.data(), texteDensite.size());
        trace << " -       :   " << nombre.str() << '\n';

        milieux.append(Milieu{QString::fromLatin1(nom), densite});
        ++lus;
    }
    return lus;
}

bool lireFichierPegs(const QString &chemin, QList<Milieu> &milieux, std::ostream &trace, QString *erreur)
{
    const QString affiche = extrait(chemin);
    // Asked before opening: a pipe would block the open, a device would never end.
    const QFileInfo info(chemin);
    if (info.exists() && !info.isFile()) {
        setErreur(erreur, QCoreApplication::translate("media",
            "Le catalogue \"%1\" n'est pas un fichier ordinaire").arg(affiche));
        return false;
    }
    if (info.size() > taillePegsMax) {
        setErreur(erreur, QCoreApplication::translate("media",
            "Le catalogue \"%1\" dépasse %2 Mo : ce n'est pas un fichier PEGS4")
                              .arg(affiche)
                              .arg(taillePegsMax >> 20));
        return false;
    }
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        setErreur(erreur, QCoreApplication::translate("media", "Impossible d'ouvrir le fichier \"%1\"").arg(affiche));
        return false;
    }
    // Never more than the limit, even if the file grows while it is read.
    const QByteArray contenu = fichier.read(taillePegsMax + 1);
    if (fichier.error() != QFileDevice::NoError || contenu.size() > taillePegsMax) {
        setErreur(erreur, QCoreApplication::translate("media", "Impossible de lire le fichier \"%1\"").arg(affiche));
        return false;
    }
    if (analysePegs(contenu, milieux, trace) == 0) {
        setErreur(erreur, QCoreApplication::translate("media", "Aucun milieu dans le fichier \"%1\"").arg(affiche));
        return false;
    }
    return true;
}
