// SPDX-License-Identifier: GPL-3.0-or-later
// Children in the whole program: "Qui joue ?", the greeting, each child's
// score and history, "Mes progrès", the export, and the command line.
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

#include "classroom/classe.h"
#include "classroom/poste.h"
#include "common/nomjoueur.h"
#include "players/exportcsv.h"
#include "players/progres.h"
#include "players/session.h"
#include "shell/options.h"
#include "support/banc.h"
#include "ui/picturefile.h"

namespace {

// One answer on the clock exercise, from the start screen and back.
void repondreHorloge(Banc& b)
{
    b.ouvrir("exos", "exercices");
    Banc::monter(b.fleche("flech_heures"));
    Banc::monter(b.fleche("flech_minutes"));
    b.clic("heure");
    b.clic("sortie");
}

QWidget* boutonNomme(Banc& b, const QString& nom)
{
    for (QWidget* w : b.ecranNomme("joueurs")->findChildren<QWidget*>())
        if (w->accessibleName() == nom && w->isVisible())
            return w;
    return nullptr;
}

QString premiereLigne(Banc& b)
{
    return b.trouver<QLabel>("depart", "dates")->text().section('\n', 0, 0);
}

struct AvecJoueurs {
    Banc b;
    DepotJoueurs depot{b.datas, posteLocal(b.datas)};
    SessionJoueurs session{depot, [this] { return b.clock.now(); }};
    explicit AvecJoueurs(QStringList enfants, const std::optional<QString>& demande = std::nullopt)
    {
        for (const QString& e : enfants)
            depot.creer(e);
        b.app->utiliserJoueurs(session, demande ? depot.creer(*demande) : std::nullopt);
    }
};

}  // namespace

class TstJoueurs : public QObject {
    Q_OBJECT

private slots:
    void boutEnBout()
    {
        AvecJoueurs a({"Zoé", "Léa"});
        Banc& b = a.b;
        QVERIFY(b.demarrer());
        QVERIFY(b.ecranNomme("joueurs")->isVisible() && !b.ecranNomme("depart")->isVisible());
        // Someone must be chosen first.
        b.taper("Esc");
        QVERIFY(b.ecranNomme("joueurs")->isVisible());
        QVERIFY(boutonNomme(b, "Zoé"));
        Banc::cliquer(boutonNomme(b, "Léa"));
        QVERIFY(b.ecranNomme("depart")->isVisible());
        QCOMPARE(premiereLigne(b), "Bonjour Léa !");
        QCOMPARE(b.trouver<QLabel>("depart", "joueur")->accessibleName(), "Changer de joueur");

        repondreHorloge(b);
        QVERIFY(a.session.vider());
        const QList<LigneHistorique> h = a.depot.lireJoueur(cleJoueur("Léa")).lignes;
        QCOMPARE(h.size(), 1);
        QCOMPARE(h[0].joueur, "Léa");
        QCOMPARE(h[0].activite, "lire_horloge");
        QCOMPARE(b.r().nb_exercices.valeur, 1);

        // Her progress, then back with Escape.
        b.ouvrir("mesprogres", "progres");
        const QString resume = b.ecranNomme("progres")->findChild<TableauProgres*>()->accessibleDescription();
        QVERIFY2(resume.contains(QStringLiteral("Lire l'horloge : %1").arg(h[0].juste ? "1 juste, 0 erreur" : "0 juste, 1 erreur")),
                 qPrintable(resume));
        b.taper("Esc");
        QVERIFY(b.ecranNomme("depart")->isVisible());

        // Changing one's mind: back with Escape, still Léa.
        Banc::cliquer(b.trouver<QWidget>("depart", "joueur"));
        b.taper("Esc");
        QCOMPARE(premiereLigne(b), "Bonjour Léa !");
        // A new child adds their name; a wrong one is refused on the screen.
        Banc::cliquer(b.trouver<QWidget>("depart", "joueur"));
        auto* champ = b.trouver<QLineEdit>("joueurs", "nouveau");
        QTest::keyClicks(champ, "No/e");
        Banc::cliquer(b.trouver<QWidget>("joueurs", "ajouter"));
        QVERIFY(!b.trouver<QLabel>("joueurs", "message")->text().isEmpty());
        champ->setText(" Noé ");
        QTest::keyClick(champ, Qt::Key_Return);
        QCOMPARE(premiereLigne(b), "Bonjour Noé !");
        QCOMPARE(b.r().nb_exercices.valeur, 0);
        // Léa again: her score is back.
        Banc::cliquer(b.trouver<QWidget>("depart", "joueur"));
        Banc::cliquer(boutonNomme(b, "Léa"));
        QCOMPARE(b.r().nb_exercices.valeur, 1);
        // No year known: her first session asks hers, kept for the next ones.
        b.ouvrir("entrainement", "entrainement");
        QVERIFY(b.trouver<QWidget>("entrainement", "annee_ce2")->isVisible());
        QVERIFY(!b.trouver<QWidget>("entrainement", "verifier")->isVisible());
        Banc::cliquer(b.trouver<QWidget>("entrainement", "annee_ce2"));
        QCOMPARE(b.r().annees, QList<programme::Annee>{programme::Annee::CE2});
        QVERIFY(!b.trouver<QWidget>("entrainement", "annee_ce2")->isVisible());
        QVERIFY(b.trouver<QWidget>("entrainement", "verifier")->isVisible());
        QCOMPARE(classe::anneeEnfant(a.depot.dossierJoueur(cleJoueur("Léa")), b.datas),
                 QList<programme::Annee>{programme::Annee::CE2});
        b.taper("Esc");
        Banc::cliquer(b.trouver<QWidget>("depart", "joueur"));
        Banc::cliquer(boutonNomme(b, "Noé"));
        QVERIFY(b.r().annees.isEmpty());

        b.app->quitter();
        // Only the children played: the shared score is as it was.
        QCOMPARE(b.octetsScore(), octetsScore(0, 0, 0));
        QString erreur;
        QVERIFY(exporterDepot(b.datas, b.dossier.filePath("x.csv"), &erreur));
        QFile csv(b.dossier.filePath("x.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().contains("2026-12-05;09:05:07;Léa;lire_horloge;"));
    }

    // Children known: the start screen waits for "Qui joue ?" to be
    // painted; a name clicked sooner builds it then, the same.
    void departApresQuiJoue()
    {
        QImage vues[2];
        for (const Banc::Suite suite : {Banc::ToutConstruire, Banc::ApresPremierePeinture}) {
            AvecJoueurs a({"Zoé", "Léa"});
            Banc& b = a.b;
            QVERIFY(b.demarrer(suite));
            QCOMPARE(b.ecranNomme("depart") != nullptr, suite == Banc::ToutConstruire);
            Banc::cliquer(boutonNomme(b, "Léa"));
            QVERIFY(b.ecranNomme("depart")->isVisible() && !b.ecranNomme("joueurs")->isVisible());
            QCOMPARE(premiereLigne(b), "Bonjour Léa !");
            // The watch's face may still be on its way from the decoding
            // thread, later in one run than the other: it is read now.
            PictureFile::abandonAhead();
            vues[suite] = b.ecranNomme("depart")->grab().toImage();
        }
        QCOMPARE(vues[Banc::ApresPremierePeinture], vues[Banc::ToutConstruire]);
    }

    // A child who cannot read, with reading aloud on, hears each name and
    // each way in as the keys go through "Qui joue ?".
    void quiJoueAVoixHaute()
    {
        AvecJoueurs a({"Zoé", "Léa"});
        Banc& b = a.b;
        b.voix.rendreDisponible();
        b.r().lecture_auto_poste = true;
        QVERIFY(b.demarrer());
        b.taper("Tab*5");
        QCOMPARE(b.voix.dits, (QStringList{"Léa", "Zoé", "Ton prénom", "Ajouter mon prénom", "Jouer sans prénom"}));
    }

    // No child known: the start screen first, the shared score, and the
    // answers in the history with no name; named later, then nameless again.
    void sansEnfant()
    {
        AvecJoueurs a({});
        Banc& b = a.b;
        QVERIFY(b.demarrer());
        QVERIFY(b.ecranNomme("depart")->isVisible());
        QCOMPARE(premiereLigne(b), "Bonjour !");
        repondreHorloge(b);
        Banc::cliquer(b.trouver<QWidget>("depart", "joueur"));
        b.trouver<QLineEdit>("joueurs", "nouveau")->setText("Léa");
        Banc::cliquer(b.trouver<QWidget>("joueurs", "ajouter"));
        repondreHorloge(b);
        Banc::cliquer(b.trouver<QWidget>("depart", "joueur"));
        Banc::cliquer(b.trouver<QWidget>("joueurs", "sans_nom"));
        QCOMPARE(premiereLigne(b), "Bonjour !");
        QCOMPARE(b.r().nb_exercices.valeur, 1);
        b.app->quitter();
        QCOMPARE(score::charger(b.r().fichierScore).nb_exercices.valeur, 1);
        QCOMPARE(lireHistorique(a.depot.historiqueAnonyme()).lignes.size(), 1);
        QCOMPARE(a.depot.lireJoueur(cleJoueur("Léa")).lignes.size(), 1);
    }

    // Named on the command line: no "Qui joue ?", their counters at once.
    void joueurDemande()
    {
        AvecJoueurs a({"Zoé"}, "léa");
        QVERIFY(a.b.demarrer());
        QVERIFY(a.b.ecranNomme("depart")->isVisible());
        QCOMPARE(premiereLigne(a.b), "Bonjour léa !");
        QCOMPARE(a.depot.joueurs().size(), 2);
    }

    void ligneDeCommande_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("joueur");
        QTest::addColumn<bool>("refus");
        QTest::newRow("séparé") << QStringList{"--joueur", " Léa "} << "Léa" << false;
        QTest::newRow("collé") << QStringList{"--joueur=léa"} << "léa" << false;
        QTest::newRow("barre") << QStringList{"--joueur", "../x"} << "" << true;
        QTest::newRow("vide") << QStringList{"--joueur="} << "" << true;
        QTest::newRow("sans valeur") << QStringList{"--exporter"} << "" << false;
    }
    void ligneDeCommande()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, joueur);
        QFETCH(bool, refus);
        const options::Choix c = options::lire(QStringList{"klepsos"} + arguments);
        QCOMPARE(c.joueur.value_or(""), joueur);
        QCOMPARE(c.erreur.startsWith(QStringLiteral("Prénom refusé")), refus);
        QCOMPARE(c.erreur.isEmpty(), !joueur.isEmpty());
    }

    // The real program: a refused name creates nothing; the export needs no display.
    void programme()
    {
        QTemporaryDir d;
        const QString app = d.filePath("app"), datas = d.filePath("app/datas");
        QDir().mkpath(datas);
        QVERIFY(QFile::copy(KLEPSOS_PROGRAMME, d.filePath("app/klepsos")));
        QFile(datas + "/23").open(QIODevice::WriteOnly);
        QProcess p;
        // No display at all.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(v);
        p.setProcessEnvironment(env);
        p.start(d.filePath("app/klepsos"), {"--joueur", "a\\b"});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).startsWith("Prénom refusé"));
        QCOMPARE(QDir(datas).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList({"23"}));

        const DepotJoueurs depot(datas, "p0000000000000001");
        SessionJoueurs s(depot, [] { return QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7), Qt::OffsetFromUTC, 3600); });
        s.choisir(*depot.creer("Léa"));
        s.registre().enregistrer({"Quelle heure est-il ?", "3 h 50 mn", "3 h 50 mn", "lire_horloge", true});
        QVERIFY(s.vider());
        p.start(d.filePath("app/klepsos"), {"--exporter", d.filePath("r.csv")});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QFile f(d.filePath("r.csv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), "\xEF\xBB\xBF" "date;heure;joueur;activite;question;reponse;juste;seance\r\n"
                              "2026-12-05;09:05:07;Léa;lire_horloge;Quelle heure est-il ?;3 h 50 mn;oui;\r\n");
    }
};

QTEST_MAIN(TstJoueurs)
#include "tst_joueurs.moc"
