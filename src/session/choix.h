#ifndef QUARVEL_CHOIX_H
#define QUARVEL_CHOIX_H

#include <QHash>
#include <QSet>
#include <memory>
#include <optional>

#include "media/tablegris.h"

// One source's table of choices: each level's last choice (kept when its
// row goes, so that the row comes back as the user left it), the levels
// whose medium the user set, the grey-level table loaded for it and its
// "Fond". A level never seen has none of these: its row starts on the
// catalogue's first medium, unset.
class ChoixNiveaux
{
public:
    std::optional<ChoixNiveau> retenu(int niveau) const;
    void retenir(int niveau, const ChoixNiveau &choix);

    // Set by the user: from a list, typed, by a table or "Compléter".
    bool choisi(int niveau) const { return choisis.contains(niveau); }
    void marquerChoisi(int niveau) { choisis.insert(niveau); }
    const QSet<int> &niveauxChoisis() const { return choisis; }

    // The table loaded last, for the levels that come after it; its choice
    // of a level, none when no table was loaded or it has no entry.
    void chargerTable(const TableGris &table);
    std::optional<ChoixNiveau> choixTable(int niveau) const;
    int fondTable() const { return table ? table->fond : -1; }

    // The level whose row was marked "Fond" when the source was left; -1 for none.
    int fond() const { return fondLaisse; }
    void retenirFond(int niveau) { fondLaisse = niveau; }

private:
    int fondLaisse = -1;
    QHash<int, ChoixNiveau> retenus;
    QSet<int> choisis;
    std::shared_ptr<const TableGris> table;
};

#endif
