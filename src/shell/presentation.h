// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGradient>
#include <QPixmap>
#include <array>

#include "ui/scaledview.h"

class QScreen;
class QSettings;
class Screen;

// The program's window. The 640 x 480 screens are its design, scaled
// uniformly to fill the screen (or a resizable window), centred, the margins
// continuing the edges of the screen shown. Where the display itself is
// switched to 640 x 480 the window stays at that size, frameless at 0, 0.
class Presentation : public ScaledView {
    Q_OBJECT

public:
    enum class Mode { PleinEcran, Fenetre, Fixe };

    explicit Presentation(QWidget* design);

    // Where the choice made with F11 is kept for the next run. Without it
    // (the tests) nothing is kept.
    void setReglages(QSettings* reglages) { reglages_ = reglages; }
    // The choice kept by an earlier run; full screen when there is none.
    static Mode modeMemorise(const QSettings& reglages);

    Mode mode() const { return mode_; }
    // Takes effect at once when the window is shown, else at montrer().
    void setMode(Mode mode);
    void montrer();
    // Device pixels per design pixel once montrer() has shown the window.
    qreal echellePrevue() const;
    // F11: full screen to window and back, kept for the next run.
    void basculer();

    // The scale at which the design fills that screen.
    static qreal echellePleinEcran(const QScreen* ecran);

signals:
    // The window is being closed (its close button, the session ending).
    void fermeture();

protected:
    void closeEvent(QCloseEvent* e) override;
    void drawBackground(QPainter* p, const QRectF& rect) override;

private:
    // Where montrer() puts the window in the current mode.
    QRect geometrie() const;
    Screen* ecranMontre() const;
    QScreen* ecran() const;

    Mode mode_ = Mode::Fenetre;
    // The margins' colours, as gradient stops: left, right, top and bottom
    // edges of the background whose cache key is bordsDe_.
    std::array<QGradientStops, 4> bords_;
    qint64 bordsDe_ = 0;
    QSettings* reglages_ = nullptr;
};
