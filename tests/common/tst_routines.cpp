#include <QLabel>
#include <QTest>

#include "common/routines.h"
#include "support/fakes.h"
#include "ui/picturebox.h"

class TstRoutines : public QObject {
    Q_OBJECT

    FixedClock clock;
    ScriptedRandom random;
    RecordingSoundPlayer sons;
    RecordingDisplay affichage;

    Routines nouveau() { return Routines(clock, random, sons, affichage, QStringLiteral("/nulle/part")); }

private slots:
    void init() { sons.played.clear(); affichage.calls.clear(); }

    void rotationDesClics()
    {
        Routines r = nouveau();
        for (int i = 0; i < 11; ++i)
            r.SonClic();
        QCOMPARE(sons.played, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "1"}));
    }

    void victoiresEtDefaitesTournentSeparement()
    {
        Routines r = nouveau();
        r.compterReponse(true);
        r.compterReponse(true);
        r.SonClic();
        r.compterReponse(true);
        r.compterReponse(false);
        r.compterReponse(true);
        r.compterReponse(false);
        QCOMPARE(sons.played, QStringList({"1.vic", "2.vic", "1", "3.vic", "1.def", "4.vic", "2.def"}));
        r.compterReponse(true);
        QCOMPARE(sons.played.last(), QStringLiteral("1.vic"));
        QCOMPARE(r.nb_justes.valeur, 5);
        QCOMPARE(r.nb_erreurs, 2);
        // Answers alone do not count exercises; compterExercice does.
        QCOMPARE(r.nb_exercices.valeur, 0);
        QLabel score;
        r.compterExercice(&score);
        QCOMPARE(score.text(), QStringLiteral("\nExercices --> 1  Justes --> 5  Erreurs --> 2"));
    }

    void jouerSonTelQuel()
    {
        Routines r = nouveau();
        r.JouerSon(QStringLiteral("5"));
        QCOMPARE(sons.played, QStringList({"5"}));
        QCOMPARE(r.rang_clic, 0);
    }

    void changerResolution_data()
    {
        QTest::addColumn<int>("modes");
        QTest::addColumn<float>("largeur");
        QTest::addColumn<float>("hauteur");
        QTest::addColumn<QStringList>("appels");
        QTest::newRow("640x480") << 2 << 640.f << 480.f
                                 << QStringList({"enum 0", "enum 1", "enum 2", "change 180000 640x480"});
        // The enumeration may fail at once: the change is asked for anyway.
        QTest::newRow("aucun mode") << 0 << 1024.f << 768.f
                                    << QStringList({"enum 0", "change 180000 1024x768"});
        // Halves go to the even neighbour.
        QTest::newRow("demis") << 0 << 1280.5f << 1023.5f
                               << QStringList({"enum 0", "change 180000 1280x1024"});
    }
    void changerResolution()
    {
        QFETCH(int, modes);
        QFETCH(float, largeur);
        QFETCH(float, hauteur);
        QFETCH(QStringList, appels);
        Routines r = nouveau();
        affichage.modes = modes;
        r.ChangerResolution(largeur, hauteur);
        QCOMPARE(affichage.calls, appels);
    }

    void dessinerMontre_data()
    {
        QTest::addColumn<QTime>("t");
        QTest::addColumn<QPointF>("finMinutes");
        QTest::addColumn<QPointF>("finHeures");
        QTest::newRow("3 h 45") << QTime(3, 45, 10) << QPointF(18, 64) << QPointF(98, 64);
        QTest::newRow("midi") << QTime(12, 0, 0) << QPointF(68, 14) << QPointF(68, 34);
        // The hour hand points at the hour mark, whatever the minutes.
        QTest::newRow("18 h 59") << QTime(18, 59, 59) << QPointF(68 - 50 * std::sin(6 * Routines::pi / 180), 64 - 50 * std::cos(6 * Routines::pi / 180))
                                 << QPointF(68, 94);
    }
    void dessinerMontre()
    {
        QFETCH(QTime, t);
        QFETCH(QPointF, finMinutes);
        QFETCH(QPointF, finHeures);
        Routines r = nouveau();
        PictureBox montre, montre2;
        QPixmap face(136, 138);
        face.fill(Qt::white);
        montre2.setPicture(face);
        r.montre = &montre;
        r.montre2 = &montre2;
        r.centre_x = 68;
        r.centre_y = 64;
        clock.set(QDateTime(QDate(2026, 12, 5), t));
        montre.drawLine({0, 0}, {1, 1}, Qt::green);
        r.DessinerMontre();
        // The old hands are gone: only the minute hand (blue) then the hour
        // hand (red, drawn over it) remain.
        QCOMPARE(montre.lines().size(), 2);
        const auto& m = montre.lines().at(0);
        const auto& h = montre.lines().at(1);
        QCOMPARE(m.color, QColor(0, 0, 255));
        QCOMPARE(h.color, QColor(255, 0, 0));
        QCOMPARE(m.width, 2.0);
        QCOMPARE(m.line.p1(), QPointF(68, 64));
        QVERIFY(QLineF(m.line.p2(), finMinutes).length() < 1e-4);
        QVERIFY(QLineF(h.line.p2(), finHeures).length() < 1e-4);
        QVERIFY(std::abs(r.fin_x - finMinutes.x()) < 1e-4);
        QVERIFY(std::abs(r.fin_y - finMinutes.y()) < 1e-4);
        QCOMPARE(int(r.minute_montre), t.minute());
        QCOMPARE(montre.picture().size(), face.size());
    }

    void rendreFocus()
    {
        Routines r = nouveau();
        QWidget ecran;
        QWidget* autre = new QWidget(&ecran);
        autre->setFocusPolicy(Qt::StrongFocus);
        ecran.setFocusPolicy(Qt::ClickFocus);
        ecran.show();
        QApplication::setActiveWindow(&ecran);
        QVERIFY(QTest::qWaitForWindowActive(&ecran));
        autre->setFocus();
        QVERIFY(autre->hasFocus());
        r.rendre_focus = 0;
        r.RendreFocus(&ecran);
        QVERIFY(autre->hasFocus());
        r.rendre_focus = 1;
        r.RendreFocus(&ecran);
        QVERIFY(ecran.hasFocus());
        QCOMPARE(r.rendre_focus, 0);
    }
};

QTEST_MAIN(TstRoutines)
#include "tst_routines.moc"
