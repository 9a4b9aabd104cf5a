// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>

#include "shell/options.h"
#include "shell/presentation.h"
#include "support/banc.h"
#include "ui/arrowspinner.h"
#include "ui/screen.h"

namespace {

// The program in a 1920 x 1080 window: the scene scaled 2.25 times, 240 pixels from the left.
struct Agrandi : Banc {
    Presentation* vue = nullptr;
    bool agrandir()
    {
        const bool ok = demarrer();
        vue = app->presentation();
        vue->resize(1920, 1080);
        return ok;
    }
    // Where the view shows a point of a control.
    QPoint place(QWidget* w, QPoint at) const
    {
        return vue->mapFromScene(QPointF(w->mapTo(app->fenetre(), at)) + QPointF(0.5, 0.5));
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
        QVERIFY(a.agrandir());
        QCOMPARE(a.vue->designScale(), 2.25);
        QCOMPARE(a.vue->designRect(), QRectF(240, 0, 1440, 1080));
        const QPointF sur(a.place(a.trouver<QWidget>("depart", "montre"), {5, 5}));
        QMouseEvent survol(QEvent::MouseMove, sur, a.vue->viewport()->mapToGlobal(sur), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(a.vue->viewport(), &survol);
        QCOMPARE(a.trouver<QLabel>("depart", "texte")->text(), QStringLiteral("Le temps\n qui passe... "));

        a.cliquer(a.trouver<QWidget>("depart", "astus"));
        QVERIFY(a.ecranNomme("astuces")->isVisible());
        auto* an = a.trouver<ArrowSpinner>("astuces", "fleche_an");
        const int avant = an->value();
        a.cliquer(an, {an->width() / 2, an->height() * 3 / 4});
        QCOMPARE(an->value(), avant - 1);
        a.cliquer(a.trouver<QWidget>("astuces", "retour"));
        QVERIFY(a.ecranNomme("depart")->isVisible());

        a.cliquer(a.trouver<QWidget>("depart", "logiciels"));
        a.cliquer(a.trouver<QWidget>("auteur_softs", "fini"));
        QVERIFY(a.ecranNomme("auteur_softs")->isHidden());

        // The window's own close button quits as SORTIE does, score saved.
        a.vue->close();
        QVERIFY(a.app->scoreSauve());
    }

    void chaqueImageAuMoinsAussiFineQueLEcran()
    {
        Agrandi a;
        QVERIFY(a.agrandir());
        // Device pixels per scene pixel, the screen's own ratio included.
        const qreal d = a.vue->deviceScale();
        for (const char* nom : {"lecon", "exercices", "astuces", "jeux_dates", "auteur_softs", "depart"}) {
            auto* s = qobject_cast<Screen*>(a.ecranNomme(nom));
            s->showScreen();
            a.vue->grab();
            const QPixmap fond = s->background(1);
            QVERIFY2(fond.width() >= s->width() * d && fond.height() >= s->height() * d, nom);
            // Each picture shown has as many pixels as the screen gives it.
            for (auto* box : s->findChildren<PictureBox*>()) {
                const QPixmap vue = box->shownPicture();
                if (box->isVisible())
                    QVERIFY2(!vue.isNull() && vue.width() + 1 >= vue.deviceIndependentSize().width() * d
                                 && vue.height() + 1 >= vue.deviceIndependentSize().height() * d,
                             qPrintable(box->objectName()));
            }
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

    // The window is not filled before it is painted: at any size, the
    // margins and the design leave no pixel of what it held before, even
    // where an edge of the design falls mid-pixel.
    // What the display shows follows a change inside a screen: an arrow
    // clicked writes its answer, and the window's own pixels show it (not
    // only a render of the scene made for the test).
    void lEcranSuitLesChangements()
    {
        Agrandi a;
        QVERIFY(a.agrandir());
        a.vue->show();
        QVERIFY(QTest::qWaitForWindowExposed(a.vue));
        a.cliquer(a.trouver<QWidget>("depart", "exos"));
        auto* reponse = a.trouver<QLabel>("exercices", "chiffre1");
        auto* fleche = a.trouver<ArrowSpinner>("exercices", "fleche1");
        const QRect place(a.place(reponse, {0, 0}), a.place(reponse, {reponse->width() - 1, reponse->height() - 1}));
        const auto montre = [&] {
            const QPixmap p = a.vue->screen()->grabWindow(a.vue->winId());
            const qreal dpr = p.devicePixelRatio();
            return p.toImage().copy(QRect((QPointF(place.topLeft()) * dpr).toPoint(), (QSizeF(place.size()) * dpr).toSize()));
        };
        QTRY_VERIFY(!montre().isNull());
        QTest::qWait(50);
        const QImage avant = montre();
        a.cliquer(fleche, {fleche->width() / 2, 2});
        QCOMPARE(reponse->text(), QStringLiteral("1 mn"));
        QTRY_VERIFY_WITH_TIMEOUT(montre() != avant, 2000);
    }

    void chaquePixelEstPeint_data()
    {
        QTest::addColumn<QSize>("taille");
        QTest::newRow("plein écran") << QSize(1920, 1080);
        QTest::newRow("bords à mi-pixel") << QSize(1365, 767);
        QTest::newRow("marges en haut et en bas") << QSize(1001, 999);
        QTest::newRow("presque 4/3") << QSize(641, 481);
        QTest::newRow("étroite") << QSize(700, 480);
    }
    void chaquePixelEstPeint()
    {
        QFETCH(QSize, taille);
        Banc b;
        QVERIFY(b.demarrer());
        Presentation* vue = b.app->presentation();
        vue->resize(taille);
        // A colour no edge of the start screen has, blended or not.
        const QColor avant(0, 0, 255);
        QImage image(taille, QImage::Format_RGB32);
        image.fill(avant);
        // QWidget's own render: the view's renders the scene alone.
        static_cast<QWidget*>(vue)->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        // Outside the design's inner part: the margins and its edges.
        const QRect interieur = vue->designRect().toAlignedRect().adjusted(3, 3, -3, -3);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (!interieur.contains(x, y) && c.blue() > c.red() + 40)
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(c.name())));
            }
        }
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
        vue->basculer();
        QVERIFY(vue->isFullScreen());
        QCOMPARE(Presentation::modeMemorise(reglages), Presentation::Mode::PleinEcran);
        vue->basculer();
        QCOMPARE(Presentation::modeMemorise(reglages), Presentation::Mode::Fenetre);
        // The window scales the scene the same way.
        vue->resize(1000, 900);
        QCOMPARE(vue->designRect(), QRectF(0, 75, 1000, 750));
    }

    // A display switched to 640 x 480 is covered by a frameless window,
    // unscaled; one that refused the mode shows the screens scaled.
    void affichageBasculeFenetreFixeSansCadre()
    {
        for (bool pris : {true, false}) {
            Banc b;
            b.affichage.acceptsMode = pris;
            QVERIFY(b.demarrer());
            Presentation* vue = b.app->presentation();
            QCOMPARE(vue->geometry() == QRect(0, 0, 640, 480), pris);
            QCOMPARE(bool(vue->windowFlags() & Qt::FramelessWindowHint), pris);
        }
    }

    void optionsDeLaLigneDeCommande_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<options::Affichage>("affichage");
        QTest::addColumn<bool>("erreur");
        QTest::newRow("rien") << QStringList{} << options::Affichage::Memorise << false;
        QTest::newRow("fenêtre") << QStringList{"--fenetre"} << options::Affichage::Fenetre << false;
        QTest::newRow("plein écran") << QStringList{"--plein-ecran"} << options::Affichage::PleinEcran << false;
        QTest::newRow("les deux") << QStringList{"--fenetre", "--plein-ecran"} << options::Affichage::Memorise << true;
        QTest::newRow("inconnue") << QStringList{"--vite"} << options::Affichage::Memorise << true;
        QTest::newRow("classe") << QStringList{"--classe", "/mnt/cm1", "--fenetre"} << options::Affichage::Fenetre << false;
        QTest::newRow("classe sans dossier") << QStringList{"--classe"} << options::Affichage::Memorise << true;
        QTest::newRow("enseignant et rapport") << QStringList{"--enseignant", "--rapport", "r.pdf"}
                                               << options::Affichage::Memorise << true;
        QTest::newRow("valeur en trop") << QStringList{"--plein-ecran=non"} << options::Affichage::Memorise << true;
        QTest::newRow("options de Qt") << QStringList{"-platform", "xcb", "--fenetre", "-style=fusion", "-reverse"}
                                       << options::Affichage::Fenetre << false;
    }
    void optionsDeLaLigneDeCommande()
    {
        QFETCH(QStringList, arguments);
        QFETCH(options::Affichage, affichage);
        QFETCH(bool, erreur);
        const options::Choix c = options::lire(options::sansOptionsDeQt(QStringList{"klepsos"} + arguments));
        QCOMPARE(c.affichage, affichage);
        QCOMPARE(!c.erreur.isEmpty(), erreur);
        QVERIFY(options::lire({"klepsos", "--help"}).aide);
        const options::Choix rapport = options::lire({"klepsos", "--rapport", "r.pdf", "--classe", "c"});
        QCOMPARE(rapport.rapport.value_or(QString()) + rapport.classe.value_or(QString()), QStringLiteral("r.pdfc"));
    }
};

QTEST_MAIN(TstPresentation)
#include "tst_presentation.moc"
