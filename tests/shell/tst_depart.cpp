#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QTimerEvent>

#include "shell/apropos.h"
#include "shell/depart.h"
#include "support/banc.h"
#include "ui/picturebox.h"

namespace {

const QByteArray score5_3_2 = QByteArray::fromHex("02000100020005000200030002000000");

// One tick of a running timer, as the event loop would deliver it.
void tic(QTimer* timer)
{
    QTimerEvent e(timer->timerId());
    QCoreApplication::sendEvent(timer, &e);
}

}  // namespace

class TstDepart : public QObject {
    Q_OBJECT

private slots:
    void demarrageDansLOrdre()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
        QVERIFY(b.demarrer());
        // Size read first, then the task bar hidden, then the 640 x 480 mode.
        QCOMPARE(b.affichage.calls, QStringList({"size", "taskbar 128", "enum 0", "enum 1", "enum 2",
                                                 "enum 3", "change 180000 640x480"}));
        QCOMPARE(b.sons.played, QStringList({"3"}));
        QCOMPARE(b.r().largeur_ecran, 1024.f);
        QCOMPARE(b.r().hauteur_ecran, 768.f);
        // The score file is loaded and shown on the exercises screen.
        QCOMPARE(b.trouver<QLabel>("exercices", "score")->text(),
                 QStringLiteral("\nExercices --> 5  Justes --> 3  Erreurs --> 2"));
        QCOMPARE(b.r().nb_exercices.valeur, 5);
    }

    void accueil()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)));
        QVERIFY(b.demarrer());
        QWidget* depart = b.ecranNomme("depart");
        QVERIFY(depart->isVisible());
        QCOMPARE(b.trouver<QLabel>("depart", "dates")->text(),
                 QStringLiteral("Bonjour !\nNous sommes le \nSamedi 5 décembre 2026"));
        QCOMPARE(b.trouver<QLabel>("depart", "heur")->text(),
                 QStringLiteral("Il est exactement\n 09 h 05 mn 07 s"));
        QVERIFY(b.trouver<QTimer>("depart", "Timer3")->isActive());
        QCOMPARE(int(b.r().minute_montre), 5);
        QCOMPARE(b.r().centre_x, 68.f);
        QCOMPARE(b.r().centre_y, 64.f);
        QCOMPARE(b.app->fenetre()->size(), QSize(640, 480));
    }

    void ticRafraichitLHeureEtLaMontre()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(23, 59, 58)));
        QVERIFY(b.demarrer());
        auto* timer = b.trouver<QTimer>("depart", "Timer3");
        auto* montre = b.trouver<PictureBox>("depart", "montre");
        const QLineF avant = montre->lines().at(0).line;
        b.clock.advance(1);
        tic(timer);
        // Same minute: the time moves on, the hands stay as drawn.
        QCOMPARE(b.trouver<QLabel>("depart", "heur")->text(),
                 QStringLiteral("Il est exactement\n 23 h 59 mn 59 s"));
        QCOMPARE(montre->lines().at(0).line, avant);
        b.clock.advance(1);
        tic(timer);
        QCOMPARE(b.trouver<QLabel>("depart", "heur")->text(),
                 QStringLiteral("Il est exactement\n 00 h 00 mn 00 s"));
        QCOMPARE(montre->lines().at(0).line.p2(), QPointF(68, 14));
        QCOMPARE(int(b.r().minute_montre), 0);
        // The date line waits for the next activation.
        QVERIFY(b.trouver<QLabel>("depart", "dates")->text().endsWith(QStringLiteral("5 décembre 2026")));
    }

    void legendes_data()
    {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("legende");
        QTest::newRow("apprendre") << "apprendre" << " Autour de \nKlepsos";
        QTest::newRow("astus") << "astus" << " Jouer avec \nKlepsos";
        QTest::newRow("exos") << "exos" << " Les Astuces \nde Klepsos";
        QTest::newRow("montre") << "montre" << "Le temps\n qui passe... ";
        QTest::newRow("logiciels") << "logiciels" << " Auteur + \n Autres Logiciels ";
        QTest::newRow("fin") << "fin" << "Quitter\n Klepso's Maître ";
        QTest::newRow("dates") << "dates" << "Choisissez votre\nactivité en cliquant\n sur l'un des dessins ";
        QTest::newRow("heur") << "heur" << "Choisissez votre\n activité en cliquant \n sur l'un des dessins ";
        QTest::newRow("fond") << "depart" << "Choisissez votre\n activité en cliquant \n sur l'un des dessins ";
    }
    void legendes()
    {
        QFETCH(QString, controle);
        QFETCH(QString, legende);
        Banc b;
        QVERIFY(b.demarrer());
        QWidget* depart = b.ecranNomme("depart");
        QWidget* w = controle == QLatin1String("depart") ? depart
                                                         : depart->findChild<QWidget*>(controle);
        QVERIFY(w);
        // Start from another caption so the move really writes one.
        Banc::survoler(depart->findChild<QWidget*>(controle == QLatin1String("fin") ? "apprendre" : "fin"));
        Banc::survoler(w);
        QCOMPARE(b.trouver<QLabel>("depart", "texte")->text(), legende);
        QCOMPARE(b.trouver<QLabel>("depart", "texte")->width(),
                 b.trouver<QLabel>("depart", "texte")->sizeHint().width());
    }

    void ouvrirEtRevenir_data()
    {
        QTest::addColumn<QString>("dessin");
        QTest::addColumn<QString>("ecran");
        QTest::addColumn<QString>("retour");
        QTest::addColumn<QString>("sonRetour");
        QTest::newRow("lecon") << "apprendre" << "lecon" << "retour" << "5";
        QTest::newRow("astuces") << "astus" << "astuces" << "retour" << "5";
        QTest::newRow("exercices") << "exos" << "exercices" << "sortie" << "5";
        QTest::newRow("jeux") << "montre" << "jeux_dates" << "retour" << "2";
    }
    void ouvrirEtRevenir()
    {
        QFETCH(QString, dessin);
        QFETCH(QString, ecran);
        QFETCH(QString, retour);
        QFETCH(QString, sonRetour);
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
        for (int i = 0; i < 200; ++i)
            b.random.push({0.5});
        QVERIFY(b.demarrer());
        QWidget* depart = b.ecranNomme("depart");
        QWidget* activite = b.ecranNomme(qPrintable(ecran));
        Banc::cliquer(depart->findChild<QWidget*>(dessin));
        QVERIFY(activite->isVisible());
        QVERIFY(depart->isHidden());
        QVERIFY(!b.trouver<QTimer>("depart", "Timer3")->isActive());
        QCOMPARE(b.sons.played.at(1), QStringLiteral("1"));
        if (auto* score = activite->findChild<QLabel*>(QStringLiteral("score")))
            QCOMPARE(score->text(), QStringLiteral("\nExercices --> 5  Justes --> 3  Erreurs --> 2"));

        // Coming back: the watch is redrawn at once for the present time.
        b.clock.set(QDateTime(QDate(2026, 12, 5), QTime(10, 42, 0)));
        Banc::cliquer(activite->findChild<QWidget*>(retour));
        QVERIFY(depart->isVisible());
        QVERIFY(activite->isHidden());
        QVERIFY(b.trouver<QTimer>("depart", "Timer3")->isActive());
        QVERIFY(b.sons.played.contains(sonRetour));
        QCOMPARE(int(b.r().minute_montre), 42);
        QCOMPARE(b.trouver<QLabel>("depart", "heur")->text(),
                 QStringLiteral("Il est exactement\n 10 h 42 mn 00 s"));
        QCOMPARE(b.r().nb_exercices.valeur, 5);

        Banc::cliquer(b.trouver<QWidget>("depart", "fin"));
        QCOMPARE(b.octetsScore().toHex(), score5_3_2.toHex());
    }

    void aPropos()
    {
        Banc b;
        QVERIFY(b.demarrer());
        QWidget* depart = b.ecranNomme("depart");
        auto* apropos = b.app->aPropos();
        Banc::cliquer(b.trouver<QWidget>("depart", "logiciels"));
        QVERIFY(apropos->isVisible());
        // Inside the scene, centred on it, so that it scales with it.
        QVERIFY(!apropos->isWindow());
        QCOMPARE(apropos->geometry(), QRect(23, 69, 594, 342));
        QVERIFY(depart->isVisible());
        QVERIFY(!depart->isEnabled());
        QVERIFY(b.trouver<QTimer>("depart", "Timer3")->isActive());
        // It names the Qt it runs on and this run's score file.
        const QString texte = b.trouver<QLabel>("auteur_softs", "description")->text().remove(QChar(0x200B));
        QVERIFY(texte.contains(QStringLiteral("Qt ") + qVersion()));
        QVERIFY(texte.contains(QDir::toNativeSeparators(b.r().fichierScore)));

        // The drawings do not react while the about screen is open.
        Banc::cliquer(b.trouver<QWidget>("depart", "apprendre"));
        QVERIFY(b.ecranNomme("lecon")->isHidden());

        Banc::cliquer(b.trouver<QWidget>("auteur_softs", "fini"));
        QVERIFY(apropos->isHidden());
        QVERIFY(depart->isEnabled());
        QCOMPARE(b.sons.played.last(), QStringLiteral("5"));

        // A close request does the same.
        Banc::cliquer(b.trouver<QWidget>("depart", "logiciels"));
        QVERIFY(!depart->isEnabled());
        apropos->close();
        QVERIFY(apropos->isHidden());
        QVERIFY(depart->isEnabled());
    }

    void sortie()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
        QVERIFY(b.demarrer());
        b.r().compterReponse(true);
        b.r().compterReponse(false);
        b.r().nb_exercices.ajouter(2);
        b.affichage.calls.clear();
        QSignalSpy fini(b.app.get(), &Klepsos::finished);
        Banc::cliquer(b.trouver<QWidget>("depart", "fin"));
        QCOMPARE(fini.size(), 1);
        QCOMPARE(b.sons.played.last(), QStringLiteral("5"));
        QCOMPARE(b.octetsScore().toHex(), QByteArray::fromHex("02000100020007000200040003000000").toHex());
        QCOMPARE(b.affichage.calls, QStringList({"enum 0", "enum 1", "enum 2", "enum 3",
                                                 "change 180000 1024x768", "taskbar 64"}));
        QVERIFY(!b.app->fenetre()->isVisible());
    }

    void fermerLaFenetreSauveAussi()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
        QVERIFY(b.demarrer());
        b.r().compterReponse(true);
        b.r().nb_exercices.ajouter(1);
        QSignalSpy fini(b.app.get(), &Klepsos::finished);
        b.app->fenetre()->close();
        QCOMPARE(fini.size(), 1);
        QCOMPARE(b.octetsScore().toHex(), QByteArray::fromHex("02000100020006000200040002000000").toHex());
        QVERIFY(b.affichage.calls.endsWith(QStringLiteral("taskbar 64")));
        // Quitting twice saves once.
        b.app->quitter();
        QCOMPARE(fini.size(), 1);
    }

    void imageAbsente_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::newRow("fond de l'accueil") << "23";
        QTest::newRow("fond des jeux") << "28";
        QTest::newRow("planche") << "anim";
    }
    void imageAbsente()
    {
        QFETCH(QString, fichier);
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
        QFile f(QDir(b.datas).filePath(fichier));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("pas une image");
        f.close();
        QString erreur;
        QVERIFY(!b.app->demarrer(&erreur));
        QVERIFY2(erreur.contains(fichier) && erreur.contains(QStringLiteral("image")), qPrintable(erreur));
        // Nothing of the display was touched and the score is left alone.
        QVERIFY(!b.affichage.calls.contains(QStringLiteral("taskbar 128")));
        QVERIFY(!b.affichage.calls.join(' ').contains(QStringLiteral("change")));
        b.app->quitter();
        QCOMPARE(b.octetsScore().toHex(), score5_3_2.toHex());
        QVERIFY(b.affichage.calls.isEmpty());
    }

    // Only the start screen is built before the show; a drawing clicked at
    // once builds its screen, which shows and sounds as when built ahead.
    void ouvrirAvantLaSuite_data()
    {
        QTest::addColumn<QString>("dessin");
        QTest::addColumn<QString>("ecran");
        QTest::newRow("lecon") << "apprendre" << "lecon";
        QTest::newRow("astuces") << "astus" << "astuces";
        QTest::newRow("exercices") << "exos" << "exercices";
        QTest::newRow("jeux") << "montre" << "jeux_dates";
        QTest::newRow("a propos") << "logiciels" << "auteur_softs";
    }
    void ouvrirAvantLaSuite()
    {
        QFETCH(QString, dessin);
        QFETCH(QString, ecran);
        QImage vues[2];
        QStringList sons[2];
        for (const Banc::Suite suite : {Banc::ToutConstruire, Banc::ApresPremierePeinture}) {
            Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
            for (int i = 0; i < 40; ++i)
                b.random.push({0.1 + i / 50.0});
            QVERIFY(b.demarrer(suite));
            QWidget* fenetre = b.app->fenetre();
            QCOMPARE(fenetre->findChild<QWidget*>(ecran) != nullptr, suite == Banc::ToutConstruire);
            Banc::cliquer(b.trouver<QWidget>("depart", qPrintable(dessin)));
            QWidget* ouvert = b.ecranNomme(qPrintable(ecran));
            QVERIFY(ouvert && ouvert->isVisible());
            // The about window names the score file, in each bench's own folder.
            for (QLabel* l : ouvert->findChildren<QLabel*>())
                l->setText(l->text().remove(QChar(0x200B)).replace(b.dossier.path(), QStringLiteral("dossier")));
            vues[suite] = ouvert->grab().toImage();
            sons[suite] = b.sons.played;
        }
        QCOMPARE(vues[Banc::ApresPremierePeinture], vues[Banc::ToutConstruire]);
        QCOMPARE(sons[Banc::ApresPremierePeinture], sons[Banc::ToutConstruire]);
    }

    void suiteApresLaPremierePeinture()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
        QVERIFY(b.demarrer(Banc::ApresPremierePeinture));
        QVERIFY(!b.ecranNomme("jeux_dates"));
        QVERIFY(QTest::qWaitForWindowExposed(b.app->fenetre()));
        QTRY_VERIFY(b.ecranNomme("lecon"));
        for (const char* ecran : {"lecon", "exercices", "astuces", "jeux_dates"})
            QVERIFY2(b.ecranNomme(ecran) && b.ecranNomme(ecran)->isHidden(), ecran);
        QCOMPARE(b.trouver<QLabel>("exercices", "score")->text(),
                 QStringLiteral("\nExercices --> 5  Justes --> 3  Erreurs --> 2"));
        QCOMPARE(b.sons.played, QStringList({"3"}));
    }

    // The sounds load after the first paint: of those asked for before,
    // the last one plays then, as it would have cut the others.
    void sonDemandeAvantLeChargement()
    {
        Banc b;
        EffectSoundPlayer sons(b.datas, {QStringLiteral("1"), QStringLiteral("3")});
        sons.play(QStringLiteral("1"));
        sons.play(QStringLiteral("3"));
        QVERIFY(!sons.isLoaded() && !sons.lastPlayed());
        sons.load();
        QCOMPARE(sons.lastPlayed(), std::optional<QString>(QStringLiteral("3")));
        sons.play(QStringLiteral("1"));
        QCOMPARE(sons.lastPlayed(), std::optional<QString>(QStringLiteral("1")));
    }

    void sonsAbsentsNeBloquentRien()
    {
        Banc b;
        for (const QString& nom : QDir(b.datas).entryList(QDir::Files))
            if (!nom.startsWith(QLatin1Char('2')) && nom != QLatin1String("anim") && nom != QLatin1String("18"))
                QFile::remove(QDir(b.datas).filePath(nom));
        // The real player, on a folder without sounds: silence, no error.
        EffectSoundPlayer sons(b.datas, {QStringLiteral("1"), QStringLiteral("3")});
        sons.load();
        sons.play(QStringLiteral("3"));
        sons.play(QStringLiteral("absent"));
        QVERIFY(b.demarrer());
    }
};

QTEST_MAIN(TstDepart)
#include "tst_depart.moc"
