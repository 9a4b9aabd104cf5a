// SPDX-License-Identifier: GPL-3.0-or-later
#include "presentation.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QShortcut>

#include "ui/screen.h"

namespace {

const QString clePleinEcran = QStringLiteral("affichage/pleinEcran");
// A window opened on demand covers this much of what full screen would.
constexpr qreal partFenetre = 0.8;
constexpr QSize tailleFixe(640, 480);
// How many shades of an edge its margin keeps.
constexpr int nuances = 12;

}  // namespace

Presentation::Presentation(QWidget* design) : ScaledView(design)
{
    setObjectName(QStringLiteral("presentation"));
    setWindowTitle(QStringLiteral("Klepsos"));
    setMinimumSize(tailleFixe / 2);
    // Every pixel is painted by drawBackground and the design: the window
    // is not filled first, which at full screen costs a pass over millions
    // of pixels before the first frame.
    setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // Nor is the design: the screen shown covers it with its opaque
    // background, and without one drawBackground fills it.
    design->setAttribute(Qt::WA_OpaquePaintEvent);
    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(f11, &QShortcut::activated, this, &Presentation::basculer);
}

Presentation::Mode Presentation::modeMemorise(const QSettings& reglages)
{
    return reglages.value(clePleinEcran, true).toBool() ? Mode::PleinEcran : Mode::Fenetre;
}

qreal Presentation::echellePleinEcran(const QScreen* ecran)
{
    if (!ecran)
        return 1;
    const QSizeF taille = ecran->size();
    return std::min(taille.width() / tailleFixe.width(), taille.height() / tailleFixe.height());
}

QScreen* Presentation::ecran() const
{
    return screen() ? screen() : QGuiApplication::primaryScreen();
}

void Presentation::setMode(Mode mode)
{
    mode_ = mode;
    if (isVisible())
        montrer();
}

QRect Presentation::geometrie() const
{
    const QRect ecranEntier = ecran() ? ecran()->geometry() : QRect(QPoint(0, 0), tailleFixe);
    switch (mode_) {
    case Mode::Fixe:
        return QRect(QPoint(0, 0), tailleFixe);
    case Mode::PleinEcran:
        return ecranEntier;
    case Mode::Fenetre:
        break;
    }
    const QRect libre = ecran() ? ecran()->availableGeometry() : ecranEntier;
    const qreal s = std::max<qreal>(1, partFenetre * echellePleinEcran(ecran()));
    QRect g(QPoint(0, 0), (QSizeF(tailleFixe) * s).toSize().boundedTo(libre.size()));
    g.moveCenter(libre.center());
    return g;
}

qreal Presentation::echellePrevue() const
{
    const QSizeF taille = geometrie().size();
    const qreal dpr = ecran() ? ecran()->devicePixelRatio() : 1;
    return std::min(taille.width() / tailleFixe.width(), taille.height() / tailleFixe.height()) * dpr;
}

void Presentation::montrer()
{
    const QRect g = geometrie();
    switch (mode_) {
    case Mode::Fixe:
        // The display is 640 x 480: a title bar would push the bottom row
        // ("SORTIE", every "Retour") off the screen.
        setWindowFlag(Qt::FramelessWindowHint);
        setFixedSize(g.size());
        move(g.topLeft());
        show();
        break;
    case Mode::PleinEcran:
        // Without a window manager the state alone would not size it.
        setGeometry(g);
        showFullScreen();
        break;
    case Mode::Fenetre:
        // Sized before it is first mapped, so that the first paint is the
        // one at its size; again after, as leaving full screen restores the
        // size the window had before.
        setGeometry(g);
        showNormal();
        setGeometry(g);
        break;
    }
    activateWindow();
}

void Presentation::basculer()
{
    if (mode_ == Mode::Fixe)
        return;
    setMode(mode_ == Mode::PleinEcran ? Mode::Fenetre : Mode::PleinEcran);
    if (reglages_)
        reglages_->setValue(clePleinEcran, mode_ == Mode::PleinEcran);
}

void Presentation::closeEvent(QCloseEvent* e)
{
    // Closing the window must not lose the child's score.
    e->accept();
    emit fermeture();
}

Screen* Presentation::ecranMontre() const
{
    // The last raised of the full-size screens that are shown.
    const QObjectList& enfants = design()->children();
    for (auto i = enfants.crbegin(); i != enfants.crend(); ++i) {
        auto* s = qobject_cast<Screen*>(*i);
        if (s && s->isVisibleTo(design()) && s->size() == design()->size())
            return s;
    }
    return nullptr;
}

void Presentation::drawBackground(QPainter* p, const QRectF& rect)
{
    const QRectF dessin = sceneRect();
    const QRectF tout = mapToScene(viewport()->rect()).boundingRect();
    Screen* s = ecranMontre();
    const QPixmap fond = s ? s->backgroundNow(::deviceScale(*p)) : QPixmap();
    // The margins too are painted again when a stand-in gives way.
    if (s)
        connect(s, &Screen::sharpBackgroundReady, viewport(), qOverload<>(&QWidget::update), Qt::UniqueConnection);
    if (fond.isNull()) {
        p->fillRect(rect, s ? s->palette().window() : palette().window());
        return;
    }
    // The margins continue the background's edges, softened so that a
    // drawing touching an edge does not run on as a stripe: each edge is
    // taken at a few places and filled as a gradient between them, which the
    // raster engine paints a line (or a column) at a time.
    if (fond.cacheKey() != bordsDe_) {
        const QImage image = fond.toImage();
        const int w = image.width();
        const int h = image.height();
        const auto degrade = [](const QImage& bande) {
            const QImage doux = bande.scaled(bande.width() == 1 ? QSize(1, nuances) : QSize(nuances, 1),
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QGradientStops arrets;
            for (int i = 0; i < nuances; ++i)
                arrets.append({(i + 0.5) / nuances, doux.pixelColor(bande.width() == 1 ? QPoint(0, i) : QPoint(i, 0))});
            return arrets;
        };
        bords_ = {degrade(image.copy(0, 0, 1, h)), degrade(image.copy(w - 1, 0, 1, h)),
                  degrade(image.copy(0, 0, w, 1)), degrade(image.copy(0, h - 1, w, 1))};
        bordsDe_ = fond.cacheKey();
    }
    // Each gradient runs along the design's edge, padded beyond it.
    const auto remplir = [p, &dessin](const QRectF& r, const QGradientStops& arrets, bool vertical) {
        QLinearGradient g(dessin.topLeft(), vertical ? dessin.bottomLeft() : dessin.topRight());
        g.setStops(arrets);
        g.setSpread(QGradient::PadSpread);
        p->fillRect(r, g);
    };
    // Each margin reaches a device pixel into the design, which paints over
    // it: where an edge falls mid-pixel, the design's edge blends with the
    // margin rather than with whatever the window held before. So a margin
    // too thin to see is painted too, and the side ones take the corners.
    const qreal recouvrement = 1 / ::deviceScale(*p);
    remplir(QRectF(tout.topLeft(), QPointF(dessin.left() + recouvrement, tout.bottom())), bords_[0], true);
    remplir(QRectF(QPointF(dessin.right() - recouvrement, tout.top()), tout.bottomRight()), bords_[1], true);
    remplir(QRectF(QPointF(dessin.left(), tout.top()), QPointF(dessin.right(), dessin.top() + recouvrement)), bords_[2], false);
    remplir(QRectF(QPointF(dessin.left(), dessin.bottom() - recouvrement), QPointF(dessin.right(), tout.bottom())), bords_[3], false);
}
