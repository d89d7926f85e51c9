#include "session/lignes.h"

#include "model/densite.h"
#include "session/construction.h"
#include "session/session.h"

std::optional<ChoixNiveau> choixRetenu(ChoixNiveaux &choix, int niveau)
{
    if (const auto retenu = choix.retenu(niveau))
        return retenu;
    const auto deTable = choix.choixTable(niveau);
    if (deTable)
        choix.marquerChoisi(niveau);
    return deTable;
}

std::optional<ChoixNiveau> choixLigne(ChoixNiveaux &choix, int niveau, const QList<Milieu> &catalogue)
{
    if (const auto retenu = choixRetenu(choix, niveau))
        return retenu;
    if (catalogue.isEmpty())
        return std::nullopt;
    return ChoixNiveau{catalogue.first().nom, texteDensite(catalogue.first().densite)};
}

int fondLignes(const ChoixNiveaux &choix, const QVector<int> &niveaux)
{
    for (const int fond : {choix.fond(), choix.fondTable()})
        if (fond >= 0 && niveaux.contains(fond))
            return fond;
    return -1;
}

QString materiauxChoix(Session &session)
{
    QList<LigneNiveau> lignes;
    for (const int niveau : session.niveaux())
        // No medium at all: refused with the row, as an empty name box is.
        lignes << LigneNiveau{niveau, choixLigne(session.choix(), niveau, session.catalogue()).value_or(ChoixNiveau{})};
    session.materiaux().clear();
    return materiauxLignes(lignes, fondLignes(session.choix(), session.niveaux()), session.materiaux());
}
