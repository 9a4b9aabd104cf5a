// SPDX-License-Identifier: GPL-3.0-or-later
#include "clickablelabel.h"

#include <QMouseEvent>

#include "accessibility.h"
#include "keyboarduse.h"
#include "style.h"

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    installAccessibility();
    setMouseTracking(true);
}

void ClickableLabel::setGrows(bool on)
{
    grows_ = on;
    setWordWrap(!on);
    if (on)
        adjustSize();
}

void ClickableLabel::setCaption(const QString& text)
{
    setText(text);
    if (grows_)
        adjustSize();
}

void ClickableLabel::mousePressEvent(QMouseEvent* e)
{
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click)
        emit clicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit pointerMoved();
}

void ClickableLabel::keyPressEvent(QKeyEvent* e)
{
    if (!pressByKey(e, [this] { click(); }))
        QLabel::keyPressEvent(e);
}

ClickableLabel* makeLabel(QWidget* parent, const char* name, const QRect& place,
                          const LabelStyle& style, const QString& caption)
{
    auto* l = new ClickableLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(style.font);
    setTextColor(l, style.color.isValid() ? style.color : couleur::noir);
    l->setAlignment(style.alignment | Qt::AlignTop);
    l->setGeometry(place);
    l->setGrows(style.grows);
    l->setCaption(caption);
    return l;
}
