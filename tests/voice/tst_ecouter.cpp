// SPDX-License-Identifier: GPL-3.0-or-later
// "Écouter" on the screens, through a fake voice: what is said, and when
// (on a click, by F5, as it appears), and nothing without a voice.
#include <QAccessible>
#include <QPointingDevice>
#include <QTest>

#include "shell/presentation.h"
#include "support/banc.h"
#include "voice/ecouter.h"

namespace {

const QString placer = QStringLiteral("Place les aiguilles sur ");

struct Programme : Banc {
    explicit Programme(bool avecVoix)
    {
        if (avecVoix)
            voix.rendreDisponible();
        demarrer();
    }
    QList<Ecouter*> hautParleurs(const char* nom)
    {
        return ecranNomme(nom)->findChildren<Ecouter*>(Qt::FindDirectChildrenOnly);
    }
};

}  // namespace

class TestEcouter : public QObject {
    Q_OBJECT

private slots:
    void sansVoixRienNeChange()
    {
        Programme p(false);
        p.ouvrir("placer", "aiguilles");
        QVERIFY(!p.w("ecouter_enonce_aiguilles")->isVisible());
        p.clic("ecouter_enonce_aiguilles");
        p.taper("F5");
        QVERIFY(p.voix.dits.isEmpty());
    }

    void unParEnonce()
    {
        Programme p(true);
        const QList<std::pair<const char*, int>> ecrans{{"exercices", 6}, {"jeux_dates", 4}, {"aiguilles", 1}, {"lecon", 5}};
        for (const auto& [nom, combien] : ecrans) {
            const QList<Ecouter*> tous = p.hautParleurs(nom);
            QCOMPARE(tous.size(), combien);
            auto* ecran = qobject_cast<Screen*>(p.ecranNomme(nom));
            for (Ecouter* e : tous) {
                QVERIFY(ecran->focusOrder().contains(e));
                QCOMPARE(QAccessible::queryAccessibleInterface(e)->text(QAccessible::Name), QStringLiteral("Écouter"));
                QCOMPARE(QAccessible::queryAccessibleInterface(e)->role(), QAccessible::Button);
            }
        }
    }

    // The lesson, a page to read, said part by part: the date in full, the
    // time in words, the weekday lines without their arrows.
    void lecon()
    {
        Programme p(true);
        p.ouvrir("apprendre", "lecon");
        p.clic("ecouter_date");
        QCOMPARE(p.voix.dits.last(), QStringLiteral("samedi 5 décembre 2026 9 heures 5 minutes et 7 secondes"));
        p.clic("ecouter_semaine");
        QVERIFY(p.voix.dits.last().contains(QStringLiteral("Lundi : jour de la Lune")));
        QCOMPARE(p.voix.dits.size(), 2);
    }

    void clicPuisVerdict()
    {
        Programme p(true);
        p.ouvrir("placer", "aiguilles");
        QCoreApplication::processEvents();
        QVERIFY(p.voix.dits.isEmpty());  // nothing said unasked
        p.clic("ecouter_enonce_aiguilles");
        QCOMPARE(p.voix.dits.size(), 1);
        QVERIFY(p.voix.dits.last().startsWith(placer));
        QVERIFY(p.voix.dits.last().endsWith(QStringLiteral("puis clique sur Vérifier.")));
        QVERIFY(!p.voix.dits.last().contains(QStringLiteral(" mn")));
        // Judged: the statement as it was, then the verdict written over it.
        const QString enonce = p.voix.dits.last();
        p.clic("verifier_aiguilles");
        QVERIFY(p.voix.dits.size() == 1);  // nor the verdict
        const int arrets = p.voix.arrets;
        p.clic("ecouter_enonce_aiguilles");
        QCOMPARE(p.voix.arrets, arrets + 1);
        QVERIFY(p.voix.dits.last().startsWith(enonce + QLatin1Char(' ')));
        QVERIFY(p.voix.dits.last().contains(QRegularExpression(" (Erreur, il fallait|Bravo !) ")));
        // F5 from the keyboard says it again.
        p.taper("F5");
        QCOMPARE(p.voix.dits.size(), 3);
        QCOMPARE(p.voix.dits[2], p.voix.dits[1]);
    }

    void lectureAutomatique()
    {
        Programme p(true);
        p.r().lecture_auto_poste = true;
        p.ouvrir("placer", "aiguilles");
        QTRY_COMPARE(p.voix.dits.size(), 1);
        QVERIFY(p.voix.dits[0].startsWith(placer));
        p.clic("verifier_aiguilles");
        QCOMPARE(p.voix.dits.size(), 2);
        QVERIFY(p.voix.dits[1].startsWith(QStringLiteral("Erreur, il fallait"))
                || p.voix.dits[1].startsWith(QStringLiteral("Bravo !")));
        p.clic("encore_aiguilles");
        QTRY_COMPARE(p.voix.dits.size(), 3);
        QVERIFY(p.voix.dits[2].startsWith(placer));
        // Leaving stops the voice; six statements appear at once: the first is said, not six cut short.
        const int arrets = p.voix.arrets;
        p.clic("retour");
        QCOMPARE(p.voix.arrets, arrets + 1);
        p.ecran = "depart";
        p.ouvrir("exos", "exercices");
        QTest::qWait(20);
        QCOMPARE(p.voix.dits.size(), 4);
    }

    void ecranDeDepart()
    {
        Programme p(true);
        QVERIFY(p.visible("lecture_auto"));
        p.taper("Tab");
        QVERIFY(p.voix.dits.isEmpty());  // the captions are not read unasked
        p.clic("lecture_auto");
        QCOMPARE(p.voix.dits, QStringList{"Je lis tout à voix haute."});
        QCOMPARE(p.w("lecture_auto")->accessibleName(), QStringLiteral("Tout lire à voix haute : oui"));
        p.taper("Tab");
        QCOMPARE(p.voix.dits.last(), QStringLiteral("Jouer avec Klepsos"));
        p.clic("lecture_auto");
        QCOMPARE(p.voix.dits.size(), 2);
        QVERIFY(!p.r().lectureAuto());
        // Read aloud by the computer's setting: a finger held on a drawing, through the scaled view.
        p.r().lecture_auto_poste = true;
        static QPointingDevice* doigt = QTest::createTouchDevice();
        QWidget* placer = p.w("placer");
        const QPoint ou = p.app->presentation()->mapFromScene(placer->mapTo(p.app->fenetre(), placer->rect().center()));
        QTest::touchEvent(p.app->presentation()->viewport(), doigt).press(0, ou);
        QCOMPARE(p.voix.dits.last(), QStringLiteral("Placer les aiguilles"));
        QTest::touchEvent(p.app->presentation()->viewport(), doigt).release(0, ou);
    }

    void choixDeLEnfantEtDeLaClasse()
    {
        Programme p(true);
        p.r().choisirLectureAuto(true);
        QVERIFY(p.r().lectureAuto());
        p.r().choisirLectureAuto(false);
        QVERIFY(!p.r().lectureAuto());
        p.r().lecture_auto_classe = true;
        QVERIFY(p.r().lectureAuto());
        // The class silences the voice: nothing is said, whatever reads aloud.
        p.r().voix_coupee = true;
        p.ouvrir("placer", "aiguilles");
        QTest::qWait(10);
        QVERIFY(p.voix.dits.isEmpty());
    }
};

QTEST_MAIN(TestEcouter)
#include "tst_ecouter.moc"
