// SPDX-License-Identifier: GPL-3.0-or-later
// Setting a clock by hand: its gearing, which hand a press takes, the keys,
// the levels' draws, then the screen played by mouse and by finger through
// the scaled window; and the other clocks' real hour hand on demand.
#include <QAccessible>
#include <QLabel>
#include <QPointingDevice>
#include <QTest>
#include <QtMath>

#include "clock/aiguilles.h"
#include "clock/ecranaiguilles.h"
#include "clock/horlogeaiguilles.h"
#include "programme/adaptation.h"
#include "shell/presentation.h"
#include "support/banc.h"
#include "tips/astuces.h"

using namespace aiguilles;

namespace {

// A program opened on the hands screen, its answers recorded.
struct Ecran : Banc {
    RecordingRegistre registre;
    explicit Ecran(std::initializer_list<double> tirages)
    {
        random.push(tirages);
        if (!demarrer())
            return;
        r().registre = &registre;
        ouvrir("placer", "aiguilles");
    }
    HorlogeAiguilles* horloge() { return w<HorlogeAiguilles>("horloge_aiguilles"); }
    QPoint surCadran(double angle) { return vue(horloge(), horloge()->point(angle, horloge()->rayon() * 0.6)); }
    // The hand taken at one angle, led through the others, let go at the last.
    void glisser(const QList<double>& angles)
    {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, surCadran(angles.first()));
        for (double a : angles.mid(1))
            QTest::mouseMove(viewport(), surCadran(a));
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, surCadran(angles.last()));
    }
    void glisserDoigt(const QList<double>& angles)
    {
        QTest::touchEvent(viewport(), doigt).press(0, surCadran(angles.first()));
        for (double a : angles.mid(1))
            QTest::touchEvent(viewport(), doigt).move(0, surCadran(a));
        QTest::touchEvent(viewport(), doigt).release(0, surCadran(angles.last()));
        QCoreApplication::processEvents();
    }
};

}  // namespace

class TstAiguilles : public QObject {
    Q_OBJECT

private slots:
    void rouages()
    {
        // Angles: 4 h 30 puts the hour hand halfway between 4 and 5.
        const struct { int h, m; double heures, minutes; QString texte; } angles[] = {
            {4, 30, 135, 180, "4 h 30"}, {12, 0, 0, 0, "12 h"},
            {3, 45, 112.5, 270, "3 h 45"}, {11, 59, 359.5, 354, "11 h 59"}, {12, 5, 2.5, 30, "12 h 05"}};
        for (const auto& a : angles) {
            QCOMPARE(angleHeures(depuis(a.h, a.m)), a.heures);
            QCOMPARE(angleMinutes(depuis(a.h, a.m)), a.minutes);
            QCOMPARE(texte(depuis(a.h, a.m)), a.texte);
        }
        // The minute hand led to a direction: across the 12 both ways.
        const struct { int h, m; double vers; int h2, m2; } minutes[] = {
            {4, 55, 12, 5, 2}, {5, 3, 330, 4, 55}, {12, 58, 6, 1, 1}, {12, 2, 354, 11, 59},
            {4, 10, 90, 4, 15}, {4, 10, 92.9, 4, 15}, {4, 10, 93.1, 4, 16}, {6, 0, -30, 5, 55}};
        for (const auto& c : minutes)
            QCOMPARE(texte(tournerMinutes(depuis(c.h, c.m), c.vers)), texte(depuis(c.h2, c.m2)));
        // The hour hand: the nearest hour, the minutes kept.
        const struct { int h, m; double vers; int h2; } heures[] = {
            {4, 45, 210, 6}, {4, 45, 225, 7}, {4, 45, 250, 8}, {7, 0, 5, 12}, {7, 30, 350, 11}, {1, 30, 14, 12}};
        for (const auto& c : heures)
            QCOMPARE(texte(tournerHeures(depuis(c.h, c.m), c.vers)), texte(depuis(c.h2, c.m)));
        // Which hand a press takes at 4 h 30 (hour 135, minutes 180): ties
        // go to the minute hand.
        const struct { double angle; Aiguille prise; } presses[] = {
            {150, Aiguille::Heures}, {157.5, Aiguille::Minutes}, {160, Aiguille::Minutes},
            {100, Aiguille::Heures}, {0, Aiguille::Heures}, {-60, Aiguille::Minutes}};
        for (const auto& p : presses)
            QCOMPARE(plusProche(depuis(4, 30), p.angle), p.prise);
        QCOMPARE(plusProche(0, 90), Aiguille::Minutes);
        // Seconds: the minute hand a sixtieth of a division on for each,
        // the seconds hand led across the 12 carries into the minutes.
        QCOMPARE(texteSecondes(depuis(4, 45), 30), "4 h 45 min 30 s");
        QCOMPARE(angleMinutes(depuis(4, 45), 30), 273.0);
        QCOMPARE(angleSecondes(30), 180.0);
        const struct { int h, m, s; double vers; int h2, m2, s2; } secondes[] = {
            {4, 59, 58, 12, 5, 0, 2}, {5, 0, 3, 354, 4, 59, 59}, {12, 0, 0, 354, 11, 59, 59}, {4, 10, 20, 90, 4, 10, 15}};
        for (const auto& c : secondes)
            QCOMPARE(tournerSecondes(depuis(c.h, c.m) * 60 + c.s, c.vers), depuis(c.h2, c.m2) * 60 + c.s2);
        QCOMPARE(avancerSecondes(0, -1), tourSecondes - 1);
        QCOMPARE(avancerSecondes(depuis(3, 59) * 60 + 59, 1), depuis(4, 0) * 60);
        // At 4 h 30 min 40 s (hour 135, minutes 184, seconds 240).
        QCOMPARE(plusProche(depuis(4, 30), 40, 235), Aiguille::Secondes);
        QCOMPARE(plusProche(depuis(4, 30), 40, 190), Aiguille::Minutes);
        QCOMPARE(plusProche(depuis(4, 30), 40, 140), Aiguille::Heures);
    }

    void tiragesDesNiveaux()
    {
        // Every level's draw, the time shown left out.
        const struct { Niveau n; double r; int affichee, attendue; } tirages[] = {
            {Niveau::Heures, 0, 0, 60},           {Niveau::Heures, 0.999, 0, 660},
            {Niveau::Heures, 0, 60, 0},           {Niveau::DemiHeures, 0.999, 0, 690},
            {Niveau::QuartsDHeure, 0.5, 0, 360},  {Niveau::CinqMinutes, 0.999, 0, 715},
            {Niveau::ToutesLesMinutes, 0, 0, 1},  {Niveau::ToutesLesMinutes, 0.999, 719, 718},
            {Niveau::QuartsDHeure, 0, 7, 0}};
        for (const auto& t : tirages) {
            ScriptedRandom hasard;
            hasard.push({t.r});
            QCOMPARE(tirer(hasard, t.n, t.affichee), t.attendue);
        }
        SystemRandom hasard;
        const int pasAttendus[] = {60, 30, 15, 5, 1, 5, 1};
        for (Niveau n : aiguilles::niveaux) {
            QCOMPARE(depuisCle(cle(n)), n);
            for (int i = 0; i < 300; ++i) {
                const int t = tirer(hasard, n, 0);
                QVERIFY(t > 0 && t < 720 && t % pasAttendus[int(n)] == 0);
                // The afternoon's 13 h to 23 h 55: never 12 h on the dial.
                QVERIFY(n != Niveau::ApresMidi || t >= 60);
                const int s = tirerSecondes(hasard);
                QVERIFY(s >= 0 && s < 60 && s % 5 == 0);
            }
        }
        QCOMPARE(depuisCle("n'importe"), Niveau::Heures);
    }

    void justeALaSouris()
    {
        // 3 h 0 asked; the hands, both on the 12, give the minute hand, led
        // three times round.
        Ecran e({pour(2, 11, 0)});
        QVERIFY(e.visible("horloge_aiguilles"));
        QCOMPARE(e.texte("enonce_aiguilles"), "Place les aiguilles sur 3 h,\npuis clique sur Vérifier.");
        QVERIFY(!e.visible("encore_aiguilles"));
        QList<double> tours;
        for (int i = 0; i <= 36; ++i)
            tours << 30.0 * i;
        e.glisser(tours);
        QCOMPARE(e.horloge()->texte(), "3 h");
        e.clic("verifier_aiguilles");
        QVERIFY(e.texte("enonce_aiguilles").startsWith("Bravo"));
        QCOMPARE(e.couleur("enonce_aiguilles"), QColor(0, 0, 255));
        QCOMPARE(e.sons.played.last(), "1.vic");
        QVERIFY(e.visible("encore_aiguilles") && !e.visible("verifier_aiguilles"));
        QVERIFY(!e.horloge()->solution());
        QCOMPARE(e.registre.lignes, QStringList{"placer_aiguilles@heures|Placer 3 h|3 h|3 h|oui"});
        e.verifierCompte(1, 1, 0);
        QCOMPARE(e.texte("score"), Banc::ligneScore(1, 1, 0));
        // The hands stay while the verdict is on view.
        e.glisser({90, 120});
        QCOMPARE(e.horloge()->texte(), "3 h");
    }

    void fauxAuDoigt()
    {
        // 3 h 0 asked; a finger chooses quarters (for the next question)
        // and sets 12 h 15.
        Ecran e({pour(2, 11, 0), pour(5, 47, 0)});
        e.taperDoigt("niveau_quarts");
        QCOMPARE(e.r().preferences->lire("aiguilles/niveau", {}), "quarts");
        QCOMPARE(e.couleur("niveau_quarts"), QColor(255, 0, 255));
        QCOMPARE(e.couleur("niveau_heures"), QColor(0, 0, 0));
        QVERIFY(e.texte("enonce_aiguilles").contains("3 h"));
        e.glisserDoigt({0, 30, 60, 90});
        QCOMPARE(e.horloge()->texte(), "12 h 15");
        e.taperDoigt("verifier_aiguilles");
        QCOMPARE(e.texte("enonce_aiguilles").section('\n', 0, 0), "Erreur, il fallait 3 h.");
        QCOMPARE(e.couleur("enonce_aiguilles"), QColor(255, 0, 0));
        QCOMPARE(e.sons.played.last(), "1.def");
        QCOMPARE(e.horloge()->solution(), std::optional<int>(180));
        // 12 h 15 for 3 h: the hands swapped.
        QVERIFY(e.texte("enonce_aiguilles").endsWith(
            "en clair.\nAttention : la petite aiguille montre les heures, la grande aiguille montre les minutes."));
        QCOMPARE(e.registre.lignes, QStringList{"placer_aiguilles@heures|Placer 3 h|12 h 15|3 h|non"});
        e.verifierCompte(1, 0, 1);
        // The next question, at quarters, the clock left where it was.
        e.taperDoigt("encore_aiguilles");
        QCOMPARE(e.texte("enonce_aiguilles").section('\n', 0, 0), "Place les aiguilles sur 1 h 30,");
        QCOMPARE(e.couleur("enonce_aiguilles"), QColor(0, 0, 255));
        QVERIFY(!e.horloge()->solution() && e.visible("verifier_aiguilles"));
        QCOMPARE(e.horloge()->texte(), "12 h 15");
        // Remembered on the next visit.
        e.taper("Esc");
        QVERIFY(e.app->depart()->isVisible() && !e.app->aiguilles()->isVisible());
        e.ouvrir("placer", "aiguilles");
        QCOMPARE(e.couleur("niveau_quarts"), QColor(255, 0, 255));
        QCOMPARE(e.horloge()->texte(), "12 h");
    }

    // Levels that follow the child: from the class's year up, one up after
    // a run of right answers, one down after repeated mistakes, never below
    // the year's first.
    void niveauQuiSuit()
    {
        Ecran e({});
        e.r().niveaux_adaptes = true;
        e.r().annees = {programme::Annee::CE1};
        e.taper("Esc");
        e.ouvrir("placer", "aiguilles");
        QCOMPARE(e.couleur("niveau_demi_heures"), QColor(255, 0, 255));
        const auto repondre = [&](int n, bool juste) {
            for (int i = 0; i < n; ++i) {
                const QRegularExpressionMatch m =
                    QRegularExpression("sur (\\d+) h(?: (\\d+))?").match(e.texte("enonce_aiguilles"));
                e.horloge()->setMinutes(depuis(m.captured(1).toInt(), m.captured(2).toInt()) + (juste ? 0 : 1));
                e.clic("verifier_aiguilles");
                e.clic("encore_aiguilles");
            }
        };
        repondre(programme::serieMontee, true);
        QCOMPARE(e.couleur("niveau_quarts"), QColor(255, 0, 255));
        QCOMPARE(e.couleur("niveau_demi_heures"), QColor(0, 0, 0));
        repondre(programme::serieDescente - 1, false);
        QVERIFY(e.registre.lignes.last().startsWith("placer_aiguilles@quarts|"));
        repondre(1, false);
        QCOMPARE(e.couleur("niveau_demi_heures"), QColor(255, 0, 255));
        repondre(2 * programme::serieDescente, false);
        QCOMPARE(e.couleur("niveau_demi_heures"), QColor(255, 0, 255));
        // Chosen by the child, whole hours are kept.
        e.clic("niveau_heures");
        repondre(programme::serieDescente, false);
        QCOMPARE(e.couleur("niveau_heures"), QColor(255, 0, 255));
    }

    void clavier()
    {
        Ecran e({0.3});
        e.taper("Tab");
        QCOMPARE(e.app->fenetre()->focusWidget(), e.horloge());
        const struct { QString touches, texte; } pas[] = {
            {"Up", "12 h 01"}, {"PgDown", "11 h 01"}, {"Down*2", "10 h 59"},
            {"PgUp*2", "12 h 59"}, {"Up", "1 h"}, {"Down", "12 h 59"}};
        for (const auto& p : pas) {
            e.taper(p.touches);
            QCOMPARE(e.horloge()->texte(), p.texte);
        }
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(e.horloge());
        QCOMPARE(a->text(QAccessible::Value), "12 h 59");
        QCOMPARE(a->role(), QAccessible::Dial);
        e.taper("Tab Return");
        QVERIFY(e.visible("encore_aiguilles"));
    }

    void apresMidiEtSecondes()
    {
        // 15 h 45 asked in the afternoon, then 4 h 45 min 30 s with the seconds.
        Ecran e({0, pour(33, 132, 0), pour(284, 719, 0), pour(6, 12, 0)});
        e.clic("niveau_apres_midi");
        e.taper("Esc");
        e.ouvrir("placer", "aiguilles");
        QCOMPARE(e.texte("enonce_aiguilles"), "Place les aiguilles sur 15 h 45,\npuis clique sur Vérifier.");
        QVERIFY(!e.horloge()->avecSecondes());
        e.taper("Tab PgUp*3 Up*45");
        e.clic("verifier_aiguilles");
        QCOMPARE(e.texte("enonce_aiguilles"), "Bravo ! L'horloge montre bien 3 h 45, soit 15 h 45.\n"
                                              "Clique sur Continuer pour une autre heure.");
        e.clic("niveau_secondes");
        e.clic("encore_aiguilles");
        QCOMPARE(e.texte("enonce_aiguilles").section('\n', 0, 0), "Place les aiguilles sur 4 h 45 min 30 s,");
        QVERIFY(e.horloge()->avecSecondes());
        e.taper("Tab");
        QCOMPARE(e.app->fenetre()->focusWidget(), e.horloge());
        e.taper("PgUp Left");
        QCOMPARE(e.horloge()->texte(), "4 h 44 min 59 s");
        // The seconds hand, taken at its place (354), led round past the 12 to 30 s.
        e.glisser({354, 60, 120, 180});
        QCOMPARE(e.horloge()->texte(), "4 h 45 min 30 s");
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(e.horloge());
        QCOMPARE(a->text(QAccessible::Description), "4 h 45 min 30 s");
        e.clic("verifier_aiguilles");
        QVERIFY(e.texte("enonce_aiguilles").startsWith("Bravo ! L'horloge montre bien 4 h 45 min 30 s."));
        QCOMPARE(e.registre.lignes.last(), "placer_aiguilles@secondes|Placer 4 h 45 min 30 s|4 h 45 min 30 s|4 h 45 min 30 s|oui");
    }

    void legendeAuDoigt()
    {
        // No hover with a finger: the caption shows while it is held down.
        Ecran e({});
        e.taper("Esc");
        e.ecran = "depart";
        const QPoint p = e.vue(e.w("placer"), e.w("placer")->rect().center());
        QTest::touchEvent(e.viewport(), e.doigt).press(0, p);
        QCoreApplication::processEvents();
        QCOMPARE(e.texte("texte"), "Placer\nles aiguilles");
        QTest::touchEvent(e.viewport(), e.doigt).release(0, p);
        QCoreApplication::processEvents();
        QVERIFY(e.app->aiguilles()->isVisible());
    }

    void aiguilleHeuresReelle()
    {
        // At 9 h 05 the watch's hour hand, and at 3 h 30 the tips clock's,
        // on the hour's mark or moved on as on a real clock.
        const auto bout = [](QPointF c, double angle, double l) {
            return c + l * QPointF(std::sin(qDegreesToRadians(angle)), -std::cos(qDegreesToRadians(angle)));
        };
        for (bool reelle : {false, true}) {
            Banc b;
            b.r().aiguille_heures_reelle = reelle;
            QVERIFY(b.demarrer());
            const QPointF montre = b.trouver<PictureBox>("depart", "montre")->lines().at(1).line.p2();
            const QPointF attendue = bout({68, 64}, reelle ? 272.5 : 270, 30);
            QVERIFY2(QLineF(montre, attendue).length() < 1e-3, qPrintable(QString::number(reelle)));
            b.ouvrir("astus", "astuces");
            const QPointF astuce = b.app->astuces()->aiguilles().at(1).line.p2();
            QVERIFY(QLineF(astuce, bout({393, 127}, reelle ? 105 : 90, 32)).length() < 1e-3);
        }
    }
};

QTEST_MAIN(TstAiguilles)
#include "tst_aiguilles.moc"
