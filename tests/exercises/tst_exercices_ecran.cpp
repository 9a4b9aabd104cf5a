// The exercises screen driven as a child would: spinners, answer labels,
// "Continuer", the "X 10 mn" switch and the way back.
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <array>

#include "common/score.h"
#include "exercises/comparaison.h"
#include "exercises/conversion.h"
#include "exercises/exercices.h"
#include "exercises/heure.h"
#include "exercises/minutes.h"
#include "exercises/montre.h"
#include "exercises/nombremanquant.h"
#include "support/banc.h"
#include "tirages.h"
#include "ui/arrowspinner.h"
#include "ui/picturebox.h"
#include "ui/style.h"

namespace {

// The draws one activation takes, section by section, in drawing order.
using Tirages = std::array<QList<double>, 6>;
const Tirages tiragesParDefaut{{
    {pour(2, 6, 1), pour(30, 59, 1)},                                          // 2 h 30
    {pour(15, 59, 1), pour(9, 12, 1)},                                         // 9 h 15
    {pour(55, 59, 1), pour(12, 12, 1), 0.7, pour(10, 59, 1)},                  // 12 h 55, slow by 10
    {0.0},                                                                     // 60 mn
    {pour(2, 12, 2), pour(48, 59, 2), pour(123, 500, 1), pour(45, 500, 1)},    // 2 h 48 = 123 + 45
    {pour(40, 60, 1), pour(37, 150, 1)},                                       // 37 + 40
}};
const QList<double> cinqH23{pour(5, 12, 2), pour(23, 59, 2), pour(123, 500, 1), pour(45, 500, 1)};

const QByteArray scoreNul = score::ecrire(Compteurs{});

}  // namespace

class TstExercicesEcran : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Banc> b;

    template <class T = QLabel>
    T* w(const QString& nom)
    {
        T* t = b->trouver<T>("exercices", qPrintable(nom));
        if (!t)
            qFatal("no control %s", qPrintable(nom));
        return t;
    }
    QString texte(const QString& nom) { return w(nom)->text(); }
    void pousser(const QList<double>& tirages)
    {
        for (double t : tirages)
            b->random.push({t});
    }
    void ouvrir(const Tirages& t = tiragesParDefaut)
    {
        for (const auto& l : t)
            pousser(l);
        Banc::cliquer(b->trouver<QWidget>("depart", "exos"));
    }
    void cliquer(const QString& nom) { Banc::cliquer(w<QWidget>(nom)); }
    // Steps a spinner up, or down for a negative count.
    void fleche(const QString& nom, int pas = 1)
    {
        for (int i = 0; i < std::abs(pas); ++i)
            pas > 0 ? Banc::monter(w<QWidget>(nom)) : Banc::descendre(w<QWidget>(nom));
    }
    int valeur(const QString& nom) { return w<ArrowSpinner>(nom)->value(); }
    bool visible(const QString& nom) { return w<QWidget>(nom)->isVisible(); }
    QColor couleurDe(const QString& nom) { return textColor(w<QWidget>(nom)); }
    int exercices() { return b->r().nb_exercices.valeur; }
    static QString scoreAttendu(int ex, int justes, int erreurs)
    {
        return QStringLiteral("\nExercices --> %1  Justes --> %2  Erreurs --> %3").arg(ex).arg(justes).arg(erreurs);
    }
    // Each entry reads "name|text".
    void verifierTextes(const QStringList& attendus)
    {
        for (const QString& a : attendus)
            QCOMPARE(texte(a.section(QLatin1Char('|'), 0, 0)), a.section(QLatin1Char('|'), 1));
    }

private slots:
    void init();
    void cleanup();

    void ouvertureSansCompter();
    void porteFermee_data();
    void porteFermee();
    void fleches_data();
    void fleches();
    void reponse_data();
    void reponse();
    void minutesParDix();
    void lectureHorloge();
    void comparaisonChoix();
    void scoreUnJusteUnFaux();
    void retourEtReouverture();
    void rendreFocus_data();
    void rendreFocus();
};

void TstExercicesEcran::init()
{
    b = std::make_unique<Banc>(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), scoreNul);
    QVERIFY(b->demarrer());
}

void TstExercicesEcran::cleanup()
{
    QCOMPARE(b->random.underflows, 0);
    b.reset();
}

void TstExercicesEcran::ouvertureSansCompter()
{
    ouvrir();
    QVERIFY(b->ecranNomme("exercices")->isVisible());
    QCOMPARE(b->random.remaining(), 0);
    QCOMPARE(exercices(), 0);
    QCOMPARE(texte("score"), scoreAttendu(0, 0, 0));

    // Every section is open on its question.
    for (const char* encore : {"encore_minutes", "encore_heure", "encore_retarde",
                               "encore_conversion", "encore_estimation", "encore_operations", "vide"})
        QVERIFY2(!visible(encore), encore);
    for (const char* f : {"fleche1", "flech_heures", "flech_minutes", "fleche2", "fleche3",
                          "fleche4", "fleche5", "fleche6"})
        QVERIFY2(visible(f), f);
    verifierTextes({"chiffre1|?? mn", "nb2|2 h 30 mn =", "heure|? h", "minu|? mn", "nb|60 mn =",
                    "chiffre2|37 mn +", "chiffre3|? mn", "chiffre4|= 1 h 17 mn",
                    "enonce5|" + comparaison::enonce({2, 48, 123, 45})});
    QCOMPARE(valeur("flech_heures"), 1);
    QCOMPARE(texte("enonce3").section(QLatin1Char('\n'), 0, 1),
             QStringLiteral("Ma montre affiche 12 h 55 mn.\nMais elle RETARDE de 10 minutes."));
}

void TstExercicesEcran::porteFermee_data()
{
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<QString>("bouge");
    QTest::addColumn<QString>("enonce");
    QTest::newRow("chiffre1 sans fleche") << "chiffre1" << "" << "enonce1";
    QTest::newRow("heure, heures seules") << "heure" << "flech_heures" << "enonce2";
    QTest::newRow("minu, heures seules") << "minu" << "flech_heures" << "enonce2";
    QTest::newRow("heure2, minutes seules") << "heure2" << "fleche3" << "enonce3";
    QTest::newRow("minute3, heures seules") << "minute3" << "fleche4" << "enonce4";
    QTest::newRow("chiffre3 sans fleche") << "chiffre3" << "" << "enonce6";
}

void TstExercicesEcran::porteFermee()
{
    QFETCH(QString, reponse);
    QFETCH(QString, bouge);
    QFETCH(QString, enonce);
    ouvrir();
    if (!bouge.isEmpty())
        fleche(bouge);
    const QStringList sons = b->sons.played;
    const QString avant = texte(enonce);
    cliquer(reponse);
    QCOMPARE(b->sons.played, sons);
    QCOMPARE(exercices(), 0);
    QCOMPARE(b->r().nb_justes.valeur + b->r().nb_erreurs, 0);
    QCOMPARE(texte(enonce), avant);
}

void TstExercicesEcran::fleches_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("unite");
    QTest::newRow("fleche1") << "fleche1" << "chiffre1" << 9999 << " mn";
    QTest::newRow("flech_heures") << "flech_heures" << "heure" << 12 << " h";
    QTest::newRow("flech_minutes") << "flech_minutes" << "minu" << 59 << " mn";
    QTest::newRow("fleche2") << "fleche2" << "heure2" << 12 << " h";
    QTest::newRow("fleche3") << "fleche3" << "minute2" << 59 << " mn";
    QTest::newRow("fleche4") << "fleche4" << "heure3" << 12 << " h";
    QTest::newRow("fleche5") << "fleche5" << "minute3" << 59 << " mn";
    QTest::newRow("fleche6") << "fleche6" << "chiffre3" << 99 << " mn";
}

void TstExercicesEcran::fleches()
{
    QFETCH(QString, nom);
    QFETCH(QString, label);
    QFETCH(int, maximum);
    QFETCH(QString, unite);
    ouvrir();
    auto* f = w<ArrowSpinner>(nom);
    const int depart = f->value();
    const int sons = b->sons.played.size();
    fleche(nom);
    QCOMPARE(texte(label), QString::number(depart + 1) + unite);
    QCOMPARE(b->sons.played.size(), sons + 1);
    // No wrapping at either bound.
    f->setValue(maximum);
    fleche(nom);
    QCOMPARE(f->value(), maximum);
    QCOMPARE(texte(label), QString::number(maximum) + unite);
    f->setValue(f->minimum());
    fleche(nom, -1);
    QCOMPARE(f->value(), depart);
}

// One answer in one section, then "Continuer": the shared answer protocol.
namespace {
struct Cas {
    int section;
    QList<double> tirage;    // empty: the default draw
    QStringList reglages;    // "spinner:steps"
    QString reponse, verdict;
    bool juste;
    QStringList affiches{};  // after the verdict, "name|text"
    QStringList rouges{};    // red with a wrong answer, black again after
    QList<double> suivant{}; // empty: the default draw
    QStringList ensuite{};   // after "Continuer", "name|text"
};
const char* const encores[6] = {"encore_minutes", "encore_heure", "encore_retarde",
                                "encore_conversion", "encore_estimation", "encore_operations"};
// Hidden by the verdict, back with the next question (the chosen label stays).
const QStringList caches[6] = {{"fleche1", "par10", "Label4"}, {"flech_heures", "flech_minutes"},
                               {"fleche2", "fleche3"}, {"fleche4", "fleche5"},
                               {"petit", "grand", "egal"}, {"fleche6"}};

QList<Cas> cas()
{
    const QString calcul = QStringLiteral("\nCliquez sur Continuer pour un autre calcul.");
    const QList<double> midiEtDemi{pour(30, 59, 1), pour(12, 12, 1)};
    const QList<double> troisH10{pour(10, 59, 1), pour(3, 12, 1), 0.2, pour(20, 59, 1)};
    const QList<double> vingtPlusCinq{pour(5, 60, 1), pour(40, 150, 1)};
    const comparaison::Question egal{2, 48, 123, 45};
    return {
        {0, {}, {"fleche1:3"}, "chiffre1", minutes::erreur({2, 30}), false, {"chiffre1|3 mn", "nb2|2 h 30 mn ="},
         {}, {pour(4, 6, 1), pour(7, 59, 1)}, {"nb2|4 h 7 mn =", "chiffre1|?? mn"}},
        {1, {}, {"flech_heures:8", "flech_minutes:5"}, "minu", lecture::erreur({9, 15}), false,
         {"heure|9 h", "minu|5 mn"}, {}, midiEtDemi, {"heure|? h", "minu|? mn"}},
        {1, midiEtDemi, {"flech_heures:11", "flech_minutes:30"}, "heure", lecture::reussite(), true},
        // 13 h 5 is set as 1 h 5 on the spinner.
        {2, {}, {"fleche2:1", "fleche2:-1", "fleche3:5"}, "heure2",
         montre::verdict({12, 55, montre::Retarde, 10}, true), true, {"heure2|1 h"}, {}, troisH10, {"heure2|? h"}},
        {2, troisH10, {"fleche2:2", "fleche3:50"}, "minute2", montre::verdict({3, 10, montre::Avance, 20}, false),
         false},
        {3, {}, {"fleche4:1", "fleche5:1", "fleche5:-1"}, "heure3",
         "Bravo ! Vous avez trouvé la bonne solution !" + calcul, true, {"minute3|0 mn"}, {}, {0.99999},
         {"nb|459 mn ="}},
        {3, {0.99999}, {"fleche4:20", "fleche5:1"}, "minute3", conversion::erreur({459}), false, {},
         {"nb", "heure3", "minute3"}, {pour(120, 400, 60)}, {"heure3|? h", "nb|120 mn ="}},
        {4, {}, {}, "petit", comparaison::verdict(egal, comparaison::Choix::PlusPetit), false, {}, {}, cinqH23,
         {"enonce5|" + comparaison::enonce({5, 23, 123, 45})}},
        {4, {}, {}, "egal", comparaison::verdict(egal, comparaison::Choix::Egal), true},
        {5, {}, {"fleche6:1", "fleche6:-1"}, "chiffre3",
         "Erreur ! Voici la solution :\n37 mn + 40 mn = 1 h 17 mn" + calcul, false, {"chiffre3|0 mn"}, {},
         vingtPlusCinq, {"chiffre4|= 0 h 45 mn", "chiffre3|? mn"}},
        {5, vingtPlusCinq, {"fleche6:5"}, "chiffre3", "Vous avez la réponse juste !" + calcul, true},
    };
}
}  // namespace

void TstExercicesEcran::reponse_data()
{
    QTest::addColumn<int>("i");
    const QList<Cas> tous = cas();
    for (int i = 0; i < tous.size(); ++i)
        QTest::addRow("%s %s", qPrintable(tous[i].reponse), tous[i].juste ? "juste" : "faux") << i;
}

void TstExercicesEcran::reponse()
{
    QFETCH(int, i);
    const Cas c = cas()[i];
    const QString enonce = QStringLiteral("enonce%1").arg(c.section + 1);
    const char* encore = encores[c.section];
    QStringList cachesIci = caches[c.section];
    cachesIci.removeOne(c.reponse);
    Tirages t = tiragesParDefaut;
    if (!c.tirage.isEmpty())
        t[c.section] = c.tirage;
    ouvrir(t);
    for (const QString& r : c.reglages)
        fleche(r.section(QLatin1Char(':'), 0, 0), r.section(QLatin1Char(':'), 1).toInt());

    cliquer(c.reponse);
    QCOMPARE(b->sons.played.last(), c.juste ? QStringLiteral("1.vic") : QStringLiteral("1.def"));
    QCOMPARE(texte(enonce), c.verdict);
    QCOMPARE(couleurDe(enonce), c.juste ? couleur::bleu : couleur::rouge);
    QCOMPARE(texte("score"), scoreAttendu(1, c.juste, !c.juste));
    verifierTextes(c.affiches);
    for (const QString& n : cachesIci)
        QVERIFY2(!visible(n), qPrintable(n));
    for (const QString& r : c.rouges)
        QVERIFY2(couleurDe(r) == couleur::rouge, qPrintable(r));
    QVERIFY(visible(encore));

    // A second click changes nothing.
    const QStringList sons = b->sons.played;
    cliquer(c.reponse);
    QCOMPARE(b->sons.played, sons);
    QCOMPARE(exercices(), 1);

    pousser(c.suivant.isEmpty() ? tiragesParDefaut[c.section] : c.suivant);
    cliquer(encore);
    QCOMPARE(couleurDe(enonce), couleur::bleu);
    for (const QString& n : cachesIci)
        QVERIFY2(visible(n), qPrintable(n));
    for (const QString& r : c.rouges)
        QVERIFY2(couleurDe(r) == couleur::noir, qPrintable(r));
    QVERIFY(!visible(encore));
    for (const QString& r : c.reglages) {
        auto* f = w<ArrowSpinner>(r.section(QLatin1Char(':'), 0, 0));
        QCOMPARE(f->value(), f->minimum());
    }
    verifierTextes(c.ensuite);
}

void TstExercicesEcran::minutesParDix()
{
    ouvrir();
    const int sons = b->sons.played.size();
    cliquer("par10");
    QVERIFY(w<QCheckBox>("par10")->isChecked());
    QCOMPARE(b->sons.played.size(), sons + 1);
    QCOMPARE(couleurDe("Label4"), couleur::rouge);
    fleche("fleche1");
    QCOMPARE(texte("chiffre1"), QStringLiteral("10 mn"));
    fleche("fleche1", 14);
    cliquer("chiffre1");
    QCOMPARE(texte("enonce1"), minutes::reussite());
    QCOMPARE(texte("chiffre1"), QStringLiteral(" 2 h 30 mn =  150 minutes"));
    QVERIFY(!visible("nb2") && visible("vide"));

    // The tick survives the next question.
    pousser(tiragesParDefaut[0]);
    cliquer("encore_minutes");
    QVERIFY(visible("nb2") && !visible("vide"));
    QVERIFY(w<QCheckBox>("par10")->isChecked());
    QCOMPARE(w<ArrowSpinner>("fleche1")->singleStep(), 10);
}

void TstExercicesEcran::lectureHorloge()
{
    ouvrir();
    auto* horloge = w<PictureBox>("horloge1");
    QCOMPARE(horloge->size(), QSize(189, 191));
    QCOMPARE(horloge->picture().size(), QSize(189, 191));
    // 9 h 15: minute hand to the right in blue, hour hand to the left in red.
    QCOMPARE(horloge->lines().size(), 2);
    QCOMPARE(horloge->lines()[0].color, couleur::bleu);
    QVERIFY(QLineF(horloge->lines()[0].line.p2(), QPointF(164.5, 95.5)).length() < 1e-6);
    QCOMPARE(horloge->lines()[1].color, couleur::rouge);
    QVERIFY(QLineF(horloge->lines()[1].line.p2(), QPointF(54.5, 95.5)).length() < 1e-6);

    // A fresh face for the next question, 12 h 30.
    fleche("flech_heures");
    fleche("flech_minutes");
    cliquer("minu");
    pousser({pour(30, 59, 1), pour(12, 12, 1)});
    cliquer("encore_heure");
    QCOMPARE(horloge->lines().size(), 2);
    QVERIFY(QLineF(horloge->lines()[1].line.p2(), QPointF(94.5, 55.5)).length() < 1e-6);
}

void TstExercicesEcran::comparaisonChoix()
{
    ouvrir();
    cliquer("petit");
    // The chosen label stays, out of reach and marked.
    QVERIFY(visible("petit") && !w<QWidget>("petit")->isEnabled());
    QCOMPARE(couleurDe("petit"), couleur::magenta);

    pousser(cinqH23);
    const int sons = b->sons.played.size();
    cliquer("encore_estimation");
    QCOMPARE(b->sons.played.size(), sons + 1);
    QVERIFY(!b->sons.played.last().contains(QLatin1Char('.')));
    for (const char* l : {"petit", "grand", "egal"})
        QVERIFY2(w<QWidget>(l)->isEnabled() && couleurDe(l) == couleur::bleu, l);
    cliquer("grand");
    QCOMPARE(couleurDe("grand"), couleur::magenta);
}

void TstExercicesEcran::scoreUnJusteUnFaux()
{
    ouvrir();
    cliquer("egal");  // right
    fleche("fleche6");
    cliquer("chiffre3");  // 1 for 40: wrong
    QCOMPARE(texte("score"), scoreAttendu(2, 1, 1));
    // A success sound, the spinner's click, then a failure sound.
    const QStringList sons = b->sons.played.mid(b->sons.played.size() - 3);
    QCOMPARE(sons.first(), QStringLiteral("1.vic"));
    QCOMPARE(sons.last(), QStringLiteral("1.def"));
}

void TstExercicesEcran::retourEtReouverture()
{
    ouvrir();
    cliquer("par10");
    cliquer("egal");
    fleche("fleche1");
    b->r().minute_montre = 3;

    cliquer("sortie");
    QVERIFY(!b->ecranNomme("exercices")->isVisible());
    QVERIFY(b->ecranNomme("depart")->isVisible());
    QVERIFY(b->sons.played.contains(QStringLiteral("5")));
    QVERIFY(!w<QCheckBox>("par10")->isChecked());
    QCOMPARE(couleurDe("Label4"), couleur::noir);
    QCOMPARE(w<ArrowSpinner>("fleche1")->singleStep(), 1);
    // The watch was drawn again for the present minute.
    QCOMPARE(b->r().minute_montre, qint16(5));

    // Back again: six new questions, the score as it was.
    Tirages t = tiragesParDefaut;
    t[4] = cinqH23;
    ouvrir(t);
    QCOMPARE(texte("score"), scoreAttendu(1, 1, 0));
    QCOMPARE(texte("chiffre1"), QStringLiteral("?? mn"));
    QCOMPARE(valeur("fleche1"), 0);
    QVERIFY(visible("petit") && visible("grand") && visible("egal") && !visible("encore_estimation"));
    QVERIFY(texte("enonce5").startsWith(QStringLiteral("5 heures 23 minutes\n")));
}

void TstExercicesEcran::rendreFocus_data()
{
    QTest::addColumn<QString>("survole");
    QTest::addColumn<bool>("rendu");
    QTest::newRow("fond") << "exercices" << true;
    QTest::newRow("chiffre1") << "chiffre1" << true;
    QTest::newRow("par10") << "par10" << true;
    QTest::newRow("ailleurs") << "enonce2" << false;
}

void TstExercicesEcran::rendreFocus()
{
    QFETCH(QString, survole);
    QFETCH(bool, rendu);
    ouvrir();
    QCOMPARE(b->r().rendre_focus, 1);  // set by the first drawer
    b->r().rendre_focus = 0;
    fleche("fleche1");
    QCOMPARE(b->r().rendre_focus, 1);
    QWidget* ecran = b->ecranNomme("exercices");
    QCOMPARE(ecran->window()->focusWidget(), w<QWidget>("fleche1"));
    Banc::survoler(survole == QLatin1String("exercices") ? ecran : w<QWidget>(survole));
    QCOMPARE(b->r().rendre_focus, rendu ? 0 : 1);
    QCOMPARE(ecran->window()->focusWidget(), rendu ? ecran : w<QWidget>("fleche1"));
}

QTEST_MAIN(TstExercicesEcran)
#include "tst_exercices_ecran.moc"
