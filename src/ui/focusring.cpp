// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusring.h"

#include <QEvent>
#include <QPainter>

#include "keyboarduse.h"
#include "style.h"

FocusRing::FocusRing(QWidget* screen) : QWidget(screen)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(&KeyboardUse::instance(), &KeyboardUse::changed, this, &FocusRing::place);
}

void FocusRing::follow(QWidget* control)
{
    if (control_ == control)
        return;
    if (control_)
        control_->removeEventFilter(this);
    control_ = control;
    if (control_)
        control_->installEventFilter(this);
    place();
}

void FocusRing::place()
{
    QWidget* screen = parentWidget();
    if (!control_ || !control_->isVisible() || !KeyboardUse::active() || !screen) {
        hide();
        return;
    }
    const QRect box(control_->mapTo(screen, QPoint(0, 0)), control_->size());
    setGeometry(box.adjusted(-Margin, -Margin, Margin, Margin));
    raise();
    show();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == control_) {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return false;
}

void FocusRing::paintEvent(QPaintEvent*)
{
    // A magenta ring, as the screens' own lines, with a thin light edge
    // inside so that it reads on dark pictures too.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(couleur::magenta, 2));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3.5, 3.5);
}
