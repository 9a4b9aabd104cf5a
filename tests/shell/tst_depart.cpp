// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the start screen and its drawings, the about window and quitting.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

#include "shell/apropos.h"
#include "shell/textes.h"
#include "shell/presentation.h"
#include "support/banc.h"
#include "ui/clickablelabel.h"
#include "ui/modulesoundplayer.h"
#include "ui/picturebox.h"

namespace {

const QByteArray score5_3_2 = octetsScore(5, 3, 2);

QString texteDe(Banc& b, const char* ecran, const char* nom)
{
    return b.trouver<QLabel>(ecran, nom)->text();
}

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}


}  // namespace

class TstDepart : public QObject {
    Q_OBJECT

private slots:
    void demarrage()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
        QVERIFY(b.demarrer());
        // Size read first, then the 640 x 480 mode, then the task bar hidden
        // (a change of the display shows it again).
        QCOMPARE(b.affichage.calls, QStringList({"size", "enum 0", "enum 1", "enum 2", "enum 3",
                                                 "change 180000 640x480", "taskbar 128"}));
        QCOMPARE(b.sons.played, QStringList({"3"}));
        QCOMPARE(texteDe(b, "exercices", "score"), Banc::ligneScore(5, 3, 2));
        QCOMPARE(texteDe(b, "depart", "dates"), QStringLiteral("Bonjour !\nNous sommes le \nSamedi 5 décembre 2026"));
        QCOMPARE(texteDe(b, "depart", "heur"), QStringLiteral("Il est exactement\n 09 h 05 mn 07 s"));
        QCOMPARE(b.r().minute_montre, qint16(5));
        // The texts of the screens it reaches.
        QCOMPARE(texteDe(b, "lecon", "lecon1"), textes::legende(textes::unites()));
        QCOMPARE(texteDe(b, "astuces", "Klepsos"), textes::legende(textes::klepsos()));
        for (const char* nom : {"nom", "version", "description"})
            QVERIFY2(!texteDe(b, "auteur_softs", nom).isEmpty(), nom);
    }

    // Same minute: the time moves on, the hands stay; a new minute redraws them.
    void ticRafraichitLHeureEtLaMontre()
    {
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(23, 59, 58)));
        QVERIFY(b.demarrer());
        auto* timer = b.trouver<QTimer>("depart", "Timer3");
        auto* montre = b.trouver<PictureBox>("depart", "montre");
        const QLineF avant = montre->lines().at(0).line;
        b.clock.advance(1);
        Banc::tic(timer);
        QCOMPARE(texteDe(b, "depart", "heur"), QStringLiteral("Il est exactement\n 23 h 59 mn 59 s"));
        QCOMPARE(montre->lines().at(0).line, avant);
        b.clock.advance(1);
        Banc::tic(timer);
        QCOMPARE(montre->lines().at(0).line.p2(), QPointF(68, 14));
        QVERIFY(montre->lines().at(0).color == QColor(0, 0, 255) && montre->lines().at(1).color == QColor(255, 0, 0));
        QCOMPARE(b.r().minute_montre, qint16(0));
    }

    void legendes()
    {
        Banc b;
        QVERIFY(b.demarrer());
        const QString choisissez = QStringLiteral("Choisissez votre\n activité en cliquant \n sur l'un des dessins ");
        // A drawing's own caption, the date's, and the default one for the rest.
        const std::pair<const char*, QString> cas[] = {
            {"logiciels", " Auteur + \n Autres Logiciels "}, {"montre", "Le temps\n qui passe... "},
            {"dates", "Choisissez votre\nactivité en cliquant\n sur l'un des dessins "}, {"heur", choisissez},
            {"astus", " Jouer avec \nKlepsos"}, {"depart", choisissez}};
        for (const auto& [nom, legende] : cas) {
            QWidget* depart = b.ecranNomme("depart");
            Banc::survoler(nom == QLatin1String("depart") ? depart : depart->findChild<QWidget*>(nom));
            QCOMPARE(texteDe(b, "depart", "texte"), legende);
        }
    }

    // Each drawing opens its screen, whose way back redraws the watch at once.
    void ouvrirEtRevenir()
    {
        const struct { const char *dessin, *ecran, *retour, *sonRetour; } cas[] = {
            {"apprendre", "lecon", "retour", "5"}, {"astus", "astuces", "retour", "5"},
            {"exos", "exercices", "sortie", "5"},  {"montre", "jeux_dates", "retour", "2"}};
        for (const auto& [dessin, ecran, retour, sonRetour] : cas) {
            Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
            for (int i = 0; i < 200; ++i)
                b.random.push({0.5});
            QVERIFY(b.demarrer());
            QWidget* depart = b.ecranNomme("depart");
            QWidget* activite = b.ecranNomme(ecran);
            b.ouvrir(dessin, ecran);
            QVERIFY(activite->isVisible() && depart->isHidden());
            QVERIFY(!b.trouver<QTimer>("depart", "Timer3")->isActive());
            QCOMPARE(b.sons.played.at(1), QStringLiteral("1"));
            if (auto* score = activite->findChild<QLabel*>(QStringLiteral("score")))
                QCOMPARE(score->text(), Banc::ligneScore(5, 3, 2));

            b.clock.set(QDateTime(QDate(2026, 12, 5), QTime(10, 42, 0)));
            b.clic(retour);
            QVERIFY(depart->isVisible() && activite->isHidden());
            QVERIFY(b.trouver<QTimer>("depart", "Timer3")->isActive());
            QVERIFY(b.sons.played.contains(sonRetour));
            QCOMPARE(b.r().minute_montre, qint16(42));
            QCOMPARE(texteDe(b, "depart", "heur"), QStringLiteral("Il est exactement\n 10 h 42 mn 00 s"));
        }
    }

    // The drawings do not react while the about window is open; "Fini" and
    // the window's own close button both close it.
    void aPropos()
    {
        Banc b;
        QVERIFY(b.demarrer());
        QWidget* depart = b.ecranNomme("depart");
        auto* apropos = b.app->aPropos();
        // It names the Qt it runs on and this run's score file.
        const QString texte = b.trouver<QLabel>("auteur_softs", "description")->text().remove(QChar(0x200B));
        QVERIFY(texte.contains(QStringLiteral("Qt ") + qVersion()));
        QVERIFY(texte.contains(QDir::toNativeSeparators(b.r().fichierScore)));
        for (bool parFini : {true, false}) {
            Banc::cliquer(b.trouver<QWidget>("depart", "logiciels"));
            // Inside the scene, centred on it, so that it scales with it.
            QVERIFY(apropos->isVisible() && !apropos->isWindow() && depart->isVisible() && !depart->isEnabled());
            QCOMPARE(apropos->geometry(), QRect(23, 69, 594, 342));
            Banc::cliquer(b.trouver<QWidget>("depart", "apprendre"));
            QVERIFY(b.ecranNomme("lecon")->isHidden());
            parFini ? Banc::cliquer(b.trouver<QWidget>("auteur_softs", "fini")) : (void)apropos->close();
            QVERIFY(apropos->isHidden() && depart->isEnabled());
            QCOMPARE(b.sons.played.last(), QStringLiteral("5"));
        }
    }

    // "SORTIE" and the window's close button both save, restore the display and end, once;
    // what start-up did not change (a mode the display refused, no task bar) is left alone.
    void sortie()
    {
        const QStringList remettreEcran{"restore"};
        const QStringList remettreBarre{"taskbar 64"};
        const struct { bool parSortie, ecranPris, barre; QStringList fin; } cas[] = {
            {true, true, true, remettreEcran + remettreBarre},
            {false, true, true, remettreEcran + remettreBarre},
            {true, false, true, remettreBarre},
            {false, true, false, remettreEcran},
            {true, false, false, {}}};
        for (const auto& [parSortie, ecranPris, barre, fin] : cas) {
            Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
            b.affichage.acceptsMode = ecranPris;
            b.affichage.hasTaskbar = barre;
            QVERIFY(b.demarrer());
            b.r().compterReponse(true);
            b.r().compterReponse(false);
            b.r().nb_exercices.ajouter(2);
            b.affichage.calls.clear();
            QSignalSpy fini(b.app.get(), &Klepsos::finished);
            parSortie ? Banc::cliquer(b.trouver<QWidget>("depart", "fin")) : (void)b.app->fenetre()->close();
            QCOMPARE(fini.size(), 1);
            QCOMPARE(b.sons.played.last(), QStringLiteral("5"));
            QCOMPARE(b.octetsScore().toHex(), octetsScore(7, 4, 3).toHex());
            QCOMPARE(b.affichage.calls, fin);
            QVERIFY(!b.app->fenetre()->isVisible());
            b.app->quitter();
            QCOMPARE(fini.size(), 1);
        }
    }

    // The class's choices: "SORTIE" hidden, or held down (a short press
    // only says so, by mouse or key); no sound at all.
    void sortieDeLaClasse()
    {
        for (ModeSortie mode : {ModeSortie::Cachee, ModeSortie::AppuiLong}) {
            Banc b;
            b.r().sortie = mode;
            b.r().sons_coupes = true;
            QVERIFY(b.demarrer());
            QVERIFY(b.sons.played.isEmpty());
            auto* fin = b.trouver<ClickableLabel>("depart", "fin");
            QSignalSpy quitte(b.app->depart(), &Depart::quitter);
            QCOMPARE(fin->isVisibleTo(b.app->depart()), mode != ModeSortie::Cachee);
            if (mode == ModeSortie::Cachee)
                continue;
            Banc::cliquer(fin);
            QTest::keyClick(fin, Qt::Key_Return);
            QTest::qWait(Depart::dureeAppuiSortie + 100);
            QCOMPARE(quitte.size(), 0);
            QVERIFY(b.trouver<QLabel>("depart", "texte")->text().contains(QStringLiteral("reste appuyé")));
            QTest::mousePress(fin, Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(quitte.size(), 1, Depart::dureeAppuiSortie * 2);
            QTest::mouseRelease(fin, Qt::LeftButton);
            QCOMPARE(quitte.size(), 1);
        }
    }

    // A picture that cannot be read stops start-up before the display or
    // the score is touched.
    void fichiersAbsents()
    {
        for (const char* fichier : {"23", "28", "anim"}) {
            Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), score5_3_2);
            ecrire(QDir(b.datas).filePath(fichier), "pas une image");
            QString erreur;
            QVERIFY(!b.app->demarrer(&erreur));
            QVERIFY2(erreur.contains(fichier) && erreur.contains(QStringLiteral("image")), qPrintable(erreur));
            b.app->quitter();
            QCOMPARE(b.octetsScore().toHex(), score5_3_2.toHex());
            QVERIFY(b.affichage.calls.isEmpty());
        }
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
        QVERIFY(QTest::qWaitForWindowExposed(b.app->presentation()));
        // The start-up's sound is heard once the sounds are loaded; no
        // other screen is built until it opens.
        QTRY_COMPARE(b.sons.played, QStringList({"3"}));
        QTest::qWait(100);
        for (const char* ecran : {"lecon", "exercices", "astuces", "jeux_dates", "aiguilles", "journee", "calendrier",
                                  "entrainement", "auteur_softs"})
            QVERIFY2(!b.ecranNomme(ecran), ecran);
        Banc::cliquer(b.trouver<QWidget>("depart", "exos"));
        QVERIFY(b.ecranNomme("exercices") && b.ecranNomme("exercices")->isVisible());
        QCOMPARE(b.trouver<QLabel>("exercices", "score")->text(),
                 QStringLiteral("\nExercices --> 5  Justes --> 3  Erreurs --> 2"));
    }

    // The sounds load after the first paint: of those asked for before,
    // the last one plays then, as it would have cut the others.
    void sonDemandeAvantLeChargement()
    {
        Banc b;
        EffectSoundPlayer sons({b.datas, {QStringLiteral("1"), QStringLiteral("3")}});
        sons.play(QStringLiteral("1"));
        sons.play(QStringLiteral("3"));
        QVERIFY(!sons.isLoaded() && !sons.lastPlayed());
        sons.load();
        QCOMPARE(sons.lastPlayed(), std::optional<QString>(QStringLiteral("3")));
        sons.play(QStringLiteral("1"));
        QCOMPARE(sons.lastPlayed(), std::optional<QString>(QStringLiteral("1")));

        // The same through the module the program opens; without it, silence.
        ModuleSoundPlayer module(QStringLiteral(KLEPSOS_SOUND_MODULE), QStringLiteral("absent"),
                                 {b.datas, {QStringLiteral("1"), QStringLiteral("3")}});
        module.play(QStringLiteral("1"));
        module.play(QStringLiteral("3"));
        QVERIFY(!module.player());
        module.load();
        const auto* joueur = dynamic_cast<const EffectSoundPlayer*>(module.player());
        QVERIFY(joueur);
        QCOMPARE(joueur->lastPlayed(), std::optional<QString>(QStringLiteral("3")));
        ModuleSoundPlayer sansModule(b.datas + QStringLiteral("/nulle-part"), QStringLiteral("absent"), {b.datas, {}});
        sansModule.play(QStringLiteral("1"));
        sansModule.load();
        sansModule.play(QStringLiteral("1"));
        QVERIFY(!sansModule.player());
    }
};

QTEST_MAIN(TstDepart)
#include "tst_depart.moc"
