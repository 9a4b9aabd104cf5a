// SPDX-License-Identifier: GPL-3.0-or-later
#include "dessins.h"

#include <cmath>

#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace {

const QColor vert(46, 160, 67);
const QColor rouge(215, 58, 73);
const QColor gris(150, 150, 150);
const QColor trait(90, 90, 90);

QFont policePixels(const QPainter& p, qreal pixels)
{
    QFont f = p.font();
    f.setPixelSize(std::max(1, int(pixels)));
    return f;
}

}  // namespace

QColor couleurReussite(const Compte& c)
{
    if (c.total == 0)
        return QColor(235, 235, 235);
    // Hue 0 (red) to 120 (green), light enough for black text on it.
    return QColor::fromHsvF(c.part() / 3.0, 0.45, 0.97);
}

QColor couleurAcquis(programme::Acquis a)
{
    switch (a) {
    case programme::Acquis::NonAtteint:
        return QColor(244, 164, 164);
    case programme::Acquis::PartiellementAtteint:
        return QColor(255, 204, 128);
    case programme::Acquis::Atteint:
        return QColor(165, 214, 167);
    case programme::Acquis::Depasse:
        return QColor(144, 202, 249);
    case programme::Acquis::PasEncoreEvalue:
        break;
    }
    return QColor(224, 224, 224);
}

QString texteAcquisCompte(const programme::Position& p)
{
    return p.comptees == 0 ? programme::texteAcquis(p.acquis)
                           : QStringLiteral("%1 (%2/%3)").arg(programme::texteAcquis(p.acquis)).arg(p.justes).arg(p.comptees);
}

QString texteCompte(const Compte& c)
{
    return c.total == 0 ? QStringLiteral("–") : QStringLiteral("%1/%2").arg(c.justes).arg(c.total);
}

QString textePart(const Compte& c)
{
    return c.total == 0 ? QStringLiteral("–") : QStringLiteral("%1 %").arg(qRound(100 * c.part()));
}

void dessinerActivites(QPainter& p, const QRectF& zone, const QList<BarreActivite>& barres)
{
    if (barres.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal ligne = zone.height() / barres.size();
    const qreal px = std::clamp(ligne * 0.45, 6.0, 16.0);
    p.setFont(policePixels(p, px));
    const qreal titre = zone.width() * 0.38;
    const qreal compte = zone.width() * 0.16;
    const qreal barre = zone.width() - titre - compte;
    for (qsizetype i = 0; i < barres.size(); ++i) {
        const BarreActivite& b = barres[i];
        const qreal y = zone.top() + i * ligne;
        p.setPen(Qt::black);
        p.drawText(QRectF(zone.left(), y, titre - px / 2, ligne), Qt::AlignVCenter | Qt::AlignRight, b.titre);
        const QRectF fond(zone.left() + titre, y + ligne * 0.2, barre, ligne * 0.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(fond);
        if (b.compte.total > 0) {
            p.setBrush(couleurReussite(b.compte).darker(125));
            p.drawRect(QRectF(fond.topLeft(), QSizeF(fond.width() * b.compte.part(), fond.height())));
        }
        p.setPen(Qt::black);
        p.drawText(QRectF(fond.right() + px / 2, y, compte, ligne), Qt::AlignVCenter | Qt::AlignLeft,
                   texteCompte(b.compte));
    }
    p.restore();
}

void dessinerProgres(QPainter& p, const QRectF& zone, const QList<Semaine>& semaines)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal px = std::clamp(zone.height() * 0.06, 6.0, 14.0);
    p.setFont(policePixels(p, px));
    // Room above for the legend, below for the dates, left for the scale.
    const QRectF graphe = zone.adjusted(px * 3, px * 2.5, -px, -px * 2.5);
    p.setPen(QPen(trait, 0));
    p.drawLine(graphe.bottomLeft(), graphe.bottomRight());
    p.drawLine(graphe.bottomLeft(), graphe.topLeft());
    if (semaines.isEmpty()) {
        p.drawText(graphe, Qt::AlignCenter, QStringLiteral("Pas encore de réponse"));
        p.restore();
        return;
    }
    qint64 plus = 1;
    for (const Semaine& s : semaines)
        plus = std::max(plus, s.compte.total);
    p.drawText(QRectF(zone.left(), graphe.top() - px, px * 2.7, px * 2), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(plus));
    p.drawText(QRectF(zone.left(), graphe.bottom() - px, px * 2.7, px * 2), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("0"));
    const qreal pas = graphe.width() / semaines.size();
    const qreal large = std::max<qreal>(pas * 0.75, 0.5);
    const QLocale fr(QLocale::French, QLocale::France);
    // Dates under at most a dozen columns, evenly spread, never closer than
    // a date's width.
    const qsizetype tous = std::max({qsizetype(1), (semaines.size() + 11) / 12, qsizetype(std::ceil(px * 6.5 / pas))});
    for (qsizetype i = 0; i < semaines.size(); ++i) {
        const Semaine& s = semaines[i];
        const qreal x = graphe.left() + i * pas + (pas - large) / 2;
        const qreal hJustes = graphe.height() * s.compte.justes / plus;
        const qreal hFaux = graphe.height() * (s.compte.total - s.compte.justes) / plus;
        p.setPen(Qt::NoPen);
        p.setBrush(vert);
        p.drawRect(QRectF(x, graphe.bottom() - hJustes, large, hJustes));
        p.setBrush(rouge);
        p.drawRect(QRectF(x, graphe.bottom() - hJustes - hFaux, large, hFaux));
        if (i % tous == 0) {
            p.setPen(trait);
            p.drawText(QRectF(x + large / 2 - px * 3, graphe.bottom() + px * 0.3, px * 6, px * 1.5),
                       Qt::AlignHCenter | Qt::AlignTop, fr.toString(s.lundi, QStringLiteral("d MMM")));
        }
    }
    // The legend, top right.
    const QRectF legende(graphe.right() - px * 14, zone.top(), px * 14, px * 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(vert);
    p.drawRect(QRectF(legende.left(), legende.top() + px * 0.3, px, px));
    p.setBrush(rouge);
    p.drawRect(QRectF(legende.left() + px * 6.5, legende.top() + px * 0.3, px, px));
    p.setPen(Qt::black);
    p.drawText(legende.adjusted(px * 1.4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("justes"));
    p.drawText(legende.adjusted(px * 7.9, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("fausses"));
    p.restore();
}
