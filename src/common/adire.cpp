// SPDX-License-Identifier: GPL-3.0-or-later
#include "adire.h"

#include <QDate>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <functional>

namespace voix {

namespace {

using Options = QRegularExpression::PatternOptions;
constexpr Options motsFrancais =
    QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption;

// Every match of `motif` replaced by what `remplacer` makes of it, which may
// look at the text before the match.
QString remplacer(const QString& texte, const QRegularExpression& motif,
                  const std::function<QString(const QRegularExpressionMatch&, const QString& avant)>& remplacer)
{
    QString sortie;
    qsizetype depuis = 0;
    for (auto it = motif.globalMatch(texte); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        sortie += QStringView(texte).mid(depuis, m.capturedStart() - depuis);
        sortie += remplacer(m, texte.left(m.capturedStart()));
        depuis = m.capturedEnd();
    }
    return sortie + texte.mid(depuis);
}

// The lines of the labels as one text: a line that ends without punctuation
// and is followed by a capital starts a new sentence ("Aujourd'hui 5
// Décembre 2026⏎Léa a..."); otherwise, or after a word such as "avec", the
// sentence goes on.
QString joindre(const QStringList& textes)
{
    // Words no sentence ends on: "Jouer avec⏎Klepsos" goes on.
    static const QStringList motsDeLiaison{"à", "au", "aux", "avec", "de", "des", "du", "en", "et",
                                           "la", "le", "les", "ou", "par", "pour", "sur", "un", "une"};
    QString sortie;
    for (const QString& texte : textes) {
        for (const QString& brute : texte.split(QLatin1Char('\n'))) {
            const QString ligne = brute.simplified();
            if (ligne.isEmpty())
                continue;
            if (!sortie.isEmpty()) {
                const QChar fin = sortie.back();
                const bool ponctuee = QStringLiteral(".!?:;,»").contains(fin);
                const bool suite = motsDeLiaison.contains(sortie.section(QLatin1Char(' '), -1).toLower());
                sortie += !ponctuee && !suite && ligne.front().isUpper() ? QStringLiteral(". ")
                                                                         : QStringLiteral(" ");
            }
            sortie += ligne;
        }
    }
    return sortie;
}

// "1 exercice fait", "12 exercices faits", "aucune erreur".
QString compte(int n, const QString& un, const QString& plusieurs, const QString& aucun)
{
    if (n == 0)
        return aucun;
    return n == 1 ? un : QString::number(n) + QLatin1Char(' ') + plusieurs;
}

// "Exercices --> 12  Justes --> 10  Erreurs --> 2" as a sentence.
QString ligneDeScore(const QString& texte)
{
    static const QRegularExpression score(
        QStringLiteral("Exercices\\s*-->\\s*(\\d+)\\s*Justes\\s*-->\\s*(\\d+)\\s*Erreurs\\s*-->\\s*(-?\\d+)"));
    return remplacer(texte, score, [](const QRegularExpressionMatch& m, const QString&) {
        return compte(m.captured(1).toInt(), QStringLiteral("un exercice fait"),
                      QStringLiteral("exercices faits"), QStringLiteral("aucun exercice fait"))
             + QStringLiteral(", ")
             + compte(m.captured(2).toInt(), QStringLiteral("une réponse juste"),
                      QStringLiteral("réponses justes"), QStringLiteral("aucune réponse juste"))
             + QStringLiteral(" et ")
             + compte(m.captured(3).toInt(), QStringLiteral("une erreur"), QStringLiteral("erreurs"),
                      QStringLiteral("aucune erreur"))
             + QLatin1Char('.');
    });
}

// The switches "X 10 mn", "X 50 ans": the spinner then goes ten (fifty) at a time.
QString pas(const QString& texte)
{
    static const QRegularExpression fois(QStringLiteral("\\bX (\\d+) (mn|ans)\\b"));
    return remplacer(texte, fois, [](const QRegularExpressionMatch& m, const QString&) {
        const QString unite = m.captured(2) == QLatin1String("mn") ? QStringLiteral("minutes")
                                                                   : QStringLiteral("ans");
        return QStringLiteral("de %1 en %1 %2").arg(m.captured(1), unite);
    });
}

// "5 Décembre 2026" is "samedi 5 décembre 2026", "1 Mai" "1er mai".
QString dates(const QString& texte)
{
    static const QRegularExpression date(
        QStringLiteral("\\b(?:(lundi|mardi|mercredi|jeudi|vendredi|samedi|dimanche) )?(\\d{1,2}) "
                       "(janvier|février|mars|avril|mai|juin|juillet|août|septembre|octobre|novembre|"
                       "décembre)\\b(?: (\\d{1,4})\\b)?"),
        motsFrancais);
    static const QLocale francais(QLocale::French, QLocale::France);
    return remplacer(texte, date, [](const QRegularExpressionMatch& m, const QString&) {
        const int jour = m.captured(2).toInt();
        const QString mois = m.captured(3).toLower();
        QString jourSemaine = m.captured(1).toLower();
        QString annee;
        if (m.hasCaptured(4)) {
            annee = QLatin1Char(' ') + QString::number(m.captured(4).toInt());
            int numeroMois = 1;
            while (numeroMois < 12 && francais.monthName(numeroMois).toLower() != mois)
                ++numeroMois;
            const QDate d(m.captured(4).toInt(), numeroMois, jour);
            if (d.isValid())
                jourSemaine = francais.dayName(d.dayOfWeek()).toLower();
        }
        const QString numero = jour == 1 ? QStringLiteral("1er") : QString::number(jour);
        return (jourSemaine.isEmpty() ? QString() : jourSemaine + QLatin1Char(' ')) + numero
             + QLatin1Char(' ') + mois + annee;
    });
}

// Words before a time that say it is a time of day, not a duration: there
// 12 h is "midi" and 0 h "minuit".
bool heureDuJour(const QString& avant)
{
    static const QRegularExpression indice(
        QStringLiteral("(\\best|\\baffiche|\\bsur|\\bbien|\\bfallait|\\bà|-->|→|\\bexactement|\\bvers|\\bplacer)\\s*$"),
        motsFrancais);
    return indice.match(avant).hasMatch();
}

QString heures(int h, bool duJour)
{
    if (duJour && (h == 0 || h == 24))
        return QStringLiteral("minuit");
    if (duJour && h == 12)
        return QStringLiteral("midi");
    if (h == 0)
        return {};
    return nombreFeminin(h) + (h == 1 ? QStringLiteral(" heure") : QStringLiteral(" heures"));
}

QString unite(int n, const QString& singulier)
{
    return nombreFeminin(n) + QLatin1Char(' ') + singulier + (n > 1 ? QStringLiteral("s") : QString());
}

// "4 h 45" and "4 h 45 mn" are "4 heures 45", "1 h" "une heure", "0 mn"
// nothing, "? h" "combien d'heures", "1 h 5 min" "une heure 5 minutes",
// "9 h 5 mn 7 s" "9 heures 5 minutes et 7 secondes".
QString temps(const QString& texte)
{
    static const QRegularExpression heure(
        QStringLiteral("(\\?|\\b\\d{1,2}) h\\b(?: (\\?|\\d{1,2})\\b(?: (mn|min)\\b)?)?(?: (\\d{1,2}) s\\b)?"));
    return remplacer(texte, heure, [](const QRegularExpressionMatch& m, const QString& avant) {
        if (m.captured(1) == QLatin1String("?"))
            return QStringLiteral("combien d'heures")
                 + (m.captured(2).isEmpty() ? QString() : QStringLiteral(" ") + m.captured(2));
        const bool duJour = heureDuJour(avant);
        const QString h = heures(m.captured(1).toInt(), duJour);
        const bool avecMinutes = m.hasCaptured(2);
        const int mn = m.captured(2).toInt();
        // "min" is a duration's: its minutes are said so.
        const bool duree = m.captured(3) == QLatin1String("min");
        const bool avecSecondes = m.hasCaptured(4);
        QStringList mots;
        if (!h.isEmpty())
            mots << h;
        if (avecMinutes && m.captured(2) == QLatin1String("?"))
            mots << QStringLiteral("combien de minutes");
        else if (avecMinutes && (mn > 0 || (h.isEmpty() && !avecSecondes)))
            mots << (h.isEmpty() || avecSecondes || duree ? unite(mn, QStringLiteral("minute")) : nombreFeminin(mn));
        if (avecSecondes) {
            const QString s = unite(m.captured(4).toInt(), QStringLiteral("seconde"));
            mots << (mots.isEmpty() ? s : QStringLiteral("et ") + s);
        }
        return mots.join(QLatin1Char(' '));
    });
}

// "1 mn" is "une minute", "21 heures" "vingt-et-une heures", "? mn"
// "combien de minutes"; the feminine nouns after one.
QString unites(const QString& texte)
{
    static const QRegularExpression nombre(
        QStringLiteral("(\\?|\\b\\d+) (mn|min|s|j|minutes?|heures?|secondes?|jours?|semaines?|années?|décennies|décennie|décades?)\\b"),
        motsFrancais);
    // The school's abbreviations, said whole.
    static const QHash<QString, QString> abreges{{QStringLiteral("mn"), QStringLiteral("minutes")},
                                                 {QStringLiteral("min"), QStringLiteral("minutes")},
                                                 {QStringLiteral("s"), QStringLiteral("secondes")},
                                                 {QStringLiteral("j"), QStringLiteral("jours")}};
    return remplacer(texte, nombre, [](const QRegularExpressionMatch& m, const QString&) {
        QString nom = abreges.value(m.captured(2), m.captured(2));
        if (m.captured(1) == QLatin1String("?"))
            return QStringLiteral("combien de ") + nom;
        const int n = m.captured(1).toInt();
        if (n <= 1 && nom.endsWith(QLatin1Char('s')))
            nom = nom == QLatin1String("décennies") ? QStringLiteral("décennie") : nom.chopped(1);
        if (n > 1 && !nom.endsWith(QLatin1Char('s')))
            nom = nom == QLatin1String("décennie") ? QStringLiteral("décennies") : nom + QLatin1Char('s');
        // "jour" alone is masculine: its number is said as written.
        const bool feminin = !nom.startsWith(QLatin1String("jour"));
        return (feminin ? nombreFeminin(n) : QString::number(n)) + QLatin1Char(' ') + nom;
    });
}

// "premier", "deuxième"… "trente-et-unième": ranks as a teacher says them.
QString ordinal(int n)
{
    static const char* const rangs[] = {
        "premier",        "deuxième",       "troisième",      "quatrième",       "cinquième",
        "sixième",        "septième",       "huitième",       "neuvième",        "dixième",
        "onzième",        "douzième",       "treizième",      "quatorzième",     "quinzième",
        "seizième",       "dix-septième",   "dix-huitième",   "dix-neuvième",    "vingtième",
        "vingt-et-unième", "vingt-deuxième", "vingt-troisième", "vingt-quatrième", "vingt-cinquième",
        "vingt-sixième",  "vingt-septième", "vingt-huitième", "vingt-neuvième",  "trentième",
        "trente-et-unième"};
    return n >= 1 && n <= int(std::size(rangs)) ? QString::fromUtf8(rangs[n - 1]) : QString::number(n);
}

int depuisRomain(const QString& r)
{
    static const QHash<QChar, int> valeurs{{u'I', 1}, {u'V', 5}, {u'X', 10}, {u'L', 50}, {u'C', 100}, {u'D', 500}, {u'M', 1000}};
    int n = 0;
    for (qsizetype i = 0; i < r.size(); ++i) {
        const int v = valeurs.value(r[i]);
        n += i + 1 < r.size() && valeurs.value(r[i + 1]) > v ? -v : v;
    }
    return n;
}

// "XVIᵉ siècle" is "seizième siècle", never "X V I e"; "Iᵉʳ siècle"
// "premier siècle"; "le 4e mois" "le quatrième mois"; "1er" "premier".
QString rangs(const QString& texte)
{
    static const QRegularExpression romain(
        QStringLiteral("\\b([IVXLCDM]+)(?:\u1D49\u02B3|\u1D49|er|e)\\s+(siècles?|millénaires?)"));
    static const QRegularExpression chiffres(QStringLiteral("\\b(\\d{1,2})(?:\u1D49\u02B3|er|\u1D49|e)\\b"));
    const QString t = remplacer(texte, romain, [](const QRegularExpressionMatch& m, const QString&) {
        return ordinal(depuisRomain(m.captured(1))) + QLatin1Char(' ') + m.captured(2);
    });
    return remplacer(t, chiffres, [](const QRegularExpressionMatch& m, const QString&) { return ordinal(m.captured(1).toInt()); });
}

// Signs and capitals a voice would spell or skip.
QString signes(QString texte)
{
    texte.replace(QStringLiteral("0 heure 00"), QStringLiteral("minuit"));
    texte.replace(QStringLiteral("-->"), QStringLiteral(":"));
    texte.replace(QStringLiteral("→"), QStringLiteral("donne"));
    texte.replace(QStringLiteral(" + "), QStringLiteral(" plus "));
    texte.replace(QStringLiteral(" +"), QStringLiteral(" plus"));
    texte.replace(QStringLiteral("="), QStringLiteral(" égale "));
    texte.replace(QStringLiteral("EGAL"), QStringLiteral("égal"));
    // A word joiner only keeps "a-t-elle" whole on screen.
    texte.remove(QChar(0x2060));
    static const QRegularExpression capitales(QStringLiteral("\\b\\p{Lu}{2,}\\b"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    texte = remplacer(texte, capitales,
                      [](const QRegularExpressionMatch& m, const QString&) { return m.captured().toLower(); });
    return texte.simplified();
}

}  // namespace

QString nombreFeminin(int n)
{
    if (n == 1)
        return QStringLiteral("une");
    static const char* const dizaines[] = {"vingt", "trente", "quarante", "cinquante"};
    if (n % 10 == 1 && n >= 21 && n <= 51)
        return QLatin1String(dizaines[n / 10 - 2]) + QStringLiteral("-et-une");
    return QString::number(n);
}

QString aDire(const QStringList& textesEcran)
{
    return signes(unites(temps(rangs(dates(pas(ligneDeScore(joindre(textesEcran))))))));
}

}  // namespace voix
