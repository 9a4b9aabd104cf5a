// SPDX-License-Identifier: GPL-3.0-or-later
// What the voice says for the texts of the screens, as a teacher reads them.
#include <QTest>

#include "common/adire.h"

class TestADire : public QObject {
    Q_OBJECT

private slots:
    void textes_data()
    {
        QTest::addColumn<QString>("ecran");
        QTest::addColumn<QString>("dit");
        const auto ligne = [](const char* nom, const char* ecran, const char* dit) {
            QTest::newRow(nom) << QString::fromUtf8(ecran) << QString::fromUtf8(dit);
        };
        // Times of day: minutes without their unit, one and twenty-one feminine, noon and midnight.
        ligne("placer", "Placez les aiguilles sur 4 h 45 mn,\npuis cliquez sur Vérifier.",
              "Placez les aiguilles sur 4 heures 45, puis cliquez sur Vérifier.");
        ligne("heure pile", "Placez les aiguilles sur 4 h 0 mn,", "Placez les aiguilles sur 4 heures,");
        ligne("une heure", "Erreur, il fallait 1 h 0 mn !", "Erreur, il fallait une heure !");
        ligne("midi", "Bravo ! L'horloge indique bien 12 h 0 mn.", "Bravo ! L'horloge indique bien midi.");
        ligne("midi et minutes", "Erreur, il est 12 h 5 mn !", "Erreur, il est midi 5 !");
        ligne("minuit", "Il est 0 h 30", "Il est minuit 30");
        ligne("une minute", "Il est 21 h 01", "Il est vingt-et-une heures une");
        ligne("secondes", "Il est exactement\n 09 h 05 mn 07 s",
              "Il est exactement 9 heures 5 minutes et 7 secondes");
        // Durations: twelve hours stay hours, no hours say the minutes alone.
        ligne("duree de douze heures", "Donc 12 h 30 mn est PLUS GRAND.", "Donc 12 heures 30 est plus grand.");
        ligne("zero heure", "\nErreur ! 45 mn = 0 h 45 mn !\nCliquez sur Continuer pour un autre calcul.",
              "Erreur ! 45 minutes égale 45 minutes ! Cliquez sur Continuer pour un autre calcul.");
        ligne("question minutes", "Combien de minutes dans 2 h 30 mn ?\nEntrez votre réponse grâce aux flèches puis",
              "Combien de minutes dans 2 heures 30 ? Entrez votre réponse grâce aux flèches puis");
        ligne("nombre manquant", "50 mn + ? mn = 1 h 20 mn",
              "50 minutes plus combien de minutes égale une heure 20");
        ligne("reponse attendue", "? h", "combien d'heures");
        ligne("comparaison", "3 heures 25 minutes\nest plus petit, plus grand ou égal à\n 50 mn + 1 mn ?",
              "3 heures 25 minutes est plus petit, plus grand ou égal à 50 minutes plus une minute ?");
        ligne("montre",
              "Bravo ! Ma montre AVANCE donc je dois ENLEVER 5 mn à 12 h 10 mn, ce qui me donne pour "
              "solution --> 12 h 5 mn.\nCliquez sur Continuer pour un autre calcul.",
              "Bravo ! Ma montre avance donc je dois enlever 5 minutes à midi 10, ce qui me donne pour "
              "solution : midi 5. Cliquez sur Continuer pour un autre calcul.");
        ligne("egal", "50 mn est EGAL à ce total.", "50 minutes est égal à ce total.");
        // The day's afternoon hours, spoken forms and durations in steps.
        ligne("apres-midi", "Il est 15 h 45", "Il est 15 heures 45");
        ligne("zero devant", "Il est 14 h 05", "Il est 14 heures 5");
        ligne("etapes", "14 h 35 + 25 mn = 15 h ; 15 h + 1 h 15 = 16 h 15",
              "14 heures 35 plus 25 minutes égale 15 heures ; 15 heures plus une heure 15 égale 16 heures 15");
        ligne("probleme", "Le film commence à 14 h 35 et dure 1 h 40. À quelle heure finit-il ?",
              "Le film commence à 14 heures 35 et dure une heure 40. À quelle heure finit-il ?");
        ligne("regle", "l'après-midi, on ajoute 12 : 3 h 45 → 15 h 45",
              "l'après-midi, on ajoute 12 : 3 heures 45 donne 15 heures 45");
        ligne("mots", "4 heures moins le quart", "4 heures moins le quart");
        // The school's notation: a time of day without a unit for its
        // minutes, a duration with its units, the time after an arrow.
        ligne("placer tu", "Place les aiguilles sur 4 h 05,\npuis clique sur Vérifier.",
              "Place les aiguilles sur 4 heures 5, puis clique sur Vérifier.");
        ligne("duree min", "Le film dure 1 h 5 min. Léa marche 25 min, puis 1 min.",
              "Le film dure une heure 5 minutes. Léa marche 25 minutes, puis une minute.");
        ligne("secondes de course", "La course dure 35 min 35 s. Départ à 10 h 12 min 35 s.",
              "La course dure 35 minutes 35 secondes. Départ à 10 heures 12 minutes et 35 secondes.");
        ligne("fleche minuit", "de minuit à 1 heure, on écrit 0 : 12 h 30 → 0 h 30",
              "de minuit à une heure, on écrit 0 : 12 heures 30 donne minuit 30");
        ligne("fleche heure pile", "on écrit 0 : 12 h → 0 h", "on écrit 0 : 12 heures donne minuit");
        ligne("jours", "3 semaines = 21 j", "3 semaines égale 21 jours");
        // The calendar: dates, ranks and centuries as a teacher says them.
        ligne("siecle", "L'année 1515 est au XVIᵉ siècle.", "L'année 1515 est au seizième siècle.");
        ligne("premier siecle", "Le Iᵉʳ siècle et le XXIe siècle", "Le premier siècle et le vingt-et-unième siècle");
        ligne("millenaire", "le IIIᵉ millénaire", "le troisième millénaire");
        ligne("rang", "Quel est le 9e mois de l'année ?", "Quel est le neuvième mois de l'année ?");
        ligne("date du calendrier", "Appuie sur le mercredi 14 avril 2027.", "Appuie sur le mercredi 14 avril 2027.");
        ligne("tenus sur la ligne", "à 9\u00A0h\u00A005. À quelle heure a-\u2060t-\u2060elle commencé\u00A0?",
              "à 9 heures 5. À quelle heure a-t-elle commencé ?");
        // Dates in full, with their weekday; the first of a month.
        ligne("date", "Aujourd'hui 5 Décembre 2026\nLéa a exactement 7 ans et 3 mois.\nLéa a donc vu le jour le ?",
              "Aujourd'hui samedi 5 décembre 2026. Léa a exactement 7 ans et 3 mois. Léa a donc vu le jour le ?");
        ligne("premier", "Non, Léa a vu le jour le 1 Mai 2019 !", "Non, Léa a vu le jour le mercredi premier mai 2019 !");
        ligne("date longue", "Dimanche 18 avril 100", "dimanche 18 avril 100");
        ligne("sans annee", "5 Décembre", "5 décembre");
        ligne("depuis", "Depuis le 5 Décembre 2016 à 0 heure 00\nil s'est écoulé :",
              "Depuis le lundi 5 décembre 2016 à minuit il s'est écoulé :");
        // The score, the switches, the lesson.
        ligne("score", "\nExercices --> 12  Justes --> 10  Erreurs --> 2",
              "12 exercices faits, 10 réponses justes et 2 erreurs.");
        ligne("score debut", "\nExercices --> 1  Justes --> 1  Erreurs --> 0",
              "un exercice fait, une réponse juste et aucune erreur.");
        ligne("par dix", "X 10 mn", "de 10 en 10 minutes");
        ligne("par cinquante", "X 50 ans", "de 50 en 50 ans");
        ligne("lecon", "1 heure = 60 minutes", "une heure égale 60 minutes");
        ligne("jours", "Lundi      --> jour de la Lune", "Lundi : jour de la Lune");
    }

    void textes()
    {
        QFETCH(QString, ecran);
        QTEST(voix::aDire(ecran), "dit");
    }

    void plusieursLabels()
    {
        QCOMPARE(voix::aDire(QStringList{"Léa a donc vu le jour le", "", "Entrez votre réponse"}),
                 QStringLiteral("Léa a donc vu le jour le Entrez votre réponse"));
        QCOMPARE(voix::aDire(QStringList{"Aujourd'hui 5 Décembre 2026", "Léa", " Jouer avec \nKlepsos"}),
                 QStringLiteral("Aujourd'hui samedi 5 décembre 2026. Léa. Jouer avec Klepsos"));
    }

    void feminin()
    {
        const QList<std::pair<int, const char*>> table{
            {1, "une"}, {2, "2"}, {11, "11"}, {21, "vingt-et-une"}, {31, "trente-et-une"},
            {41, "quarante-et-une"}, {51, "cinquante-et-une"}, {61, "61"}, {0, "0"}};
        for (const auto& [n, dit] : table)
            QCOMPARE(voix::nombreFeminin(n), QString::fromUtf8(dit));
    }
};

QTEST_APPLESS_MAIN(TestADire)
#include "tst_adire.moc"
