#include <QCheckBox>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "support/banc.h"
#include "tips/astuces.h"
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
    void choisirDate(int jour, int mois, int an)
    {
        fleche("fleche_an")->setValue(an);
        fleche("fleche_mois")->setValue(mois);
        fleche("fleche_jour")->setValue(jour);
    }
    QStringList comptes()
    {
        QStringList l;
        for (int i = 0; i < 8; ++i)
            l << compte(i);
        return l;
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
        QCOMPARE(t.texte("jour"), QStringLiteral("5"));
        QCOMPARE(t.texte("mois"), QStringLiteral("Décembre"));
        QCOMPARE(t.texte("an"), QStringLiteral("2026"));
        QCOMPARE(t.fleche("fleche_an")->maximum(), 2026);
        QCOMPARE(t.texte("Label2"),
                 QStringLiteral("Entrez une date (celle de votre naissance par exemple).\nJe vais "
                                "calculer le nombre d'années, trimestres, mois, semaines, jours, "
                                "heures, minutes et secondes passés depuis cette date."));
        QCOMPARE(t.texte("encore_naissance"), QStringLiteral("Calculer"));
        QVERIFY(!t.label("Label3")->isVisible());
        QVERIFY(!t.label("Label1_0")->isVisible());
        QVERIFY(!t.timer()->isActive());
        QCOMPARE(t.texte("heure"), QStringLiteral("3"));
        QCOMPARE(t.texte("minut"), QStringLiteral("30"));
        QCOMPARE(t.texte("date_paques"), QStringLiteral("2026"));
        QCOMPARE(t.texte("paq"), QStringLiteral("Pâques --> Dimanche 5 avril 2026"));
        QCOMPARE(t.texte("lpen"), QStringLiteral("Lundi de Pentecôte --> Lundi 25 mai 2026"));
        QCOMPARE(t.texte("titre"), QStringLiteral("KLEPSOS"));
        QCOMPARE(t.texte("Label9"),
                 QStringLiteral("Certaines fêtes religieuses ne tombent pas à date fixe selon les "
                                "années. Choisissez l'année désirée pour connaître ces dates."));
        QCOMPARE(t.texte("Label5"),
                 QStringLiteral("Entrez l'heure désirée pour la visualiser sur l'horloge"));
        QCOMPARE(t.texte("retour"), QStringLiteral("RETOUR"));
        QVERIFY(t.label("Klepsos")->wordWrap());
    }

    void resultatsDuJour()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        t.b.sons.played.clear();
        t.cliquer("encore_naissance");
        QCOMPARE(t.texte("Label3"),
                 QStringLiteral("Depuis le 5 Décembre 2026 à 0 heure 00\nil s'est écoulé :"));
        QCOMPARE(t.comptes(), (QStringList{" 0 année", " 0 trimestre", " 0 mois", " 0 semaine",
                                           " 0 jour", " 9 heures", " 545 minutes",
                                           " 32707 secondes"}));
        QCOMPARE(t.texte("encore_naissance"), QStringLiteral("Continuer"));
        for (const char* nom : {"Label2", "jour", "mois", "an", "par50", "Label4", "fleche_jour",
                                "fleche_mois", "fleche_an"})
            QVERIFY2(!t.b.trouver<QWidget>("astuces", nom)->isVisible(), nom);
        QVERIFY(t.label("Label1_7")->isVisible());
        QVERIFY(t.timer()->isActive());
        QCOMPARE(t.timer()->interval(), 500);
        QCOMPARE(t.b.sons.played.size(), 1);

        // Only hours, minutes and seconds follow the clock.
        t.b.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0)));
        QTRY_COMPARE_WITH_TIMEOUT(t.compte(7), QStringLiteral(" 122400 secondes"), 2000);
        QCOMPARE(t.compte(5), QStringLiteral(" 34 heures"));
        QCOMPARE(t.compte(6), QStringLiteral(" 2040 minutes"));
        QCOMPARE(t.compte(4), QStringLiteral(" 0 jour"));
    }

    void singulierQuiResteAuTic()
    {
        Astuces_ t(QDateTime(QDate(2026, 12, 5), QTime(1, 30, 0)));
        QVERIFY(t.ouvrir());
        t.cliquer("encore_naissance");
        QCOMPARE(t.compte(5), QStringLiteral(" 1 heure"));
        t.b.clock.set(QDateTime(QDate(2026, 12, 5), QTime(5, 0, 0)));
        QTRY_COMPARE_WITH_TIMEOUT(t.compte(5), QStringLiteral(" 5 heure"), 2000);
    }

    void calendrierFranchiLe1erJanvier()
    {
        Astuces_ t(QDateTime(QDate(2027, 1, 1), QTime(8, 0, 0)));
        QVERIFY(t.ouvrir());
        t.choisirDate(31, 12, 2026);
        t.cliquer("encore_naissance");
        QCOMPARE(t.comptes(), (QStringList{" 1 année", " 1 trimestre", " 1 mois", " 0 semaine",
                                           " 1 jour", " 32 heures", " 1920 minutes",
                                           " 115200 secondes"}));
        QCOMPARE(t.texte("Label3"),
                 QStringLiteral("Depuis le 31 Décembre 2026 à 0 heure 00\nil s'est écoulé :"));
    }

    void trenteEtUnAvrilEtAn100()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        t.choisirDate(31, 4, 2000);
        t.cliquer("encore_naissance");
        QCOMPARE(t.texte("Label3"),
                 QStringLiteral("Depuis le 31 Avril 2000 à 0 heure 00\nil s'est écoulé :"));
        QCOMPARE(t.compte(4), QStringLiteral(" 9714 jours"));

        t.cliquer("encore_naissance");
        t.choisirDate(1, 1, 100);
        t.cliquer("encore_naissance");
        QCOMPARE(t.compte(0), QStringLiteral(" 1926 années"));
        QCOMPARE(t.compte(7), QStringLiteral(" 60807920707 secondes"));
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
        QVERIFY(t.label("Label2")->isVisible());
        QVERIFY(!t.label("Label3")->isVisible());
        QVERIFY(!t.timer()->isActive());

        // The future attempt leaves the unit names singular.
        Banc::descendre(t.fleche("fleche_jour"));
        Banc::descendre(t.fleche("fleche_jour"));
        t.cliquer("encore_naissance");
        QCOMPARE(t.compte(4), QStringLiteral(" 1 jour"));
    }

    void continuerRevientAujourdhui()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        t.choisirDate(14, 3, 1990);
        t.cliquer("encore_naissance");
        QCOMPARE(t.compte(0), QStringLiteral(" 36 années"));
        t.cliquer("encore_naissance");
        QCOMPARE(t.texte("encore_naissance"), QStringLiteral("Calculer"));
        QCOMPARE(t.texte("jour"), QStringLiteral("5"));
        QCOMPARE(t.fleche("fleche_an")->value(), 2026);
        QVERIFY(!t.timer()->isActive());
        QVERIFY(t.fleche("fleche_an")->isVisible());
        QVERIFY(!t.label("Label1_0")->isVisible());
        // The plurals were undone.
        t.choisirDate(4, 12, 2026);
        t.cliquer("encore_naissance");
        QCOMPARE(t.compte(4), QStringLiteral(" 1 jour"));
        QCOMPARE(t.compte(0), QStringLiteral(" 0 année"));
    }

    void cinquanteAns_data()
    {
        QTest::addColumn<QByteArray>("bascule");
        QTest::addColumn<QByteArray>("fleche");
        QTest::addColumn<QByteArray>("legende");
        QTest::addColumn<int>("bas");
        QTest::addColumn<int>("haut");
        QTest::newRow("date") << QByteArray("par50") << QByteArray("fleche_an")
                              << QByteArray("Label4") << 100 << 2026;
        QTest::newRow("Pâques") << QByteArray("par50_paques") << QByteArray("fleche_paques")
                                << QByteArray("Label10") << 100 << 2200;
    }
    void cinquanteAns()
    {
        QFETCH(QByteArray, bascule);
        QFETCH(QByteArray, fleche);
        QFETCH(QByteArray, legende);
        QFETCH(int, bas);
        QFETCH(int, haut);
        Astuces_ t;
        QVERIFY(t.ouvrir());
        ArrowSpinner* f = t.fleche(fleche.constData());
        QLabel* l = t.label(legende.constData());
        QCOMPARE(l->text(), QStringLiteral("X 50 ans"));
        QCOMPARE(textColor(l), couleur::noir);

        t.b.sons.played.clear();
        t.cliquer(bascule.constData());
        QVERIFY(t.bascule(bascule.constData())->isChecked());
        QCOMPARE(textColor(l), couleur::rouge);
        QCOMPARE(t.b.sons.played.size(), 1);
        Banc::descendre(f);
        QCOMPARE(f->value(), 1976);
        Banc::monter(f);
        Banc::monter(f);
        QCOMPARE(f->value(), qMin(2076, haut));
        for (int i = 0; i < 50; ++i)
            Banc::descendre(f);
        QCOMPARE(f->value(), bas);

        t.cliquer(bascule.constData());
        QCOMPARE(textColor(l), couleur::noir);
        Banc::monter(f);
        QCOMPARE(f->value(), bas + 1);
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
        QCOMPARE(t.ecran()->finHeureX(), 0.0);
        QVERIFY(t.ecran()->aiguilles().isEmpty());

        // The Easter switch is set back by the next opening.
        QVERIFY(t.bascule("par50_paques")->isChecked());
        Banc::cliquer(t.b.trouver<QWidget>("depart", "astus"));
        QVERIFY(!t.bascule("par50_paques")->isChecked());
        QCOMPARE(t.fleche("fleche_paques")->singleStep(), 1);
        QCOMPARE(textColor(t.label("Label10")), couleur::noir);
        QCOMPARE(t.texte("date_paques"), QStringLiteral("2026"));
        QCOMPARE(t.texte("paq"), QStringLiteral("Pâques --> Dimanche 5 avril 2026"));
        QCOMPARE(t.texte("heure"), QStringLiteral("3"));
        QCOMPARE(t.texte("minut"), QStringLiteral("30"));
        QCOMPARE(t.texte("encore_naissance"), QStringLiteral("Calculer"));
        QVERIFY(t.label("Label2")->isVisible());
        QVERIFY(!t.label("Label1_0")->isVisible());
    }

    void aiguilles_data()
    {
        QTest::addColumn<int>("heure");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QPointF>("finHeures");
        QTest::addColumn<QPointF>("finMinutes");
        QTest::newRow("3 h 30") << 3 << 30 << QPointF(425, 127) << QPointF(393, 172);
        QTest::newRow("12 h 00") << 12 << 0 << QPointF(393, 95) << QPointF(393, 82);
        QTest::newRow("0 h 00") << 0 << 0 << QPointF(393, 95) << QPointF(393, 82);
        QTest::newRow("15 h 45") << 15 << 45 << QPointF(425, 127) << QPointF(348, 127);
    }
    void aiguilles()
    {
        QFETCH(int, heure);
        QFETCH(int, minute);
        QFETCH(QPointF, finHeures);
        QFETCH(QPointF, finMinutes);
        Astuces_ t;
        QVERIFY(t.ouvrir());
        t.fleche("fleche_minute")->setValue(minute);
        t.fleche("fleche_heure")->setValue(heure);
        QCOMPARE(t.texte("heure"), QString::number(heure));
        const auto& a = t.ecran()->aiguilles();
        QCOMPARE(a.size(), 2);
        QVERIFY(proche(a[0].line.p1(), QPointF(393, 127)));
        QVERIFY(proche(a[0].line.p2(), finMinutes));
        QCOMPARE(a[0].color, couleur::rouge);
        QVERIFY(proche(a[1].line.p2(), finHeures));
        QCOMPARE(a[1].color, couleur::bleu);
        QCOMPARE(a[1].width, 2.0);
        QVERIFY(proche({t.b.r().fin_x, t.b.r().fin_y}, a[0].line.p2()));
        QVERIFY(proche({t.ecran()->finHeureX(), t.ecran()->finHeureY()}, a[1].line.p2()));
    }

    void retenuesDesMinutes_data()
    {
        QTest::addColumn<int>("heure");
        QTest::addColumn<int>("minute");
        QTest::addColumn<bool>("monter");
        QTest::addColumn<int>("heureAttendue");
        QTest::addColumn<int>("minuteAttendue");
        QTest::newRow("2 h 59 +") << 2 << 59 << true << 3 << 0;
        QTest::newRow("3 h 00 -") << 3 << 0 << false << 2 << 59;
        QTest::newRow("23 h 59 +") << 23 << 59 << true << 0 << 0;
        QTest::newRow("0 h 00 -") << 0 << 0 << false << 23 << 59;
        QTest::newRow("dans l'heure +") << 2 << 58 << true << 2 << 59;
        QTest::newRow("dans l'heure -") << 2 << 1 << false << 2 << 0;
    }
    void retenuesDesMinutes()
    {
        QFETCH(int, heure);
        QFETCH(int, minute);
        QFETCH(bool, monter);
        QFETCH(int, heureAttendue);
        QFETCH(int, minuteAttendue);
        Astuces_ t;
        QVERIFY(t.ouvrir());
        ArrowSpinner* fm = t.fleche("fleche_minute");
        t.fleche("fleche_heure")->setValue(heure);
        fm->setValue(minute);
        monter ? Banc::monter(fm) : Banc::descendre(fm);
        QCOMPARE(t.texte("heure"), QString::number(heureAttendue));
        QCOMPARE(t.fleche("fleche_heure")->value(), heureAttendue);
        QCOMPARE(t.texte("minut"), QString::number(minuteAttendue));
        const auto attendu = horlogeAttendue(heureAttendue, minuteAttendue);
        QVERIFY(proche(t.ecran()->aiguilles()[1].line.p2(), attendu));
    }

    void heureSeuleSansToucherLesMinutes()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        ArrowSpinner* fh = t.fleche("fleche_heure");
        fh->setValue(23);
        Banc::monter(fh);
        QCOMPARE(t.texte("heure"), QStringLiteral("0"));
        Banc::descendre(fh);
        QCOMPARE(t.texte("heure"), QStringLiteral("23"));
        QCOMPARE(t.texte("minut"), QStringLiteral("30"));
    }

    void retourDuFocus()
    {
        Astuces_ t;
        QVERIFY(t.ouvrir());
        t.b.r().rendre_focus = 0;
        Banc::monter(t.fleche("fleche_paques"));
        QCOMPARE(t.b.r().rendre_focus, 1);
        QCOMPARE(t.texte("date_paques"), QStringLiteral("2027"));
        QCOMPARE(t.texte("paq"), QStringLiteral("Pâques --> Dimanche 28 mars 2027"));
        Banc::survoler(t.label("ascen"));
        QCOMPARE(t.b.r().rendre_focus, 0);

        Banc::descendre(t.fleche("fleche_an"));
        QCOMPARE(t.b.r().rendre_focus, 1);
        Banc::survoler(t.ecran());
        QCOMPARE(t.b.r().rendre_focus, 0);

        // Taking the keyboard focus counts too (focus needs an active window).
        t.b.app->fenetre()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.b.app->fenetre()));
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

private:
    static QPointF horlogeAttendue(int heure, int)
    {
        const double a = (heure + 45) * 30.0 * 2 * Routines::pi / 360;
        return {393 + 32 * std::cos(a), 127 + 32 * std::sin(a)};
    }
};

QTEST_MAIN(TstAstuces)
#include "tst_astuces.moc"
