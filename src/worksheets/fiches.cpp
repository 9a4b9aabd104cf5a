// SPDX-License-Identifier: GPL-3.0-or-later
#include "fiches.h"

#include <algorithm>
#include <limits>
#include <random>

#include "clock/aiguilles.h"
#include "common/journee.h"
#include "common/randomsource.h"

namespace fiches {

namespace {

constexpr int minute = 60;
constexpr int heure = 3600;
constexpr int demiJournee = 12 * heure;
// A sheet's months, whatever the year it is printed: the same number gives
// the same pages in ten years.
constexpr int premiereAnneeDesMois = 2025;
constexpr int anneesDesMois = 6;
// Draws before giving up on one more exercise unlike the others: enough
// for the last of a level's exercises to come up nearly surely.
constexpr int essaisParDifferent = 20;
constexpr int essaisCalendrier = 200;
const QString blanc = QStringLiteral("___");

const QString cleApresMidi = QStringLiteral("apres_midi");
const QString cleSecondes = QStringLiteral("secondes");
const QString cleHeures = QStringLiteral("heures");

// The draws of one sheet: a generator the same everywhere (the standard's
// Mersenne twister), seeded from the sheet's number and choices.
class TirageDeFiche final : public RandomSource {
public:
    explicit TirageDeFiche(const QString& graine)
    {
        // FNV-1a: qHash changes from run to run.
        quint64 h = 14695981039346656037ULL;
        for (const char c : graine.toUtf8()) {
            h ^= quint8(c);
            h *= 1099511628211ULL;
        }
        generateur_.seed(h);
    }
    double next() override { return double(generateur_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 generateur_;
};

aiguilles::Niveau niveauCadran(const QString& cle)
{
    return aiguilles::depuisCle(cle);
}

// The longest duration two dials ask, and its step, at a level.
struct PasDuree {
    int pas;
    int plusLongue;
};
PasDuree pasDuree(const QString& niveau)
{
    if (niveau == cleSecondes)
        return {5, 10 * minute};
    const int pas = aiguilles::pas(niveauCadran(niveau)) * minute;
    return {pas, niveau == cleHeures ? 5 * heure : std::min(6 * heure, pas * 48)};
}

Exercice tirer(RandomSource& hasard, Genre g, const QString& niveau, bool enMots, const QuestionsDuMois& mois)
{
    Exercice e{g, niveau};
    if (g == Genre::Calendrier) {
        const int n = std::max<int>(0, int(clesNiveaux(g).indexOf(niveau)));
        e.mois = QDate(premiereAnneeDesMois + tirage(hasard, anneesDesMois, 0), tirage(hasard, 12, 1), 1);
        e.question = mois(hasard, n, e.mois);
        return e;
    }
    const aiguilles::Niveau n = niveauCadran(niveau);
    const int t = aiguilles::tirer(hasard, n, -1);
    e.temps = t * minute + (niveau == cleSecondes ? aiguilles::tirerSecondes(hasard) : 0);
    if (niveau == cleApresMidi)
        e.temps += demiJournee;
    e.enMots = g == Genre::Dessiner && enMots && niveau != cleSecondes;
    if (g == Genre::Durees) {
        const PasDuree d = pasDuree(niveau);
        e.fin = e.temps + d.pas * tirage(hasard, d.plusLongue / d.pas, 1);
    }
    return e;
}

// How many exercises of a kind and level differ (the calendar's: plenty).
int differents(Genre g, const QString& niveau)
{
    if (g == Genre::Calendrier)
        return std::numeric_limits<int>::max();
    const aiguilles::Niveau n = niveauCadran(niveau);
    const int cadrans = n == aiguilles::Niveau::ApresMidi ? (aiguilles::tour - heure / minute) / aiguilles::pas(n)
                        : n == aiguilles::Niveau::AvecSecondes ? aiguilles::tour * minute / 5
                                                                : aiguilles::tour / aiguilles::pas(n);
    if (g != Genre::Durees)
        return cadrans;
    const PasDuree d = pasDuree(niveau);
    return cadrans * (d.plusLongue / d.pas);
}

// The same exercise for a child, whatever else differs: the same dial, the
// same pair of dials, the same question.
bool pareil(const Exercice& a, const Exercice& b)
{
    if (a.genre != b.genre)
        return false;
    if (a.genre == Genre::Calendrier)
        return a.question.enonce == b.question.enonce && a.mois == b.mois;
    return surLeCadran(a.temps) == surLeCadran(b.temps) && (a.genre != Genre::Durees || a.fin - a.temps == b.fin - b.temps);
}

// One more exercise unlike those already there; none when the level has
// no other.
std::optional<Exercice> encoreUn(RandomSource& hasard, const QList<Exercice>& deja, Genre g, const QString& niveau,
                                 bool enMots, const QuestionsDuMois& mois)
{
    const int essais = g == Genre::Calendrier ? essaisCalendrier
                                              : std::min(essaisParDifferent * differents(g, niveau), 20000);
    for (int essai = 0; essai < essais; ++essai) {
        const Exercice e = tirer(hasard, g, niveau, enMots, mois);
        if (std::none_of(deja.begin(), deja.end(), [&e](const Exercice& x) { return pareil(x, e); }))
            return e;
    }
    return std::nullopt;
}

QString consigneDe(Genre g, const QString& niveau)
{
    switch (g) {
    case Genre::Lire:
        return niveau == cleApresMidi
                   ? QStringLiteral("Écris l'heure que montre chaque horloge : le matin, puis l'après-midi.")
                   : QStringLiteral("Écris l'heure que montre chaque horloge.");
    case Genre::Dessiner:
        return niveau == cleSecondes
                   ? QStringLiteral("Dessine les aiguilles : la petite pour les heures, la grande pour les "
                                    "minutes, la trotteuse pour les secondes.")
                   : QStringLiteral("Dessine les aiguilles : la petite pour les heures, la grande pour les minutes.");
    case Genre::Durees:
        return QStringLiteral("Lis l'heure sur la première horloge, puis sur la deuxième.");
    case Genre::Calendrier:
        break;
    }
    return QStringLiteral("Lis la page du calendrier et réponds à la question.");
}

// What a kind asks on a page of several kinds.
QString consigneMelangee(Genre g)
{
    switch (g) {
    case Genre::Lire:
        return QStringLiteral("écris l'heure des horloges qui ont leurs aiguilles");
    case Genre::Dessiner:
        return QStringLiteral("dessine les aiguilles sur les horloges vides");
    case Genre::Durees:
        return QStringLiteral("calcule le temps écoulé d'une horloge à l'autre");
    case Genre::Calendrier:
        break;
    }
    return QStringLiteral("réponds avec la page du calendrier");
}

// A number of minutes by the hour's words: "3 h 45", "15 h 45".
QString heureEcrite(int temps, bool surDouze)
{
    const int m = temps / minute;
    if (temps % minute != 0)
        return journee::avecSecondes(m, temps % minute);
    return surDouze ? journee::surCadran(m) : journee::numerique(m);
}

}  // namespace

QString cleGenre(Genre g)
{
    switch (g) {
    case Genre::Lire:
        return QStringLiteral("lire");
    case Genre::Dessiner:
        return QStringLiteral("dessiner");
    case Genre::Durees:
        return QStringLiteral("durees");
    case Genre::Calendrier:
        break;
    }
    return QStringLiteral("calendrier");
}

QString nomGenre(Genre g)
{
    switch (g) {
    case Genre::Lire:
        return QStringLiteral("Lire l'heure");
    case Genre::Dessiner:
        return QStringLiteral("Dessiner les aiguilles");
    case Genre::Durees:
        return QStringLiteral("Durées");
    case Genre::Calendrier:
        break;
    }
    return QStringLiteral("Le calendrier");
}

std::optional<Genre> genreDepuisCle(const QString& cle)
{
    for (Genre g : genres)
        if (cleGenre(g) == cle)
            return g;
    return std::nullopt;
}

QStringList clesNiveaux(Genre g)
{
    if (g == Genre::Calendrier)
        return {QStringLiteral("trouver"), QStringLiteral("compter"), QStringLiteral("mois_suivant")};
    QStringList l;
    for (aiguilles::Niveau n : aiguilles::niveaux)
        if (g != Genre::Durees || n != aiguilles::Niveau::ApresMidi)
            l << aiguilles::cle(n);
    return l;
}

QString nomNiveau(Genre g, const QString& cle)
{
    if (g != Genre::Calendrier)
        return aiguilles::nom(niveauCadran(cle));
    static const QStringList noms{QStringLiteral("Trouver un jour"), QStringLiteral("Compter les jours"),
                                  QStringLiteral("Au mois suivant")};
    return noms.value(std::max<int>(0, int(clesNiveaux(g).indexOf(cle))));
}

bool grandeCase(Genre g)
{
    return g == Genre::Durees || g == Genre::Calendrier;
}

int parPagePour(Genre g, int demande)
{
    int retenu = parPageAutorises.front();
    for (int n : parPageAutorises)
        if (n <= demande && (!grandeCase(g) || n <= parPageGrandesCases))
            retenu = n;
    return retenu;
}

int pagesPossibles(const Choix& c)
{
    const int pleines = differents(c.genre, c.niveau) / parPagePour(c.genre, c.parPage);
    return std::clamp(std::min(pleines, pagesMax), 1, std::max(1, c.pages));
}

bool avecSecondes(const Exercice& e)
{
    return e.niveau == cleSecondes;
}

int surLeCadran(int temps)
{
    return (temps % demiJournee + demiJournee) % demiJournee;
}

QString aDessiner(const Exercice& e)
{
    const bool apresMidi = e.niveau == cleApresMidi;
    if (e.enMots)
        return apresMidi ? journee::numeriqueEnLettres(e.temps / minute)
                         : journee::enToutesLettres(e.temps / minute);
    return heureEcrite(e.temps, !apresMidi);
}

QStringList aRemplir(const Exercice& e)
{
    const QString hm = QStringLiteral("%1 h %1 min").arg(blanc);
    switch (e.genre) {
    case Genre::Lire:
        if (e.niveau == cleApresMidi)
            return {QStringLiteral("matin : ") + hm, QStringLiteral("après-midi : ") + hm};
        return {avecSecondes(e) ? hm + QStringLiteral(" %1 s").arg(blanc) : hm};
    case Genre::Durees:
        return {QStringLiteral("Combien de temps s'est-il écoulé ?"),
                avecSecondes(e) ? QStringLiteral("%1 min %1 s").arg(blanc) : hm};
    case Genre::Calendrier:
        return {QStringLiteral("Réponse : ……………………")};
    case Genre::Dessiner:
        break;
    }
    return {aDessiner(e)};
}

QString reponse(const Exercice& e)
{
    switch (e.genre) {
    case Genre::Lire:
        if (e.niveau == cleApresMidi)
            return QStringLiteral("matin : %1  après-midi : %2")
                .arg(heureEcrite(surLeCadran(e.temps), true), heureEcrite(e.temps, false));
        return heureEcrite(e.temps, true);
    case Genre::Dessiner:
        return heureEcrite(e.temps, e.niveau != cleApresMidi);
    case Genre::Durees:
        return avecSecondes(e) ? journee::dureeSecondes(e.fin - e.temps) : journee::duree((e.fin - e.temps) / minute);
    case Genre::Calendrier:
        break;
    }
    return e.question.reponse;
}

QList<Page> fiche(const Choix& c, const QuestionsDuMois& mois)
{
    const int parPage = parPagePour(c.genre, c.parPage);
    const QString niveau = clesNiveaux(c.genre).contains(c.niveau) ? c.niveau : clesNiveaux(c.genre).first();
    TirageDeFiche hasard(QStringLiteral("%1|%2|%3|%4").arg(c.numero).arg(cleGenre(c.genre), niveau).arg(c.enMots));
    QList<Exercice> tous;
    QList<Page> pages;
    for (int n = 0; n < pagesPossibles({c.genre, niveau, c.enMots, parPage, c.pages, c.numero}); ++n) {
        Page p{{}, nomGenre(c.genre), nomNiveau(c.genre, niveau), consigneDe(c.genre, niveau), {}, parPage, c.numero};
        while (p.exercices.size() < parPage) {
            const std::optional<Exercice> e = encoreUn(hasard, tous, c.genre, niveau, c.enMots, mois);
            if (!e)
                break;
            p.exercices << *e;
            tous << *e;
        }
        if (p.exercices.isEmpty())
            break;
        pages << p;
    }
    return pages;
}

std::optional<Sorte> surPapier(const QString& activite, const QString& niveau)
{
    if (activite == aiguilles::activite)
        return Sorte{Genre::Dessiner, niveau};
    if (activite == QLatin1String("lire_horloge"))
        return Sorte{Genre::Lire, QStringLiteral("minutes")};
    // Matching a time to a moment of the day is no dial to read.
    if (activite == QLatin1String("matin_apres_midi") && niveau != QLatin1String("heures_pile"))
        return Sorte{Genre::Lire, cleApresMidi};
    if (activite == QLatin1String("mots_heure"))
        return Sorte{Genre::Dessiner, niveau, true};
    if (activite == QLatin1String("lire_calendrier"))
        return Sorte{Genre::Calendrier, niveau};
    if (activite == QLatin1String("probleme_duree")) {
        // Two dials show neither the next day nor a second step.
        static const QList<std::pair<QString, QString>> durees{{QStringLiteral("heures_entieres"), cleHeures},
                                                              {QStringLiteral("sans_passer_heure"), QStringLiteral("cinq_minutes")},
                                                              {QStringLiteral("passer_heure"), QStringLiteral("cinq_minutes")},
                                                              {cleSecondes, cleSecondes}};
        for (const auto& [surEcran, surLaFiche] : durees)
            if (surEcran == niveau)
                return Sorte{Genre::Durees, surLaFiche};
    }
    return std::nullopt;
}

QList<programme::GenreServi> genresImprimables(int parPage)
{
    const bool grandes = parPage <= parPageGrandesCases;
    QList<programme::GenreServi> l{{aiguilles::activite, clesNiveaux(Genre::Dessiner)},
                                   {QStringLiteral("lire_horloge"), {}},
                                   {QStringLiteral("matin_apres_midi"), {QStringLiteral("quarts"), QStringLiteral("cinq_minutes")}},
                                   {QStringLiteral("mots_heure"), {QStringLiteral("quarts"), QStringLiteral("cinq_minutes")}}};
    if (grandes)
        l << programme::GenreServi{QStringLiteral("probleme_duree"),
                                   {QStringLiteral("heures_entieres"), QStringLiteral("sans_passer_heure"),
                                    QStringLiteral("passer_heure"), cleSecondes}}
          << programme::GenreServi{QStringLiteral("lire_calendrier"), clesNiveaux(Genre::Calendrier)};
    return l;
}

Page pagePour(const Eleve& e, int parPage, int numero, const QuestionsDuMois& mois)
{
    const QList<programme::QuestionPrevue> plan =
        programme::planifier(e.position, {e.annees, e.travail, genresImprimables(parPage), parPage});
    TirageDeFiche hasard(QStringLiteral("%1|%2").arg(numero).arg(e.prenom));
    Page p{e.prenom, QStringLiteral("Ma fiche"), {}, {}, {}, parPage, numero};
    QStringList items;
    for (const programme::QuestionPrevue& q : plan) {
        const std::optional<Sorte> s = surPapier(q.activite, q.niveau);
        if (!s)
            continue;
        if (const std::optional<Exercice> x = encoreUn(hasard, p.exercices, s->genre, s->niveau, s->enMots, mois)) {
            p.exercices << *x;
            items << QString::fromUtf8(programme::items()[size_t(q.item)].id);
        }
    }
    items.removeDuplicates();
    p.sousTitre = programme::nomsCourts(items).join(QStringLiteral(", "));
    QList<Genre> presents;
    for (const Exercice& x : p.exercices)
        if (!presents.contains(x.genre))
            presents << x.genre;
    if (presents.size() == 1) {
        p.consigne = consigneDe(presents.first(), p.exercices.first().niveau);
        return p;
    }
    QStringList quoi;
    for (Genre g : presents)
        quoi << consigneMelangee(g);
    if (quoi.isEmpty())
        p.consigne = QStringLiteral("Rien à faire sur papier pour l'instant.");
    else {
        const QString dernier = quoi.takeLast();
        const QString t = quoi.isEmpty() ? dernier : quoi.join(QStringLiteral(", ")) + QStringLiteral(" et ") + dernier;
        p.consigne = t.left(1).toUpper() + t.mid(1) + QLatin1Char('.');
    }
    return p;
}

}  // namespace fiches
