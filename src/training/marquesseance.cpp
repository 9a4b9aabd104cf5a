// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquesseance.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "bilanseance.h"
#include "ui/etoile.h"

namespace {

constexpr qreal pasMarques = 26;
constexpr qreal rayonMarque = 9;
const QColor vert(60, 170, 80);
const QColor rougeDoux(225, 70, 70);
const QColor gris(190, 190, 200);
const QColor contour(96, 64, 40);

}  // namespace

MarquesSeance::MarquesSeance(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MarquesSeance::montrer(const QList<std::optional<bool>>& verdicts, int courante)
{
    verdicts_ = verdicts;
    courante_ = courante;
    // What the marks show, for screen readers.
    const auto justes = std::count(verdicts_.cbegin(), verdicts_.cend(), std::optional(true));
    const auto fausses = std::count(verdicts_.cbegin(), verdicts_.cend(), std::optional(false));
    setAccessibleName(seance::texteMarques(justes, fausses));
    update();
}

void MarquesSeance::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal largeur = pasMarques * qreal(verdicts_.size());
    const qreal x0 = (width() - largeur) / 2 + pasMarques / 2;
    const qreal y = height() / 2.0;
    for (qsizetype i = 0; i < verdicts_.size(); ++i) {
        const QPointF c(x0 + pasMarques * qreal(i), y);
        const std::optional<bool>& v = verdicts_[i];
        p.setPen(QPen(contour, 1.2));
        p.setBrush(!v ? QColor(Qt::white) : *v ? vert : rougeDoux);
        p.drawEllipse(c, rayonMarque, rayonMarque);
        if (i == courante_) {
            p.setPen(QPen(QColor(192, 0, 192), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, rayonMarque + 3, rayonMarque + 3);
        }
        if (!v)
            continue;
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (*v) {
            QPainterPath coche;
            coche.moveTo(c + QPointF(-4.5, 0.5));
            coche.lineTo(c + QPointF(-1.2, 3.8));
            coche.lineTo(c + QPointF(4.5, -3.5));
            p.drawPath(coche);
        } else {
            p.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
            p.drawLine(c + QPointF(-3.5, 3.5), c + QPointF(3.5, -3.5));
        }
    }
}

EtoilesSeance::EtoilesSeance(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EtoilesSeance::montrer(int etoiles)
{
    etoiles_ = etoiles;
    update();
}

void EtoilesSeance::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cote = height();
    const qreal x0 = (width() - cote * seance::etoilesMax) / 2;
    for (int i = 0; i < seance::etoilesMax; ++i) {
        const QPointF c(x0 + cote * (i + 0.5), cote / 2);
        if (i < etoiles_) {
            peindreEtoile(p, c, cote * 0.45);
        } else {
            p.setPen(QPen(gris, 1.5));
            p.setBrush(QColor(245, 245, 250));
            p.drawPath(formeEtoile(c, cote * 0.45));
        }
    }
}
