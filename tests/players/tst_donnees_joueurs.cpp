// SPDX-License-Identifier: GPL-3.0-or-later
// Children's names and keys, the history file, its writer across processes,
// the counters it gives, the CSV export and the progress summary.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "classroom/classe.h"
#include "classroom/poste.h"
#include "common/nomjoueur.h"
#include "players/bilan.h"
#include "players/exportcsv.h"
#include "players/session.h"

namespace {

const QDateTime midi(QDate(2026, 12, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600);

LigneHistorique ligne(const QString& activite, bool juste, const QDateTime& quand = midi,
                      const QString& question = QStringLiteral("Quelle heure est-il ?"))
{
    return {quand, QStringLiteral("Léa"), activite, question, QStringLiteral("3 h 50 mn"),
            QStringLiteral("3 h 50 mn"), juste};
}

void ajouterOctets(const QString& chemin, const QByteArray& o)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::Append));
    f.write(o);
}

// Run as a child process: records n answers for a child, one every `pause`
// milliseconds, telling each on standard output once recorded.
int ecrivain(const QStringList& a)
{
    const DepotJoueurs depot(a[2], posteLocal(a[2]));
    SessionJoueurs s(depot, [] { return QDateTime::currentDateTime(); });
    s.choisir(*depot.creer(a[3]));
    QTextStream out(stdout);
    for (int i = 0, n = a[4].toInt(); i < n; ++i) {
        s.registre().enregistrer({QStringLiteral("q%1").arg(i), QStringLiteral("r"), QStringLiteral("r"),
                                  QStringLiteral("lire_horloge"), i % 3 != 0});
        out << i << Qt::endl;
        QThread::msleep(a[5].toULong());
    }
    return 0;
}

}  // namespace

class TstDonneesJoueurs : public QObject {
    Q_OBJECT

private slots:
    void noms_data()
    {
        QTest::addColumn<QString>("brut");
        QTest::addColumn<QString>("attendu");  // the name kept, or empty when refused
        QTest::addColumn<QString>("motif");    // a word of the refusal
        const QString refuse, valable;
        QTest::newRow("simple") << "Léa" << "Léa" << valable;
        QTest::newRow("espaces autour") << "  Léa \t" << "Léa" << valable;
        QTest::newRow("décomposé") << QStringLiteral("Le\u0301a") << "Léa" << valable;
        QTest::newRow("composé") << "Jean-Luc O'Neil" << "Jean-Luc O'Neil" << valable;
        QTest::newRow("apostrophe typographique") << "N’Golo" << "N’Golo" << valable;
        QTest::newRow("chiffres et point") << "Zoé 2 B." << "Zoé 2 B." << valable;
        QTest::newRow("cyrillique") << "Дмитрий" << "Дмитрий" << valable;
        QTest::newRow("chinois") << "李明" << "李明" << valable;
        QTest::newRow("arabe") << "ليلى" << "ليلى" << valable;
        QTest::newRow("CON") << "CON" << "CON" << valable;
        QTest::newRow("30") << QString(30, QLatin1Char('a')) << QString(30, QLatin1Char('a')) << valable;
        QTest::newRow("31") << QString(31, QLatin1Char('a')) << refuse << "trop long";
        QTest::newRow("vide") << "" << refuse << "vide";
        QTest::newRow("blancs") << "   " << refuse << "vide";
        QTest::newRow("..") << ".." << refuse << "point";
        QTest::newRow("point devant") << ".Léa" << refuse << "point";
        QTest::newRow("barre") << "a/b" << refuse << "lettres";
        QTest::newRow("contre-barre") << "a\\b" << refuse << "lettres";
        QTest::newRow("tabulation") << "a\tb" << refuse << "lettres";
        QTest::newRow("contrôle") << QStringLiteral("a\u0007") << refuse << "lettres";
        QTest::newRow("deux-points") << "C:" << refuse << "lettres";
        QTest::newRow("emoji") << "Léa 😀" << refuse << "lettres";
    }
    void noms()
    {
        QFETCH(QString, brut);
        QFETCH(QString, attendu);
        QFETCH(QString, motif);
        QCOMPARE(nomJoueurValide(brut).value_or(QString()), attendu);
        if (!motif.isEmpty())
            QVERIFY2(messageNomRefuse(brut).contains(motif), qPrintable(messageNomRefuse(brut)));
    }

    void cles()
    {
        // The same on every computer: the hash of the folded name, in UTF-8.
        QCOMPARE(cleJoueur("Léa"), "jf3a80feff512a68f");
        QCOMPARE(cleJoueur("..").mid(1), "5ec1f7e700f37c3d");
        QCOMPARE(cleJoueur("CON"), "j1143da2bc54c495c");
        for (const char* meme : {"léa", "LÉA", "lÉa"})
            QCOMPARE(cleJoueur(QString::fromUtf8(meme)), cleJoueur("Léa"));
        QCOMPARE(cleJoueur(QStringLiteral("Le\u0301a")), cleJoueur("Léa"));
        QVERIFY(cleJoueur("Lea") != cleJoueur("Léa"));
    }

    void depot()
    {
        QTemporaryDir d;
        const DepotJoueurs depot(d.path(), posteLocal(d.path()));
        QCOMPARE(posteLocal(d.path()), depot.poste());
        QVERIFY(QRegularExpression("^p[0-9a-f]{16}$").match(depot.poste()).hasMatch());
        QVERIFY(depot.creer("Léa") && depot.creer("Zoé") && depot.creer("CON"));
        // Case only: the same child, under the first spelling.
        QCOMPARE(depot.creer("LÉA")->nom, "Léa");
        QCOMPARE(depot.trouver("léa")->nom, "Léa");
        QVERIFY(!depot.trouver("Lea"));
        QStringList noms;
        for (const Joueur& j : depot.joueurs())
            noms << j.nom;
        QCOMPARE(noms, QStringList({"CON", "Léa", "Zoé"}));
        // A folder nobody created through the program is not a child.
        QDir().mkpath(d.filePath("joueurs/..x"));
        QCOMPARE(depot.joueurs().size(), 3);
    }

    void aller_retour()
    {
        LigneHistorique l = ligne("comparer_durees", false, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::OffsetFromUTC, -12600));
        l.question = "1 h\t20\\n + 40 mn\r\n= ?";
        l.reponse = "=SOMME(A1)";
        l.joueur.clear();
        l.niveau = "deux_etapes";
        l.id = 0x00ab'cdef'0123'4567ull;
        const QByteArray o = ecrireLigne(l);
        QVERIFY(o.startsWith("K2\t00abcdef01234567\t2026-01-02T03:04:05-03:30\t\tcomparer_durees\tdeux_etapes\t1 h\\t20\\\\n + 40 mn\\r\\n= ?\t"));
        QCOMPARE(o.count('\n'), 1);
        QCOMPARE(lireLigne(QByteArrayView(o).chopped(1)), l);
        // An answer written without an identity gets one of its own.
        l.id = sansIdentifiant;
        const auto a = lireLigne(QByteArrayView(ecrireLigne(l)).chopped(1)), b = lireLigne(QByteArrayView(ecrireLigne(l)).chopped(1));
        QVERIFY(a && b && a->id != sansIdentifiant && b->id != sansIdentifiant && a->id != b->id);
        // A line of the first version, as older Klepsos wrote it, is still read:
        // no level, and the same identity wherever it was copied.
        const QByteArray k1 = "K1\t2026-12-05T09:05:07+01:00\tL\xc3\xa9" "a\tlire_horloge\tQuelle heure est-il ?\t3 h 50 mn\t3 h 50 mn\t1\tcbe69adf";
        const auto vieux = lireLigne(k1), copie = lireLigne(QByteArray(k1));
        QVERIFY(vieux && vieux->juste && vieux->niveau.isEmpty() && vieux->joueur == "Léa");
        QVERIFY(vieux->id != sansIdentifiant && vieux->id == copie->id);
        QVERIFY(lireLigne(QByteArray(k1).replace("3 h 50 mn\t1", "3 h 50 mn\t0")) == std::nullopt);
        l.id = 0x00ab'cdef'0123'4567ull;
        QCOMPARE(lireLigne(QByteArrayView(o).chopped(1))->quand.offsetFromUtc(), -12600);
        // Huge fields are shortened so that the line stays readable.
        l.question = QString(5000, QChar(0x00e9));
        const QByteArray long_ = ecrireLigne(l);
        QVERIFY(long_.size() < longueurMaxLigne);
        QCOMPARE(lireLigne(QByteArrayView(long_).chopped(1))->question.size(), longueurMaxTexte);
        // An answer of a training session carries the session's identity, after the level.
        l.question = "Quelle heure est-il ?";
        l.seance = "s0123456789abcdef";
        const QByteArray k3 = ecrireLigne(l);
        QVERIFY(k3.startsWith("K3\t00abcdef01234567\t2026-01-02T03:04:05-03:30\t\tcomparer_durees\tdeux_etapes\ts0123456789abcdef\tQuelle"));
        QCOMPARE(lireLigne(QByteArrayView(k3).chopped(1)), l);
    }

    void lignes_abimees()
    {
        const QByteArray a = ecrireLigne(ligne("lire_horloge", true)), b = ecrireLigne(ligne("montre", false));
        QByteArray crc = a;
        crc[20] = crc[20] == '1' ? '2' : '1';
        QByteArray horsLimite = a;
        horsLimite.insert(30, QByteArray(longueurMaxLigne, 'x'));
        const struct {
            const char* cas;
            QByteArray octets;
            int lues, ignorees;
        } cas[] = {
            {"intactes", a + b, 2, 0},
            {"dernière sans fin", a + b.left(b.size() - 1), 1, 0},
            {"coupée puis suivie", a.left(25) + b + a, 2, 1},
            {"somme fausse", crc + b, 1, 1},
            {"déchets", QByteArray("\x00\xff\xfe\n\n", 5) + a + "K1\t\t\t\n", 1, 3},
            {"trop longue", horsLimite + b, 1, 1},
            {"autre version", "K4" + a.mid(2) + b, 1, 1},
            {"version 3 sans séance", "K3" + a.mid(2) + b, 1, 1},
        };
        for (const auto& c : cas) {
            const LectureHistorique l = lireOctetsHistorique(c.octets);
            QVERIFY2(l.lignes.size() == c.lues && l.ignorees == c.ignorees, c.cas);
        }
        // Read from an offset: a live view reads only what is new, and a
        // line being written waits for its end.
        QTemporaryDir d;
        const QString f = d.filePath("p.hist");
        ajouterOctets(f, a + b.left(10));
        LectureHistorique l = lireHistorique(f);
        QCOMPARE(l.lignes.size(), 1);
        QCOMPARE(l.fin, a.size());
        ajouterOctets(f, b.mid(10) + a);
        l = lireHistorique(f, l.fin);
        QCOMPARE(l.lignes.size(), 2);
        QCOMPARE(l.lignes[0].activite, "montre");
        QCOMPARE(lireHistorique(d.filePath("absent")).lignes.size(), 0);
        // A huge foreign file is read up to the cap only.
        QFile gros(d.filePath("gros.hist"));
        QVERIFY(gros.open(QIODevice::WriteOnly) && gros.write(a) && gros.resize(classe::tailleMaxHistorique + 10));
        gros.close();
        l = lireHistorique(gros.fileName());
        QVERIFY(l.tronque);
        QCOMPARE(l.lignes.size(), 1);
    }

    // Answers recorded by the writer, and the counters they give.
    void ecrivainEtCompteurs()
    {
        QTemporaryDir d;
        const DepotJoueurs depot(d.path(), "p0000000000000001");
        SessionJoueurs s(depot, [] { return midi; });
        s.registre().enregistrer({"q", "r", "a", "montre", false});
        const Joueur lea = *depot.creer("Léa");
        QCOMPARE(s.choisir(lea), compteursDe({}));
        for (bool juste : {true, true, false})
            s.registre().enregistrer({"q", "r", "a", "lire_horloge", juste});
        s.preferences().ecrire("aiguilles/niveau", "2=deux\nlignes");
        s.sansNom();
        const Compteurs c = s.choisir(lea);
        QCOMPARE(c.nb_exercices.valeur, 3);
        QCOMPARE(c.nb_justes.valeur, 2);
        QCOMPARE(c.nb_erreurs, 1);
        QCOMPARE(PreferencesJoueur(depot.fichierPreferences(lea.cle)).lire("aiguilles/niveau", ""), "2=deux\nlignes");
        const LectureHistorique anonyme = lireHistorique(depot.historiqueAnonyme());
        QCOMPARE(anonyme.lignes.size(), 1);
        QCOMPARE(anonyme.lignes[0].joueur, "");
        QCOMPARE(lireDepot(d.path()).lignes.size(), 4);
    }

    // A run killed after its answers: every answer told as recorded is in the
    // history, and a new run counts them.
    void arretBrutal()
    {
        QTemporaryDir d;
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {"ecrivain", d.path(), "Léa", "1000", "30"});
        QVERIFY(p.waitForStarted());
        int annoncees = 0;
        while (annoncees < 10 && p.waitForReadyRead(5000))
            annoncees += int(p.readAll().count('\n'));
        // Durable within a second, whatever happens to the program.
        QThread::msleep(1000);
        p.kill();
        p.waitForFinished();
        const DepotJoueurs depot(d.path(), posteLocal(d.path()));
        const Joueur lea = *depot.trouver("Léa");
        const LectureHistorique h = depot.lireJoueur(lea.cle);
        QVERIFY(h.lignes.size() >= annoncees);
        QCOMPARE(h.ignorees, 0);
        SessionJoueurs s(depot, [] { return midi; });
        QCOMPARE(s.choisir(lea).nb_exercices.valeur, h.lignes.size());
    }

    // Two copies of one child at once: nothing lost, nothing mixed.
    void deuxCopies()
    {
        QTemporaryDir d;
        QProcess p1, p2;
        for (QProcess* p : {&p1, &p2})
            p->start(QCoreApplication::applicationFilePath(), {"ecrivain", d.path(), "Léa", "300", "0"});
        for (QProcess* p : {&p1, &p2})
            QVERIFY(p->waitForFinished(30000) && p->exitCode() == 0);
        const DepotJoueurs depot(d.path(), posteLocal(d.path()));
        const LectureHistorique h = depot.lireJoueur(cleJoueur("léa"));
        QCOMPARE(h.lignes.size(), 600);
        QCOMPARE(h.ignorees, 0);
        QCOMPARE(totaux(h.lignes).justes, 400);
    }

    void csv()
    {
        LigneHistorique l = ligne("lire_horloge", true, QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7), Qt::OffsetFromUTC, 3600));
        const QList<LigneHistorique> lignes = {
            l,
            {midi, "", "montre", "Avance; \"retard\"", "-5 mn", "+5 mn", false},
            {midi, "Zoé", "date_naissance", "ligne\nsuivante", "@x", "", true},
            {midi, "-Jo", "a", "=1+1", "+3", "", false, "", 0, "s00000000000000ff"},
        };
        const QByteArray o = exporterCsv(lignes);
        QVERIFY(o.startsWith("\xEF\xBB\xBF" "date;"));
        QCOMPARE(QString::fromUtf8(o.mid(3)).split("\r\n"), QStringList({
            "date;heure;joueur;activite;question;reponse;juste;seance",
            "2026-12-05;09:05:07;Léa;lire_horloge;Quelle heure est-il ?;3 h 50 mn;oui;",
            "2026-12-05;12:00:00;;montre;\"Avance; \"\"retard\"\"\";'-5 mn;non;",
            "2026-12-05;12:00:00;Zoé;date_naissance;\"ligne\nsuivante\";'@x;oui;",
            "2026-12-05;12:00:00;'-Jo;a;'=1+1;'+3;non;s00000000000000ff",
            ""}));

        // Lists in order of date merged as one: the same second, the earlier
        // list first; a list that ends early; an empty one.
        const auto a = [](const char* qui, int h) {
            return LigneHistorique{QDateTime(QDate(2026, 12, 5), QTime(h, 0), Qt::OffsetFromUTC, 3600), QString::fromUtf8(qui),
                                   "montre", "q", "r", "a", true};
        };
        const QByteArray fusion = exporterCsv(QList<LignesCsv>{lignesCsv({a("Ana", 8), a("Ana", 10), a("Ana", 11)}), lignesCsv({}),
                                                               lignesCsv({a("Bob", 9), a("Bob", 10)}), lignesCsv({a("Cy", 7)})});
        QStringList qui;
        for (const QString& ligne : QString::fromUtf8(fusion.mid(3)).split("\r\n").mid(1, 6))
            qui << ligne.section(';', 1, 2);
        QCOMPARE(qui, QStringList({"07:00:00;Cy", "08:00:00;Ana", "09:00:00;Bob", "10:00:00;Ana", "10:00:00;Bob",
                                   "11:00:00;Ana"}));
        QVERIFY(fusion.endsWith("11:00:00;Ana;montre;q;r;oui;\r\n"));

        QTemporaryDir d;
        QString erreur;
        QVERIFY(!exporterDepot(d.path(), d.filePath("absent/x.csv"), &erreur));
        QVERIFY(erreur.contains("x.csv"));
    }

    // A computer whose clock is wrong: its answers (or the others', when this
    // one is behind) count in totals but in no week, and "now" bounds them.
    void horlogeFausse_data()
    {
        QTest::addColumn<QDateTime>("quand");
        QTest::addColumn<bool>("futur");
        QTest::addColumn<bool>("semaine");
        QTest::newRow("plus tard aujourd'hui") << midi.addSecs(11 * 3600 + 59 * 60) << false << true;
        QTest::newRow("demain, même semaine") << midi.addSecs(12 * 3600) << true << false;
        QTest::newRow("2031") << midi.addYears(5) << true << false;
        QTest::newRow("lundi minuit") << midi.addDays(-5).addSecs(-12 * 3600) << false << true;
        QTest::newRow("dimanche d'avant") << midi.addDays(-5).addSecs(-12 * 3600 - 1) << false << false;
    }
    void horlogeFausse()
    {
        QFETCH(QDateTime, quand);
        QFETCH(bool, futur);
        QFETCH(bool, semaine);
        QCOMPARE(dansLeFutur(quand, midi), futur);
        QCOMPARE(auPlusTard(quand, midi), std::min(quand, midi));
        const BilanActivite a = faireBilan({ligne("montre", true, quand)}, midi).activites[activitesConnues().indexOf("montre")];
        QCOMPARE(a.justesSemaine, semaine ? 1 : 0);
        QCOMPARE(a.total(), 1);
    }

    void bilan()
    {
        // Saturday 5 December 2026: the week began on Monday the 30th of November.
        const QDateTime lundi(QDate(2026, 11, 30), QTime(0, 0), Qt::OffsetFromUTC, 3600);
        QCOMPARE(debutSemaine(midi), lundi);
        QList<LigneHistorique> l;
        const auto ajouter = [&](const char* a, int justes, int erreurs, const QDateTime& q) {
            for (int i = 0; i < justes + erreurs; ++i)
                l << ligne(a, i < justes, q);
        };
        ajouter("lire_horloge", 2, 3, midi);                  // 60 % wrong this week
        ajouter("montre", 1, 1, midi);                        // too few this week...
        ajouter("montre", 2, 6, lundi.addSecs(-1));           // ...so all count: 70 %
        ajouter("comparer_durees", 3, 1, midi);               // 25 % but only 4
        ajouter("nombre_manquant", 9, 1, midi);               // 10 %
        ajouter("date_naissance", 3, 1, midi.addDays(-10));
        ajouter("date_naissance", 3, 2, midi);                // 40 %
        ajouter("aiguilles", 0, 9, midi);                     // unknown to this list
        const Bilan b = faireBilan(l, midi);
        QCOMPARE(b.aTravailler, QStringList({"aiguilles", "montre", "lire_horloge"}));
        QCOMPARE(b.activites.size(), activitesConnues().size() + 1);
        const BilanActivite& montre = b.activites[activitesConnues().indexOf("montre")];
        QCOMPARE(QList<int>({montre.justesSemaine, montre.erreursSemaine, montre.justesAvant, montre.erreursAvant}),
                 QList<int>({1, 1, 2, 6}));
        const QString t = texteBilan(b);
        QVERIFY2(t.startsWith("Cette semaine : 18 justes, 17 erreurs.") && t.contains("À travailler : aiguilles, "
                     "Montre en avance ou en retard, Lire l'horloge."), qPrintable(t));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == QLatin1String("ecrivain"))
        return ecrivain(app.arguments());
    TstDonneesJoueurs t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_donnees_joueurs.moc"
