// SPDX-License-Identifier: GPL-3.0-or-later
// The real voice, end to end: its program started as Klepsos starts it,
// Speech Dispatcher and espeak-ng speaking to a null sound device, a
// statement going from "Écouter" to the engine's speaking state and back.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "support/banc.h"
#include "voice/modulevoix.h"

class TestVoixReelle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A private home whose Speech Dispatcher speaks to nothing, and
        // returns: with no sound device it would never finish a sentence.
        QVERIFY(maison_.isValid());
        const QDir d(maison_.path());
        QVERIFY(d.mkpath(".config/speech-dispatcher") && d.mkpath("run"));
        QFile::setPermissions(d.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile conf(d.filePath(".config/speech-dispatcher/speechd.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("AudioOutputMethod \"alsa\"\nAudioALSADevice \"null\"\nDefaultModule espeak-ng\n"
                   "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n");
        conf.close();
        qputenv("HOME", maison_.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", d.filePath("run").toLocal8Bit());
    }

    // Speech Dispatcher takes seconds to start and list its voices: the
    // voice's program is ended at once meanwhile, and none is left behind.
    void finirSansAttendreLeMoteur()
    {
        ModuleVoix voix(QStringLiteral(KLEPSOS_MODULE_VOIX));
        voix.charger();
        QTRY_COMPARE(programmesDeVoix().size(), 1);
        QElapsedTimer t;
        t.start();
        voix.finir(100);
        QCOMPARE_LT(t.elapsed(), 1000);
        QVERIFY(programmesDeVoix().isEmpty());
    }

    // The Speech Dispatchers these tests started go with them: left behind
    // they would go on listing voices beside the next tests.
    void cleanupTestCase() { QProcess::execute("pkill", {"-f", "--", maison_.path()}); }

    // Its input ended (Klepsos gone, however it went) while its engine
    // starts: it ends at once, not once the engine is done.
    void finDeLEntreeSansAttendreLeMoteur()
    {
        // A Speech Dispatcher of its own, that takes seconds to start.
        const QString run = QDir(maison_.path()).filePath("run-fin");
        QVERIFY(QDir().mkpath(run));
        QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", run);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KLEPSOS_MODULE_VOIX));
        QVERIFY(p.waitForStarted());
        QTest::qWait(100);
        QElapsedTimer t;
        t.start();
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(5000));
        const qint64 duree = t.elapsed();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE_LT(duree, 200);
    }

    // The voice's program gone (killed, crashed): no voice, no loudspeaker.
    void moduleArreteSansVoix()
    {
        ModuleVoix voix(QStringLiteral(KLEPSOS_MODULE_VOIX));
        Banc b;
        ouvrirAvecLaVoix(voix, b);
        if (QTest::currentTestFailed())
            return;
        const QList<qint64> pids = programmesDeVoix();
        QCOMPARE(pids.size(), 1);
        QCOMPARE(::kill(pid_t(pids.first()), SIGKILL), 0);
        QTRY_VERIFY(!voix.disponible());
        QVERIFY(!b.visible("ecouter_enonce_aiguilles"));
        voix.dire(QStringLiteral("Bonjour"));
        QVERIFY(!voix.parle());
    }

    void ecouterJusquAuMoteur()
    {
        ModuleVoix voix(QStringLiteral(KLEPSOS_MODULE_VOIX));
        Banc b;
        ouvrirAvecLaVoix(voix, b);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!voix.nomVoix().isEmpty());
        QSignalSpy parle(&voix, &Voix::parleChange);
        b.clic("ecouter_enonce_aiguilles");
        QVERIFY(!voix.parle());  // the click never waits for the engine
        // Told, not polled: speaking to a null device, a sentence can begin
        // and end between two looks at the state.
        QTRY_COMPARE_WITH_TIMEOUT(parle.size(), 2, 30000);
        QCOMPARE(parle.at(0).at(0).toBool(), true);
        QCOMPARE(parle.at(1).at(0).toBool(), false);
        QVERIFY(!voix.parle());
    }

    void sansModuleSansVoix()
    {
        ModuleVoix voix(QDir(maison_.path()).filePath("klepsos-voix"));
        QSignalSpy pret(&voix, &Voix::disponibiliteChangee);
        voix.charger();
        voix.dire(QStringLiteral("Bonjour"));
        QVERIFY(!voix.disponible() && !voix.parle() && pret.isEmpty());
    }

private:
    // The real voice ready, and "Placer les aiguilles" open with its loudspeaker.
    static void ouvrirAvecLaVoix(ModuleVoix& voix, Banc& b)
    {
        b.r().voix = &voix;
        QVERIFY(b.demarrer());
        voix.charger();
        QTRY_VERIFY_WITH_TIMEOUT(voix.disponible(), 60000);
        b.ouvrir("placer", "aiguilles");
        QVERIFY(b.visible("ecouter_enonce_aiguilles"));
    }

    // The voice's programs this test started and that still run.
    static QList<qint64> programmesDeVoix()
    {
        QList<qint64> pids;
        for (const QString& n : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(n));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            // pid (name) state ppid ...
            const QByteArray l = stat.readAll();
            const qsizetype fin = l.lastIndexOf(')');
            const QList<QByteArray> champs = l.mid(fin + 2).split(' ');
            if (l.contains("(klepsos-voix)") && champs.size() > 1 && champs[0] != "Z"
                && champs[1].toLongLong() == QCoreApplication::applicationPid())
                pids << n.toLongLong();
        }
        return pids;
    }

    QTemporaryDir maison_;
};

QTEST_MAIN(TestVoixReelle)
#include "tst_voix_reelle.moc"
