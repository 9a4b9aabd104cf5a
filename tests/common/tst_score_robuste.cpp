// SPDX-License-Identifier: GPL-3.0-or-later
// The score file under bad conditions: a full disk, the file turned into a
// folder, the folder gone, the program killed while saving. The previous
// file must stay whole whenever the new one cannot be written whole, and the
// program must still quit.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

#include "common/score.h"
#include "support/banc.h"

namespace {

const QByteArray ancien = octetsScore(5, 3, 2);

Compteurs compteurs(qint32 exercices, qint32 justes, qint32 erreurs)
{
    Compteurs c;
    c.nb_exercices.ajouter(exercices);
    c.nb_justes.ajouter(justes);
    c.nb_erreurs = erreurs;
    return c;
}

const Compteurs compteursA = compteurs(7, 4, 3);
const Compteurs compteursB = compteurs(40000, 30000, 70000);
const char* const boucleDeSauvegardes = "KLEPSOS_TEST_BOUCLE_DE_SAUVEGARDES";
const char* const ajoutsEnBoucle = "KLEPSOS_TEST_AJOUTS";
constexpr int ajouts = 150;

QByteArray lireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A full disk, as the kernel reports it to a process over its file-size
// limit: writes past the limit fail (with SIGXFSZ ignored, as EFBIG). Only
// the soft limit is lowered, so it can be raised back.
class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &avant_);
        ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = avant_;
        l.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~DisquePlein()
    {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, ancienSignal_);
    }

private:
    rlimit avant_{};
    void (*ancienSignal_)(int) = nullptr;
};

// The names in a folder besides the score file: a failed save must not leave
// its temporary file behind.
QStringList restes(const QString& dossier)
{
    QStringList noms = QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    noms.removeAll(QStringLiteral("18"));
    return noms;
}

// A save meets a folder where the file should be (its opening fails, as in
// a read-only folder), a full disk (its writing fails), or no folder at all.
enum class Panne { DisquePlein, ScoreEnDossier, DossierEfface };

// Breaks the folder of a score file in one of these ways; returns what puts things back.
std::function<void()> casser(Panne p, const QString& dossier)
{
    const QString fichier = QDir(dossier).filePath(QStringLiteral("18"));
    if (p == Panne::DisquePlein) {
        auto plein = std::make_shared<DisquePlein>(0);
        return [plein]() mutable { plein.reset(); };
    }
    if (p == Panne::ScoreEnDossier) {
        QFile::remove(fichier);
        QDir(fichier).mkpath(QStringLiteral("dedans"));
    } else {
        QDir(dossier).removeRecursively();
    }
    return [] {};
}

}  // namespace

Q_DECLARE_METATYPE(Panne)

class TstScoreRobuste : public QObject {
    Q_OBJECT

private slots:
    // Quitting with a save that fails leaves the old file whole, no
    // temporary file, and still restores the display and ends.
    void quitterMalgreUnEchec_data()
    {
        QTest::addColumn<Panne>("panne");
        QTest::newRow("disque plein") << Panne::DisquePlein;
        QTest::newRow("score devenu un dossier") << Panne::ScoreEnDossier;
        QTest::newRow("dossier des donnees efface") << Panne::DossierEfface;
    }
    void quitterMalgreUnEchec()
    {
        QFETCH(Panne, panne);
        Banc b(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)), ancien);
        QVERIFY(b.demarrer());
        b.r().compterReponse(true);
        b.r().nb_exercices.ajouter(40000);
        QSignalSpy fini(b.app.get(), &Klepsos::finished);

        {
            auto remettre = casser(panne, b.datas);
            Banc::cliquer(b.trouver<QWidget>("depart", "fin"));
            remettre();
        }
        QCOMPARE(fini.size(), 1);
        QVERIFY(!b.app->scoreSauve());
        QVERIFY(b.affichage.calls.endsWith(QStringLiteral("taskbar 64")));
        QVERIFY(!b.app->fenetre()->isVisible());
        if (panne == Panne::ScoreEnDossier) {
            // A folder where the file should be reads as a fresh start.
            QVERIFY(QFileInfo::exists(QDir(b.datas).filePath(QStringLiteral("18/dedans"))));
            QCOMPARE(score::charger(QDir(b.datas).filePath(QStringLiteral("18"))), Compteurs{});
        } else if (panne != Panne::DossierEfface) {
            QCOMPARE(b.octetsScore().toHex(), ancien.toHex());
            QCOMPARE(restes(b.datas).filter(QStringLiteral("18")), QStringList());
        }
    }

    // A child process saves two scores of different lengths in turn and is
    // killed at many different moments: the file left is always one of them,
    // whole. The child is this program started afresh, not a fork of this
    // threaded process, and it reports each save done: the kills are paced
    // by its progress, so a slow machine still sees both sides of a save.
    void tueEnPleineSauvegarde()
    {
        QTemporaryDir tmp;
        const QString fichier = tmp.filePath(QStringLiteral("18"));
        const QByteArray octetsA = octetsScore(7, 4, 3);
        const QByteArray octetsB = QByteArray::fromHex("020001000300409c00000200307570110100");
        QVERIFY(score::sauver(fichier, compteursA));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(boucleDeSauvegardes), fichier);

        int vusA = 0, vusB = 0;
        for (int i = 0; i < 40; ++i) {
            QProcess enfant;
            enfant.setProcessEnvironment(env);
            enfant.start(QCoreApplication::applicationFilePath(), {});
            // Saves alternate B, A, B...: after an odd count B is whole.
            while (enfant.bytesAvailable() < 1 + i % 4)
                QVERIFY2(enfant.waitForReadyRead(20000), "the saving child stays silent");
            // Then from at once to about a millisecond, at uneven steps.
            usleep(useconds_t((i * 37) % 1200));
            enfant.kill();
            QVERIFY(enfant.waitForFinished() && enfant.exitStatus() == QProcess::CrashExit);

            const QByteArray lu = lireFichier(fichier);
            QVERIFY2(lu == octetsA || lu == octetsB, qPrintable(QString::number(i) + ": " + lu.toHex()));
            (lu == octetsA ? vusA : vusB)++;
            // A save cut short may leave its temporary file; it is never
            // mistaken for the score, and is cleared here to keep counting.
            for (const QString& nom : restes(tmp.path()))
                QFile::remove(tmp.filePath(nom));
        }
        QVERIFY2(vusA > 0 && vusB > 0, qPrintable(QStringLiteral("%1 / %2").arg(vusA).arg(vusB)));
    }

    // At start-up only the temporary files of the program's own saves go; a
    // user's copies beside the score stay, whatever their names.
    void restesEnlevesAuDemarrage()
    {
        Banc b;
        const QStringList restent{".18.klepsos-abc", ".18.klepsos-abcdefg", "18.aBcDeF", "18.ancien", "18.backup",
                                  "x.18.klepsos-abcdef"};
        for (const QString& nom : restent + QStringList{".18.klepsos-aB3dEf", ".18.klepsos-zzzzzz"}) {
            QFile f(QDir(b.datas).filePath(nom));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
        }
        QVERIFY(b.demarrer());
        QCOMPARE(QDir(b.datas).entryList({"*18.*"}, QDir::Files | QDir::Hidden), restent);
    }

    // Two copies of the program on one score, each adding its own runs at
    // once: every answer of both is in the file. A run that played nothing
    // leaves the file as it is, even absent.
    void deuxCopiesAjoutent()
    {
        QTemporaryDir tmp;
        const QString fichier = tmp.filePath(QStringLiteral("18"));
        QVERIFY(score::sauver(fichier, compteurs(5, 3, 2)));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(ajoutsEnBoucle), fichier);
        QProcess copies[2];
        for (QProcess& c : copies) {
            c.setProcessEnvironment(env);
            c.start(QCoreApplication::applicationFilePath(), {});
        }
        for (QProcess& c : copies)
            QVERIFY(c.waitForFinished(60000) && c.exitStatus() == QProcess::NormalExit && c.exitCode() == 0);
        const Compteurs total = score::charger(fichier);
        QCOMPARE(total.nb_exercices.valeur, 5 + 2 * ajouts);
        QCOMPARE(total.nb_justes.valeur, 3 + 2 * ajouts);
        QCOMPARE(total.nb_erreurs, 2 + 2 * ajouts);

        const QByteArray avant = lireFichier(fichier);
        const Compteurs c = compteurs(9, 9, 9);
        QCOMPARE(score::ajouterSession(fichier, c, c), score::Ajout::RienAAjouter);
        QCOMPARE(lireFichier(fichier), avant);
        const QString absent = tmp.filePath(QStringLiteral("absent"));
        QCOMPARE(score::ajouterSession(absent, c, c), score::Ajout::RienAAjouter);
        QVERIFY(!QFileInfo::exists(absent));
        QCOMPARE(restes(tmp.path()), QStringList());
    }
};

// Started with boucleDeSauvegardes set, this program only saves B, A, B...
// to the file it names, one byte on its output after each save, until killed.
int main(int argc, char** argv)
{
    const QString fichier = qEnvironmentVariable(boucleDeSauvegardes);
    for (int n = 0; !fichier.isEmpty(); ++n)
        if (score::sauver(fichier, n % 2 ? compteursA : compteursB) && write(STDOUT_FILENO, "x", 1) != 1)
            return 1;
    // Started with ajoutsEnBoucle set: that many runs, each counting one
    // exercise, one right answer and one wrong, saved one after the other.
    const QString cible = qEnvironmentVariable(ajoutsEnBoucle);
    for (int n = 0; n < ajouts && !cible.isEmpty(); ++n)
        if (score::ajouterSession(cible, Compteurs{}, compteurs(1, 1, 1)) != score::Ajout::Ajoute)
            return 1;
    if (!cible.isEmpty())
        return 0;
    QApplication app(argc, argv);
    TstScoreRobuste tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_score_robuste.moc"
