// SPDX-License-Identifier: GPL-3.0-or-later
// The tips: Easter and its feasts, the time elapsed since a date, and the
// tips screen with its clock, driven by clicks.
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "common/calendrier.h"
#include "support/banc.h"
#include "tips/astuces.h"
#include "tips/ecoule.h"
#include "tips/paques.h"
#include "ui/arrowspinner.h"
#include "ui/style.h"

namespace {

// Easter by the Gauss-Oudin method, written independently of the program's
// computus, to compare year by year.
QDate paquesOudin(int y)
{
    const int g = y % 19;
    const int c = y / 100;
    const int h = (c - c / 4 - (8 * c + 13) / 25 + 19 * g + 15) % 30;
    const int i = h - (h / 28) * (1 - (29 / (h + 1)) * ((21 - g) / 11));
    const int j = (y + y / 4 + i + 2 - c + c / 4) % 7;
    const int l = i - j;
    const int mois = 3 + (l + 40) / 44;
    return QDate(y, mois, l + 28 - 31 * (mois / 4));
}

using Comptes = QList<qint64>;

// A tips screen opened from the start screen of a program started on a
// fixed day (Saturday 5 December 2026, 9 h 05 mn 07 s unless told).
struct Ecran : Banc {
    explicit Ecran(const QDateTime& maintenant = QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7))) : Banc(maintenant)
    {
        if (demarrer())
            ouvrir("astus", "astuces");
    }
    Astuces* astuces() { return app->astuces(); }
    QTimer* timer() { return astuces()->findChild<QTimer*>("Timer1"); }
    void calculer(int jour, int mois, int an)
    {
        fleche("fleche_an")->setValue(an);
        fleche("fleche_mois")->setValue(mois);
        fleche("fleche_jour")->setValue(jour);
        clic("encore_naissance");
    }
    QStringList comptes(int de = 0, int n = 8)
    {
        QStringList l;
        for (int i = de; i < de + n; ++i)
            l << texte("Label1_" + QString::number(i));
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
        QVERIFY(visible("Label2") && !visible("Label3") && !visible("Label1_0") && !timer()->isActive());
        QCOMPARE(texte("heure") + ":" + texte("minut"), QStringLiteral("3:30"));
        QCOMPARE(texte("paq"), QStringLiteral("Pâques --> Dimanche 5 avril 2026"));
    }
};

bool proche(QPointF a, QPointF b)
{
    return (a - b).manhattanLength() < 1e-6;
}

}  // namespace

class TstAstuces : public QObject {
    Q_OBJECT

private slots:
    void paques()
    {
        const QDate connues[] = {{1818, 3, 22}, {1886, 4, 25}, {2038, 4, 25}, {100, 4, 18}, {2200, 4, 6}, {2026, 4, 5}};
        for (const QDate& d : connues)
            QCOMPARE(DatePaques(qint16(d.year())), d);
        for (int y = 100; y <= 2200; ++y)
            QVERIFY2(DatePaques(qint16(y)) == paquesOudin(y), qPrintable(QString::number(y)));
        const QLocale fr(QLocale::French, QLocale::France);
        QCOMPARE(paques::legendes(2026, fr), (QStringList{"Pâques --> Dimanche 5 avril 2026",
                                                          "Lundi de Pâques --> Lundi 6 avril 2026",
                                                          "Ascension --> Jeudi 14 mai 2026",
                                                          "Lundi de Pentecôte --> Lundi 25 mai 2026"}));
        QCOMPARE(paques::legendes(1886, fr).at(3), QStringLiteral("Lundi de Pentecôte --> Lundi 14 juin 1886"));
    }

    // Years, quarters, months, weeks, days, hours, minutes, seconds.
    void comptes()
    {
        const QDateTime samedi(QDate(2026, 12, 5), QTime(9, 5, 7));
        const struct { QDate depart; QDateTime maintenant; Comptes attendu; } cas[] = {
            {{2026, 12, 5}, samedi, {0, 0, 0, 0, 0, 9, 545, 32707}},
            // The day before 1 January crosses every calendar boundary once.
            {{2026, 12, 31}, {{2027, 1, 1}, {0, 0, 1}}, {1, 1, 1, 0, 1, 24, 1440, 86401}},
            // Six days: no whole week, one month crossed; seven: a week.
            {{2026, 11, 29}, samedi, {0, 0, 1, 0, 6, 153, 9185, 551107}},
            {{2026, 11, 28}, samedi, {0, 0, 1, 1, 7, 177, 10625, 637507}},
            // Quarters by the month, not by the day.
            {{2026, 9, 30}, {{2026, 10, 1}, {0, 0}}, {0, 1, 1, 0, 1, 24, 1440, 86400}},
            // From year 100 the seconds pass 6 x 10^10.
            {{100, 1, 1}, samedi, {1926, 7707, 23123, 100542, 703795, 16891089, 1013465345, 60807920707LL}},
            // 31 April 2000 is counted from 1 May.
            {calendrier::dateDepuisParties(2000, 4, 31), samedi, {26, 106, 319, 1387, 9714, 233145, 13988705, 839322307}},
            // Tomorrow: everything negative or zero.
            {{2026, 12, 6}, samedi, {0, 0, 0, 0, -1, -15, -895, -53693}}};
        for (const auto& c : cas) {
            Comptes n;
            for (int i = 0; i < ecoule::NbUnites; ++i)
                n << ecoule::compte(i, QDateTime(c.depart, QTime(0, 0)), c.maintenant);
            QCOMPARE(n, c.attendu);
        }
    }

    // The units of the click; only hours, minutes and seconds follow the clock.
    void resultatsEtTic()
    {
        Ecran t(QDateTime(QDate(2026, 12, 5), QTime(1, 30, 0)));
        t.verifierEcranNeuf();
        t.clic("encore_naissance");
        QCOMPARE(t.texte("Label3"), QStringLiteral("Depuis le 5 Décembre 2026 à 0 heure 00\nil s'est écoulé :"));
        QCOMPARE(t.comptes(4, 4), (QStringList{" 0 jour", " 1 heure", " 90 minutes", " 5400 secondes"}));
        QCOMPARE(t.texte("encore_naissance"), QStringLiteral("Continuer"));
        for (const char* nom : {"Label2", "jour", "par50", "fleche_jour", "fleche_mois", "fleche_an"})
            QVERIFY2(!t.w(nom)->isVisible(), nom);
        t.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0)));
        QTRY_COMPARE_WITH_TIMEOUT(t.comptes(7, 1).first(), QStringLiteral(" 122400 secondes"), 2000);
        QCOMPARE(t.comptes(4, 3), (QStringList{" 0 jour", " 34 heure", " 2040 minutes"}));
    }

    // Several dates in a row, each one after "Continuer"; a future date is refused.
    void datesSuccessives()
    {
        Ecran t;
        t.calculer(1, 1, 100);
        QCOMPARE(t.comptes(), (QStringList{" 1926 années", " 7707 trimestres", " 23123 mois", " 100542 semaines",
                                           " 703795 jours", " 16891089 heures", " 1013465345 minutes",
                                           " 60807920707 secondes"}));
        t.clic("encore_naissance");
        t.verifierEcranNeuf();
        // The plurals were undone.
        t.calculer(4, 12, 2026);
        QCOMPARE(t.comptes(0, 5), (QStringList{" 0 année", " 0 trimestre", " 0 mois", " 0 semaine", " 1 jour"}));
        t.clic("encore_naissance");

        Banc::monter(t.fleche("fleche_jour"));
        t.clic("encore_naissance");
        QCOMPARE(t.texte("Label2"), QStringLiteral("Nous ne sommes pas encore arrivés au \n6 Décembre 2026 !"));
        QCOMPARE(t.texte("encore_naissance"), QStringLiteral("Calculer"));
        QVERIFY(t.fleche("fleche_jour")->isVisible() && !t.timer()->isActive());
    }

    // The x 50 switches step the year spinners by 50 years, within bounds.
    void cinquanteAns()
    {
        Ecran t;
        for (const auto& [bascule, fleche, legende] : {std::tuple{"par50", "fleche_an", "Label4"}, {"par50_paques", "fleche_paques", "Label10"}}) {
            t.clic(bascule);
            QCOMPARE(t.couleur(legende), couleur::rouge);
            Banc::descendre(t.fleche(fleche));
            QCOMPARE(t.fleche(fleche)->value(), 1976);
            Banc::monter(t.fleche(fleche));
            Banc::monter(t.fleche(fleche));
            t.clic(bascule);
            QCOMPARE(t.couleur(legende), couleur::noir);
        }
        QCOMPARE(t.fleche("fleche_an")->value(), 2026);
        QCOMPARE(t.texte("paq"), QStringLiteral("Pâques --> Dimanche 19 avril 2076"));
    }

    void retourPuisEcranNeuf()
    {
        Ecran t;
        t.clic("par50");
        t.clic("par50_paques");
        t.clic("encore_naissance");
        QVERIFY(t.timer()->isActive());
        t.clic("retour");
        QVERIFY(!t.astuces()->isVisible() && t.ecranNomme("depart")->isVisible());
        QVERIFY(!t.timer()->isActive());
        QVERIFY(!t.w<QCheckBox>("par50")->isChecked());
        QVERIFY(t.astuces()->aiguilles().isEmpty());
        // The Easter switch is set back by the next opening.
        t.ouvrir("astus", "astuces");
        QVERIFY(!t.w<QCheckBox>("par50_paques")->isChecked());
        QCOMPARE(t.fleche("fleche_paques")->singleStep(), 1);
        QCOMPARE(t.fleche("fleche_an")->singleStep(), 1);
        t.verifierEcranNeuf();
    }

    void aiguilles()
    {
        struct { int heure, minute; QPointF finHeures, finMinutes; } const cas[] = {
            {3, 30, {425, 127}, {393, 172}}, {0, 0, {393, 95}, {393, 82}}, {15, 45, {425, 127}, {348, 127}}};
        Ecran t;
        for (const auto& c : cas) {
            t.reglerHorloge(c.heure, c.minute);
            const auto& a = t.astuces()->aiguilles();
            QCOMPARE(a.size(), 2);
            QVERIFY(proche(a[0].line.p2(), c.finMinutes) && a[0].color == couleur::rouge);
            QVERIFY(proche(a[1].line.p2(), c.finHeures) && a[1].color == couleur::bleu);
        }
    }

    // The minutes carry into the hour both ways; the hour alone wraps round 24 h.
    void retenues()
    {
        struct { const char* fleche; int heure, minute, pas, heureAttendue, minuteAttendue; } const cas[] = {
            {"fleche_minute", 2, 59, +1, 3, 0},  {"fleche_minute", 3, 0, -1, 2, 59},
            {"fleche_minute", 23, 59, +1, 0, 0}, {"fleche_minute", 0, 0, -1, 23, 59},
            {"fleche_minute", 2, 58, +1, 2, 59}, {"fleche_minute", 2, 1, -1, 2, 0},
            {"fleche_heure", 23, 30, +1, 0, 30}, {"fleche_heure", 0, 30, -1, 23, 30}};
        Ecran t;
        for (const auto& c : cas) {
            t.reglerHorloge(c.heure, c.minute);
            c.pas > 0 ? Banc::monter(t.fleche(c.fleche)) : Banc::descendre(t.fleche(c.fleche));
            QCOMPARE(t.texte("heure") + " h " + t.texte("minut"),
                     QStringLiteral("%1 h %2").arg(c.heureAttendue).arg(c.minuteAttendue));
            QCOMPARE(t.fleche("fleche_heure")->value(), c.heureAttendue);
        }
    }

    // A spinner moved hands the focus back to the screen at the next pointer move.
    void retourDuFocus()
    {
        Ecran t;
        t.r().rendre_focus = 0;
        Banc::monter(t.fleche("fleche_paques"));
        QCOMPARE(t.r().rendre_focus, 1);
        Banc::survoler(t.w("ascen"));
        QCOMPARE(t.r().rendre_focus, 0);
    }
};

QTEST_MAIN(TstAstuces)
#include "tst_astuces.moc"
