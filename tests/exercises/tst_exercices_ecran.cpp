// The exercises screen driven as a child would: spinners, answer labels,
// "Continuer", the "X 10 mn" switch and the way back.
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "common/score.h"
#include "exercises/exercices.h"
#include "support/banc.h"
#include "tirages.h"
#include "ui/arrowspinner.h"
#include "ui/picturebox.h"
#include "ui/style.h"

namespace {

// The draws one activation takes, section by section, in drawing order.
struct Tirages {
    QList<double> minutes{pour(2, 6, 1), pour(30, 59, 1)};                         // 2 h 30
    QList<double> heure{pour(15, 59, 1), pour(9, 12, 1)};                          // 9 h 15
    QList<double> montre{pour(55, 59, 1), pour(12, 12, 1), 0.7, pour(10, 59, 1)};  // 12 h 55, slow by 10
    QList<double> conversion{0.0};                                                 // 60 mn
    QList<double> comparaison{pour(2, 12, 2), pour(48, 59, 2), pour(123, 500, 1),
                              pour(45, 500, 1)};                                   // 2 h 48 = 123 + 45
    QList<double> manquant{pour(40, 60, 1), pour(37, 150, 1)};                     // 37 + 40
};

void pousser(Banc& b, const QList<double>& tirages)
{
    for (double t : tirages)
        b.random.push({t});
}

const QByteArray scoreNul = score::ecrire(Compteurs{});

}  // namespace

class TstExercicesEcran : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Banc> b;

    template <class T = QLabel>
    T* w(const char* nom)
    {
        T* t = b->trouver<T>("exercices", nom);
        if (!t)
            qFatal("no control %s", nom);
        return t;
    }
    QString texte(const char* nom) { return w(nom)->text(); }
    void ouvrir(const Tirages& t = {})
    {
        for (const auto* l : {&t.minutes, &t.heure, &t.montre, &t.conversion, &t.comparaison,
                              &t.manquant})
            pousser(*b, *l);
        Banc::cliquer(b->trouver<QWidget>("depart", "exos"));
    }
    void monter(const char* nom, int fois = 1)
    {
        for (int i = 0; i < fois; ++i)
            Banc::monter(w<QWidget>(nom));
    }
    void descendre(const char* nom, int fois = 1)
    {
        for (int i = 0; i < fois; ++i)
            Banc::descendre(w<QWidget>(nom));
    }
    int valeur(const char* nom) { return w<ArrowSpinner>(nom)->value(); }
    bool visible(const char* nom) { return w<QWidget>(nom)->isVisible(); }
    QColor couleurDe(const char* nom) { return textColor(w<QWidget>(nom)); }
    int exercices() { return b->r().nb_exercices.valeur; }
    QString scoreAttendu(int ex, int justes, int erreurs)
    {
        return QStringLiteral("\nExercices --> %1  Justes --> %2  Erreurs --> %3")
            .arg(ex)
            .arg(justes)
            .arg(erreurs);
    }

private slots:
    void init();
    void cleanup();

    void ouvertureSansCompter();
    void porteFermee_data();
    void porteFermee();
    void fleches_data();
    void fleches();
    void minutesParDix();
    void minutesErreur();
    void lectureHorloge();
    void montreHeureRepliee();
    void conversionErreurPuisContinuer();
    void comparaisonEgal();
    void comparaisonJuste();
    void nombreManquantZero();
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
                               "encore_conversion", "encore_estimation", "encore_operations"})
        QVERIFY2(!visible(encore), encore);
    for (const char* f : {"fleche1", "flech_heures", "flech_minutes", "fleche2", "fleche3",
                          "fleche4", "fleche5", "fleche6"})
        QVERIFY2(visible(f), f);
    QCOMPARE(texte("chiffre1"), QStringLiteral("?? mn"));
    QCOMPARE(texte("nb2"), QStringLiteral("2 h 30 mn ="));
    QCOMPARE(texte("heure"), QStringLiteral("? h"));
    QCOMPARE(texte("minu"), QStringLiteral("? mn"));
    QCOMPARE(valeur("flech_heures"), 1);
    QCOMPARE(texte("enonce3").section(QLatin1Char('\n'), 0, 1),
             QStringLiteral("Ma montre affiche 12 h 55 mn.\nMais elle RETARDE de 10 minutes."));
    QCOMPARE(texte("nb"), QStringLiteral("60 mn ="));
    QCOMPARE(texte("enonce5"), QStringLiteral("2 heures 48 minutes\nest plus petit, plus grand ou "
                                              "égal à\n 123 mn + 45 mn ?"));
    QCOMPARE(texte("chiffre2"), QStringLiteral("37 mn +"));
    QCOMPARE(texte("chiffre3"), QStringLiteral("? mn"));
    QCOMPARE(texte("chiffre4"), QStringLiteral("= 1 h 17 mn"));
    QVERIFY(!visible("vide"));
    QCOMPARE(w<PictureBox>("horloge1")->lines().size(), 2);
}

void TstExercicesEcran::porteFermee_data()
{
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<QStringList>("bouges");
    QTest::addColumn<QString>("enonce");
    QTest::newRow("chiffre1 sans fleche") << "chiffre1" << QStringList{} << "enonce1";
    QTest::newRow("heure, heures seules") << "heure" << QStringList{"flech_heures"} << "enonce2";
    QTest::newRow("minu, heures seules") << "minu" << QStringList{"flech_heures"} << "enonce2";
    QTest::newRow("heure2, minutes seules") << "heure2" << QStringList{"fleche3"} << "enonce3";
    QTest::newRow("minute3, heures seules") << "minute3" << QStringList{"fleche4"} << "enonce4";
    QTest::newRow("chiffre3 sans fleche") << "chiffre3" << QStringList{} << "enonce6";
}

void TstExercicesEcran::porteFermee()
{
    QFETCH(QString, reponse);
    QFETCH(QStringList, bouges);
    QFETCH(QString, enonce);
    ouvrir();
    for (const QString& f : bouges)
        monter(qPrintable(f));
    const QStringList sons = b->sons.played;
    const QString avant = texte(qPrintable(enonce));
    Banc::cliquer(w<QWidget>(qPrintable(reponse)));
    QCOMPARE(b->sons.played, sons);
    QCOMPARE(exercices(), 0);
    QCOMPARE(b->r().nb_justes.valeur + b->r().nb_erreurs, 0);
    QCOMPARE(texte(qPrintable(enonce)), avant);
}

void TstExercicesEcran::fleches_data()
{
    QTest::addColumn<QString>("fleche");
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
    QFETCH(QString, fleche);
    QFETCH(QString, label);
    QFETCH(int, maximum);
    QFETCH(QString, unite);
    ouvrir();
    auto* f = w<ArrowSpinner>(qPrintable(fleche));
    const int depart = f->value();
    const int sons = b->sons.played.size();
    monter(qPrintable(fleche));
    QCOMPARE(texte(qPrintable(label)), QString::number(depart + 1) + unite);
    QCOMPARE(b->sons.played.size(), sons + 1);
    // No wrapping at either bound.
    f->setValue(maximum);
    monter(qPrintable(fleche));
    QCOMPARE(f->value(), maximum);
    QCOMPARE(texte(qPrintable(label)), QString::number(maximum) + unite);
    f->setValue(f->minimum());
    descendre(qPrintable(fleche));
    QCOMPARE(f->value(), depart);
}

void TstExercicesEcran::minutesParDix()
{
    ouvrir();
    const int sons = b->sons.played.size();
    Banc::cliquer(w<QWidget>("par10"));
    QVERIFY(w<QCheckBox>("par10")->isChecked());
    QCOMPARE(b->sons.played.size(), sons + 1);
    QCOMPARE(couleurDe("Label4"), couleur::rouge);
    monter("fleche1");
    QCOMPARE(texte("chiffre1"), QStringLiteral("10 mn"));
    monter("fleche1", 14);
    QCOMPARE(valeur("fleche1"), 150);

    Banc::cliquer(w<QWidget>("chiffre1"));
    QCOMPARE(b->sons.played.last(), QStringLiteral("1.vic"));
    QCOMPARE(texte("enonce1"), QStringLiteral("Bravo, vous avez trouvé la solution !\nCliquez sur "
                                              "Continuer pour un autre exercice."));
    QCOMPARE(couleurDe("enonce1"), couleur::bleu);
    QCOMPARE(texte("chiffre1"), QStringLiteral(" 2 h 30 mn =  150 minutes"));
    QVERIFY(!visible("nb2"));
    for (const char* cache : {"fleche1", "par10", "Label4"})
        QVERIFY2(!visible(cache), cache);
    QVERIFY(visible("vide"));
    QVERIFY(visible("encore_minutes"));
    QCOMPARE(texte("score"), scoreAttendu(1, 1, 0));

    // A second click changes nothing.
    const QStringList apres = b->sons.played;
    Banc::cliquer(w<QWidget>("chiffre1"));
    QCOMPARE(b->sons.played, apres);
    QCOMPARE(exercices(), 1);

    // The tick survives the next question.
    pousser(*b, {pour(4, 6, 1), pour(7, 59, 1)});
    Banc::cliquer(w<QWidget>("encore_minutes"));
    QCOMPARE(texte("nb2"), QStringLiteral("4 h 7 mn ="));
    QCOMPARE(texte("chiffre1"), QStringLiteral("?? mn"));
    QVERIFY(visible("nb2") && visible("fleche1") && visible("par10") && !visible("vide"));
    QVERIFY(!visible("encore_minutes"));
    QVERIFY(w<QCheckBox>("par10")->isChecked());
    QCOMPARE(couleurDe("Label4"), couleur::rouge);
    QCOMPARE(w<ArrowSpinner>("fleche1")->singleStep(), 10);
    QCOMPARE(valeur("fleche1"), 0);
}

void TstExercicesEcran::minutesErreur()
{
    ouvrir();
    monter("fleche1", 3);
    Banc::cliquer(w<QWidget>("chiffre1"));
    QCOMPARE(b->sons.played.last(), QStringLiteral("1.def"));
    QCOMPARE(texte("enonce1"), QStringLiteral("Erreur ! 2 h 30 mn = 150 minutes !\nCliquez sur "
                                              "Continuer pour un autre exercice."));
    QCOMPARE(couleurDe("enonce1"), couleur::rouge);
    QCOMPARE(texte("chiffre1"), QStringLiteral("3 mn"));
    QVERIFY(visible("nb2"));
    QVERIFY(visible("vide") && !visible("fleche1"));
    QCOMPARE(texte("score"), scoreAttendu(1, 0, 1));

    pousser(*b, Tirages{}.minutes);
    Banc::cliquer(w<QWidget>("encore_minutes"));
    QCOMPARE(couleurDe("enonce1"), couleur::bleu);
}

void TstExercicesEcran::lectureHorloge()
{
    ouvrir();
    auto* horloge = w<PictureBox>("horloge1");
    QCOMPARE(horloge->size(), QSize(189, 191));
    QCOMPARE(horloge->picture().size(), QSize(189, 191));
    const auto& traits = horloge->lines();
    QCOMPARE(traits.size(), 2);
    // 9 h 15: minute hand to the right in blue, hour hand to the left in red.
    QCOMPARE(traits[0].color, couleur::bleu);
    QVERIFY(QLineF(traits[0].line.p2(), QPointF(164.5, 95.5)).length() < 1e-6);
    QCOMPARE(traits[1].color, couleur::rouge);
    QVERIFY(QLineF(traits[1].line.p2(), QPointF(54.5, 95.5)).length() < 1e-6);

    monter("flech_heures", 8);
    monter("flech_minutes", 5);
    QCOMPARE(texte("heure"), QStringLiteral("9 h"));
    QCOMPARE(texte("minu"), QStringLiteral("5 mn"));
    Banc::cliquer(w<QWidget>("minu"));
    QCOMPARE(texte("enonce2"), QStringLiteral("Erreur, il est 9 h 15 mn !\nCliquez sur Continuer "
                                              "pour\nune autre estimation horaire."));
    QCOMPARE(couleurDe("enonce2"), couleur::rouge);
    QCOMPARE(b->r().nb_erreurs, 1);
    QVERIFY(!visible("flech_heures") && !visible("flech_minutes") && visible("encore_heure"));
    QCOMPARE(horloge->lines().size(), 2);

    // Next question: a fresh face, 12 h 30, answered right.
    pousser(*b, {pour(30, 59, 1), pour(12, 12, 1)});
    Banc::cliquer(w<QWidget>("encore_heure"));
    QCOMPARE(horloge->lines().size(), 2);
    QVERIFY(QLineF(horloge->lines()[1].line.p2(), QPointF(94.5, 55.5)).length() < 1e-6);
    QCOMPARE(couleurDe("enonce2"), couleur::bleu);
    QCOMPARE(texte("heure"), QStringLiteral("? h"));
    QCOMPARE(valeur("flech_heures"), 1);
    QCOMPARE(valeur("flech_minutes"), 0);
    QVERIFY(visible("flech_heures") && !visible("encore_heure"));
    descendre("flech_heures");  // stays at 1
    QCOMPARE(texte("heure"), QStringLiteral("? h"));
    monter("flech_heures", 12);  // stops at 12
    QCOMPARE(valeur("flech_heures"), 12);
    monter("flech_minutes", 30);
    Banc::cliquer(w<QWidget>("heure"));
    QCOMPARE(texte("enonce2"), QStringLiteral("Vous avez l'heure juste !\nCliquez sur Continuer "
                                              "pour\nune autre estimation horaire."));
    QCOMPARE(b->r().nb_justes.valeur, 1);
}

void TstExercicesEcran::montreHeureRepliee()
{
    // 12 h 55 slow by 10 is really 13 h 5, set as 1 h 5 on the watch's spinner.
    ouvrir();
    monter("fleche2");
    descendre("fleche2");
    QCOMPARE(texte("heure2"), QStringLiteral("1 h"));
    monter("fleche3", 5);
    Banc::cliquer(w<QWidget>("heure2"));
    QCOMPARE(b->r().nb_justes.valeur, 1);
    QCOMPARE(texte("enonce3"), QStringLiteral("Bravo ! Ma montre RETARDE donc je dois AJOUTER 10 mn "
                                              "à 12 h 55 mn, ce qui me donne pour solution --> 13 h "
                                              "5 mn.\nCliquez sur Continuer pour un autre calcul."));
    QCOMPARE(couleurDe("enonce3"), couleur::bleu);
    QVERIFY(!visible("fleche2") && !visible("fleche3") && visible("encore_retarde"));

    // 3 h 10 fast by 20: 2 h 50; a wrong answer still gives the solution.
    pousser(*b, {pour(10, 59, 1), pour(3, 12, 1), 0.2, pour(20, 59, 1)});
    Banc::cliquer(w<QWidget>("encore_retarde"));
    QCOMPARE(texte("heure2"), QStringLiteral("? h"));
    QCOMPARE(couleurDe("enonce3"), couleur::bleu);
    monter("fleche2", 2);
    monter("fleche3", 50);
    Banc::cliquer(w<QWidget>("minute2"));
    QCOMPARE(b->r().nb_erreurs, 1);
    QCOMPARE(couleurDe("enonce3"), couleur::rouge);
    QVERIFY(texte("enonce3").startsWith(QStringLiteral("Erreur ! Ma montre AVANCE donc je dois "
                                                       "ENLEVER 20 mn à 3 h 10 mn, ce qui me donne "
                                                       "pour solution --> 2 h 50 mn.\n")));
}

void TstExercicesEcran::conversionErreurPuisContinuer()
{
    ouvrir();
    // 60 minutes: 1 h 0 mn, the minutes stepped away and back.
    monter("fleche4");
    monter("fleche5");
    descendre("fleche5");
    QCOMPARE(texte("minute3"), QStringLiteral("0 mn"));
    Banc::cliquer(w<QWidget>("heure3"));
    QCOMPARE(texte("enonce4"), QStringLiteral("Bravo ! Vous avez trouvé la bonne solution !\n"
                                              "Cliquez sur Continuer pour un autre calcul."));
    QCOMPARE(b->r().nb_justes.valeur, 1);

    pousser(*b, {0.99999});
    Banc::cliquer(w<QWidget>("encore_conversion"));
    QCOMPARE(texte("nb"), QStringLiteral("459 mn ="));
    monter("fleche4", 20);
    QCOMPARE(valeur("fleche4"), 12);
    monter("fleche5");
    Banc::cliquer(w<QWidget>("minute3"));
    QCOMPARE(texte("enonce4"), QStringLiteral("\nErreur ! 459 mn = 7 h 39 mn !\nCliquez sur "
                                              "Continuer pour un autre calcul."));
    for (const char* rouge : {"enonce4", "nb", "heure3", "minute3"})
        QVERIFY2(couleurDe(rouge) == couleur::rouge, rouge);

    pousser(*b, {pour(120, 400, 60)});
    Banc::cliquer(w<QWidget>("encore_conversion"));
    QCOMPARE(couleurDe("enonce4"), couleur::bleu);
    for (const char* noir : {"nb", "heure3", "minute3"})
        QVERIFY2(couleurDe(noir) == couleur::noir, noir);
    QCOMPARE(texte("heure3"), QStringLiteral("? h"));
    QVERIFY(visible("fleche4") && visible("fleche5") && !visible("encore_conversion"));
    QCOMPARE(valeur("fleche4"), 0);
}

void TstExercicesEcran::comparaisonEgal()
{
    ouvrir();  // 2 h 48 against 123 + 45
    Banc::cliquer(w<QWidget>("petit"));
    QCOMPARE(b->r().nb_erreurs, 1);
    QCOMPARE(couleurDe("enonce5"), couleur::rouge);
    QCOMPARE(texte("enonce5").section(QLatin1Char('\n'), 2, 2),
             QStringLiteral("Donc 2 h 48 mn est EGAL à ce total."));
    QVERIFY(visible("petit") && !w<QWidget>("petit")->isEnabled());
    QCOMPARE(couleurDe("petit"), couleur::magenta);
    QVERIFY(!visible("grand") && !visible("egal") && visible("encore_estimation"));

    // The chosen label is out of reach: no second count.
    Banc::cliquer(w<QWidget>("petit"));
    QCOMPARE(exercices(), 1);

    pousser(*b, {pour(5, 12, 2), pour(23, 59, 2), pour(123, 500, 1), pour(45, 500, 1)});
    const int sons = b->sons.played.size();
    Banc::cliquer(w<QWidget>("encore_estimation"));
    QCOMPARE(b->sons.played.size(), sons + 1);
    QVERIFY(!b->sons.played.last().contains(QLatin1Char('.')));
    for (const char* l : {"petit", "grand", "egal"}) {
        QVERIFY2(visible(l) && w<QWidget>(l)->isEnabled(), l);
        QVERIFY2(couleurDe(l) == couleur::bleu, l);
    }
    QCOMPARE(couleurDe("enonce5"), couleur::bleu);
    QVERIFY(!visible("encore_estimation"));
    // Now greater: "Egal" is wrong and says so.
    Banc::cliquer(w<QWidget>("egal"));
    QVERIFY(texte("enonce5").contains(QStringLiteral("\nDonc 5 h 23 mn est PLUS GRAND.\n")));
    QCOMPARE(b->r().nb_erreurs, 2);
}

void TstExercicesEcran::comparaisonJuste()
{
    ouvrir();
    Banc::cliquer(w<QWidget>("egal"));
    QCOMPARE(b->r().nb_justes.valeur, 1);
    QCOMPARE(couleurDe("enonce5"), couleur::bleu);
    QCOMPARE(texte("enonce5"), QStringLiteral("Vous avez raison !\n123 mn + 45 mn = 168 mn = 2 h 48 "
                                              "mn.\nDonc 2 h 48 mn est EGAL à ce total.\nCliquez "
                                              "sur Continuer pour la suite."));
    QCOMPARE(couleurDe("egal"), couleur::magenta);
}

void TstExercicesEcran::nombreManquantZero()
{
    ouvrir();
    monter("fleche6");
    descendre("fleche6");
    QCOMPARE(texte("chiffre3"), QStringLiteral("0 mn"));
    Banc::cliquer(w<QWidget>("chiffre3"));
    QCOMPARE(b->r().nb_erreurs, 1);
    QCOMPARE(couleurDe("enonce6"), couleur::rouge);
    QCOMPARE(texte("enonce6"), QStringLiteral("Erreur ! Voici la solution :\n37 mn + 40 mn = 1 h "
                                              "17 mn\nCliquez sur Continuer pour un autre calcul."));
    QVERIFY(!visible("fleche6") && visible("encore_operations"));
    Banc::cliquer(w<QWidget>("chiffre3"));
    QCOMPARE(exercices(), 1);

    pousser(*b, {pour(5, 60, 1), pour(40, 150, 1)});
    Banc::cliquer(w<QWidget>("encore_operations"));
    QCOMPARE(texte("chiffre4"), QStringLiteral("= 0 h 45 mn"));
    QCOMPARE(texte("chiffre3"), QStringLiteral("? mn"));
    QCOMPARE(couleurDe("enonce6"), couleur::bleu);
    QVERIFY(visible("fleche6") && !visible("encore_operations"));
    monter("fleche6", 5);
    Banc::cliquer(w<QWidget>("chiffre3"));
    QCOMPARE(texte("enonce6"), QStringLiteral("Vous avez la réponse juste !\nCliquez sur Continuer "
                                              "pour un autre calcul."));
    QCOMPARE(b->r().nb_justes.valeur, 1);
}

void TstExercicesEcran::scoreUnJusteUnFaux()
{
    ouvrir();
    Banc::cliquer(w<QWidget>("egal"));  // right
    QCOMPARE(texte("score"), scoreAttendu(1, 1, 0));
    monter("fleche6");
    Banc::cliquer(w<QWidget>("chiffre3"));  // 1 for 40: wrong
    QCOMPARE(texte("score"), scoreAttendu(2, 1, 1));
    // A success sound, the spinner's click, then a failure sound.
    const QStringList sons = b->sons.played.mid(b->sons.played.size() - 3);
    QCOMPARE(sons.first(), QStringLiteral("1.vic"));
    QCOMPARE(sons.last(), QStringLiteral("1.def"));
}

void TstExercicesEcran::retourEtReouverture()
{
    ouvrir();
    Banc::cliquer(w<QWidget>("par10"));
    Banc::cliquer(w<QWidget>("egal"));
    monter("fleche1");
    b->r().minute_montre = 3;

    Banc::cliquer(w<QWidget>("sortie"));
    QVERIFY(!b->ecranNomme("exercices")->isVisible());
    QVERIFY(b->ecranNomme("depart")->isVisible());
    QVERIFY(b->sons.played.contains(QStringLiteral("5")));
    QVERIFY(!w<QCheckBox>("par10")->isChecked());
    QCOMPARE(couleurDe("Label4"), couleur::noir);
    QCOMPARE(w<ArrowSpinner>("fleche1")->singleStep(), 1);
    // The watch was drawn again for the present minute.
    QCOMPARE(b->r().minute_montre, qint16(5));

    // Back again: six new questions, the score as it was.
    Tirages t;
    t.comparaison = {pour(5, 12, 2), pour(23, 59, 2), pour(123, 500, 1), pour(45, 500, 1)};
    ouvrir(t);
    QCOMPARE(exercices(), 1);
    QCOMPARE(texte("score"), scoreAttendu(1, 1, 0));
    QCOMPARE(texte("chiffre1"), QStringLiteral("?? mn"));
    QCOMPARE(valeur("fleche1"), 0);
    QVERIFY(visible("petit") && visible("grand") && visible("egal"));
    QVERIFY(!visible("encore_estimation"));
    QVERIFY(texte("enonce5").startsWith(QStringLiteral("5 heures 23 minutes\n")));
    QCOMPARE(couleurDe("Label4"), couleur::noir);
}

void TstExercicesEcran::rendreFocus_data()
{
    QTest::addColumn<QString>("survole");
    QTest::addColumn<int>("apres");
    QTest::newRow("fond") << "exercices" << 0;
    QTest::newRow("chiffre1") << "chiffre1" << 0;
    QTest::newRow("par10") << "par10" << 0;
    QTest::newRow("ailleurs") << "enonce2" << 1;
}

void TstExercicesEcran::rendreFocus()
{
    QFETCH(QString, survole);
    QFETCH(int, apres);
    ouvrir();
    QCOMPARE(b->r().rendre_focus, 1);  // set by the first drawer
    b->r().rendre_focus = 0;
    monter("fleche1");
    QCOMPARE(b->r().rendre_focus, 1);
    QWidget* ecran = b->ecranNomme("exercices");
    QCOMPARE(ecran->window()->focusWidget(), w<QWidget>("fleche1"));
    QWidget* cible = survole == QLatin1String("exercices") ? ecran : w<QWidget>(qPrintable(survole));
    Banc::survoler(cible);
    QCOMPARE(b->r().rendre_focus, apres);
    if (apres == 0)
        QCOMPARE(ecran->window()->focusWidget(), ecran);
    else
        QCOMPARE(ecran->window()->focusWidget(), w<QWidget>("fleche1"));
}

QTEST_MAIN(TstExercicesEcran)
#include "tst_exercices_ecran.moc"
