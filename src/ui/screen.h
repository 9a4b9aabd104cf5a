// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "picturebox.h"
#include "picturefile.h"

class ClickableLabel;
class FocusRing;

// One screen of the program: a background picture, fixed lines drawn over
// it, an activation that runs each time the screen is shown, and the way
// the keyboard goes through its controls.
class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(QWidget* parent = nullptr);

    void setBackground(const QPixmap& picture);
    // The background from a picture file, decoded when the screen is first
    // painted, at the resolution it is painted at: a screen never opened
    // costs neither the time nor the memory.
    void setBackgroundFile(const PictureFile& file);
    // The background for `scale` device pixels per pixel, decoded again only
    // when the scale grows beyond the one last decoded for.
    QPixmap background(qreal scale = 1) const;

    // A fixed line of the design (separators, frames).
    void addLine(QLineF line, const QColor& color, qreal width = 1);

    // Shows the screen on top, runs its activation, and takes the keyboard
    // focus (a screen that restores its focus gives it back to the control
    // that last held it, while the keyboard is in use).
    void showScreen();

    // What the screen does each time it is shown.
    virtual void activation() {}

    // The controls Tab and Shift+Tab go through, by the names of the
    // screen's own controls, in groups (the screen's sections) in reading
    // order; only the visible, enabled ones are reached. When the control
    // holding the focus disappears, the focus goes to the first control of
    // its group that is there once the change is over.
    void setFocusOrder(const QList<QStringList>& groups);
    QList<QWidget*> focusOrder() const { return order_; }
    // One more control of the screen, reached just before the control of
    // the order nearest to it, in that control's group (a loudspeaker
    // beside a statement comes before its section's answers). It keeps its
    // place when the order is set again.
    void addToFocusOrder(QWidget* control);

    // The control Escape presses (the return label).
    void setEscapeControl(const char* name);
    void setRestoresFocus(bool on) { restoresFocus_ = on; }

    // Gives the keyboard focus to the screen itself, taking it from a
    // spinner; a keyboard user keeps it where it is.
    void takeFocus();

    // The background to paint now: while the sharp one is decoded ahead,
    // the plain picture, so that the first frame need not wait for it
    // (sharpBackgroundReady follows when it is there).
    QPixmap backgroundNow(qreal scale);

signals:
    // The sharp background decoded ahead is there, after a stand-in.
    void sharpBackgroundReady();
    // The pointer moved over the screen's background.
    void pointerMoved();
    // A control of the focus order took the focus; nullptr: none holds it.
    void controlFocused(QWidget* control);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    // The screen draws no focus mark (the ring does): taking or losing the
    // focus must not repaint the whole screen.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    QWidget* control(const QString& name) const;
    bool reachable(const QWidget* w) const;
    // The next reachable control after (or before) the one at index i of
    // the order, going round; -1 starts from the ends.
    QWidget* neighbour(int i, bool next) const;
    void holdFocusForGroup(int i);
    void focusInGroup(int group);
    void focusChanged(QWidget* now);
    void insertNearest(QWidget* control);

    mutable QPixmap background_;
    PictureFile backgroundFile_;
    mutable qreal backgroundScale_ = 0;
    QList<PictureBox::Line> lines_;
    QList<QWidget*> order_;
    QList<int> groupOf_;  // the group of each control of order_
    QList<QWidget*> added_;  // by addToFocusOrder
    QPointer<ClickableLabel> escape_;
    QPointer<QWidget> lastFocus_;
    FocusRing* ring_ = nullptr;
    bool restoresFocus_ = false;
};
