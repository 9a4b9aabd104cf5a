// SPDX-License-Identifier: GPL-3.0-or-later
// The six kinds of exercise: their numbers and texts, then the exercises
// screen driven as a child would (spinners, answer labels, "Continuer", the
// "X 10 mn" switch and the way back).
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <array>
#include <cmath>

#include "exercises/comparaison.h"
#include "exercises/conversion.h"
#include "exercises/exercices.h"
#include "exercises/heure.h"
#include "exercises/minutes.h"
#include "exercises/montre.h"
#include "exercises/nombremanquant.h"
#include "support/banc.h"
#include "ui/arrowspinner.h"
#include "ui/picturebox.h"
#include "ui/style.h"

using comparaison::Choix;

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

}  // namespace

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

// What each case records, in the order of cas().
const QStringList traces{
    "minutes_dans_heures|Combien de minutes dans 2 h 30 mn ?|3 mn|150 mn|non",
    "lire_horloge|Quelle heure est-il ?|9 h 5 mn|9 h 15 mn|non",
    "lire_horloge|Quelle heure est-il ?|12 h 30 mn|12 h 30 mn|oui",
    "montre|Ma montre affiche 12 h 55 mn. Mais elle RETARDE de 10 minutes. Quelle heure est-il en réalité ?|1 h 5 mn|1 h 5 mn|oui",
    "montre|Ma montre affiche 3 h 10 mn. Mais elle AVANCE de 20 minutes. Quelle heure est-il en réalité ?|3 h 50 mn|2 h 50 mn|non",
    "minutes_en_heures|Saurez-vous convertir en heures et minutes 60 minutes ?|1 h 0 mn|1 h 0 mn|oui",
    "minutes_en_heures|Saurez-vous convertir en heures et minutes 459 minutes ?|12 h 1 mn|7 h 39 mn|non",
    "comparer_durees|2 heures 48 minutes est plus petit, plus grand ou égal à 123 mn + 45 mn ?|Plus petit|Egal|non",
    "comparer_durees|2 heures 48 minutes est plus petit, plus grand ou égal à 123 mn + 45 mn ?|Egal|Egal|oui",
    "nombre_manquant|Quel est le nombre manquant ? 37 mn + ? mn = 1 h 17 mn|0 mn|40 mn|non",
    "nombre_manquant|Quel est le nombre manquant ? 40 mn + ? mn = 0 h 45 mn|5 mn|5 mn|oui",
};

QList<Cas> cas()
{
    const QString calcul = QStringLiteral("\nCliquez sur Continuer pour un autre calcul.");
    const QList<double> midiEtDemi{pour(30, 59, 1), pour(12, 12, 1)};
    const QList<double> troisH10{pour(10, 59, 1), pour(3, 12, 1), 0.2, pour(20, 59, 1)};
    const QList<double> vingtPlusCinq{pour(5, 60, 1), pour(40, 150, 1)};
    const QString suite = QStringLiteral("\nCliquez sur Continuer pour la suite.");
    return {
        {0, {}, {"fleche1:3"}, "chiffre1", "Erreur ! 2 h 30 mn = 150 minutes !\nCliquez sur Continuer pour un autre exercice.", false, {"chiffre1|3 mn", "nb2|2 h 30 mn ="},
         {}, {pour(4, 6, 1), pour(7, 59, 1)}, {"nb2|4 h 7 mn =", "chiffre1|?? mn"}},
        {1, {}, {"flech_heures:8", "flech_minutes:5"}, "minu", "Erreur, il est 9 h 15 mn !\nCliquez sur Continuer pour\nune autre estimation horaire.", false,
         {"heure|9 h", "minu|5 mn"}, {}, midiEtDemi, {"heure|? h", "minu|? mn"}},
        {1, midiEtDemi, {"flech_heures:11", "flech_minutes:30"}, "heure", "Vous avez l'heure juste !\nCliquez sur Continuer pour\nune autre estimation horaire.", true},
        // 13 h 5 is set as 1 h 5 on the spinner.
        {2, {}, {"fleche2:1", "fleche2:-1", "fleche3:5"}, "heure2",
         "Bravo ! Ma montre RETARDE donc je dois AJOUTER 10 mn à 12 h 55 mn, ce qui me donne pour solution --> 13 h 5 mn." + calcul, true, {"heure2|1 h"}, {}, troisH10, {"heure2|? h"}},
        {2, troisH10, {"fleche2:2", "fleche3:50"}, "minute2", "Erreur ! Ma montre AVANCE donc je dois ENLEVER 20 mn à 3 h 10 mn, ce qui me donne pour solution --> 2 h 50 mn." + calcul,
         false},
        {3, {}, {"fleche4:1", "fleche5:1", "fleche5:-1"}, "heure3",
         "Bravo ! Vous avez trouvé la bonne solution !" + calcul, true, {"minute3|0 mn"}, {}, {0.99999},
         {"nb|459 mn ="}},
        {3, {0.99999}, {"fleche4:20", "fleche5:1"}, "minute3", "\nErreur ! 459 mn = 7 h 39 mn !" + calcul, false, {},
         {"nb", "heure3", "minute3"}, {pour(120, 400, 60)}, {"heure3|? h", "nb|120 mn ="}},
        {4, {}, {}, "petit", "Erreur ! \n 123 mn + 45 mn = 168 mn = 2 h 48 mn.\nDonc 2 h 48 mn est EGAL à ce total." + suite, false, {}, {}, cinqH23,
         {"enonce5|5 heures 23 minutes\nest plus petit, plus grand ou égal à\n 123 mn + 45 mn ?"}},
        {4, {}, {}, "egal", "Vous avez raison !\n123 mn + 45 mn = 168 mn = 2 h 48 mn.\nDonc 2 h 48 mn est EGAL à ce total." + suite, true},
        {5, {}, {"fleche6:1", "fleche6:-1"}, "chiffre3",
         "Erreur ! Voici la solution :\n37 mn + 40 mn = 1 h 17 mn" + calcul, false, {"chiffre3|0 mn"}, {},
         vingtPlusCinq, {"chiffre4|= 0 h 45 mn", "chiffre3|? mn"}},
        {5, vingtPlusCinq, {"fleche6:5"}, "chiffre3", "Vous avez la réponse juste !" + calcul, true},
    };
}
}  // namespace

class TstExercices : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Banc> b;

    void pousser(const QList<double>& tirages)
    {
        for (double t : tirages)
            b->random.push({t});
    }
    void ouvrir(const Tirages& t = tiragesParDefaut)
    {
        if (!b) {
            b = std::make_unique<Banc>();
            QVERIFY(b->demarrer());
        }
        for (const auto& l : t)
            pousser(l);
        b->ouvrir("exos", "exercices");
        QCOMPARE(b->random.remaining(), 0);
    }
    QString texte(const QString& nom) { return b->texte(nom); }
    void cliquer(const QString& nom) { b->clic(nom); }
    void fleche(const QString& nom, int pas = 1) { b->pas(nom, pas); }
    bool visible(const QString& nom) { return b->visible(nom); }
    QColor couleurDe(const QString& nom) { return b->couleur(nom); }
    template <class T = QWidget>
    T* w(const QString& nom) { return b->w<T>(nom); }
    int exercices() { return b->r().nb_exercices.valeur; }
    // Each entry reads "name|text".
    void verifierTextes(const QStringList& attendus)
    {
        for (const QString& a : attendus)
            QCOMPARE(texte(a.section(QLatin1Char('|'), 0, 0)), a.section(QLatin1Char('|'), 1));
    }

private slots:
    void cleanup()
    {
        if (b)
            QCOMPARE(b->random.underflows, 0);
        b.reset();
    }

    void minutesEtLecture()
    {
        ScriptedRandom hasard;
        hasard.push({0.0, 0.0, 0.9999, 0.9999});
        QCOMPARE(minutes::tirer(hasard).attendu(), 61);
        QCOMPARE(minutes::tirer(hasard).attendu(), 419);
        QCOMPARE(hasard.reseeds, 2);
        const minutes::Question q{2, 30};
        QCOMPARE(minutes::equation(q, 150), QStringLiteral(" 2 h 30 mn =  150 minutes"));

        // Minutes first, then the hour; no reseeding of its own.
        hasard.push({pour(15, 59, 1), pour(9, 12, 1), 0.0, 0.0, 0.99999, 0.99999});
        for (const auto& [minutes, heure] : {std::pair{15, 9}, {1, 1}, {59, 12}}) {
            const lecture::Question l = lecture::tirer(hasard);
            QCOMPARE(QList<int>({l.minutes, l.heure}), QList<int>({minutes, heure}));
        }
        QCOMPARE(hasard.reseeds, 2);
        QVERIFY(lecture::juste({9, 15}, 9, 15));
        QVERIFY(!lecture::juste({9, 15}, 9, 5) && !lecture::juste({9, 15}, 3, 45));

        // Face of 189 x 191: centre (94.5, 95.5); hands of 70 and 40. At
        // 3 h 50 the hour hand points at 3, not near 4.
        const lecture::Aiguilles a = lecture::aiguilles({3, 50}, QSizeF(189, 191));
        QCOMPARE(a.centre, QPointF(94.5, 95.5));
        QVERIFY(QLineF(a.finMinutes, QPointF(94.5 - 70 * std::cos(M_PI / 6), 95.5 - 35)).length() < 1e-6);
        QVERIFY(QLineF(a.finHeures, QPointF(134.5, 95.5)).length() < 1e-6);
        QVERIFY(QLineF(lecture::aiguilles({6, 15}, QSizeF(189, 191)).finHeures, QPointF(94.5, 135.5)).length() < 1e-6);
    }

    void montre()
    {
        // Shown time, real time, and the hour to set on the 1-to-12 spinner.
        const struct { montre::Question q; int heure, minute, surCadran; } cas[] = {
            {{3, 25, montre::Avance, 7}, 3, 18, 3},    {{3, 10, montre::Avance, 20}, 2, 50, 2},
            {{3, 50, montre::Retarde, 20}, 4, 10, 4},  {{11, 59, montre::Retarde, 1}, 12, 0, 12},
            {{1, 5, montre::Avance, 10}, 0, 55, 12},   {{12, 55, montre::Retarde, 10}, 13, 5, 1},
            {{12, 1, montre::Avance, 59}, 11, 2, 11}};
        for (const auto& [q, heure, minute, surCadran] : cas) {
            const QByteArray nom = montre::enonce(q).section(QLatin1Char('\n'), 0, 1).toUtf8();
            const calendrier::HeureMinute reelle = montre::heureReelle(q);
            QVERIFY2(reelle.heure == heure && reelle.minute == minute, nom);
            QVERIFY2(montre::juste(q, surCadran, minute), nom);
            QVERIFY2(!montre::juste(q, surCadran, (minute + 1) % 60), nom);
            QVERIFY2(!montre::juste(q, surCadran % 12 + 1, minute), nom);
        }
        // One minute takes the singular; the solution keeps the real hour 13.
        QCOMPARE(montre::enonce({12, 55, montre::Retarde, 1}).section(QLatin1Char('\n'), 1, 1),
                 QStringLiteral("Mais elle RETARDE de 1 minute."));

        ScriptedRandom hasard;
        // Minutes, hour, direction, offset, in that order; below one half: fast.
        hasard.push({pour(50, 59, 1), pour(3, 12, 1), 0.7, pour(20, 59, 1), 0.0, 0.0, 0.49, 0.0});
        const montre::Question q = montre::tirer(hasard);
        QVERIFY(q.minutes == 50 && q.heure == 3 && q.sens == montre::Retarde && q.decalage == 20);
        QCOMPARE(montre::tirer(hasard).sens, montre::Avance);
    }

    void conversionEtNombreManquant()
    {
        const struct { double r; int minutes, heures, reste; } cas[] = {
            {0.0, 60, 1, 0}, {0.99999, 459, 7, 39}, {pour(135, 400, 60), 135, 2, 15}};
        for (const auto& c : cas) {
            ScriptedRandom hasard;
            hasard.push({c.r});
            const conversion::Question q = conversion::tirer(hasard);
            QCOMPARE(q.minutes, c.minutes);
            QVERIFY(conversion::juste(q, c.heures, c.reste));
            QVERIFY(!conversion::juste(q, c.heures + 1, c.reste) && !conversion::juste(q, c.heures, c.reste + 1));
        }

        const struct { int connu, manquant; const char* resultat; } sommes[] = {
            {37, 40, "= 1 h 17 mn"}, {20, 25, "= 0 h 45 mn"}, {150, 60, "= 3 h 30 mn"}, {1, 59, "= 1 h 0 mn"}};
        for (const auto& s : sommes) {
            ScriptedRandom hasard;
            hasard.push({pour(s.manquant, 60, 1), pour(s.connu, 150, 1)});
            const nombre_manquant::Question q = nombre_manquant::tirer(hasard);
            QCOMPARE(QList<int>({q.connu, q.manquant}), QList<int>({s.connu, s.manquant}));
            QCOMPARE(nombre_manquant::resultat(q), QString::fromUtf8(s.resultat));
        }
    }

    void comparaison()
    {
        // 13 h 60 counts as 840 minutes.
        const struct { comparaison::Question q; Choix attendu; } cas[] = {
            {{2, 2, 100, 100}, Choix::PlusPetit}, {{5, 23, 123, 45}, Choix::PlusGrand},
            {{2, 48, 123, 45}, Choix::Egal},      {{13, 60, 420, 420}, Choix::Egal},
            {{13, 59, 420, 420}, Choix::PlusPetit}};
        for (const auto& [q, attendu] : cas)
            QVERIFY2(comparaison::relation(q) == attendu, qPrintable(comparaison::enonce(q)));
        const QString suite = QStringLiteral("\nCliquez sur Continuer pour la suite.");
        const comparaison::Question grand{5, 23, 123, 45};
        // A wrong choice names the relation that holds.
        QCOMPARE(comparaison::verdict(grand, Choix::Egal),
                 "Erreur ! \n 123 mn + 45 mn = 168 mn = 2 h 48 mn.\nDonc 5 h 23 mn est PLUS GRAND." + suite);
        QVERIFY(comparaison::verdict({2, 2, 20, 125}, Choix::Egal).contains(QStringLiteral(" mn est PLUS PETIT.\n")));
        // A sum under an hour has a zero hour.
        QCOMPARE(comparaison::verdict({13, 60, 20, 25}, Choix::PlusGrand).section(QLatin1Char('\n'), 1, 1),
                 QStringLiteral(" 20 mn + 25 mn = 45 mn = 0 h 45 mn."));
        ScriptedRandom hasard;
        hasard.push({0.99999, 0.99999, 0.0, 0.99999});
        const comparaison::Question q = comparaison::tirer(hasard);
        QCOMPARE(QList<int>({q.heures, q.minutes, q.terme1, q.terme2}), QList<int>({13, 60, 1, 500}));
        QCOMPARE(hasard.reseeds, 2);
    }

    void ouvertureSansCompter()
    {
        ouvrir();
        QCOMPARE(exercices(), 0);
        QCOMPARE(texte("score"), Banc::ligneScore(0, 0, 0));
        for (const char* encore : {"encore_minutes", "encore_heure", "encore_retarde", "encore_conversion",
                                   "encore_estimation", "encore_operations", "vide"})
            QVERIFY2(!visible(encore), encore);
        verifierTextes({"chiffre1|?? mn", "nb2|2 h 30 mn =", "heure|? h", "nb|60 mn =", "chiffre2|37 mn +",
                        "chiffre4|= 1 h 17 mn"});
        QCOMPARE(texte("enonce3").section(QLatin1Char('\n'), 0, 0), QStringLiteral("Ma montre affiche 12 h 55 mn."));
        // 9 h 15 on the dial: minute hand to the right in blue, hour hand to the left in red.
        const auto& aiguilles = w<PictureBox>("horloge1")->lines();
        QVERIFY(aiguilles.size() == 2 && aiguilles[0].color == couleur::bleu && aiguilles[1].color == couleur::rouge);
        QVERIFY(QLineF(aiguilles[0].line.p2(), QPointF(164.5, 95.5)).length() < 1e-6);
        QVERIFY(QLineF(aiguilles[1].line.p2(), QPointF(54.5, 95.5)).length() < 1e-6);
    }

    // An answer label clicked before its spinners were all moved does nothing.
    void porteFermee_data()
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
    void porteFermee()
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
        b->verifierCompte(0, 0, 0);
        QCOMPARE(texte(enonce), avant);
    }

    void reponse_data()
    {
        QTest::addColumn<int>("i");
        const QList<Cas> tous = cas();
        for (int i = 0; i < tous.size(); ++i)
            QTest::addRow("%s %s", qPrintable(tous[i].reponse), tous[i].juste ? "juste" : "faux") << i;
    }

    void reponse()
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
        RecordingRegistre registre;
        b->r().registre = &registre;
        for (const QString& r : c.reglages)
            fleche(r.section(QLatin1Char(':'), 0, 0), r.section(QLatin1Char(':'), 1).toInt());

        cliquer(c.reponse);
        QCOMPARE(registre.lignes, QStringList{traces[i]});
        QCOMPARE(b->sons.played.last(), c.juste ? QStringLiteral("1.vic") : QStringLiteral("1.def"));
        QCOMPARE(texte(enonce), c.verdict);
        QCOMPARE(couleurDe(enonce), c.juste ? couleur::bleu : couleur::rouge);
        QCOMPARE(texte("score"), Banc::ligneScore(1, c.juste, !c.juste));
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
        QCOMPARE(registre.lignes.size(), 1);
        b->r().registre = &RegistreReponses::aucun();

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

    // "X 10 mn" steps by ten and survives the next question; the way back undoes it.
    void minutesParDix()
    {
        ouvrir();
        cliquer("par10");
        QCOMPARE(couleurDe("Label4"), couleur::rouge);
        fleche("fleche1", 15);
        cliquer("chiffre1");
        QCOMPARE(texte("chiffre1"), QStringLiteral(" 2 h 30 mn =  150 minutes"));
        QVERIFY(!visible("nb2") && visible("vide"));
        pousser(tiragesParDefaut[0]);
        cliquer("encore_minutes");
        QVERIFY(visible("nb2") && !visible("vide") && w<ArrowSpinner>("fleche1")->singleStep() == 10);
        cliquer("sortie");
        QVERIFY(!w<QCheckBox>("par10")->isChecked() && w<ArrowSpinner>("fleche1")->singleStep() == 1);
        QCOMPARE(couleurDe("Label4"), couleur::noir);
    }


    // Back again: six new questions, the score as it was.
    void retourEtReouverture()
    {
        ouvrir();
        cliquer("egal");
        fleche("fleche1");
        cliquer("sortie");
        QVERIFY(!b->ecranNomme("exercices")->isVisible() && b->sons.played.contains(QStringLiteral("5")));
        Tirages t = tiragesParDefaut;
        t[4] = cinqH23;
        ouvrir(t);
        QCOMPARE(texte("score"), Banc::ligneScore(1, 1, 0));
        QCOMPARE(texte("chiffre1"), QStringLiteral("?? mn"));
        QVERIFY(visible("petit") && visible("grand") && visible("egal") && !visible("encore_estimation"));
        QVERIFY(texte("enonce5").startsWith(QStringLiteral("5 heures 23 minutes\n")));
    }
};

QTEST_MAIN(TstExercices)
#include "tst_exercices.moc"
