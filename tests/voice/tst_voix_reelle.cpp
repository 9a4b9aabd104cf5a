// SPDX-License-Identifier: GPL-3.0-or-later
// The real voice, end to end: the module opened as the program opens it,
// Speech Dispatcher and espeak-ng speaking to a null sound device, a
// statement going from "Écouter" to the engine's speaking state and back.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
    // voice ends at once meanwhile, and again later once it is idle.
    void finirSansAttendreLeMoteur()
    {
        ModuleVoix voix(QStringLiteral(KLEPSOS_MODULE_VOIX));
        voix.charger();
        QElapsedTimer t;
        t.start();
        voix.finir(100);
        QCOMPARE_LT(t.elapsed(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(voix.finir(100), 60000);
    }

    void ecouterJusquAuMoteur()
    {
        ModuleVoix voix(QStringLiteral(KLEPSOS_MODULE_VOIX));
        Banc b;
        b.r().voix = &voix;
        QVERIFY(b.demarrer());
        voix.charger();
        QTRY_VERIFY_WITH_TIMEOUT(voix.disponible(), 30000);
        QVERIFY(!voix.nomVoix().isEmpty());
        b.ouvrir("placer", "aiguilles");
        QVERIFY(b.visible("ecouter_enonce_aiguilles"));
        QSignalSpy parle(&voix, &Voix::parleChange);
        b.clic("ecouter_enonce_aiguilles");
        QVERIFY(!voix.parle());  // the click never waits for the engine
        QTRY_VERIFY_WITH_TIMEOUT(voix.parle(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!voix.parle(), 30000);
        QCOMPARE(parle.size(), 2);
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
    QTemporaryDir maison_;
};

QTEST_MAIN(TestVoixReelle)
#include "tst_voix_reelle.moc"
