#include "io/textelignes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

QString lireTexteCourt(const QString &chemin, qint64 tailleMax, const QString &genre, QByteArray &contenu)
{
    QFile fichier(chemin);
    if (!QFileInfo(chemin).isFile())
        return QCoreApplication::translate("io", "fichier introuvable");
    if (!fichier.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("io", "illisible (%1)").arg(fichier.errorString());
    contenu = fichier.read(tailleMax + 1);
    if (contenu.size() > tailleMax)
        return QCoreApplication::translate("io", "trop grand pour %1").arg(genre);
    if (fichier.error() != QFileDevice::NoError)
        return QCoreApplication::translate("io", "illisible (%1)").arg(fichier.errorString());
    return QString();
}

QString parcourirLignes(QByteArrayView contenu, const std::function<QString(int numero, const QStringList &mots)> &traiter)
{
    static const QRegularExpression blancs("[ \\t]+");
    if (contenu.startsWith("\xEF\xBB\xBF"))
        contenu = contenu.sliced(3);
    int numero = 0;
    while (!contenu.isEmpty()) {
        ++numero;
        const qsizetype fin = contenu.indexOf('\n');
        QByteArrayView octets = fin < 0 ? contenu : contenu.first(fin);
        contenu = fin < 0 ? QByteArrayView() : contenu.sliced(fin + 1);
        if (octets.endsWith('\r'))
            octets.chop(1);
        QStringDecoder utf8(QStringConverter::Utf8);
        QString texte = utf8(octets);
        if (utf8.hasError())
            return refusLigne(numero, QCoreApplication::translate("io", "texte qui n'est pas de l'UTF-8"));
        if (const qsizetype diese = texte.indexOf('#'); diese >= 0)
            texte.truncate(diese);
        const QStringList mots = texte.split(blancs, Qt::SkipEmptyParts);
        if (mots.isEmpty())
            continue;
        if (const QString refus = traiter(numero, mots); !refus.isEmpty())
            return refus;
    }
    return QString();
}

QString refusLigne(int numero, const QString &raison)
{
    return QCoreApplication::translate("io", "ligne %1 : %2").arg(numero).arg(raison);
}
