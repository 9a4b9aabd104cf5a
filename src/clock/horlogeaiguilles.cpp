// SPDX-License-Identifier: GPL-3.0-or-later
#include "horlogeaiguilles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include "ui/style.h"

namespace {

// The face, in the colours of the program's pictures.
const QColor fond(255, 253, 246);
const QColor bord(79, 156, 214);
const QColor bordFonce(44, 100, 150);
const QColor encre(40, 40, 70);
const QColor aiguilleHeures(30, 50, 200);
const QColor aiguilleMinutes(220, 40, 40);
const QColor aiguilleSecondes(30, 140, 70);
// The right hands, lighter, over the child's.
const QColor solutionHeures(120, 170, 255, 200);
const QColor solutionMinutes(255, 150, 150, 200);
const QColor solutionSecondes(130, 210, 150, 200);

// Lengths and widths, as parts of the radius.
constexpr double longueurHeures = 0.50;
constexpr double longueurMinutes = 0.78;
constexpr double largeurHeures = 0.075;
constexpr double largeurMinutes = 0.045;
constexpr double longueurSecondes = 0.86;
constexpr double largeurSecondes = 0.016;
// A press this near the centre points nowhere.
constexpr double centreMort = 0.06;

class AccessibleHorloge final : public QAccessibleWidget {
public:
    explicit AccessibleHorloge(HorlogeAiguilles* h) : QAccessibleWidget(h, QAccessible::Dial) {}

    // The time in the value, and in the description too: the AT-SPI bridge
    // passes no dial's text value on, a description it does. What the
    // program says of the clock ("choisie") follows the time there.
    QString text(QAccessible::Text t) const override
    {
        const QString heure = static_cast<HorlogeAiguilles*>(widget())->texte();
        const QString dit = widget()->accessibleDescription();
        if (t == QAccessible::Description && !dit.isEmpty())
            return heure + QStringLiteral(", ") + dit;
        if (t == QAccessible::Value || t == QAccessible::Description)
            return heure;
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }
};

QAccessibleInterface* interfacePour(const QString& classe, QObject* o)
{
    if (classe == QLatin1String("HorlogeAiguilles"))
        return new AccessibleHorloge(static_cast<HorlogeAiguilles*>(o));
    return nullptr;
}

void aiguille(QPainter& p, QPointF centre, QPointF bout, double largeur, const QColor& couleur)
{
    p.setPen(QPen(couleur, largeur, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, bout);
}

}  // namespace

HorlogeAiguilles::HorlogeAiguilles(QWidget* parent) : QWidget(parent)
{
    static const bool installee = [] {
        QAccessible::installFactory(interfacePour);
        return true;
    }();
    Q_UNUSED(installee);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::OpenHandCursor);
    setAccessibleName(QStringLiteral("Horloge"));
}

void HorlogeAiguilles::setMinutes(int minutes)
{
    const int m = aiguilles::surCadran(minutes);
    if (m == minutes_)
        return;
    minutes_ = m;
    update();
    annoncer();
    emit minutesChanged(m);
}

void HorlogeAiguilles::setSecondes(int secondes)
{
    const int s = ((secondes % 60) + 60) % 60;
    if (s == secondes_)
        return;
    secondes_ = s;
    update();
    annoncer();
}

void HorlogeAiguilles::setAvecSecondes(bool on)
{
    avecSecondes_ = on;
    if (!on)
        secondes_ = 0;
    update();
    annoncer();
}

void HorlogeAiguilles::regler(int secondesDuCadran)
{
    setSecondes(secondesDuCadran % 60);
    setMinutes(secondesDuCadran / 60);
}

void HorlogeAiguilles::annoncer()
{
    QAccessibleValueChangeEvent valeur(this, texte());
    QAccessible::updateAccessibility(&valeur);
    QAccessibleEvent description(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

void HorlogeAiguilles::setChoisie(bool on)
{
    choisie_ = on;
    update();
}

void HorlogeAiguilles::montrerSolution(int minutes, int secondes)
{
    solution_ = aiguilles::surCadran(minutes);
    secondesSolution_ = secondes;
    update();
}

void HorlogeAiguilles::cacherSolution()
{
    solution_.reset();
    update();
}

QPointF HorlogeAiguilles::point(double angle, double distance) const
{
    const double a = qDegreesToRadians(angle);
    return centre() + QPointF(std::sin(a), -std::cos(a)) * distance;
}

void HorlogeAiguilles::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QPointF c = centre();
    const double r = rayon();

    // Rim and face.
    const double epaisseurBord = r * 0.08;
    p.setPen(QPen(bordFonce, 2));
    p.setBrush(bord);
    p.drawEllipse(c, r - 1, r - 1);
    QRadialGradient face(c, r);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, fond);
    p.setPen(QPen(bordFonce, 1.5));
    p.setBrush(face);
    p.drawEllipse(c, r - epaisseurBord, r - epaisseurBord);

    // Minute marks, longer and thicker at the hours.
    const double exterieur = r - epaisseurBord - r * 0.04;
    for (int m = 0; m < 60; ++m) {
        const bool heure = m % 5 == 0;
        const double longueur = r * (heure ? 0.10 : 0.045);
        p.setPen(QPen(encre, heure ? r * 0.022 : r * 0.009, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(point(m * 6, exterieur), point(m * 6, exterieur - longueur));
    }

    // The twelve numbers.
    QFont f = uiFont(qMax(1, qRound(r * 0.17)));
    p.setFont(f);
    p.setPen(encre);
    const double rayonChiffres = exterieur - r * 0.27;
    const double demi = r * 0.15;
    for (int h = 1; h <= 12; ++h) {
        const QPointF at = point(h * 30, rayonChiffres);
        p.drawText(QRectF(at.x() - demi, at.y() - demi, 2 * demi, 2 * demi), Qt::AlignCenter,
                   QString::number(h));
    }

    const auto dessiner = [&](int t, int s, const QColor& heures, const QColor& minutes, const QColor& secondes) {
        aiguille(p, c, point(aiguilles::angleHeures(t), r * longueurHeures), r * largeurHeures,
                 heures);
        aiguille(p, c, point(aiguilles::angleMinutes(t, avecSecondes_ ? s : 0), r * longueurMinutes),
                 r * largeurMinutes, minutes);
        if (avecSecondes_)
            aiguille(p, c, point(aiguilles::angleSecondes(s), r * longueurSecondes), r * largeurSecondes,
                     secondes);
    };
    dessiner(minutes_, secondes_, aiguilleHeures, aiguilleMinutes, aiguilleSecondes);
    if (solution_)
        dessiner(*solution_, secondesSolution_, solutionHeures, solutionMinutes, solutionSecondes);

    // The pivot.
    if (choisie_) {
        p.setPen(QPen(couleur::magenta, r * 0.06));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r - r * 0.03, r - r * 0.03);
    }
    p.setPen(QPen(encre, 1.5));
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(c, r * 0.055, r * 0.055);
}

void HorlogeAiguilles::suivre(QPointF at)
{
    const QPointF v = at - centre();
    if (std::hypot(v.x(), v.y()) < rayon() * centreMort)
        return;
    // Clockwise from the 12, y growing downwards.
    const double angle = qRadiansToDegrees(std::atan2(v.x(), -v.y()));
    if (!tenue_)
        tenue_ = avecSecondes_ ? aiguilles::plusProche(minutes_, secondes_, angle) : aiguilles::plusProche(minutes_, angle);
    switch (*tenue_) {
    case aiguilles::Aiguille::Secondes:
        return regler(aiguilles::tournerSecondes(minutes_ * 60 + secondes_, angle));
    case aiguilles::Aiguille::Heures:
        return setMinutes(aiguilles::tournerHeures(minutes_, angle));
    case aiguilles::Aiguille::Minutes:
        break;
    }
    setMinutes(aiguilles::tournerMinutes(minutes_, angle));
}

void HorlogeAiguilles::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    tenue_.reset();
    const QPointF v = e->position() - centre();
    choix_ = !reglable_ && e->button() == Qt::LeftButton;
    appuye_ = reglable_ && e->button() == Qt::LeftButton && std::hypot(v.x(), v.y()) <= rayon();
    if (!appuye_)
        return;
    setCursor(Qt::ClosedHandCursor);
    suivre(e->position());
}

void HorlogeAiguilles::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    if (appuye_ && reglable_)
        suivre(e->position());
}

void HorlogeAiguilles::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (appuye_ && reglable_)
        suivre(e->position());
    appuye_ = false;
    tenue_.reset();
    setCursor(Qt::OpenHandCursor);
    if (choix_ && !reglable_ && rect().contains(e->position().toPoint()))
        emit clicked();
    choix_ = false;
}

void HorlogeAiguilles::keyPressEvent(QKeyEvent* e)
{
    int pas = 0;
    switch (e->key()) {
    case Qt::Key_Up:
        pas = 1;
        break;
    case Qt::Key_Down:
        pas = -1;
        break;
    case Qt::Key_PageUp:
        pas = 60;
        break;
    case Qt::Key_PageDown:
        pas = -60;
        break;
    case Qt::Key_Right:
    case Qt::Key_Left:
        if (!avecSecondes_)
            return QWidget::keyPressEvent(e);
        e->accept();
        if (reglable_)
            regler(aiguilles::avancerSecondes(minutes_ * 60 + secondes_, e->key() == Qt::Key_Right ? 1 : -1));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (reglable_)
            return QWidget::keyPressEvent(e);
        e->accept();
        emit clicked();
        return;
    default:
        return QWidget::keyPressEvent(e);
    }
    e->accept();
    if (reglable_)
        setMinutes(aiguilles::avancer(minutes_, pas));
}
