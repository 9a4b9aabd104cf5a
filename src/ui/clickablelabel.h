// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QTimer;

// A label used as a button: emits clicked() on a left click, or on Enter,
// Return or Space while it holds the keyboard focus, and pointerMoved()
// when the pointer moves over it. A label that grows takes
// the size of its text each time setCaption() writes it; the others keep
// their box and wrap their text within it.
class ClickableLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool grows READ grows WRITE setGrows)

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    bool grows() const { return grows_; }
    void setGrows(bool on);

    // Writes the caption; a growing label then fits itself to it.
    void setCaption(const QString& text);

    // What a click does (the keyboard and screen readers press it so).
    void click() { emit clicked(); }

    // A label held down that long (a button, a finger, a key) before it
    // clicks; 0, the default, clicks at once.
    void setHoldMs(int ms) { holdMs_ = ms; }

signals:
    void clicked();
    void pointerMoved();
    // Let go before the hold was long enough.
    void releasedTooSoon();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    // The focus ring marks the focus: the label itself repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    void startHold();
    bool grows_ = false;
    bool pressed_ = false;
    int holdMs_ = 0;
    QTimer* hold_ = nullptr;
};

struct LabelStyle {
    QFont font;
    QColor color;
    Qt::Alignment alignment = Qt::AlignHCenter;
    bool grows = false;
};

// A label at its designed place (for a growing label only the top-left
// corner counts), with its name, face, colour and caption.
ClickableLabel* makeLabel(QWidget* parent, const char* name, const QRect& place,
                          const LabelStyle& style, const QString& caption = {});
