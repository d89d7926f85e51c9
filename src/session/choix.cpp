#include "session/choix.h"

std::optional<ChoixNiveau> ChoixNiveaux::retenu(int niveau) const
{
    const auto it = retenus.constFind(niveau);
    return it == retenus.cend() ? std::nullopt : std::optional<ChoixNiveau>(*it);
}

void ChoixNiveaux::retenir(int niveau, const ChoixNiveau &choix)
{
    retenus.insert(niveau, choix);
}

void ChoixNiveaux::chargerTable(const TableGris &lue)
{
    table = std::make_shared<const TableGris>(lue);
}

std::optional<ChoixNiveau> ChoixNiveaux::choixTable(int niveau) const
{
    if (!table || niveau < 0 || size_t(niveau) >= table->choix.size())
        return std::nullopt;
    return table->choix[size_t(niveau)];
}
