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

    // At start-up only what the score's own saves leave (18.aBcDeF) is removed.
    void restesEnlevesAuDemarrage()
    {
        Banc b;
        for (const char* nom : {"18.aBcDeF", "18.zzzzzz", "18.abcde", "18.abc1ef", "18.abcdefg", "x18.abcdef"}) {
            QFile f(QDir(b.datas).filePath(nom));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
        }
        QVERIFY(b.demarrer());
        QCOMPARE(QDir(b.datas).entryList({"*18.*"}), QStringList({"18.abc1ef", "18.abcde", "18.abcdefg", "x18.abcdef"}));
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
    QApplication app(argc, argv);
    TstScoreRobuste tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_score_robuste.moc"
