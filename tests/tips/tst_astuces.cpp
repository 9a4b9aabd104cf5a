#include <QCheckBox>
#include <QTest>
#include <QTimer>

#include "shell/presentation.h"
#include "support/banc.h"
#include "tips/astuces.h"
#include "tips/horloge.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

namespace {

// A tips screen opened from the start screen of a program started on a
// fixed day (Saturday 5 December 2026, 9 h 05 mn 07 s unless told).
struct Astuces_ {
    explicit Astuces_(const QDateTime& maintenant = QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)))
        : b(maintenant)
    {
    }
    bool ouvrir()
    {
        if (!b.demarrer())
            return false;
        Banc::cliquer(b.trouver<QWidget>("depart", "astus"));
        return ecran()->isVisible();
    }
    Astuces* ecran() { return b.app->astuces(); }
    QLabel* label(const char* nom) { return b.trouver<QLabel>("astuces", nom); }
    QString texte(const char* nom) { return label(nom)->text(); }
    ArrowSpinner* fleche(const char* nom) { return b.trouver<ArrowSpinner>("astuces", nom); }
    QCheckBox* bascule(const char* nom) { return b.trouver<QCheckBox>("astuces", nom); }
    QTimer* timer() { return ecran()->findChild<QTimer*>("Timer1"); }
    QString compte(int i) { return texte(("Label1_" + QByteArray::number(i)).constData()); }
    void cliquer(const char* nom) { Banc::cliquer(b.trouver<QWidget>("astuces", nom)); }
    void calculer(int jour, int mois, int an)
    {
        fleche("fleche_an")->setValue(an);
        fleche("fleche_mois")->setValue(mois);
        fleche("fleche_jour")->setValue(jour);
        cliquer("encore_naissance");
    }
    QStringList comptes(int n = 8)
    {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l << compte(i);
        return l;
    }
    // Going through 30 minutes first, so that no minute step carries.
    void reglerHorloge(int heure, int minute)
    {
        fleche("fleche_minute")->setValue(30);
        fleche("fleche_heure")->setValue(heure);
        fleche("fleche_minute")->setValue(minute);
    }
    // What every opening shows: entry on today's date, 3 h 30, this year's feasts.
    void verifierEcranNeuf()
    {
        QCOMPARE(QStringList({texte("jour"), texte("mois"), texte("an"), texte("encore_naissance")}),
                 (QStringList{"5", "Décembre", "2026", "Calculer"}));
        QVERIFY(label("Label2")->isVisible() && fleche("fleche_an")->isVisible());
        QVERIFY(!label("Label3")->isVisible() && !label("Label1_0")->isVisible());
        QVERIFY(!timer()->isActive());
        QCOMPARE(texte("heure") + ":" + texte("minut"), QStringLiteral("3:30"));
        QCOMPARE(texte("date_paques"), QStringLiteral("2026"));
        QCOMPARE(texte("paq"), QStringLiteral("Pâques --> Dimanche 5 avril 2026"));
    }
    Banc b;
};

// Rounding of cos and sin leaves a trace far below a pixel.
bool proche(QPointF a, QPointF b)
{
    return (a - b).manhattanLength() < 1e-6;
}

}  // namespace

class TstAstuces : public QObject {
    Q_OBJECT

private slots:
    void ouvertureSurAujourdhui()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        QVERIFY(!t.b.ecranNomme("depart")->isVisible());
        t.verifierEcranNeuf();
        QCOMPARE(t.fleche("fleche_an")->maximum(), 2026);
        QCOMPARE(t.texte("Label2"), ecoule::consigne());
    }

    void resultatsEtTic()
    {
        Astuces_ t(QDateTime(QDate(2026, 12, 5), QTime(1, 30, 0)));
        QVERIFY(t.ouvrir());
        t.b.sons.played.clear();
        t.cliquer("encore_naissance");
        QCOMPARE(t.texte("Label3"),
                 QStringLiteral("Depuis le 5 Décembre 2026 à 0 heure 00\nil s'est écoulé :"));
        QCOMPARE(t.comptes(), (QStringList{" 0 année", " 0 trimestre", " 0 mois", " 0 semaine",
                                           " 0 jour", " 1 heure", " 90 minutes", " 5400 secondes"}));
        QCOMPARE(t.texte("encore_naissance"), QStringLiteral("Continuer"));
        for (const char* nom : {"Label2", "jour", "mois", "an", "par50", "Label4", "fleche_jour",
                                "fleche_mois", "fleche_an"})
            QVERIFY2(!t.b.trouver<QWidget>("astuces", nom)->isVisible(), nom);
        QVERIFY(t.label("Label1_7")->isVisible());
        QCOMPARE(t.timer()->interval(), 500);
        QCOMPARE(t.b.sons.played.size(), 1);

        // Only hours, minutes and seconds follow the clock, in the units of the click.
        t.b.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0)));
        QTRY_COMPARE_WITH_TIMEOUT(t.compte(7), QStringLiteral(" 122400 secondes"), 2000);
        QCOMPARE(t.comptes().mid(4), (QStringList{" 0 jour", " 34 heure", " 2040 minutes",
                                                  " 122400 secondes"}));
    }

    // Several dates in a row, each one after "Continuer".
    void datesSuccessives()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        t.calculer(31, 4, 2000);
        QCOMPARE(t.texte("Label3"),
                 QStringLiteral("Depuis le 31 Avril 2000 à 0 heure 00\nil s'est écoulé :"));
        QCOMPARE(t.compte(4), QStringLiteral(" 9714 jours"));
        t.cliquer("encore_naissance");
        t.calculer(1, 1, 100);
        QCOMPARE(t.compte(0), QStringLiteral(" 1926 années"));
        QCOMPARE(t.compte(7), QStringLiteral(" 60807920707 secondes"));

        t.cliquer("encore_naissance");
        t.verifierEcranNeuf();
        // The plurals were undone.
        t.calculer(4, 12, 2026);
        QCOMPARE(t.comptes(5), (QStringList{" 0 année", " 0 trimestre", " 0 mois", " 0 semaine",
                                            " 1 jour"}));

        // The day before 1 January crosses every calendar boundary once.
        t.b.clock.set(QDateTime(QDate(2027, 1, 1), QTime(8, 0, 0)));
        t.cliquer("encore_naissance");
        t.calculer(31, 12, 2026);
        QCOMPARE(t.comptes(), (QStringList{" 1 année", " 1 trimestre", " 1 mois", " 0 semaine",
                                           " 1 jour", " 32 heures", " 1920 minutes",
                                           " 115200 secondes"}));
    }

    void dateFuture()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        Banc::monter(t.fleche("fleche_jour"));
        QCOMPARE(t.texte("jour"), QStringLiteral("6"));
        t.cliquer("encore_naissance");
        QCOMPARE(t.texte("Label2"),
                 QStringLiteral("Nous ne sommes pas encore arrivés au \n6 Décembre 2026 !"));
        QCOMPARE(t.texte("encore_naissance"), QStringLiteral("Calculer"));
        QVERIFY(t.fleche("fleche_jour")->isVisible());
        QVERIFY(!t.label("Label3")->isVisible());
        QVERIFY(!t.timer()->isActive());

        // The future attempt leaves the unit names singular.
        t.calculer(4, 12, 2026);
        QCOMPARE(t.compte(4), QStringLiteral(" 1 jour"));
    }

    void cinquanteAns()
    {
        struct {
            const char *bascule, *fleche, *legende;
            int haut;
        } const cas[] = {{"par50", "fleche_an", "Label4", 2026},
                         {"par50_paques", "fleche_paques", "Label10", 2200}};
        Astuces_ t;
        QVERIFY(t.ouvrir());
        for (const auto& c : cas) {
            ArrowSpinner* f = t.fleche(c.fleche);
            QLabel* l = t.label(c.legende);
            t.b.sons.played.clear();
            t.cliquer(c.bascule);
            QCOMPARE(textColor(l), couleur::rouge);
            QCOMPARE(t.b.sons.played.size(), 1);
            Banc::descendre(f);
            QCOMPARE(f->value(), 1976);
            Banc::monter(f);
            Banc::monter(f);
            QCOMPARE(f->value(), qMin(2076, c.haut));
            for (int i = 0; i < 50; ++i)
                Banc::descendre(f);
            QCOMPARE(f->value(), 100);
            t.cliquer(c.bascule);
            QCOMPARE(textColor(l), couleur::noir);
            Banc::monter(f);
            QCOMPARE(f->value(), 101);
        }
    }

    void retourPuisRetourSurUnEcranNeuf()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        t.cliquer("par50");
        t.cliquer("par50_paques");
        t.cliquer("encore_naissance");
        Banc::monter(t.fleche("fleche_minute"));
        Banc::monter(t.fleche("fleche_paques"));
        QVERIFY(t.timer()->isActive());

        t.b.sons.played.clear();
        t.cliquer("retour");
        QVERIFY(!t.ecran()->isVisible());
        QVERIFY(t.b.trouver<QWidget>("depart", "astus")->isVisible());
        QVERIFY(!t.timer()->isActive());
        QCOMPARE(t.b.sons.played.first(), QStringLiteral("5"));
        QVERIFY(!t.bascule("par50")->isChecked());
        QCOMPARE(t.fleche("fleche_an")->singleStep(), 1);
        QCOMPARE(textColor(t.label("Label4")), couleur::noir);
        QVERIFY(t.ecran()->aiguilles().isEmpty());

        // The Easter switch is set back by the next opening.
        QVERIFY(t.bascule("par50_paques")->isChecked());
        Banc::cliquer(t.b.trouver<QWidget>("depart", "astus"));
        QVERIFY(!t.bascule("par50_paques")->isChecked());
        QCOMPARE(t.fleche("fleche_paques")->singleStep(), 1);
        QCOMPARE(textColor(t.label("Label10")), couleur::noir);
        t.verifierEcranNeuf();
    }

    void aiguilles()
    {
        struct {
            int heure, minute;
            QPointF finHeures, finMinutes;
        } const cas[] = {{3, 30, {425, 127}, {393, 172}},
                         {12, 0, {393, 95}, {393, 82}},
                         {0, 0, {393, 95}, {393, 82}},
                         {15, 45, {425, 127}, {348, 127}}};
        Astuces_ t;
        QVERIFY(t.ouvrir());
        for (const auto& c : cas) {
            t.reglerHorloge(c.heure, c.minute);
            const auto& a = t.ecran()->aiguilles();
            QCOMPARE(a.size(), 2);
            QVERIFY(proche(a[0].line.p2(), c.finMinutes) && a[0].color == couleur::rouge);
            QVERIFY(proche(a[1].line.p2(), c.finHeures) && a[1].color == couleur::bleu);
            QVERIFY(proche({t.b.r().fin_x, t.b.r().fin_y}, c.finMinutes));
            QVERIFY(proche({t.ecran()->finHeureX(), t.ecran()->finHeureY()}, c.finHeures));
        }
    }

    // The minutes carry into the hour both ways; the hour alone wraps round 24 h.
    void retenues()
    {
        struct {
            const char* fleche;
            int heure, minute, pas, heureAttendue, minuteAttendue;
        } const cas[] = {{"fleche_minute", 2, 59, +1, 3, 0},  {"fleche_minute", 3, 0, -1, 2, 59},
                         {"fleche_minute", 23, 59, +1, 0, 0}, {"fleche_minute", 0, 0, -1, 23, 59},
                         {"fleche_minute", 2, 58, +1, 2, 59}, {"fleche_minute", 2, 1, -1, 2, 0},
                         {"fleche_heure", 23, 30, +1, 0, 30}, {"fleche_heure", 0, 30, -1, 23, 30}};
        Astuces_ t;
        QVERIFY(t.ouvrir());
        for (const auto& c : cas) {
            t.reglerHorloge(c.heure, c.minute);
            c.pas > 0 ? Banc::monter(t.fleche(c.fleche)) : Banc::descendre(t.fleche(c.fleche));
            QCOMPARE(t.texte("heure") + " h " + t.texte("minut"),
                     QStringLiteral("%1 h %2").arg(c.heureAttendue).arg(c.minuteAttendue));
            QCOMPARE(t.fleche("fleche_heure")->value(), c.heureAttendue);
            QVERIFY(proche(t.ecran()->aiguilles()[1].line.p2(),
                           horloge::aiguilles(c.heureAttendue, c.minuteAttendue).heures));
        }
    }

    void retourDuFocus()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        t.b.r().rendre_focus = 0;
        Banc::monter(t.fleche("fleche_paques"));
        QCOMPARE(t.b.r().rendre_focus, 1);
        QCOMPARE(t.texte("paq"), QStringLiteral("Pâques --> Dimanche 28 mars 2027"));
        Banc::survoler(t.label("ascen"));
        QCOMPARE(t.b.r().rendre_focus, 0);

        Banc::descendre(t.fleche("fleche_an"));
        QCOMPARE(t.b.r().rendre_focus, 1);
        Banc::survoler(t.ecran());
        QCOMPARE(t.b.r().rendre_focus, 0);

        // Taking the keyboard focus counts too (focus needs an active window).
        t.b.app->presentation()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.b.app->presentation()));
        t.fleche("fleche_jour")->setFocus();
        QCOMPARE(t.b.r().rendre_focus, 0);
        t.fleche("fleche_an")->setFocus();
        QCOMPARE(t.b.r().rendre_focus, 1);
        Banc::survoler(t.bascule("par50"));
        QCOMPARE(t.b.r().rendre_focus, 0);
    }

    void lectureLongueTenueDansSonCadre()
    {
        Astuces_ t;
        QVERIFY(t.b.demarrer());
        QLabel* k = t.label("Klepsos");
        QString paragraphe = QStringLiteral(
            "Chronos, le temps, n'avait ni commencement ni fin ; il tournait sans cesse autour "
            "du monde et faisait passer les jours, les saisons et les années.");
        k->setText(QStringList(4, paragraphe).join('\n'));
        Banc::cliquer(t.b.trouver<QWidget>("depart", "astus"));
        QVERIFY(k->heightForWidth(k->width()) <= k->height());
        QVERIFY(k->font().pixelSize() >= 8);
    }
};

QTEST_MAIN(TstAstuces)
#include "tst_astuces.moc"
