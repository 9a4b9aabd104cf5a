#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSettings>
#include <QTemporaryDir>

#include "shell/apropos.h"
#include "shell/options.h"
#include "shell/presentation.h"
#include "support/banc.h"
#include "ui/arrowspinner.h"
#include "ui/picturebox.h"
#include "ui/screen.h"

namespace {

// The program in a 1920 x 1080 window: the scene scaled 2.25 times, 240 pixels from the left.
struct Agrandi {
    Banc b;
    Presentation* vue = nullptr;
    bool demarrer()
    {
        if (!b.demarrer())
            return false;
        vue = b.app->presentation();
        vue->resize(1920, 1080);
        return true;
    }
    // Where the view shows a point of a control.
    QPoint place(QWidget* w, QPoint at) const
    {
        return vue->mapFromScene(QPointF(w->mapTo(b.app->fenetre(), at)) + QPointF(0.5, 0.5));
    }
    void cliquer(QWidget* w, QPoint at) { QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, place(w, at)); }
    void cliquer(QWidget* w) { cliquer(w, w->rect().center()); }
};

}  // namespace

class TstPresentation : public QObject {
    Q_OBJECT

private slots:
    void lesClicsEtLeSurvolArriventALeurPlace()
    {
        Agrandi a;
        QVERIFY(a.demarrer());
        QCOMPARE(a.vue->designScale(), 2.25);
        QCOMPARE(a.vue->designRect(), QRectF(240, 0, 1440, 1080));
        auto* texte = a.b.trouver<QLabel>("depart", "texte");
        const QPointF sur(a.place(a.b.trouver<QWidget>("depart", "montre"), {5, 5}));
        QMouseEvent survol(QEvent::MouseMove, sur, a.vue->viewport()->mapToGlobal(sur), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(a.vue->viewport(), &survol);
        QCOMPARE(texte->text(), QStringLiteral("Le temps\n qui passe... "));

        a.cliquer(a.b.trouver<QWidget>("depart", "astus"));
        QVERIFY(a.b.ecranNomme("astuces")->isVisible());
        auto* an = a.b.trouver<ArrowSpinner>("astuces", "fleche_an");
        const int avant = an->value();
        a.cliquer(an, {an->width() / 2, an->height() * 3 / 4});
        QCOMPARE(an->value(), avant - 1);
        a.cliquer(a.b.trouver<QWidget>("astuces", "retour"));
        QVERIFY(a.b.ecranNomme("depart")->isVisible());

        a.cliquer(a.b.trouver<QWidget>("depart", "logiciels"));
        a.cliquer(a.b.trouver<QWidget>("auteur_softs", "fini"));
        QVERIFY(a.b.app->aPropos()->isHidden());

        // The window's own close button quits as SORTIE does, score saved.
        QSignalSpy fini(a.b.app.get(), &Klepsos::finished);
        a.vue->close();
        QCOMPARE(fini.size(), 1);
        QVERIFY(a.b.app->scoreSauve());
    }

    void chaqueImageAuMoinsAussiFineQueLEcran_data()
    {
        QTest::addColumn<QString>("ecran");
        QTest::addColumn<QString>("image");
        QTest::newRow("accueil") << "depart" << "montre";
        QTest::newRow("leçon") << "lecon" << "";
        QTest::newRow("exercices") << "exercices" << "horloge1";
        QTest::newRow("astuces") << "astuces" << "";
        QTest::newRow("jeux") << "jeux_dates" << "";
        QTest::newRow("auteur") << "auteur_softs" << "";
    }
    void chaqueImageAuMoinsAussiFineQueLEcran()
    {
        QFETCH(QString, ecran);
        QFETCH(QString, image);
        Agrandi a;
        QVERIFY(a.demarrer());
        auto* s = qobject_cast<Screen*>(a.b.ecranNomme(qPrintable(ecran)));
        s->showScreen();
        a.vue->grab();
        // Device pixels per scene pixel, the screen's own ratio included.
        const qreal d = a.vue->deviceScale();
        QVERIFY(d >= 2.25);
        const QPixmap fond = s->background(1);
        QVERIFY2(fond.width() >= s->width() * d && fond.height() >= s->height() * d,
                 qPrintable(QStringLiteral("%1x%2").arg(fond.width()).arg(fond.height())));
        if (!image.isEmpty()) {
            auto* box = s->findChild<PictureBox*>(image);
            const QPixmap montree = box->shownPicture();
            QVERIFY(montree.width() >= box->picture().width() * d);
            QVERIFY(montree.height() >= box->picture().height() * d);
        }
    }

    void uneImageRemplaceeSeMontreTelleQuelle()
    {
        Banc b;
        QImage rouge(640, 480, QImage::Format_RGB32);
        rouge.fill(Qt::red);
        QVERIFY(rouge.save(QDir(b.datas).filePath(QStringLiteral("23")), "PNG"));
        QVERIFY(b.demarrer());
        b.app->presentation()->resize(1440, 1080);
        const QImage vue = b.app->presentation()->grab().toImage();
        // Not the old drawing of the sharper variants: the red picture, scaled.
        QCOMPARE(vue.pixelColor(700, 20), QColor(Qt::red));
    }

    void f11BasculeEtSeSouvient()
    {
        QTemporaryDir dossier;
        QSettings reglages(dossier.filePath(QStringLiteral("klepsos.conf")), QSettings::IniFormat);
        QCOMPARE(Presentation::modeMemorise(reglages), Presentation::Mode::PleinEcran);
        Banc b;
        QVERIFY(b.demarrer());
        Presentation* vue = b.app->presentation();
        vue->setReglages(&reglages);
        QCOMPARE(vue->mode(), Presentation::Mode::Fenetre);
        vue->basculer();
        QVERIFY(vue->isFullScreen());
        QCOMPARE(Presentation::modeMemorise(reglages), Presentation::Mode::PleinEcran);
        vue->basculer();
        QVERIFY(!vue->isFullScreen());
        QCOMPARE(Presentation::modeMemorise(reglages), Presentation::Mode::Fenetre);
        // The window scales the scene the same way.
        vue->resize(1000, 900);
        QCOMPARE(vue->designRect(), QRectF(0, 75, 1000, 750));
    }

    void affichageBasculeFenetreFixeSansCadre()
    {
        Banc b;
        b.affichage.switchesMode = true;
        QVERIFY(b.demarrer());
        Presentation* vue = b.app->presentation();
        QCOMPARE(vue->geometry(), QRect(0, 0, 640, 480));
        QVERIFY(vue->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(vue->designScale(), 1.0);
        vue->basculer();
        QCOMPARE(vue->mode(), Presentation::Mode::Fixe);
    }

    void optionsDeLaLigneDeCommande_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("affichage");
        QTest::addColumn<bool>("aide");
        QTest::addColumn<bool>("erreur");
        const int memorise = int(options::Affichage::Memorise);
        QTest::newRow("rien") << QStringList{} << memorise << false << false;
        QTest::newRow("fenêtre") << QStringList{"--fenetre"} << int(options::Affichage::Fenetre) << false << false;
        QTest::newRow("plein écran") << QStringList{"--plein-ecran"} << int(options::Affichage::PleinEcran) << false
                                     << false;
        QTest::newRow("les deux") << QStringList{"--fenetre", "--plein-ecran"} << memorise << false << true;
        QTest::newRow("aide") << QStringList{"-h"} << memorise << true << false;
        QTest::newRow("inconnue") << QStringList{"--vite"} << memorise << false << true;
        QTest::newRow("argument") << QStringList{"fichier"} << memorise << false << true;
    }
    void optionsDeLaLigneDeCommande()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, affichage);
        QFETCH(bool, aide);
        QFETCH(bool, erreur);
        const options::Choix c = options::lire(QStringList{"klepsos"} + arguments);
        QCOMPARE(int(c.affichage), affichage);
        QCOMPARE(c.aide, aide);
        QCOMPARE(!c.erreur.isEmpty(), erreur);
        QVERIFY(options::texteAide().contains(QStringLiteral("--plein-ecran")));
        QVERIFY(!options::texteAide().contains(QStringLiteral("Displays")));
    }
};

QTEST_MAIN(TstPresentation)
#include "tst_presentation.moc"
