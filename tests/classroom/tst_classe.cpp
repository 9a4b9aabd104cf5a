// SPDX-License-Identifier: GPL-3.0-or-later
// The class folder shared by several computers: each "computer" here is a
// process of this very test with its own local store.
#include <QDir>
#include <QLockFile>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "classroom/classe.h"
#include "classroom/effacement.h"
#include "classroom/sonde.h"
#include "classroom/systeme.h"
#include "common/nomjoueur.h"
#include "players/preferencesjoueur.h"
#include "players/session.h"

namespace {

const QStringList ordinateurs{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
const QStringList prenoms{QStringLiteral("Léa"), QStringLiteral("Hugo"), QStringLiteral("Zoé")};

void ajouterReponse(const QString& local, const QString& poste, const QString& nom, const QString& question)
{
    const QString dossier = QStringLiteral("%1/joueurs/%2").arg(local, nom.isEmpty() ? QString() : cleJoueur(nom));
    const QString chemin = nom.isEmpty() ? QStringLiteral("%1/anonyme/%2.hist").arg(local, poste)
                                         : QStringLiteral("%1/%2.hist").arg(dossier, poste);
    QDir().mkpath(QFileInfo(chemin).path());
    if (!nom.isEmpty() && !QFile::exists(dossier + QStringLiteral("/nom"))) {
        QFile n(dossier + QStringLiteral("/nom"));
        QVERIFY(n.open(QIODevice::WriteOnly));
        n.write(nom.toUtf8());
    }
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Append));
    f.write(ecrireLigne({QDateTime::currentDateTime(), nom, QStringLiteral("lire_horloge"), question,
                         QStringLiteral("3 h"), QStringLiteral("3 h"), true}));
}

// One computer: n answers spread over the children and no child, a pass
// every few answers, then passes until nothing waits.
int ordinateur(const QString& local, const QString& classeDossier, const QString& id, int n)
{
    const QString poste = posteLocal(local);
    for (int i = 0; i < n; ++i) {
        ajouterReponse(local, poste, i % 4 == 3 ? QString() : prenoms[i % 4], QStringLiteral("%1-%2").arg(id).arg(i));
        if (i % 7 == 0)
            classe::synchroniser(local, classeDossier, poste);
        QThread::msleep(2);
    }
    for (int essai = 0; essai < 500; ++essai) {
        const classe::Envoi e = classe::synchroniser(local, classeDossier, poste);
        if (e.joignable && e.lignesEnAttente == 0 && e.desaccords.isEmpty())
            return 0;
        QThread::msleep(20);
    }
    return 1;
}

// Every question of the class folder, counted.
QHash<QString, int> questions(const QString& classeDossier)
{
    QHash<QString, int> vus;
    QStringList chemins;
    QDirIterator it(classeDossier, {QStringLiteral("*.hist")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        chemins << it.next();
    for (const LigneHistorique& l : lireHistoriques(chemins).lignes)
        ++vus[l.question];
    return vus;
}

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// Children made by this version, and by an older one (no identity).
void avecOuSansIdentite()
{
    QTest::addColumn<bool>("ancien");
    QTest::newRow("identités") << false;
    QTest::newRow("ancienne version") << true;
}

}  // namespace

class TstClasse : public QObject {
    Q_OBJECT

private slots:
    // Three computers at once, the folder taken away and given back while
    // they play: every answer arrives once.
    void troisOrdinateursExactementUneFois()
    {
        QTemporaryDir t;
        const QString classeDossier = t.filePath(QStringLiteral("classe"));
        QVERIFY(QDir().mkpath(classeDossier));
        const int n = 150;
        QList<QProcess*> ordis;
        for (const QString& id : ordinateurs) {
            auto* p = new QProcess(this);
            p->setProcessChannelMode(QProcess::ForwardedChannels);
            p->start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--ordinateur"), t.filePath(id), classeDossier, id, QString::number(n)});
            ordis << p;
        }
        QThread::msleep(150);
        const QString ailleurs = t.filePath(QStringLiteral("debranche"));
        QVERIFY(QDir().rename(classeDossier, ailleurs));
        QThread::msleep(250);
        QVERIFY(!QFileInfo::exists(classeDossier));  // nobody made it again
        QVERIFY(QDir().rename(ailleurs, classeDossier));
        for (QProcess* p : ordis) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
        }
        const QHash<QString, int> vus = questions(classeDossier);
        QCOMPARE(vus.size(), 3 * n);
        for (auto it = vus.cbegin(); it != vus.cend(); ++it)
            QVERIFY2(it.value() == 1, qPrintable(it.key()));
        // The class copy of each computer's file is the local one, byte for byte.
        for (const QString& id : ordinateurs) {
            const QString poste = posteLocal(t.filePath(id));
            QFile l(QStringLiteral("%1/joueurs/%2/%3.hist").arg(t.filePath(id), cleJoueur(prenoms[1]), poste));
            QFile c(QStringLiteral("%1/joueurs/%2/%3.hist").arg(classeDossier, cleJoueur(prenoms[1]), poste));
            QVERIFY(l.open(QIODevice::ReadOnly) && c.open(QIODevice::ReadOnly));
            QCOMPARE(c.readAll(), l.readAll());
            // Each computer knows every child of the class now.
            QCOMPARE(classe::enfants(t.filePath(id)).enfants.size(), prenoms.size());
        }
    }

    // Out of reach: what waits is counted and said once the folder is gone;
    // a class copy that is not a beginning of ours is left alone.
    void attenteEtDesaccord()
    {
        QTemporaryDir t;
        const QString local = t.filePath(QStringLiteral("local"));
        const QString classeDossier = t.filePath(QStringLiteral("classe"));
        const QString poste = posteLocal(local);
        for (int i = 0; i < 3; ++i)
            ajouterReponse(local, poste, prenoms[0], QString::number(i));
        classe::Envoi e = classe::synchroniser(local, classeDossier, poste);
        QVERIFY(!e.joignable);
        QCOMPARE(e.lignesEnAttente, 3);
        QVERIFY(classe::ligneAttente(e, classeDossier).contains(QStringLiteral("3 réponses en attente pour la classe")));
        QVERIFY(QDir().mkpath(classeDossier));
        e = classe::synchroniser(local, classeDossier, poste);
        QVERIFY(e.joignable);
        QCOMPARE(e.lignesEnvoyees, 3);
        QCOMPARE(e.lignesEnAttente, 0);
        QVERIFY(classe::ligneAttente(e, classeDossier).isEmpty());
        // Someone else's bytes in our class file: we add nothing after them.
        const QString copie = QStringLiteral("%1/joueurs/%2/%3.hist").arg(classeDossier, cleJoueur(prenoms[0]), poste);
        const qint64 avant = QFileInfo(copie).size();
        QFile c(copie);
        QVERIFY(c.open(QIODevice::ReadWrite));
        c.seek(5);
        c.write("X");
        c.close();
        ajouterReponse(local, poste, prenoms[0], QStringLiteral("4"));
        e = classe::synchroniser(local, classeDossier, poste);
        QVERIFY(e.desaccords.isEmpty());
        QCOMPARE(QFileInfo(copie).size(), avant);
        // Never a dead end: every answer arrives under a relay id, and counts once.
        ajouterReponse(local, poste, prenoms[0], QStringLiteral("5"));
        classe::synchroniser(local, classeDossier, poste);
        QCOMPARE(questions(classeDossier).size(), 5);
        const QStringList f = classe::fichiersHistorique(classeDossier, local, poste, cleJoueur(prenoms[0]));
        QCOMPARE(f.size(), 3);  // ours, its spoiled class copy, the relay
        QCOMPARE(lireHistoriques(f).lignes.size(), 5);
        // A relay that is not ours either: refused, said, counted. (The
        // files come in the folders' own order.)
        QString relais;
        for (const QString& x : f)
            if (!x.startsWith(local) && QFileInfo(x) != QFileInfo(copie))
                relais = x;
        QVERIFY(!relais.isEmpty());
        ecrire(relais, "autre\n");
        e = classe::synchroniser(local, classeDossier, poste);
        QCOMPARE(e.lignesRefusees, 5);
        QVERIFY(classe::ligneAttente(e, classeDossier).contains(QStringLiteral("rien n'y est ajouté")));
        const auto etats = classe::etatsPostes(classeDossier);
        QCOMPARE(etats.size(), 1);
        QCOMPARE(etats[0].refusees, 5);
        QCOMPARE(classe::lireEtat(QString::fromUtf8(classe::ecrireEtat(etats[0]))), etats[0]);
    }

    // Disks cloned by this version or an older one (both computers then
    // answered under one id), a home folder on the server used from one
    // computer and then another: every answer reaches the class, and every
    // reader, on either computer, counts it once.
    void clonesEtProfilItinerant_data()
    {
        QTest::addColumn<bool>("ancien");   // cloned by an older version: no fingerprints known
        QTest::addColumn<bool>("itinerant");  // one store, not a copy
        QTest::newRow("clone") << false << false;
        QTest::newRow("clone d'une ancienne version") << true << false;
        QTest::newRow("profil itinérant") << false << true;
    }
    void clonesEtProfilItinerant()
    {
        QFETCH(bool, ancien);
        QFETCH(bool, itinerant);
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe"));
        const QString a = t.filePath(QStringLiteral("a"));
        const QString b = itinerant ? a : t.filePath(QStringLiteral("b"));
        QVERIFY(QDir().mkpath(c));
        const QString pa = posteLocal(a, QStringLiteral("A"));
        ajouterReponse(a, pa, prenoms[0], QStringLiteral("avant"));
        classe::synchroniser(a, c, pa);
        if (!itinerant) {
            if (ancien)
                QVERIFY(QFile::remove(a + QStringLiteral("/postes")));
            QCOMPARE(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), a, b}), 0);
        }
        const QString pb = posteLocal(b, QStringLiteral("B"));
        QCOMPARE(pb == pa, ancien);
        QCOMPARE(posteLocal(a, QStringLiteral("A")), pa);  // each machine keeps its own
        for (int i = 0; i < 3; ++i) {
            ajouterReponse(a, pa, prenoms[0], QStringLiteral("a%1").arg(i));
            ajouterReponse(b, pb, prenoms[0], QStringLiteral("b%1").arg(i));
            ajouterReponse(b, pb, QString(), QStringLiteral("sans nom b%1").arg(i));
            classe::synchroniser(b, c, pb);
            classe::synchroniser(a, c, pa);
        }
        const QHash<QString, int> vus = questions(c);
        QCOMPARE(vus.size(), 10);
        for (const QString& local : {a, b}) {
            const QString poste = local == a ? pa : pb;
            const auto lus = lireHistoriques(classe::fichiersHistorique(c, local, poste, cleJoueur(prenoms[0]))).lignes;
            QCOMPARE(lus.size(), 7);
            QCOMPARE(lireHistoriques(classe::fichiersAnonymes(c, local, poste)).lignes.size(), 3);
        }
    }

    // One computer, two classes: each its own store, children and answers;
    // a removal in one leaves the other alone. No folder, no identity made.
    void deuxClassesSurUnOrdinateur()
    {
        QTemporaryDir t;
        const QString racine = t.filePath(QStringLiteral("local"));
        const QString ce1 = t.filePath(QStringLiteral("ce1")), cm2 = t.filePath(QStringLiteral("cm2"));
        QVERIFY(QDir().mkpath(ce1) && QDir().mkpath(cm2));
        const QString absente = t.filePath(QStringLiteral("absente"));
        const QString provisoire = classe::magasinClasse(racine, absente);
        QVERIFY(!QFileInfo::exists(absente));
        QCOMPARE(classe::magasinClasse(racine, absente), provisoire);
        const QString poste = posteLocal(racine, QStringLiteral("A"));
        const QString l1 = classe::magasinClasse(racine, ce1), l2 = classe::magasinClasse(racine, cm2);
        QVERIFY(l1 != l2 && l1 != racine && l2 != racine);
        QCOMPARE(classe::magasinClasse(racine, ce1), l1);
        // The same class under another mount point: the same store.
        QVERIFY(QFile::link(ce1, t.filePath(QStringLiteral("ailleurs"))));
        QCOMPARE(classe::magasinClasse(racine, t.filePath(QStringLiteral("ailleurs"))), l1);
        ajouterReponse(l1, poste, prenoms[0], QStringLiteral("ce1"));
        ajouterReponse(l2, poste, prenoms[1], QStringLiteral("cm2"));
        classe::synchroniser(l1, ce1, poste);
        classe::synchroniser(l2, cm2, poste);
        QCOMPARE(classe::enfants(cm2).enfants.size(), 1);
        QCOMPARE(classe::enfants(l2).enfants.size(), 1);
        QCOMPARE(classe::retirer(cm2, cleJoueur(prenoms[1])), classe::Resultat::Fait);
        classe::synchroniser(l2, cm2, poste);
        classe::synchroniser(l1, ce1, poste);
        QCOMPARE(questions(ce1).keys(), QStringList{QStringLiteral("ce1")});
        QCOMPARE(classe::enfants(l1).enfants.size(), 1);
        QCOMPARE(classe::enfants(l2).enfants.size(), 0);
    }

    // A new school year: last year's Léa removed, this year's added. This
    // computer's old answers stay aside; the new Léa gets only her own.
    void homonymeApresRetrait_data() { avecOuSansIdentite(); }
    void homonymeApresRetrait()
    {
        QFETCH(bool, ancien);
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe")), local = t.filePath(QStringLiteral("local"));
        QVERIFY(QDir().mkpath(c));
        const QString poste = posteLocal(local, QStringLiteral("A"));
        const QString cle = cleJoueur(prenoms[0]);
        ajouterReponse(local, poste, prenoms[0], QStringLiteral("l'an dernier"));
        classe::synchroniser(local, c, poste);
        if (ancien) {
            QVERIFY(QFile::remove(QStringLiteral("%1/joueurs/%2/identite").arg(c, cle)));
            QVERIFY(QFile::remove(QStringLiteral("%1/joueurs/%2/identite").arg(local, cle)));
        }
        ajouterReponse(local, poste, prenoms[0], QStringLiteral("juin"));  // never sent before the removal
        QCOMPARE(classe::retirer(c, cle), classe::Resultat::Fait);
        QCOMPARE(classe::ajouter(c, prenoms[0]), classe::Resultat::Fait);
        classe::synchroniser(local, c, poste);
        QVERIFY(!QFileInfo::exists(QStringLiteral("%1/joueurs/%2/%3.hist").arg(c, cle, poste)));
        ajouterReponse(local, poste, prenoms[0], QStringLiteral("septembre"));
        classe::synchroniser(local, c, poste);
        const auto lus = lireHistoriques(classe::fichiersHistorique(c, local, poste, cle)).lignes;
        QCOMPARE(lus.size(), 1);
        QCOMPARE(lus[0].question, QStringLiteral("septembre"));
    }

    // Renamed from the teacher's computer while the child plays: the
    // answers and choices given after the rename reach the renamed child.
    void renommeEnJouant_data() { avecOuSansIdentite(); }
    void renommeEnJouant()
    {
        QFETCH(bool, ancien);
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe")), local = t.filePath(QStringLiteral("local"));
        QVERIFY(QDir().mkpath(c));
        const QString poste = posteLocal(local, QStringLiteral("A"));
        QCOMPARE(classe::ajouter(c, prenoms[0]), classe::Resultat::Fait);
        classe::synchroniser(local, c, poste);
        const QString avant = cleJoueur(prenoms[0]), apres = cleJoueur(QStringLiteral("Léonie"));
        if (ancien) {
            QVERIFY(QFile::remove(QStringLiteral("%1/joueurs/%2/identite").arg(c, avant)));
            QVERIFY(QFile::remove(QStringLiteral("%1/joueurs/%2/identite").arg(local, avant)));
        }
        DepotJoueurs depot(local, poste);
        depot.suivreClasse(c);
        SessionJoueurs session(depot, [] { return QDateTime::currentDateTime(); });
        session.choisir(*depot.trouver(prenoms[0]));
        const auto repondre = [&](const QString& q) {
            session.registre().enregistrer({q, QStringLiteral("3 h"), QStringLiteral("3 h"), QStringLiteral("lire_horloge"), true});
            QVERIFY(session.vider());
        };
        repondre(QStringLiteral("avant"));
        QCOMPARE(classe::renommer(c, avant, QStringLiteral("Léonie")), classe::Resultat::Fait);
        classe::synchroniser(local, c, poste);
        repondre(QStringLiteral("après"));
        session.preferences().ecrire(QStringLiteral("niveau"), QStringLiteral("quarts"));
        classe::synchroniser(local, c, poste);
        QVERIFY(!QFileInfo::exists(classe::dossierEnfant(local, avant)));
        QCOMPARE(questions(c).keys().size(), 2);
        QCOMPARE(lireHistoriques({QStringLiteral("%1/joueurs/%2/%3.hist").arg(c, apres, poste)}).lignes.size(), 2);
        QCOMPARE(PreferencesJoueur(depot.fichierPreferences(apres)).lire(QStringLiteral("niveau"), {}), QStringLiteral("quarts"));
        QCOMPARE(classe::enfants(local).enfants, classe::enfants(c).enfants);
    }

    // A sending that outlasts the old stale time: the lock of a copy still
    // running is never taken, however old it looks.
    void verrouDUneCopieVivante()
    {
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe")), local = t.filePath(QStringLiteral("local"));
        QVERIFY(QDir().mkpath(c));
        const QString poste = posteLocal(local, QStringLiteral("A"));
        ajouterReponse(local, poste, prenoms[0], QStringLiteral("1"));
        QProcess tenant;
        tenant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--tenir"), QStringLiteral("%1/%2.verrou").arg(local, poste)});
        QVERIFY(tenant.waitForReadyRead(10000));
        QCOMPARE(QProcess::execute(QStringLiteral("touch"), {QStringLiteral("-d"), QStringLiteral("-1 hour"), QStringLiteral("%1/%2.verrou").arg(local, poste)}), 0);
        QCOMPARE(classe::synchroniser(local, c, poste).lignesEnvoyees, 0);
        tenant.kill();
        tenant.waitForFinished();
        QCOMPARE(classe::synchroniser(local, c, poste).lignesEnvoyees, 1);
    }

    // A computer already known is named at once while another run holds
    // the computers' lock; only a new one waits for it.
    void posteConnuSansAttendreLeVerrou()
    {
        QTemporaryDir t;
        const QString local = t.filePath(QStringLiteral("local"));
        const QString poste = posteLocal(local, QStringLiteral("A"));
        QProcess tenant;
        tenant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--tenir"), local + QStringLiteral("/poste.verrou")});
        QVERIFY(tenant.waitForReadyRead(10000));
        QElapsedTimer montre;
        montre.start();
        QCOMPARE(posteLocal(local, QStringLiteral("A")), poste);
        // Well under the lock's wait of several seconds.
        QVERIFY2(montre.elapsed() < 2500, qPrintable(QString::number(montre.elapsed())));
        montre.restart();
        const QString autre = posteLocal(local, QStringLiteral("B"));
        QVERIFY(montre.elapsed() >= 2500);
        QVERIFY(autre != poste);
        tenant.kill();
        tenant.waitForFinished();
        const QString b = posteLocal(local, QStringLiteral("B"));
        QCOMPARE(posteLocal(local, QStringLiteral("B")), b);
        QCOMPARE(posteLocal(local, QStringLiteral("A")), poste);
    }

    // A share whose sync and close fail (quota, EIO) after taking the bytes:
    // each answer is there once.
    void partageQuiRefuseFsync()
    {
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe"));
        QVERIFY(QDir().mkpath(c));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_PRELOAD"), QString::fromUtf8(KLEPSOS_FSYNC_EIO));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--ordinateur"), t.filePath(QStringLiteral("A")), c, QStringLiteral("A"), QStringLiteral("40")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QHash<QString, int> vus = questions(c);
        QCOMPARE(vus.size(), 40);
        for (auto it = vus.cbegin(); it != vus.cend(); ++it)
            QVERIFY2(it.value() == 1, qPrintable(it.key()));
    }

    // The teacher's list: names checked, case-blind, renamed and removed
    // children followed by the computers, nothing deleted.
    void listeDeLaClasse()
    {
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe"));
        const QString local = t.filePath(QStringLiteral("local"));
        QVERIFY(QDir().mkpath(c));
        using R = classe::Resultat;
        QCOMPARE(classe::ajouter(c, QStringLiteral(" Léa ")), R::Fait);
        QCOMPARE(classe::ajouter(c, QStringLiteral("LÉA")), R::DejaLa);
        QCOMPARE(classe::ajouter(c, QStringLiteral("Lea")), R::Fait);  // accents count
        QCOMPARE(classe::ajouter(c, QStringLiteral("../x")), R::NomRefuse);
        QCOMPARE(classe::ajouter(c, QString()), R::NomRefuse);
        QCOMPARE(classe::ajouter(c, QStringLiteral("Hugo")), R::Fait);
        const QString poste = posteLocal(local);
        classe::synchroniser(local, c, poste);
        ajouterReponse(local, poste, QStringLiteral("Léa"), QStringLiteral("avant"));
        // Renamed while this computer had an answer waiting under the old name.
        QCOMPARE(classe::renommer(c, cleJoueur(QStringLiteral("Léa")), QStringLiteral("Hugo")), R::DejaLa);
        QCOMPARE(classe::renommer(c, cleJoueur(QStringLiteral("Léa")), QStringLiteral("Léonie")), R::Fait);
        QCOMPARE(classe::renommer(c, cleJoueur(QStringLiteral("Léa")), QStringLiteral("Léo")), R::Inconnu);
        QCOMPARE(classe::synchroniser(local, c, poste).lignesEnvoyees, 1);
        const QString leonie = cleJoueur(QStringLiteral("Léonie"));
        QVERIFY(QFile::exists(QStringLiteral("%1/joueurs/%2/%3.hist").arg(c, leonie, poste)));
        QCOMPARE(classe::enfants(local).enfants, classe::enfants(c).enfants);
        // Removed: kept aside in the class and on the computer, never made again.
        QCOMPARE(classe::retirer(c, leonie), R::Fait);
        QCOMPARE(classe::retirer(c, leonie), R::Inconnu);
        QCOMPARE(QDir(c + QStringLiteral("/retires")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        ajouterReponse(local, poste, QStringLiteral("Léonie"), QStringLiteral("après"));
        classe::synchroniser(local, c, poste);
        QVERIFY(!QFileInfo::exists(QStringLiteral("%1/joueurs/%2").arg(c, leonie)));
        QVERIFY(!QFileInfo::exists(QStringLiteral("%1/joueurs/%2").arg(local, leonie)));
        QCOMPARE(QDir(local + QStringLiteral("/retires")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        QCOMPARE(classe::enfants(c).enfants.size(), 2);
    }

    // Hostile class folder: only the children's own folders and files are
    // read, links out of the folder are not followed, and what is skipped
    // is counted.
    void dossierHostile()
    {
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe"));
        const QString dehors = t.filePath(QStringLiteral("dehors"));
        QVERIFY(QDir().mkpath(dehors));
        QVERIFY(QDir().mkpath(c));
        QCOMPARE(classe::ajouter(c, QStringLiteral("Léa")), classe::Resultat::Fait);
        const QString lea = QStringLiteral("%1/joueurs/%2").arg(c, cleJoueur(QStringLiteral("Léa")));
        ecrire(dehors + QStringLiteral("/secret.hist"), ecrireLigne({QDateTime::currentDateTime(), {}, QStringLiteral("x"), {}, {}, {}, true}));
        ecrire(dehors + QStringLiteral("/nom"), "Intrus");
        QFile::link(dehors + QStringLiteral("/secret.hist"), lea + QStringLiteral("/p0000000000000001.hist"));
        ecrire(lea + QStringLiteral("/p0000000000000002.hist"), QByteArray(5000, '\xff') + "\nK1\tgarbage\n");
        ecrire(lea + QStringLiteral("/../etranger.hist"), "x");
        QDir().mkpath(c + QStringLiteral("/joueurs/pas-une-cle"));
        QFile::link(dehors, c + QStringLiteral("/joueurs/") + cleJoueur(QStringLiteral("Intrus")));
        ecrire(QStringLiteral("%1/joueurs/%2/nom").arg(c, cleJoueur(QStringLiteral("Gros"))), QByteArray(200000, 'a'));
        ecrire(QStringLiteral("%1/joueurs/%2/nom").arg(c, cleJoueur(QStringLiteral("Faux"))), "Autre");
        ecrire(c + QStringLiteral("/reglages"), "sons_coupes=peut-être\n\xff\xfe\nsortie=cachee\n");

        const classe::ListeEnfants l = classe::enfants(c);
        QCOMPARE(l.enfants.size(), 1);
        QCOMPARE(l.enfants[0].nom, QStringLiteral("Léa"));
        QCOMPARE(l.ignores, 5);  // the etranger file, pas-une-cle, the link out, the huge and the false name
        const QStringList f = classe::fichiersHistorique(c, t.filePath(QStringLiteral("local")), QStringLiteral("p0000000000000009"),
                                                         cleJoueur(QStringLiteral("Léa")));
        QCOMPARE(f, QStringList{lea + QStringLiteral("/p0000000000000002.hist")});
        QCOMPARE(lireHistoriques(f).lignes.size(), 0);
        QCOMPARE(lireHistoriques(f).ignorees, 2);
        // Settings that are not UTF-8: all defaults.
        QCOMPARE(classe::reglagesClasse(c), classe::Reglages{});
    }

    // A pipe wherever the class folder has a file to read blocks no reader,
    // and reads as nothing.
    void tubes()
    {
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe"));
        QVERIFY(QDir().mkpath(c));
        QCOMPARE(classe::ajouter(c, QStringLiteral("Léa")), classe::Resultat::Fait);
        const QString lea = QStringLiteral("%1/joueurs/%2").arg(c, cleJoueur(QStringLiteral("Léa")));
        const QString tube = lea + QStringLiteral("/p0000000000000003.hist");
        const QString nomTube = QStringLiteral("%1/joueurs/%2/nom").arg(c, cleJoueur(QStringLiteral("Tube")));
        QVERIFY(QDir().mkpath(QFileInfo(nomTube).path()));
        for (const QString& f : {tube, nomTube, c + QStringLiteral("/reglages")})
            QCOMPARE(::mkfifo(QFile::encodeName(f).constData(), 0644), 0);
        const auto lu = partage::avant<QString>(2000, [&] {
            return QStringLiteral("%1 %2 %3 %4 %5")
                .arg(lireHistorique(tube).lignes.size())
                .arg(classe::lireTexteCourt(nomTube, c).isNull())
                .arg(classe::enfants(c).ignores)
                .arg(classe::reglagesClasse(c) == classe::Reglages{})
                .arg(systeme::lire(tube, 0, 10).has_value());
        });
        QVERIFY2(lu, "a reader waits on a pipe");
        QCOMPARE(*lu, QStringLiteral("0 1 1 1 0"));
        ecrire(lea + QStringLiteral("/p0000000000000004.hist"), "0123456789");
        QCOMPARE(systeme::lire(lea + QStringLiteral("/p0000000000000004.hist"), 3, 4), QByteArray("3456"));
        QCOMPARE(systeme::lire(lea, 0, 4), std::nullopt);

        // Pipes where this computer's class file and word to the teacher
        // belong, with a reader and without one (where an append that
        // blocked would wait for ever): the sending returns, writes nothing
        // into them, and every answer reaches the class once.
        for (bool avecLecteur : {true, false}) {
            const QString local = t.filePath(QStringLiteral("local%1").arg(avecLecteur));
            const QString poste = posteLocal(local);
            for (int i = 0; i < 3; ++i)
                ajouterReponse(local, poste, QStringLiteral("Léa"), QStringLiteral("%1-%2").arg(avecLecteur).arg(i));
            const QByteArray notre = QFile::encodeName(QStringLiteral("%1/%2.hist").arg(lea, poste));
            QVERIFY(QDir().mkpath(c + QStringLiteral("/postes")));
            QCOMPARE(::mkfifo(notre.constData(), 0644), 0);
            QCOMPARE(::mkfifo(QFile::encodeName(QStringLiteral("%1/postes/%2.etat").arg(c, poste)).constData(), 0644), 0);
            const int lecteur = avecLecteur ? ::open(notre.constData(), O_RDONLY | O_NONBLOCK) : -1;
            QCOMPARE(lecteur >= 0, avecLecteur);
            const auto envoi = partage::avant<qint64>(5000, [&] {
                return classe::synchroniser(local, c, poste).lignesEnvoyees + systeme::ajouter(QString::fromLocal8Bit(notre), "x").ecrits;
            });
            char octet = 0;
            const ssize_t pris = avecLecteur ? ::read(lecteur, &octet, 1) : 0;
            if (avecLecteur)
                ::close(lecteur);
            QVERIFY2(envoi, "the sending waits on a pipe");
            QCOMPARE(*envoi, 3);
            QVERIFY(pris <= 0);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(questions(c).value(QStringLiteral("%1-%2").arg(avecLecteur).arg(i)), 1);
        }
        QCOMPARE(classe::etatsPostes(c).size(), 2);
        // A link in the settings' place is replaced; what it points to is untouched.
        const QString cible = t.filePath(QStringLiteral("cible")), reglages = c + QStringLiteral("/reglages");
        ecrire(cible, "à moi");
        QVERIFY(QFile::remove(reglages) && QFile::link(cible, reglages));
        QVERIFY(classe::enregistrerReglages(c, classe::Reglages{}));
        QVERIFY(!QFileInfo(reglages).isSymLink());
        QCOMPARE(systeme::lire(cible, 0, 100), QByteArray("à moi"));
        // An append is never made through a link planted where a class file belongs.
        const QString planque = QStringLiteral("%1/p00000000000000cc.hist").arg(lea);
        QVERIFY(QFile::link(cible, planque));
        QCOMPARE(systeme::ajouter(planque, "volé\n").ecrits, 0);
        QCOMPARE(systeme::lire(cible, 0, 100), QByteArray("à moi"));
    }

    void reglagesLus_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("sons");
        QTest::addColumn<int>("sortie");
        QTest::addColumn<bool>("aiguille");
        QTest::addColumn<int>("ignores");
        QTest::addColumn<QString>("annees");
        QTest::addColumn<bool>("adaptes");
        QTest::newRow("vide") << QString() << false << int(ModeSortie::Normale) << false << 0 << QString() << false;
        QTest::newRow("tout") << "sons_coupes=oui\nsortie=appui_long\naiguille_heures_reelle=oui\nannee=CE1,CE2\nniveaux_adaptes=oui\n"
                              << true << int(ModeSortie::AppuiLong) << true << 0 << "CE1,CE2" << true;
        QTest::newRow("blancs et notes") << "# la classe\n  sortie = cachee \r\n annee = CM2\n" << false
                                         << int(ModeSortie::Cachee) << false << 0 << "CM2" << false;
        // Written on Windows by Notepad: a byte-order mark and CRLF line ends.
        QTest::newRow("Bloc-notes") << QStringLiteral("\uFEFFsons_coupes=oui\r\nannee=CE2\r\n") << true
                                    << int(ModeSortie::Normale) << false << 0 << "CE2" << false;
        QTest::newRow("mauvais") << "sons_coupes=1\nsortie=porte\ncouleur=bleu\nsans egal\n=oui" << false
                                 << int(ModeSortie::Normale) << false << 5 << QString() << false;
        // Years out of order, repeated, three, unknown or empty.
        QTest::newRow("mauvaises années") << "annee=CE2,CE1\nannee=CP,CP\nannee=CP,CE1,CE2\nannee=ce1\nannee=\nniveaux_adaptes=1"
                                          << false << int(ModeSortie::Normale) << false << 6 << QString() << false;
    }
    void reglagesLus()
    {
        QFETCH(QString, texte);
        int ignores = -1;
        const classe::Reglages r = classe::lireReglages(texte, &ignores);
        QTEST(r.sonsCoupes, "sons");
        QTEST(int(r.sortie), "sortie");
        QTEST(r.aiguilleHeuresReelle, "aiguille");
        QTEST(ignores, "ignores");
        QTEST(classe::ecrireAnnees(r.annees), "annees");
        QTEST(r.niveauxAdaptes, "adaptes");
        QCOMPARE(classe::lireReglages(classe::ecrireReglages(r)), r);
    }

    // The week's work: read whatever is in the file, in force for a week
    // from its first day, a child's own before the class's.
    void travailDeLaSemaine()
    {
        const QString lea = cleJoueur(QStringLiteral("Léa")), hugo = cleJoueur(QStringLiteral("Hugo")),
                      zoe = cleJoueur(QStringLiteral("Zoé"));
        int ignores = -1;
        const classe::Travail t = classe::lireTravail(
            QStringLiteral("\uFEFFclasse=2026-12-07 ce1_demi_quarts,inconnu,ce1_durees,ce1_durees\r\n%1=2026-11-23 ce2_conversions\n"
                           "%2=2026-12-08\nclasse 2026-12-07\nLéa=2026-12-07 cp_heures\nclasse=le 7 ce1_durees\n%3=2026-12-05 cp_heures\n")
                .arg(lea, hugo, zoe),
            &ignores);
        QCOMPARE(ignores, 3);
        QCOMPARE(t.classe->items, QStringList({"ce1_demi_quarts", "ce1_durees"}));
        QCOMPARE(classe::lireTravail(classe::ecrireTravail(t), &ignores), t);
        QCOMPARE(ignores, 0);
        const struct {
            QString cle;
            QDate jour;
            QStringList items;
        } cas[] = {
            {lea, {2026, 12, 6}, {}},                                          // before the class's week
            {lea, {2026, 12, 7}, {"ce1_demi_quarts", "ce1_durees"}},           // her own is over: the class's
            {lea, {2026, 11, 29}, {"ce2_conversions"}},                        // her own, its last day
            {hugo, {2026, 12, 13}, {"ce1_demi_quarts", "ce1_durees"}},         // his own is empty
            {hugo, {2026, 12, 14}, {}},                                        // a week after its first day
            {zoe, {2026, 12, 8}, {"cp_heures"}},                               // both current: her own
        };
        for (const auto& c : cas)
            QCOMPARE(classe::consignePour(t, c.cle, c.jour).value_or(classe::Consigne{}).items, c.items);

        // Given by two teachers, each changing only their target; read by
        // another computer, kept there for when the folder is away.
        QTemporaryDir d;
        const QString dossier = d.filePath(QStringLiteral("classe")), ici = d.filePath(QStringLiteral("B"));
        QVERIFY(QDir().mkpath(dossier) && QDir().mkpath(ici));
        QCOMPARE(classe::changerTravail(dossier, ici, {{}, t.classe}), std::nullopt);  // no class there yet
        const QString idClasse = classe::identiteClasse(dossier);
        QVERIFY(!idClasse.isEmpty());
        QCOMPARE(classe::travailClasse(dossier, ici), classe::Travail{});
        for (const QString& cle : {QString(), lea, hugo, zoe})
            QVERIFY(classe::changerTravail(dossier, ici, {cle, cle.isEmpty() ? t.classe : t.enfants.value(cle)}));
        classe::Travail donne = t;
        donne.enfants.remove(hugo);  // nothing ticked: he follows the class's
        QCOMPARE(classe::travailClasse(dossier, ici), donne);
        classe::synchroniser(ici, dossier, posteLocal(ici));
        // The folder away, or an empty mount point in its place: the copy.
        QVERIFY(QDir(dossier).removeRecursively());
        QCOMPARE(classe::travailSuivi(dossier, ici), donne);
        QVERIFY(QDir().mkpath(dossier));
        QCOMPARE(classe::travailSuivi(dossier, ici), donne);
        QCOMPARE(classe::travailClasse(dossier, ici), std::nullopt);
        // A pipe in its place is refused without hanging, and is no "none given".
        ecrire(QDir(dossier).filePath(classe::fichierIdentiteClasse), idClasse.toLatin1());
        QCOMPARE(mkfifo(qPrintable(QDir(dossier).filePath(classe::fichierTravail)), 0600), 0);
        QCOMPARE(classe::travailClasse(dossier, ici), std::nullopt);
        QCOMPARE(classe::changerTravail(dossier, ici, {{}, std::nullopt}), std::nullopt);
        QCOMPARE(classe::travailSuivi(dossier, ici), donne);
    }

    // A child erased on two computers and the class folder: once both have
    // reached the folder again, nothing of theirs is left in any file, and
    // the other child is whole. A namesake added later is someone else.
    void effacementPartout()
    {
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe"));
        QVERIFY(QDir().mkpath(c) && !classe::identiteClasse(c).isEmpty());
        const QStringList locaux{t.filePath(QStringLiteral("A")), t.filePath(QStringLiteral("B"))};
        for (const QString& local : locaux)
            for (const QString& nom : {QStringLiteral("Marjolaine"), QStringLiteral("Hugo")}) {
                ajouterReponse(local, posteLocal(local), nom, nom + QStringLiteral("-question-") + local.right(1));
                classe::synchroniser(local, c, posteLocal(local));
            }
        const QString cle = cleJoueur(QStringLiteral("Marjolaine"));
        QVERIFY(classe::changerTravail(c, locaux[0], {cle, classe::Consigne{QDate::currentDate(), {"cp_heures"}}}));
        QCOMPARE(classe::renommer(c, cle, QStringLiteral("Marjo")), classe::Resultat::Fait);
        QCOMPARE(classe::retirer(c, cleJoueur(QStringLiteral("Marjo"))), classe::Resultat::Fait);
        classe::synchroniser(locaux[0], c, posteLocal(locaux[0]));  // A puts her aside; B is away
        const QList<classe::Retire> partis = classe::retires(c);
        QCOMPARE(partis.size(), 1);
        QCOMPARE(partis[0].nom, QStringLiteral("Marjo"));
        QVERIFY(classe::effacer(c, partis[0], true));
        for (const QString& local : locaux)
            classe::synchroniser(local, c, posteLocal(local));
        QDirIterator fichiers(t.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        int hugo = 0;
        while (fichiers.hasNext()) {
            const QString f = fichiers.next();
            const QByteArray octets = systeme::lire(f, 0, 1 << 20).value_or(QByteArray());
            QVERIFY2(!octets.contains("Marjo") && !f.contains(cle) && !octets.contains(cle.toLatin1()), qPrintable(f));
            hugo += int(octets.count("Hugo-question-"));
        }
        QCOMPARE(hugo, 4);  // each computer's answer, here and in the class
        // This year's Marjolaine, added after: untouched by last year's record.
        QCOMPARE(classe::ajouter(c, QStringLiteral("Marjolaine")), classe::Resultat::Fait);
        ajouterReponse(locaux[1], posteLocal(locaux[1]), QStringLiteral("Marjolaine"), QStringLiteral("nouvelle"));
        classe::synchroniser(locaux[1], c, posteLocal(locaux[1]));
        classe::synchroniser(locaux[1], c, posteLocal(locaux[1]));
        QCOMPARE(questions(c).value(QStringLiteral("nouvelle")), 1);
    }

    // The other computers' answers, read while this one sends an answer
    // given meanwhile (counted already): that one is not counted again.
    void ailleursSansDoublon()
    {
        QTemporaryDir t;
        const QString c = t.filePath(QStringLiteral("classe")), local = t.filePath(QStringLiteral("ici"));
        QVERIFY(QDir().mkpath(c));
        const QString poste = posteLocal(local), lea = QStringLiteral("Léa");
        ajouterReponse(local, poste, lea, QStringLiteral("ici-1"));
        classe::synchroniser(local, c, poste);
        ajouterReponse(c, QStringLiteral("p00000000000000bb"), lea, QStringLiteral("ailleurs"));
        DepotJoueurs depot(local, poste);
        depot.suivreClasse(c);
        const LectureHistorique lu = depot.lireJoueurAilleurs(cleJoueur(lea), [&] {
            ajouterReponse(local, poste, lea, QStringLiteral("ici-2"));
            classe::synchroniser(local, c, poste);
        });
        QCOMPARE(lu.lignes.size(), 1);
        QCOMPARE(lu.lignes[0].question, QStringLiteral("ailleurs"));
    }

    void reglagesDeLaVoix()
    {
        int ignores = -1;
        const classe::Reglages r =
            classe::lireReglages("voix_coupee=oui\nlecture_auto=oui\nsons_coupes=non\nlecture_auto=peut-etre\n", &ignores);
        QVERIFY(r.voixCoupee && r.lectureAuto && !r.sonsCoupes);
        QCOMPARE(ignores, 1);
        QCOMPARE(classe::lireReglages(classe::ecrireReglages(r)), r);
    }

    // The command line wins over the user's setting, which wins over the
    // system-wide one (asked of a child process with its own settings folders).
    void dossierDeLaCommandeOuDesReglages()
    {
        QTemporaryDir t;
        ecrire(t.filePath(QStringLiteral("xdg/klepsos/klepsos.conf")), "[General]\nclasse=/srv/ecole/cm1\n");
        const auto demander = [&](const QString& option, bool utilisateur) {
            if (utilisateur)
                ecrire(t.filePath(QStringLiteral("home/klepsos/klepsos.conf")), "[General]\nclasse=/home/moi/classe\n");
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_DIRS"), t.filePath(QStringLiteral("xdg")));
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), t.filePath(QStringLiteral("home")));
            p.setProcessEnvironment(env);
            p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--dossier"), option});
            p.waitForFinished();
            return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        };
        QCOMPARE(demander(QString(), false), QStringLiteral("/srv/ecole/cm1"));
        QCOMPARE(demander(QStringLiteral("/mnt/classe/"), false), QStringLiteral("/mnt/classe"));
        QCOMPARE(demander(QString(), true), QStringLiteral("/home/moi/classe"));
        QCOMPARE(demander(QStringLiteral("/mnt/classe"), true), QStringLiteral("/mnt/classe"));
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.value(1) == QStringLiteral("--ordinateur"))
        return ordinateur(a.value(2), a.value(3), a.value(4), a.value(5).toInt());
    if (a.value(1) == QStringLiteral("--tenir")) {
        QLockFile verrou(a.value(2));
        if (!verrou.tryLock())
            return 1;
        QTextStream(stdout) << "tenu" << Qt::endl;
        QThread::sleep(60);
        return 0;
    }
    if (a.value(1) == QStringLiteral("--dossier")) {
        QTextStream(stdout) << classe::dossierClasse(a.value(2).isEmpty() ? std::nullopt : std::optional(a.value(2)), QSettings(QStringLiteral("klepsos"), QStringLiteral("klepsos"))) << '\n';
        return 0;
    }
    TstClasse t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_classe.moc"
