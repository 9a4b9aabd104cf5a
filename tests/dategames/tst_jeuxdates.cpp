// SPDX-License-Identifier: GPL-3.0-or-later
// The date games: their dates, numbers and texts, then the screen driven as
// a child would (spinners, answer labels, "Continuer").
#include <QTest>

#include "dategames/age.h"
#include "dategames/anniversaire.h"
#include "dategames/commun.h"
#include "dategames/naissance.h"
#include "dategames/nbmois.h"
#include "support/banc.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

namespace {

const QString Consigne = QStringLiteral(
    "Entrez votre réponse grâce aux flèches\npuis cliquez sur cette réponse pour la tester.");
const QString FinAnniversaire = QStringLiteral("\nCliquez sur Continuer pour un autre anniversaire.");

// The ten draws of one opening: game 1 (name, months, years), game 2
// (months), game 3 (name, months, years), game 4 (name, months, years).
struct Tirages {
    int prenomDate = 23, moisDate = 5, ansDate = 23;        // Julie, 23 ans 5 mois
    int nbMois = 48;
    int prenomAge = 23, moisAge = 5, ansAge = 23;           // Julie, 23 ans 5 mois
    int prenomAnni = 27, moisAnni = 3, ansAnni = 13;        // Léa, 13 ans 3 mois

    void pousser(ScriptedRandom& h) const
    {
        h.push({pour(prenomDate, 52, 0), pour(moisDate, 11, 1), pour(ansDate, 50, 1)});
        h.push({pour(nbMois, 100, 15)});
        h.push({pour(prenomAge, 52, 0), pour(moisAge, 11, 1), pour(ansAge, 50, 3)});
        h.push({pour(prenomAnni, 52, 0), pour(moisAnni, 11, 1), pour(ansAnni, 50, 3)});
    }
};

// The program started and the date games open on their draws.
struct Ecran : Banc {
    explicit Ecran(const QDateTime& t = QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), const Tirages& tirages = {},
                   const QByteArray& score = {})
        : Banc(t, score)
    {
        QVERIFY(demarrer());
        r().registre = &registre;
        ouvrirJeux(tirages);
    }
    RecordingRegistre registre;
    void ouvrirJeux(const Tirages& t = {})
    {
        t.pousser(random);
        ouvrir("montre", "jeux_dates");
        QVERIFY(ecranNomme("jeux_dates")->isVisible());
        QCOMPARE(random.remaining(), 0);
    }
    void couleurs(std::initializer_list<const char*> noms, const QColor& c)
    {
        for (const char* nom : noms)
            QVERIFY2(couleur(nom) == c, nom);
    }
};

}  // namespace

class TstJeuxDates : public QObject {
    Q_OBJECT

private slots:
    // The games' dates, numbers and texts, without any widget.
    // Name, then months, then years, each within its bounds.
    void tirages()
    {
        const double presqueUn = 0.9999999999;
        const struct { QList<double> draws; int ansMin, prenom, mois, ans; } cas[] = {
            {{0.0, 0.0, 0.0}, 1, 0, 1, 1},
            {{presqueUn, presqueUn, presqueUn}, 3, 51, 11, 52},
            {{pour(23, 52, 0), pour(5, 11, 1), pour(23, 50, 3)}, 3, 23, 5, 23}};
        for (const auto& c : cas) {
            ScriptedRandom hasard;
            hasard.push({c.draws[0], c.draws[1], c.draws[2]});
            const jeuxdates::Enfant e = jeuxdates::tirerEnfant(hasard, c.ansMin);
            QCOMPARE(QList<int>({e.prenom, e.mois, e.ans}), QList<int>({c.prenom, c.mois, c.ans}));
            QCOMPARE(hasard.reseeds, 1);
            QCOMPARE(hasard.remaining(), 0);
        }
        QCOMPARE(jeuxdates::prenoms().size(), 52);
        ScriptedRandom hasard;
        hasard.push({0.0, presqueUn});
        QCOMPARE(nbmois::tirer(hasard), 15);
        QCOMPARE(nbmois::tirer(hasard), 114);
    }

    // Birth dates back (game 1) and birthdays ahead (game 3), the right
    // answers and the texts of a wrong one, on a day that exists; game 1's
    // statement says "1 an", never "1 ans".
    void dates()
    {
        const struct { bool fete; QDate aujourdhui; int ans, mois; QDate date; const char* echec; const char* age; } cas[] = {
            {false, {2026, 12, 5}, 1, 4, {2025, 8, 5}, "Non, Léa a vu le jour le 5 Août 2025 !", "1 an et 4 mois"},
            // February has no 31st: the birth falls on its last day.
            {false, {2026, 3, 31}, 1, 1, {2025, 2, 28}, "Non, Léa a vu le jour le 28 Février 2025 !", "1 an et 1 mois"},
            {false, {2026, 11, 30}, 50, 11, {1975, 12, 30}, "Non, Léa a vu le jour le 30 Décembre 1975 !", "50 ans et 11 mois"},
            {true, {2026, 1, 31}, 10, 3, {2036, 4, 30}, "Non, nous fêterons Léa le 30 Avril 2036 !", nullptr},
            {true, {2026, 1, 20}, 3, 11, {2029, 12, 20}, "Non, nous fêterons Léa le 20 Décembre 2029 !", nullptr},
            {true, {2026, 12, 31}, 52, 11, {2079, 11, 30}, "Non, nous fêterons Léa le 30 Novembre 2079 !", nullptr}};
        for (const auto& c : cas) {
            if (c.age)
                QCOMPARE(naissance::enonce(c.aujourdhui, "Léa", c.ans, c.mois).section('\n', 1, 1),
                         QStringLiteral("Léa a exactement %1.").arg(QString::fromUtf8(c.age)));
            QCOMPARE(c.fete ? age::dateFete(c.aujourdhui, c.ans, c.mois) : naissance::dateNaissance(c.aujourdhui, c.ans, c.mois),
                     c.date);
            QCOMPARE(c.fete ? age::echec("Léa", c.date) : naissance::echec("Léa", c.date), c.echec + FinAnniversaire);
            const auto juste = c.fete ? age::estJuste : naissance::estJuste;
            QVERIFY(juste(c.date, c.date.month(), c.date.year()));
            QVERIFY(!juste(c.date, c.date.month() % 12 + 1, c.date.year()));
            QVERIFY(!juste(c.date, c.date.month(), c.date.year() + (c.fete ? 1 : -1)));
            // Every right answer must be settable on the year spinner.
            QVERIFY(!c.fete || c.date.year() <= age::anneeMaximum(c.aujourdhui.year()));
        }
    }

    void anneeMaximum()
    {
        for (const auto& [annee, maximum] : {std::pair{2026, 2100}, {2047, 2100}, {2048, 2101}, {2200, 2253}})
            QCOMPARE(age::anneeMaximum(annee), maximum);
    }

    void nbmoisEtAnniversaire()
    {
        const QString finConversion = QStringLiteral("\nCliquez sur Continuer pour une autre conversion.");
        QCOMPARE(nbmois::echec(24), "Erreur ! 24 mois font 2 années et 0 mois !" + finConversion);
        QCOMPARE(nbmois::echec(23), "Erreur ! 23 mois font 1 année et 11 mois !" + finConversion);
        QCOMPARE(nbmois::conversion(114), (nbmois::AnsMois{9, 6}));
        const QStringList annees{"0 année et", "1 année et", "2 années et"};
        const QStringList ans{"0 an et", "1 an et", "2 ans et"};
        for (int n = 0; n < 3; ++n) {
            QCOMPARE(nbmois::libelleAnnees(n), annees.at(n));
            QCOMPARE(anniversaire::libelleAns(n), ans.at(n));
        }
        // The birthday's month and year, with today's day even where it does not exist.
        QCOMPARE(anniversaire::enonce(QDate(2026, 1, 31), "Anne", 3, 1),
                 QStringLiteral("Bienvenue à Anne qui vient de naître !\nLe 28 Février 2029 nous fêterons ses"));
        QCOMPARE(anniversaire::enonce(QDate(2026, 1, 20), "Yann", 10, 11).section('\n', 1),
                 QStringLiteral("Le 20 Décembre 2036 nous fêterons ses"));
        QCOMPARE(anniversaire::echec("Yann", 10, 11), "Non Yann aura 10 ans et 11 mois !" + FinAnniversaire);
        QVERIFY(anniversaire::estJuste(10, 11, 10, 11));
        QVERIFY(!anniversaire::estJuste(10, 11, 11, 10));
    }

    // The screen, driven by clicks.
    void ouverture()
    {
        Ecran e(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), {}, octetsScore(12, 9, 3));
        QCOMPARE(e.texte("score"), Banc::ligneScore(12, 9, 3));
        QCOMPARE(e.texte("enonce7"), QStringLiteral("Aujourd'hui 5 Décembre 2026\nJulie a exactement 23 ans et 5 "
                                                    "mois.\nJulie a donc vu le jour le"));
        QCOMPARE(e.texte("enonce8"), QStringLiteral(" 48 mois font exactement"));
        QCOMPARE(e.texte("enonce9"), QStringLiteral("Julie vient de naître aujourd'hui. Nous fêterons ses 23 ans 5 mois le"));
        QCOMPARE(e.texte("enonce10"), QStringLiteral("Bienvenue à Léa qui vient de naître !\nLe 5 Mars 2040 nous fêterons ses"));
        for (const char* c : {"encore_date", "encore_nbmois", "encore_age", "encore_anniversaire"})
            QVERIFY(e.w(c)->isHidden());
        // Opening counts no exercise.
        QCOMPARE(e.r().nb_exercices.valeur, 12);
    }

    // Game 1: the gate, a right answer, a second click, a wrong one.
    void naissance()
    {
        Ecran e;
        // The month alone leaves the year on today's: ignored.
        Banc::regler(e.fleche("fleche7"), 7);
        QCOMPARE(e.texte("mois_dates"), QStringLiteral("5 Juillet"));
        const QStringList sons = e.sons.played;
        e.clic("an_dates");
        QCOMPARE(e.sons.played, sons);
        QVERIFY(e.w("encore_date")->isHidden());

        Banc::regler(e.fleche("fleche8"), 2003);
        e.clic("mois_dates");
        QCOMPARE(e.sons.played.last(), QStringLiteral("1.vic"));
        QCOMPARE(e.texte("clic"), "Bravo ! Vous avez la réponse juste !" + FinAnniversaire);
        QVERIFY(e.w("encore_date")->isVisible() && e.fleche("fleche7")->isHidden() && e.fleche("fleche8")->isHidden());
        QCOMPARE(e.texte("score"), Banc::ligneScore(1, 1, 0));
        e.clic("an_dates");
        e.verifierCompte(1, 1, 0);

        // On 10 January 2026, 3 years and 2 months back is November 2022.
        e.clock.set(QDateTime(QDate(2026, 1, 10), QTime(10, 0)));
        e.random.push({pour(51, 52, 0), pour(2, 11, 1), pour(3, 50, 1)});
        e.clic("encore_date");
        QVERIFY(e.w("encore_date")->isHidden() && e.fleche("fleche7")->isVisible());
        QCOMPARE(e.texte("mois_dates"), QStringLiteral("10 Janvier"));
        Banc::regler(e.fleche("fleche8"), 2022);
        Banc::regler(e.fleche("fleche7"), 12);
        e.clic("an_dates");
        QCOMPARE(e.sons.played.last(), QStringLiteral("1.def"));
        QCOMPARE(e.texte("clic"), "Non, Yann a vu le jour le 10 Novembre 2022 !" + FinAnniversaire);
        e.couleurs({"clic", "mois_dates", "an_dates"}, couleur::rouge);
        e.verifierCompte(2, 1, 1);
        QCOMPARE(e.registre.lignes,
                 QStringList({"date_naissance|Aujourd'hui 5 Décembre 2026 Julie a exactement 23 ans et 5 mois. "
                              "Julie a donc vu le jour le ?|5 Juillet 2003|5 Juillet 2003|oui",
                              "date_naissance|Aujourd'hui 10 Janvier 2026 Yann a exactement 3 ans et 2 mois. "
                              "Yann a donc vu le jour le ?|10 Décembre 2022|10 Novembre 2022|non"}));
        // The next draw brings the colours back.
        e.random.push({0, 0, 0});
        e.clic("encore_date");
        e.couleurs({"clic", "mois_dates", "an_dates"}, couleur::noir);
        QCOMPARE(e.texte("clic"), Consigne);
    }

    // Game 2: both spinners must have moved, 0 included.
    void nbMois()
    {
        Tirages t;
        t.nbMois = 24;
        Ecran e(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), t);
        Banc::regler(e.fleche("fleche9"), 2);
        e.clic("nmois");
        QCOMPARE(e.r().nb_exercices.valeur, 0);
        Banc::monter(e.fleche("fleche10"));
        Banc::descendre(e.fleche("fleche10"));
        QCOMPARE(e.texte("nmois"), QStringLiteral("0 mois"));
        e.clic("nans");
        QCOMPARE(e.r().nb_justes.valeur, 1);

        e.random.push({pour(15, 100, 15)});
        e.clic("encore_nbmois");
        QCOMPARE(e.texte("nans"), QStringLiteral("?? année et"));
        Banc::monter(e.fleche("fleche9"));
        Banc::descendre(e.fleche("fleche9"));
        Banc::regler(e.fleche("fleche10"), 3);
        e.clic("nmois");
        e.verifierCompte(2, 1, 1);
        QCOMPARE(e.texte("clic2"), QStringLiteral("Erreur ! 15 mois font 1 année et 3 mois !\nCliquez sur Continuer "
                                                  "pour une autre conversion."));
        // This game leaves its answer labels black.
        e.couleurs({"nans", "nmois"}, couleur::noir);
        QCOMPARE(e.registre.lignes,
                 QStringList({"mois_en_annees|24 mois font exactement ?|2 années et 0 mois|2 années et 0 mois|oui",
                              "mois_en_annees|15 mois font exactement ?|0 année et 3 mois|1 année et 3 mois|non"}));
    }

    // Game 3: the year must leave today's; its "Continuer" clicks before drawing.
    void anniversaireFutur()
    {
        Ecran e;
        Banc::descendre(e.fleche("fleche12"));
        QCOMPARE(e.fleche("fleche12")->value(), 2026);
        Banc::regler(e.fleche("fleche11"), 5);
        e.clic("mans");
        QCOMPARE(e.r().nb_exercices.valeur, 0);
        // December + 5 months is May of the year after: 2050.
        Banc::regler(e.fleche("fleche12"), 2049);
        e.clic("mmois");
        QCOMPARE(e.texte("clic3"), "Non, nous fêterons Julie le 5 Mai 2050 !" + FinAnniversaire);
        QCOMPARE(e.registre.lignes.value(0), "date_anniversaire|Julie vient de naître aujourd'hui. Nous fêterons "
                                             "ses 23 ans 5 mois le ?|5 Mai 2049|5 Mai 2050|non");
        e.couleurs({"clic3", "mmois", "mans"}, couleur::rouge);

        // On 31 January 2026, 10 years and 3 months: April 2036, on its last day.
        e.clock.set(QDateTime(QDate(2026, 1, 31), QTime(10, 0)));
        e.random.push({pour(0, 52, 0), pour(3, 11, 1), pour(10, 50, 3)});
        const qsizetype avant = e.sons.played.size();
        e.clic("encore_age");
        QVERIFY(e.sons.played.size() > avant && !e.sons.played.at(avant).contains('.'));
        QCOMPARE(e.texte("mmois"), QStringLiteral("31 Janvier"));
        Banc::regler(e.fleche("fleche11"), 5);
        Banc::regler(e.fleche("fleche12"), 2037);
        e.clic("mans");
        QCOMPARE(e.texte("clic3"), "Non, nous fêterons Adrien le 30 Avril 2036 !" + FinAnniversaire);
    }

    // Days 29 to 31, an age of some years and 1 month in games 1, 3 and 4: the
    // months counted as a child counts them are right, and every date written
    // exists (February as the year spinner shows it). Texts: mois_dates and
    // mmois at the right answers, game 4's date, mmois a year later.
    void finsDeMois_data()
    {
        QTest::addColumn<int>("ans");
        QTest::addColumn<QList<QDate>>("dates");  // today, game 1's answer, game 3's
        QTest::addColumn<QString>("textes");
        const auto ligne = [](int ans, const QList<QDate>& d, const char* textes) {
            QTest::addRow("%d/%d", d[0].day(), d[0].month()) << ans << d << QString::fromUtf8(textes);
        };
        ligne(46, {{2026, 1, 31}, {1979, 12, 31}, {2072, 2, 29}}, "31 Décembre|29 Février|Le 29 Février 2072|28 Février");
        ligne(4, {{2028, 2, 29}, {2024, 1, 29}, {2032, 3, 29}}, "29 Janvier|29 Mars|Le 29 Mars 2032|29 Mars");
        ligne(14, {{2026, 3, 31}, {2012, 2, 29}, {2040, 4, 30}}, "29 Février|30 Avril|Le 30 Avril 2040|30 Avril");
        ligne(3, {{2026, 5, 31}, {2023, 4, 30}, {2029, 6, 30}}, "30 Avril|30 Juin|Le 30 Juin 2029|30 Juin");
        ligne(41, {{2026, 10, 31}, {1985, 9, 30}, {2067, 11, 30}}, "30 Septembre|30 Novembre|Le 30 Novembre 2067|30 Novembre");
    }
    void finsDeMois()
    {
        QFETCH(int, ans);
        QFETCH(QList<QDate>, dates);
        Ecran e(QDateTime(dates[0], QTime(10, 0)), Tirages{23, 1, ans, 48, 23, 1, ans, 27, 1, ans});
        Banc::regler(e.fleche("fleche8"), dates[1].year());
        Banc::regler(e.fleche("fleche7"), dates[1].month());
        Banc::regler(e.fleche("fleche12"), dates[2].year());
        Banc::regler(e.fleche("fleche11"), dates[2].month());
        QStringList lus{e.texte("mois_dates"), e.texte("mmois"),
                        e.texte("enonce10").section('\n', 1).section(" nous", 0, 0)};
        // Game 1 answered right, game 3 a year too late: its solution is that day.
        Banc::monter(e.fleche("fleche12"));
        e.clic("an_dates");
        e.clic("mans");
        QTEST((lus << e.texte("mmois")).join('|'), "textes");
        QVERIFY(e.texte("clic3").startsWith(
            QStringLiteral("Non, nous fêterons Julie le %1 %2 !").arg(lus[1]).arg(dates[2].year())));
        e.verifierCompte(2, 1, 1);
    }

    // Game 4; its "Continuer" makes no sound of its own.
    void ageAnniversaire()
    {
        Ecran e;
        Banc::regler(e.fleche("fleche14"), 3);
        e.clic("ani_mois");
        QCOMPARE(e.r().nb_exercices.valeur, 0);
        Banc::regler(e.fleche("fleche13"), 12);
        QCOMPARE(e.texte("ani_ans"), QStringLiteral("12 ans et"));
        e.clic("ani_ans");
        QCOMPARE(e.texte("clic4"), "Non Léa aura 13 ans et 3 mois !" + FinAnniversaire);
        QCOMPARE(e.registre.lignes.value(0), "age_anniversaire|Bienvenue à Léa qui vient de naître ! Le 5 Mars "
                                             "2040 nous fêterons ses ?|12 ans et 3 mois|13 ans et 3 mois|non");
        e.couleurs({"clic4", "ani_ans", "ani_mois"}, couleur::rouge);

        e.random.push({pour(5, 52, 0), pour(11, 11, 1), pour(52, 50, 3)});
        const qsizetype avant = e.sons.played.size();
        e.clic("encore_anniversaire");
        // Only the spinners' return to 0 clicks.
        QCOMPARE(e.sons.played.size(), avant + 2);
        QCOMPARE(e.texte("ani_ans"), QStringLiteral("?? ans et"));
        Banc::regler(e.fleche("fleche13"), 52);
        Banc::regler(e.fleche("fleche14"), 11);
        e.clic("ani_mois");
        QCOMPARE(e.texte("clic4"), "Vous serez invité car c'est juste !" + FinAnniversaire);
        e.verifierCompte(2, 1, 1);
    }

    // The month spinners wrap; the years stop at their bounds.
    void bornes()
    {
        Ecran e;
        for (const char* nom : {"fleche7", "fleche11"}) {
            Banc::regler(e.fleche(nom), 12);
            Banc::monter(e.fleche(nom));
            QCOMPARE(e.fleche(nom)->value(), 1);
            Banc::descendre(e.fleche(nom));
            QCOMPARE(e.fleche(nom)->value(), 12);
        }
        // The year spinners' bounds follow today's year.
        const struct { const char* nom; int min, max; } bornes[] = {{"fleche8", 1926, 2026}, {"fleche12", 2026, 2100}};
        for (const auto& x : bornes) {
            ArrowSpinner* s = e.fleche(x.nom);
            s->setValue(x.max);
            Banc::monter(s);
            QCOMPARE(s->value(), x.max);
            s->setValue(x.min);
            Banc::descendre(s);
            QCOMPARE(s->value(), x.min);
        }
    }

    // "Continuer" of one game leaves the others as they are.
    void continuerEtRetour()
    {
        Ecran e;
        Banc::regler(e.fleche("fleche8"), 2000);
        e.clic("an_dates");
        const QString verdict = e.texte("clic");
        e.random.push({pour(111, 100, 15)});
        e.clic("encore_nbmois");
        QCOMPARE(e.texte("enonce8"), QStringLiteral(" 111 mois font exactement"));
        QCOMPARE(e.texte("clic"), verdict);
        QVERIFY(e.w("encore_date")->isVisible());
    }
};

QTEST_MAIN(TstJeuxDates)
#include "tst_jeuxdates.moc"
