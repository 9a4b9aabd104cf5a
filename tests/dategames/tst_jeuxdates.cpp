#include <QTest>

#include "common/routines.h"
#include "common/score.h"
#include "support/banc.h"
#include "tirages.h"
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

struct Ecran {
    Banc& b;
    ClickableLabel* l(const char* nom) { return b.trouver<ClickableLabel>("jeux_dates", nom); }
    ArrowSpinner* f(const char* nom) { return b.trouver<ArrowSpinner>("jeux_dates", nom); }
};

// A spinner moved by arrow clicks until it shows v.
void regler(ArrowSpinner* s, int v)
{
    for (int i = 0; i < 200 && s->value() != v; ++i) {
        if (s->value() < v)
            Banc::monter(s);
        else
            Banc::descendre(s);
    }
    QCOMPARE(s->value(), v);
}

void ouvrir(Banc& b, const Tirages& t = {})
{
    t.pousser(b.random);
    Banc::cliquer(b.trouver<QWidget>("depart", "montre"));
    QVERIFY(b.ecranNomme("jeux_dates")->isVisible());
    QCOMPARE(b.random.remaining(), 0);
    QCOMPARE(b.random.underflows, 0);
}

// Starts the program and opens the date games.
void lancer(Banc& b, const Tirages& t = {})
{
    QVERIFY(b.demarrer());
    ouvrir(b, t);
}

void couleurs(Ecran& e, std::initializer_list<const char*> noms, const QColor& c)
{
    for (const char* nom : noms)
        QVERIFY2(textColor(e.l(nom)) == c, nom);
}

void compte(Banc& b, int exercices, int justes, int erreurs)
{
    QCOMPARE(b.r().nb_exercices.valeur, exercices);
    QCOMPARE(b.r().nb_justes.valeur, justes);
    QCOMPARE(b.r().nb_erreurs, erreurs);
}

QByteArray score12_9_3()
{
    Compteurs c;
    c.marqueur = ValeurTypee::entier16(1);
    c.nb_exercices = ValeurTypee::entier16(12);
    c.nb_justes = ValeurTypee::entier16(9);
    c.nb_erreurs = 3;
    return score::ecrire(c);
}

}  // namespace

class TstJeuxDates : public QObject {
    Q_OBJECT

private slots:
    void ouverture()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score12_9_3());
        lancer(b);
        Ecran e{b};
        QCOMPARE(e.l("score")->text(),
                 QStringLiteral("\nExercices --> 12  Justes --> 9  Erreurs --> 3"));
        QCOMPARE(e.l("enonce7")->text(),
                 QStringLiteral("Aujourd'hui 5 Décembre 2026\nJulie a exactement 23 ans et 5 "
                                "mois.\nJulie a donc vu le jour le"));
        QCOMPARE(e.l("enonce8")->text(), QStringLiteral(" 48 mois font exactement"));
        QCOMPARE(e.l("enonce9")->text(), QStringLiteral("Julie vient de naître aujourd'hui. Nous "
                                                        "fêterons ses 23 ans 5 mois le"));
        QCOMPARE(e.l("enonce10")->text(), QStringLiteral("Bienvenue à Léa qui vient de naître "
                                                         "!\nLe 5 Mars 2040 nous fêterons ses"));
        const std::pair<const char*, const char*> reponses[] = {
            {"mois_dates", "5 Décembre"}, {"an_dates", "2026"}, {"nans", "?? année et"},
            {"nmois", "?? mois"},         {"mmois", "5 Décembre"}, {"mans", "2026"},
            {"ani_ans", "?? ans et"},     {"ani_mois", "?? mois"}};
        for (const auto& [nom, texte] : reponses)
            QCOMPARE(e.l(nom)->text(), QString::fromUtf8(texte));
        for (const char* c : {"clic", "clic2", "clic3", "clic4"})
            QCOMPARE(e.l(c)->text(), Consigne);
        couleurs(e, {"clic", "clic2", "clic3", "clic4"}, couleur::noir);
        couleurs(e, {"enonce7", "enonce8", "enonce9", "enonce10"}, couleur::bleu);
        for (const char* c : {"encore_date", "encore_nbmois", "encore_age", "encore_anniversaire"}) {
            QVERIFY(e.l(c)->isHidden());
            QCOMPARE(e.l(c)->text(), QStringLiteral("Continuer"));
            QCOMPARE(textColor(e.l(c)), couleur::violet);
        }
        for (int n = 7; n <= 14; ++n)
            QVERIFY(e.f(QByteArray("fleche" + QByteArray::number(n)).constData())->isVisible());
        // Opening counts no exercise.
        QCOMPARE(b.r().nb_exercices.valeur, 12);
    }

    // Game 1, on the examples of its statement: right, wrong, and the gate.
    void naissance()
    {
        Banc b;
        lancer(b);
        Ecran e{b};
        ArrowSpinner* mois = e.f("fleche7");
        ArrowSpinner* an = e.f("fleche8");

        // The month alone leaves the year on today's: ignored.
        regler(mois, 7);
        QCOMPARE(e.l("mois_dates")->text(), QStringLiteral("5 Juillet"));
        const QStringList sons = b.sons.played;
        Banc::cliquer(e.l("an_dates"));
        Banc::cliquer(e.l("mois_dates"));
        QCOMPARE(b.sons.played, sons);
        QCOMPARE(b.r().nb_exercices.valeur, 0);
        QVERIFY(e.l("encore_date")->isHidden());

        regler(an, 2003);
        QCOMPARE(e.l("an_dates")->text(), QStringLiteral("2003"));
        Banc::cliquer(e.l("mois_dates"));
        QCOMPARE(b.sons.played.last(), QStringLiteral("1.vic"));
        QCOMPARE(e.l("clic")->text(),
                 QStringLiteral("Bravo ! Vous avez la réponse juste !") + FinAnniversaire);
        QCOMPARE(e.l("clic")->y(), 174);
        couleurs(e, {"clic", "an_dates"}, couleur::noir);
        QVERIFY(e.l("encore_date")->isVisible());
        QVERIFY(mois->isHidden() && an->isHidden());
        compte(b, 1, 1, 0);
        QCOMPARE(e.l("score")->text(), QStringLiteral("\nExercices --> 1  Justes --> 1  Erreurs --> 0"));

        // A second click after the verdict counts nothing.
        Banc::cliquer(e.l("an_dates"));
        QCOMPARE(b.r().nb_exercices.valeur, 1);

        // A new question, answered wrong: on 10 January 2026, 3 years and 2
        // months back is November 2022.
        b.clock.set(QDateTime(QDate(2026, 1, 10), QTime(10, 0)));
        b.random.push({pour(51, 52, 0), pour(2, 11, 1), pour(3, 50, 1)});
        Banc::cliquer(e.l("encore_date"));
        QCOMPARE(b.random.remaining(), 0);
        QCOMPARE(e.l("enonce7")->text(),
                 QStringLiteral("Aujourd'hui 10 Janvier 2026\nYann a exactement 3 ans et 2 "
                                "mois.\nYann a donc vu le jour le"));
        QVERIFY(e.l("encore_date")->isHidden());
        QVERIFY(mois->isVisible() && an->isVisible());
        QCOMPARE(e.l("clic")->y(), 192);
        QCOMPARE(mois->value(), 1);
        QCOMPARE(an->value(), 2026);
        QCOMPARE(e.l("mois_dates")->text(), QStringLiteral("10 Janvier"));
        regler(an, 2022);
        regler(mois, 12);
        Banc::cliquer(e.l("an_dates"));
        QCOMPARE(b.sons.played.last(), QStringLiteral("1.def"));
        QCOMPARE(e.l("clic")->text(),
                 QStringLiteral("Non, Yann a vu le jour le 10 Novembre 2022 !") + FinAnniversaire);
        couleurs(e, {"clic", "mois_dates", "an_dates"}, couleur::rouge);
        compte(b, 2, 1, 1);

        // The next draw brings the colours back.
        b.random.push({0, 0, 0});
        Banc::cliquer(e.l("encore_date"));
        couleurs(e, {"clic", "mois_dates", "an_dates"}, couleur::noir);
        QCOMPARE(e.l("clic")->text(), Consigne);
    }

    void nbMois()
    {
        Banc b;
        Tirages t;
        t.nbMois = 24;
        lancer(b, t);
        Ecran e{b};
        ArrowSpinner* ans = e.f("fleche9");
        ArrowSpinner* mois = e.f("fleche10");

        // Only the years moved: the months still show their placeholder.
        regler(ans, 2);
        QCOMPARE(e.l("nans")->text(), QStringLiteral("2 années et"));
        Banc::cliquer(e.l("nmois"));
        QCOMPARE(b.r().nb_exercices.valeur, 0);
        // 0 months needs the spinner moved up and back.
        Banc::monter(mois);
        Banc::descendre(mois);
        QCOMPARE(e.l("nmois")->text(), QStringLiteral("0 mois"));
        Banc::cliquer(e.l("nans"));
        QCOMPARE(b.r().nb_justes.valeur, 1);
        QCOMPARE(e.l("clic2")->text(), QStringLiteral("Bravo ! Vous avez la réponse juste "
                                                      "!\nCliquez sur Continuer pour une autre "
                                                      "conversion."));
        QCOMPARE(e.l("clic2")->y(), 146);
        QVERIFY(ans->isHidden() && mois->isHidden());

        // Next: 15 months, answered 0 years 3 months (years moved up and
        // back to 0): judged, and wrong.
        b.random.push({pour(15, 100, 15)});
        Banc::cliquer(e.l("encore_nbmois"));
        QCOMPARE(e.l("nans")->text(), QStringLiteral("?? année et"));
        QCOMPARE(e.l("nmois")->text(), QStringLiteral("?? mois"));
        QCOMPARE(ans->value(), 0);
        Banc::monter(ans);
        QCOMPARE(e.l("nans")->text(), QStringLiteral("1 année et"));
        Banc::descendre(ans);
        QCOMPARE(e.l("nans")->text(), QStringLiteral("0 année et"));
        regler(mois, 3);
        Banc::cliquer(e.l("nmois"));
        compte(b, 2, 1, 1);
        QCOMPARE(e.l("clic2")->text(), QStringLiteral("Erreur ! 15 mois font 1 année et 3 mois "
                                                      "!\nCliquez sur Continuer pour une autre "
                                                      "conversion."));
        QCOMPARE(textColor(e.l("clic2")), couleur::rouge);
        // This game leaves its answer labels black.
        couleurs(e, {"nans", "nmois"}, couleur::noir);
    }

    void anniversaireFutur()
    {
        Banc b;
        lancer(b);
        Ecran e{b};
        ArrowSpinner* mois = e.f("fleche11");
        ArrowSpinner* an = e.f("fleche12");

        // The year cannot go below today's; a click on today's year is ignored.
        Banc::descendre(an);
        QCOMPARE(an->value(), 2026);
        regler(mois, 5);
        Banc::cliquer(e.l("mans"));
        QCOMPARE(b.r().nb_exercices.valeur, 0);

        // December + 5 months is May of the year after: 2050.
        regler(an, 2049);
        Banc::cliquer(e.l("mmois"));
        QCOMPARE(b.sons.played.last(), QStringLiteral("1.def"));
        QCOMPARE(e.l("clic3")->text(),
                 QStringLiteral("Non, nous fêterons Julie le 5 Mai 2050 !") + FinAnniversaire);
        QCOMPARE(e.l("clic3")->y(), 299);
        couleurs(e, {"clic3", "mmois", "mans"}, couleur::rouge);

        // "Continuer" of this game clicks before drawing. On 31 January 2026,
        // 10 years and 3 months: April 2036, on its last day.
        b.clock.set(QDateTime(QDate(2026, 1, 31), QTime(10, 0)));
        b.random.push({pour(0, 52, 0), pour(3, 11, 1), pour(10, 50, 3)});
        const qsizetype avant = b.sons.played.size();
        Banc::cliquer(e.l("encore_age"));
        QVERIFY(b.sons.played.size() > avant);
        QVERIFY(!b.sons.played.at(avant).contains('.'));
        QCOMPARE(e.l("enonce9")->text(), QStringLiteral("Adrien vient de naître aujourd'hui. "
                                                        "Nous fêterons ses 10 ans 3 mois le"));
        QCOMPARE(e.l("mmois")->text(), QStringLiteral("31 Janvier"));
        regler(mois, 4);
        regler(an, 2036);
        Banc::cliquer(e.l("mans"));
        QCOMPARE(b.sons.played.last(), QStringLiteral("1.vic"));
        QCOMPARE(e.l("clic3")->text(),
                 QStringLiteral("Bravo ! Votre réponse est juste !") + FinAnniversaire);
        QCOMPARE(textColor(e.l("mmois")), couleur::noir);
        QCOMPARE(b.r().nb_exercices.valeur, 2);
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
        Banc b(QDateTime(dates[0], QTime(10, 0)));
        lancer(b, Tirages{23, 1, ans, 48, 23, 1, ans, 27, 1, ans});
        Ecran e{b};
        regler(e.f("fleche8"), dates[1].year());
        regler(e.f("fleche7"), dates[1].month());
        regler(e.f("fleche12"), dates[2].year());
        regler(e.f("fleche11"), dates[2].month());
        QStringList lus{e.l("mois_dates")->text(), e.l("mmois")->text(),
                        e.l("enonce10")->text().section('\n', 1).section(" nous", 0, 0)};
        // Game 1 answered right, game 3 a year too late: its solution is that day.
        Banc::monter(e.f("fleche12"));
        Banc::cliquer(e.l("an_dates"));
        Banc::cliquer(e.l("mans"));
        QTEST((lus << e.l("mmois")->text()).join('|'), "textes");
        QVERIFY(e.l("clic3")->text().startsWith(
            QStringLiteral("Non, nous fêterons Julie le %1 %2 !").arg(lus[1]).arg(dates[2].year())));
        compte(b, 2, 1, 1);
    }

    // The month spinners wrap; the others stop at their bounds.
    void bornes()
    {
        Banc b;
        lancer(b);
        Ecran e{b};
        for (const char* nom : {"fleche7", "fleche11"}) {
            ArrowSpinner* s = e.f(nom);
            regler(s, 12);
            Banc::monter(s);
            QCOMPARE(s->value(), 1);
            Banc::descendre(s);
            QCOMPARE(s->value(), 12);
        }
        const struct {
            const char* nom;
            int min, max;
        } bornes[] = {{"fleche8", 1926, 2026}, {"fleche9", 0, 50},   {"fleche10", 0, 11},
                      {"fleche12", 2026, 2100}, {"fleche13", 0, 99}, {"fleche14", 0, 11}};
        for (const auto& x : bornes) {
            ArrowSpinner* s = e.f(x.nom);
            s->setValue(x.max);
            Banc::monter(s);
            QCOMPARE(s->value(), x.max);
            s->setValue(x.min);
            Banc::descendre(s);
            QCOMPARE(s->value(), x.min);
        }
    }

    // From 2048 on, the farthest birthday lies past 2100: the year spinner
    // must still reach it.
    void anneeLointaine()
    {
        Banc b(QDateTime(QDate(2060, 12, 31), QTime(10, 0)));
        Tirages t;
        t.moisAge = 11;
        t.ansAge = 52;
        lancer(b, t);
        Ecran e{b};
        QCOMPARE(e.f("fleche12")->maximum(), 2113);
        e.f("fleche11")->setValue(11);  // 30 November 2113
        e.f("fleche12")->setValue(2113);
        Banc::cliquer(e.l("mans"));
        QCOMPARE(b.r().nb_justes.valeur, 1);
    }

    void ageAnniversaire()
    {
        Banc b;
        lancer(b);
        Ecran e{b};
        ArrowSpinner* ans = e.f("fleche13");
        ArrowSpinner* mois = e.f("fleche14");

        regler(mois, 3);
        Banc::cliquer(e.l("ani_mois"));
        QCOMPARE(b.r().nb_exercices.valeur, 0);
        Banc::monter(ans);
        QCOMPARE(e.l("ani_ans")->text(), QStringLiteral("1 an et"));
        regler(ans, 12);
        QCOMPARE(e.l("ani_ans")->text(), QStringLiteral("12 ans et"));
        Banc::cliquer(e.l("ani_ans"));
        QCOMPARE(e.l("clic4")->text(),
                 QStringLiteral("Non Léa aura 13 ans et 3 mois !") + FinAnniversaire);
        QCOMPARE(e.l("clic4")->y(), 412);
        couleurs(e, {"clic4", "ani_ans", "ani_mois"}, couleur::rouge);

        // The largest age can be set and is judged right.
        b.random.push({pour(5, 52, 0), pour(11, 11, 1), pour(52, 50, 3)});
        const qsizetype avant = b.sons.played.size();
        Banc::cliquer(e.l("encore_anniversaire"));
        // Only the spinners' return to 0 clicks; "Continuer" has no sound here.
        QCOMPARE(b.sons.played.size(), avant + 2);
        QCOMPARE(e.l("ani_ans")->text(), QStringLiteral("?? ans et"));
        QCOMPARE(textColor(e.l("ani_ans")), couleur::noir);
        QCOMPARE(e.l("enonce10")->text(), QStringLiteral("Bienvenue à Anthony qui vient de naître "
                                                         "!\nLe 5 Novembre 2079 nous fêterons ses"));
        regler(ans, 52);
        regler(mois, 11);
        Banc::cliquer(e.l("ani_mois"));
        QCOMPARE(e.l("clic4")->text(),
                 QStringLiteral("Vous serez invité car c'est juste !") + FinAnniversaire);
        compte(b, 2, 1, 1);
    }

    // "Continuer" of one game leaves the other three as they are.
    void continuerIsole()
    {
        Banc b;
        lancer(b);
        Ecran e{b};
        regler(e.f("fleche8"), 2000);
        Banc::cliquer(e.l("an_dates"));
        regler(e.f("fleche9"), 1);
        regler(e.f("fleche10"), 1);
        const QString verdict = e.l("clic")->text();
        const QString enonce9 = e.l("enonce9")->text();
        b.random.push({pour(111, 100, 15)});
        Banc::cliquer(e.l("encore_nbmois"));
        QCOMPARE(e.l("enonce8")->text(), QStringLiteral(" 111 mois font exactement"));
        QCOMPARE(e.l("clic")->text(), verdict);
        QVERIFY(e.l("encore_date")->isVisible());
        QCOMPARE(e.l("enonce9")->text(), enonce9);
        QCOMPARE(b.random.remaining(), 0);
    }

    // Back to the start screen and in again: four new questions, the score
    // unchanged, and it reaches the score file at quit.
    void retourEtScore()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score12_9_3());
        lancer(b);
        Ecran e{b};
        regler(e.f("fleche13"), 13);
        regler(e.f("fleche14"), 3);
        Banc::cliquer(e.l("ani_ans"));
        QCOMPARE(e.l("score")->text(),
                 QStringLiteral("\nExercices --> 13  Justes --> 10  Erreurs --> 3"));

        b.r().minute_montre = 7;
        Banc::cliquer(e.l("retour"));
        QVERIFY(b.ecranNomme("depart")->isVisible());
        QVERIFY(!b.ecranNomme("jeux_dates")->isVisible());
        QVERIFY(!b.sons.played.last().contains('.'));
        QCOMPARE(b.r().minute_montre, 5);

        Tirages t;
        t.nbMois = 100;
        ouvrir(b, t);
        QCOMPARE(e.l("enonce8")->text(), QStringLiteral(" 100 mois font exactement"));
        QVERIFY(e.l("encore_anniversaire")->isHidden());
        QCOMPARE(e.l("ani_ans")->text(), QStringLiteral("?? ans et"));
        QCOMPARE(e.l("score")->text(),
                 QStringLiteral("\nExercices --> 13  Justes --> 10  Erreurs --> 3"));

        Banc::cliquer(e.l("retour"));
        Banc::cliquer(b.trouver<QWidget>("depart", "fin"));
        const std::optional<Compteurs> lu = score::lire(b.octetsScore());
        QVERIFY(lu);
        QCOMPARE(lu->nb_exercices.valeur, 13);
        QCOMPARE(lu->nb_justes.valeur, 10);
        QCOMPARE(lu->nb_erreurs, 3);
    }

    // The longest texts stay in their boxes, and the long month names do
    // not run into the year beside them.
    void placesDesTextes()
    {
        Banc b(QDateTime(QDate(2026, 12, 31), QTime(10, 0)));
        Tirages t;
        t.prenomDate = t.prenomAge = t.prenomAnni = 13;  // Christophe
        t.moisDate = t.moisAge = t.moisAnni = 11;
        t.ansDate = 50;
        t.ansAge = t.ansAnni = 52;
        t.nbMois = 114;
        lancer(b, t);
        Ecran e{b};
        QVERIFY(e.l("enonce7")->geometry().right() < 309);
        for (const char* m : {"fleche7", "fleche11"})
            regler(e.f(m), 9);  // "30 Septembre", the widest
        QVERIFY(e.l("mois_dates")->geometry().right() < e.l("an_dates")->x());
        QVERIFY(e.l("mmois")->geometry().right() < e.l("mans")->x());
        regler(e.f("fleche9"), 50);
        regler(e.f("fleche13"), 99);
        QVERIFY(e.l("nans")->geometry().right() < e.l("nmois")->x());
        QVERIFY(e.l("ani_ans")->geometry().right() < e.l("ani_mois")->x());

        auto tiennent = [&e](std::initializer_list<const char*> noms) {
            for (const char* c : noms)
                QVERIFY2(e.l(c)->heightForWidth(e.l(c)->width()) <= e.l(c)->height(), c);
        };
        tiennent({"enonce8", "enonce9", "enonce10", "clic", "clic2", "clic3", "clic4"});
        // Wrong answers everywhere: the longest verdicts.
        e.f("fleche8")->setValue(1926);
        e.f("fleche12")->setValue(2027);
        e.f("fleche10")->setValue(11);
        e.f("fleche14")->setValue(11);
        for (const char* c : {"an_dates", "nmois", "mans", "ani_ans"})
            Banc::cliquer(e.l(c));
        QCOMPARE(b.r().nb_erreurs, 4);
        tiennent({"clic", "clic2", "clic3", "clic4"});
    }
};

QTEST_MAIN(TstJeuxDates)
#include "tst_jeuxdates.moc"
