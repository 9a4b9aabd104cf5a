// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocolevoix.h"

#include <array>
#include <utility>

namespace protocolevoix {

namespace {

constexpr std::array<std::pair<Genre, const char*>, 6> mots{{
    {Genre::Dire, "dire"},
    {Genre::Arreter, "arreter"},
    {Genre::Voix, "voix"},
    {Genre::SansVoix, "sans"},
    {Genre::Parle, "parle"},
    {Genre::Silence, "silence"},
}};

// The messages that carry a text after their word.
bool porteUnTexte(Genre g)
{
    return g == Genre::Dire || g == Genre::Voix || g == Genre::SansVoix;
}

}  // namespace

QByteArray ligne(const Message& m)
{
    QByteArray l;
    for (const auto& [genre, mot] : mots)
        if (genre == m.genre)
            l = mot;
    if (porteUnTexte(m.genre)) {
        QString texte = m.texte;
        texte.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        l += ' ' + texte.toUtf8();
    }
    return l + '\n';
}

std::optional<Message> lire(QByteArrayView ligne)
{
    if (ligne.endsWith('\r'))
        ligne.chop(1);
    if (ligne.size() > longueurMax)
        return std::nullopt;
    const qsizetype blanc = ligne.indexOf(' ');
    const QByteArrayView mot = blanc < 0 ? ligne : ligne.first(blanc);
    for (const auto& [genre, nom] : mots) {
        if (mot != QByteArrayView(nom))
            continue;
        if (porteUnTexte(genre) != (blanc >= 0))
            return std::nullopt;
        return Message{genre, blanc < 0 ? QString() : QString::fromUtf8(ligne.sliced(blanc + 1))};
    }
    return std::nullopt;
}

}  // namespace protocolevoix
