// SPDX-License-Identifier: GPL-3.0-or-later
#include "style.h"

#include <QWidget>

QFont uiFont(int pixels, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                   QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void setTextColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

QColor textColor(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}
