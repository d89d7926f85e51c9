#include "media/completer.h"

QMap<int, ChoixNiveau> completerChoix(const QList<int> &niveaux, const QMap<int, ChoixNiveau> &choisis)
{
    QMap<int, ChoixNiveau> completes;
    if (choisis.isEmpty())
        return completes;
    for (int niveau : niveaux) {
        if (choisis.contains(niveau))
            continue;
        // The first chosen level above, and the one below it.
        auto dessus = choisis.upperBound(niveau);
        auto dessous = dessus == choisis.begin() ? choisis.end() : std::prev(dessus);
        if (dessus == choisis.end() || (dessous != choisis.end() && niveau - dessous.key() <= dessus.key() - niveau))
            completes.insert(niveau, dessous.value());
        else
            completes.insert(niveau, dessus.value());
    }
    return completes;
}
