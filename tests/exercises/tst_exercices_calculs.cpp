// Numbers and texts of the six kinds of exercise, without any widget.
#include <QLineF>
#include <QTest>
#include <cmath>

#include "exercises/comparaison.h"
#include "exercises/conversion.h"
#include "exercises/heure.h"
#include "exercises/minutes.h"
#include "exercises/montre.h"
#include "exercises/nombremanquant.h"
#include "support/fakes.h"
#include "tirages.h"

using comparaison::Choix;

class TstExercicesCalculs : public QObject {
    Q_OBJECT

private slots:
    void minutesTirage_data();
    void minutesTirage();
    void minutesTextes();

    void lectureTirage();
    void lectureAiguilles_data();
    void lectureAiguilles();
    void lectureTextes();

    void montreHeureReelle();
    void montreTextes();
    void montreTirage();

    void conversion_data();
    void conversion();

    void comparaisonRelation();
    void comparaisonTextes();
    void comparaisonTirage();

    void nombreManquant_data();
    void nombreManquant();
};

void TstExercicesCalculs::minutesTirage_data()
{
    QTest::addColumn<double>("rHeures");
    QTest::addColumn<double>("rMinutes");
    QTest::addColumn<int>("attendu");
    QTest::newRow("le plus court") << 0.0 << 0.0 << 61;
    QTest::newRow("le plus long") << 0.9999 << 0.9999 << 419;
    QTest::newRow("2 h 30") << 0.2 << 0.5 << 150;
}

void TstExercicesCalculs::minutesTirage()
{
    QFETCH(double, rHeures);
    QFETCH(double, rMinutes);
    QFETCH(int, attendu);
    ScriptedRandom hasard;
    hasard.push({rHeures, rMinutes});
    const minutes::Question q = minutes::tirer(hasard);
    QCOMPARE(q.attendu(), attendu);
    QVERIFY(q.minutes >= 1 && q.minutes <= 59);
    QCOMPARE(hasard.reseeds, 1);
    QCOMPARE(hasard.remaining(), 0);
}

void TstExercicesCalculs::minutesTextes()
{
    const minutes::Question q{2, 30};
    QCOMPARE(minutes::enonce(q),
             QStringLiteral("Combien de minutes dans 2 h 30 mn ?\nEntrez votre réponse grâce aux "
                            "flèches puis\ncliquez sur cette réponse pour la tester."));
    QCOMPARE(minutes::membreGauche(q), QStringLiteral("2 h 30 mn ="));
    QCOMPARE(minutes::equation(q, 150), QStringLiteral(" 2 h 30 mn =  150 minutes"));
    QCOMPARE(minutes::erreur(q), QStringLiteral("Erreur ! 2 h 30 mn = 150 minutes !\n"
                                                "Cliquez sur Continuer pour un autre exercice."));
    QCOMPARE(minutes::reussite(), QStringLiteral("Bravo, vous avez trouvé la solution !\n"
                                                 "Cliquez sur Continuer pour un autre exercice."));
}

void TstExercicesCalculs::lectureTirage()
{
    // Minutes first, then the hour; no reseeding of its own.
    ScriptedRandom hasard;
    hasard.push({pour(15, 59, 1), pour(9, 12, 1), 0.0, 0.0, 0.99999, 0.99999});
    for (const auto& [minutes, heure] : {std::pair{15, 9}, {1, 1}, {59, 12}}) {
        const lecture::Question q = lecture::tirer(hasard);
        QCOMPARE(q.minutes, minutes);
        QCOMPARE(q.heure, heure);
    }
    QCOMPARE(hasard.reseeds, 0);
}

void TstExercicesCalculs::lectureAiguilles_data()
{
    QTest::addColumn<int>("heure");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QPointF>("finMinutes");
    QTest::addColumn<QPointF>("finHeures");
    // Face of 189 x 191: centre (94.5, 95.5); hands of 70 and 40.
    QTest::newRow("12 h 30") << 12 << 30 << QPointF(94.5, 165.5) << QPointF(94.5, 55.5);
    QTest::newRow("3 h 45") << 3 << 45 << QPointF(24.5, 95.5) << QPointF(134.5, 95.5);
    // The hour hand points at 3, not near 4.
    QTest::newRow("3 h 50") << 3 << 50 << QPointF(94.5 - 70 * std::cos(M_PI / 6), 95.5 - 35)
                            << QPointF(134.5, 95.5);
    QTest::newRow("6 h 15") << 6 << 15 << QPointF(164.5, 95.5) << QPointF(94.5, 135.5);
}

void TstExercicesCalculs::lectureAiguilles()
{
    QFETCH(int, heure);
    QFETCH(int, minutes);
    QFETCH(QPointF, finMinutes);
    QFETCH(QPointF, finHeures);
    const lecture::Aiguilles a = lecture::aiguilles({heure, minutes}, QSizeF(189, 191));
    QCOMPARE(a.centre, QPointF(94.5, 95.5));
    QVERIFY2(QLineF(a.finMinutes, finMinutes).length() < 1e-6, "minute hand");
    QVERIFY2(QLineF(a.finHeures, finHeures).length() < 1e-6, "hour hand");
}

void TstExercicesCalculs::lectureTextes()
{
    QCOMPARE(lecture::enonce(), QStringLiteral("Quelle heure est-il ?\nEntrez votre réponse grâce\n"
                                               "aux flèches puis cliquez sur\ncette réponse pour la "
                                               "tester."));
    QCOMPARE(lecture::erreur({9, 15}),
             QStringLiteral("Erreur, il est 9 h 15 mn !\nCliquez sur Continuer pour\n"
                            "une autre estimation horaire."));
    QCOMPARE(lecture::reussite(), QStringLiteral("Vous avez l'heure juste !\nCliquez sur Continuer "
                                                 "pour\nune autre estimation horaire."));
    QVERIFY(lecture::juste({9, 15}, 9, 15));
    QVERIFY(!lecture::juste({9, 15}, 9, 5));
    QVERIFY(!lecture::juste({9, 15}, 3, 45));
}

void TstExercicesCalculs::montreHeureReelle()
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
        // Every question can be answered on the spinner.
        QVERIFY2(montre::juste(q, surCadran, minute), nom);
        QVERIFY2(!montre::juste(q, surCadran, (minute + 1) % 60), nom);
        QVERIFY2(!montre::juste(q, surCadran % 12 + 1, minute), nom);
    }
}

void TstExercicesCalculs::montreTextes()
{
    const montre::Question avance{3, 25, montre::Avance, 7};
    QCOMPARE(montre::enonce(avance),
             QStringLiteral("Ma montre affiche 3 h 25 mn.\nMais elle AVANCE de 7 minutes.\n"
                            "Quelle heure est-il en réalité ?\nCliquez sur votre réponse pour la "
                            "tester."));
    QCOMPARE(montre::verdict(avance, true),
             QStringLiteral("Bravo ! Ma montre AVANCE donc je dois ENLEVER 7 mn à 3 h 25 mn, ce qui "
                            "me donne pour solution --> 3 h 18 mn.\nCliquez sur Continuer pour un "
                            "autre calcul."));

    // One minute takes the singular; the solution keeps the real hour 13.
    const montre::Question retarde{12, 55, montre::Retarde, 1};
    QCOMPARE(montre::enonce(retarde).section(QLatin1Char('\n'), 1, 1),
             QStringLiteral("Mais elle RETARDE de 1 minute."));
    const montre::Question tard{12, 55, montre::Retarde, 10};
    QCOMPARE(montre::verdict(tard, false),
             QStringLiteral("Erreur ! Ma montre RETARDE donc je dois AJOUTER 10 mn à 12 h 55 mn, ce "
                            "qui me donne pour solution --> 13 h 5 mn.\nCliquez sur Continuer pour "
                            "un autre calcul."));
    const montre::Question tot{1, 5, montre::Avance, 10};
    QVERIFY(montre::verdict(tot, true).contains(QStringLiteral("solution --> 0 h 55 mn.\n")));
}

void TstExercicesCalculs::montreTirage()
{
    ScriptedRandom hasard;
    // Minutes, hour, direction, offset, in that order.
    hasard.push({pour(50, 59, 1), pour(3, 12, 1), 0.7, pour(20, 59, 1)});
    const montre::Question q = montre::tirer(hasard);
    QCOMPARE(q.minutes, 50);
    QCOMPARE(q.heure, 3);
    QCOMPARE(q.sens, montre::Retarde);
    QCOMPARE(q.decalage, 20);
    QCOMPARE(hasard.reseeds, 1);
    hasard.push({0.0, 0.0, 0.49, 0.0});  // below one half: fast
    QCOMPARE(montre::tirer(hasard).sens, montre::Avance);
}

void TstExercicesCalculs::conversion_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("heures");
    QTest::addColumn<int>("reste");
    QTest::newRow("60") << 0.0 << 60 << 1 << 0;
    QTest::newRow("459") << 0.99999 << 459 << 7 << 39;
    QTest::newRow("120") << pour(120, 400, 60) << 120 << 2 << 0;
    QTest::newRow("135") << pour(135, 400, 60) << 135 << 2 << 15;
}

void TstExercicesCalculs::conversion()
{
    QFETCH(double, r);
    QFETCH(int, minutes);
    QFETCH(int, heures);
    QFETCH(int, reste);
    ScriptedRandom hasard;
    hasard.push({r});
    const conversion::Question q = conversion::tirer(hasard);
    QCOMPARE(q.minutes, minutes);
    QCOMPARE(hasard.reseeds, 1);
    QVERIFY(conversion::juste(q, heures, reste));
    QVERIFY(!conversion::juste(q, heures + 1, reste));
    QVERIFY(!conversion::juste(q, heures, reste + 1));
    QCOMPARE(conversion::membreGauche(q), QString::number(minutes) + QStringLiteral(" mn ="));
    QCOMPARE(conversion::erreur(q), QStringLiteral("\nErreur ! %1 mn = %2 h %3 mn !\nCliquez sur "
                                                   "Continuer pour un autre calcul.")
                                        .arg(minutes).arg(heures).arg(reste));
    QCOMPARE(conversion::enonce(q),
             QStringLiteral("Saurez-vous convertir en heures et minutes %1 minutes ?\nEntrez votre "
                            "réponse grâce aux flèches puis cliquez sur\ncette réponse pour la "
                            "tester.")
                 .arg(minutes));
}

void TstExercicesCalculs::comparaisonRelation()
{
    // 13 h 60 counts as 840 minutes.
    const struct { comparaison::Question q; Choix attendu; } cas[] = {
        {{2, 2, 100, 100}, Choix::PlusPetit}, {{5, 23, 123, 45}, Choix::PlusGrand},
        {{2, 48, 123, 45}, Choix::Egal},      {{13, 60, 420, 420}, Choix::Egal},
        {{13, 59, 420, 420}, Choix::PlusPetit}};
    for (const auto& [q, attendu] : cas)
        QVERIFY2(comparaison::relation(q) == attendu, qPrintable(comparaison::enonce(q)));
}

void TstExercicesCalculs::comparaisonTextes()
{
    const QString suite = QStringLiteral("\nCliquez sur Continuer pour la suite.");
    const comparaison::Question grand{5, 23, 123, 45};
    QCOMPARE(comparaison::enonce(grand),
             QStringLiteral("5 heures 23 minutes\nest plus petit, plus grand ou égal à\n 123 mn + 45 "
                            "mn ?"));
    QCOMPARE(comparaison::verdict(grand, Choix::PlusGrand),
             QStringLiteral("Vous avez raison !\n 123 mn + 45 mn = 168 mn = 2 h 48 mn.\nDonc 5 h 23 "
                            "mn est PLUS GRAND.")
                 + suite);
    // A wrong choice names the relation that holds.
    QCOMPARE(comparaison::verdict(grand, Choix::Egal),
             QStringLiteral("Erreur ! \n 123 mn + 45 mn = 168 mn = 2 h 48 mn.\nDonc 5 h 23 mn est "
                            "PLUS GRAND.")
                 + suite);
    const comparaison::Question petit{2, 2, 20, 125};
    QVERIFY(comparaison::verdict(petit, Choix::Egal).contains(QStringLiteral(" mn est PLUS PETIT.\n")));
    QVERIFY(comparaison::verdict(petit, Choix::PlusGrand).startsWith(QStringLiteral("Erreur ! \n")));

    // Equal: only "Egal" is right, and its explanation drops the first blank.
    const comparaison::Question egal{2, 48, 123, 45};
    QCOMPARE(comparaison::verdict(egal, Choix::Egal),
             QStringLiteral("Vous avez raison !\n123 mn + 45 mn = 168 mn = 2 h 48 mn.\nDonc 2 h 48 "
                            "mn est EGAL à ce total.")
                 + suite);
    QCOMPARE(comparaison::verdict(egal, Choix::PlusPetit),
             QStringLiteral("Erreur ! \n 123 mn + 45 mn = 168 mn = 2 h 48 mn.\nDonc 2 h 48 mn est "
                            "EGAL à ce total.")
                 + suite);

    // A sum under an hour has a zero hour; 60 minutes stay written as drawn.
    const comparaison::Question court{13, 60, 20, 25};
    QCOMPARE(comparaison::enonce(court).section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("13 heures 60 minutes"));
    QCOMPARE(comparaison::verdict(court, Choix::PlusGrand).section(QLatin1Char('\n'), 1, 1),
             QStringLiteral(" 20 mn + 25 mn = 45 mn = 0 h 45 mn."));
}

void TstExercicesCalculs::comparaisonTirage()
{
    ScriptedRandom hasard;
    hasard.push({0.99999, 0.99999, 0.0, 0.99999});
    const comparaison::Question q = comparaison::tirer(hasard);
    QCOMPARE(q.heures, 13);
    QCOMPARE(q.minutes, 60);
    QCOMPARE(q.terme1, 1);
    QCOMPARE(q.terme2, 500);
    QCOMPARE(hasard.reseeds, 2);
}

void TstExercicesCalculs::nombreManquant_data()
{
    QTest::addColumn<int>("connu");
    QTest::addColumn<int>("manquant");
    QTest::addColumn<QString>("resultat");
    QTest::newRow("37 + 40") << 37 << 40 << QStringLiteral("= 1 h 17 mn");
    QTest::newRow("sous une heure") << 20 << 25 << QStringLiteral("= 0 h 45 mn");
    QTest::newRow("le plus grand") << 150 << 60 << QStringLiteral("= 3 h 30 mn");
    QTest::newRow("heure pile") << 1 << 59 << QStringLiteral("= 1 h 0 mn");
}

void TstExercicesCalculs::nombreManquant()
{
    QFETCH(int, connu);
    QFETCH(int, manquant);
    QFETCH(QString, resultat);
    ScriptedRandom hasard;
    hasard.push({pour(manquant, 60, 1), pour(connu, 150, 1)});
    const nombre_manquant::Question q = nombre_manquant::tirer(hasard);
    QCOMPARE(q.manquant, manquant);
    QCOMPARE(q.connu, connu);
    QCOMPARE(nombre_manquant::resultat(q), resultat);
    const QString terme = nombre_manquant::termeConnu(q);
    QCOMPARE(terme, QString::number(connu) + QStringLiteral(" mn +"));
    QCOMPARE(nombre_manquant::erreur(terme, manquant, resultat),
             QStringLiteral("Erreur ! Voici la solution :\n%1 mn + %2 mn %3\nCliquez sur Continuer "
                            "pour un autre calcul.")
                 .arg(connu).arg(manquant).arg(resultat));
}

QTEST_APPLESS_MAIN(TstExercicesCalculs)
#include "tst_exercices_calculs.moc"
