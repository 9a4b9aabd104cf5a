// SPDX-License-Identifier: GPL-3.0-or-later
#include "cadrantableau.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "common/journee.h"
#include "ui/style.h"

namespace {

constexpr double cote = 1000;
constexpr QPointF centre(500, 500);
constexpr double rayonCadran = 490;
// The hands apart by length and width as well as by colour.
constexpr double longueurHeures = 235, largeurHeures = 36;
constexpr double longueurMinutes = 390, largeurMinutes = 18;
constexpr double longueurSecondes = 420, largeurSecondes = 6;
const QColor bleuHeures(20, 50, 160);
const QColor rougeMinutes(215, 30, 30);
const QColor orangeSecondes(240, 140, 0);
const QColor balaye(255, 220, 120, 150);

QPointF bout(double angle, double longueur)
{
    const double a = (angle - 90) * M_PI / 180;
    return centre + QPointF(std::cos(a), std::sin(a)) * longueur;
}

void aiguille(QPainter& p, double angle, double longueur, double largeur, const QColor& c)
{
    p.setPen(QPen(c, largeur, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bout(angle + 180, longueur * 0.12), bout(angle, longueur));
}

void nombresAutour(QPainter& p, double rayon, int pixels, const QColor& c, int premier, int pas, int n)
{
    p.setFont(uiFont(pixels));
    p.setPen(c);
    for (int i = 0; i < n; ++i) {
        const QPointF o = bout(30.0 * (i + 1), rayon);
        p.drawText(QRectF(o - QPointF(pixels * 1.2, pixels * 0.7), QSizeF(pixels * 2.4, pixels * 1.4)), Qt::AlignCenter,
                   QString::number(premier + pas * i));
    }
}

class AccessibleCadran final : public QAccessibleWidget {
public:
    explicit AccessibleCadran(CadranTableau* c) : QAccessibleWidget(c, QAccessible::Dial) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const CadranTableau*>(widget())->texte();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* o)
{
    return classe == QLatin1String("CadranTableau") && o->isWidgetType() ? new AccessibleCadran(static_cast<CadranTableau*>(o))
                                                                        : nullptr;
}

}  // namespace

CadranTableau::CadranTableau(QWidget* parent) : QWidget(parent)
{
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    Q_UNUSED(installee);
    setObjectName(QStringLiteral("cadran_tableau"));
    setAccessibleName(QStringLiteral("Horloge"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    QSizePolicy p(QSizePolicy::Expanding, QSizePolicy::Expanding);
    p.setHeightForWidth(true);
    setSizePolicy(p);
}

void CadranTableau::setMinutesAutour(bool oui)
{
    minutesAutour_ = oui;
    update();
}

void CadranTableau::setVingtQuatre(bool oui)
{
    vingtQuatre_ = oui;
    update();
}

void CadranTableau::setTrotteuse(bool oui)
{
    trotteuse_ = oui;
    update();
}

QString CadranTableau::texte() const
{
    return journee::surCadran(rouages_.minutes());
}

void CadranTableau::actualiser()
{
    update();
    QAccessibleValueChangeEvent valeur(this, texte());
    QAccessible::updateAccessibility(&valeur);
}

QTransform CadranTableau::transformee() const
{
    const double s = std::min(width(), height()) / cote;
    return QTransform::fromTranslate((width() - cote * s) / 2, (height() - cote * s) / 2).scale(s, s);
}

double CadranTableau::angle(QPointF p) const
{
    const QPointF d = transformee().inverted().map(p) - centre;
    const double a = std::atan2(d.x(), -d.y()) * 180 / M_PI;
    return a < 0 ? a + 360 : a;
}

void CadranTableau::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(transformee());
    // The face, its minute marks and the hours.
    p.setPen(QPen(QColor(40, 60, 120), 14));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, rayonCadran, rayonCadran);
    if (rouages_.enDuree() && rouages_.ecoule() > 0) {
        // What the minute hand swept since the start, the last turn of it.
        QPainterPath secteur;
        secteur.moveTo(centre);
        const double debut = 90 - rouages_.angleDebut();
        const double balayage = std::fmod(rouages_.ecoule() / 10, 360.0);
        secteur.arcTo(QRectF(centre - QPointF(rayonCadran - 8, rayonCadran - 8), QSizeF(2 * (rayonCadran - 8), 2 * (rayonCadran - 8))),
                      debut, rouages_.tours() > 0 && balayage == 0 ? -360 : -balayage);
        secteur.closeSubpath();
        p.fillPath(secteur, balaye);
    }
    for (int i = 0; i < 60; ++i) {
        const bool heure = i % 5 == 0;
        p.setPen(QPen(QColor(40, 40, 60), heure ? 9 : 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(bout(i * 6, rayonCadran - (heure ? 42 : 22)), bout(i * 6, rayonCadran - 8));
    }
    // The hours; the minutes outside them, by the rim; 13 to 24 inside.
    nombresAutour(p, 330, 90, QColor(20, 20, 40), 1, 1, 12);
    if (vingtQuatre_)
        nombresAutour(p, 225, 42, QColor(200, 60, 20), 13, 1, 12);
    if (minutesAutour_)
        nombresAutour(p, 428, 34, rougeMinutes, 5, 5, 11);
    if (rouages_.tours() > 0) {
        p.setFont(uiFont(34));
        p.setPen(QColor(120, 80, 0));
        p.drawText(QRectF(300, 600, 400, 60), Qt::AlignCenter,
                   rouages_.tours() == 1 ? QStringLiteral("1 tour") : QStringLiteral("%1 tours").arg(rouages_.tours()));
    }
    aiguille(p, rouages_.angleHeures(), longueurHeures, largeurHeures, bleuHeures);
    aiguille(p, rouages_.angleMinutes(), longueurMinutes, largeurMinutes, rougeMinutes);
    if (trotteuse_)
        aiguille(p, rouages_.angleSecondes(), longueurSecondes, largeurSecondes, orangeSecondes);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 60));
    p.drawEllipse(centre, 22, 22);
}

void CadranTableau::mousePressEvent(QMouseEvent* e)
{
    const double a = angle(e->position());
    const auto loin = [a](double b) { return std::abs(std::remainder(a - b, 360.0)); };
    // The hand nearest the finger's direction; a tie to the minute hand.
    prise_ = loin(rouages_.angleHeures()) < loin(rouages_.angleMinutes()) ? Prise::Heures : Prise::Minutes;
    setCursor(Qt::ClosedHandCursor);
    e->accept();
}

void CadranTableau::mouseMoveEvent(QMouseEvent* e)
{
    if (prise_ == Prise::Aucune)
        return;
    const double a = angle(e->position());
    if (prise_ == Prise::Minutes)
        rouages_.tournerMinutes(a);
    else
        rouages_.tournerHeures(a);
    update();
    emit tourne();
}

void CadranTableau::mouseReleaseEvent(QMouseEvent* e)
{
    if (prise_ == Prise::Aucune)
        return;
    mouseMoveEvent(e);
    prise_ = Prise::Aucune;
    rouages_.lacher();
    setCursor(Qt::OpenHandCursor);
    actualiser();
    emit tourne();
}

void CadranTableau::keyPressEvent(QKeyEvent* e)
{
    const double pas = e->key() == Qt::Key_Up       ? 60
                     : e->key() == Qt::Key_Down     ? -60
                     : e->key() == Qt::Key_Right    ? 300
                     : e->key() == Qt::Key_Left     ? -300
                     : e->key() == Qt::Key_PageUp   ? 3600
                     : e->key() == Qt::Key_PageDown ? -3600
                                                    : 0;
    if (pas == 0)
        return QWidget::keyPressEvent(e);
    if (rouages_.liees())
        rouages_.avancer(pas);
    else if (std::abs(pas) >= 3600)  // free hands: the hour hand alone
        rouages_.tournerHeures(rouages_.angleHeures() + pas / 120);
    else
        rouages_.tournerMinutes(rouages_.angleMinutes() + pas / 10);
    rouages_.lacher();
    actualiser();
    emit tourne();
}
