// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecouter.h"

#include <QKeyEvent>
#include <QTimer>

#include "common/adire.h"
#include "common/routines.h"
#include "common/voix.h"
#include "ui/screen.h"

namespace {

constexpr QSize taille{24, 20};

// Several statements appearing at once (a screen of six exercises opening)
// are not all said, each cutting the one before: the first asked for in a
// turn of the event loop is said, the others wait for a click.
QPointer<Ecouter>& prochainAuto()
{
    static QPointer<Ecouter> prochain;
    return prochain;
}

}  // namespace

Ecouter::Ecouter(Routines& r, Screen* ecran, QPoint place, Textes enonce, const QString& nom)
    : PictureBox(ecran), r_(r), enonce_(std::move(enonce))
{
    setObjectName(QStringLiteral("ecouter_") + nom);
    setAccessibleName(QStringLiteral("Écouter"));
    setCursor(Qt::PointingHandCursor);
    setGeometry(QRect(place, taille));
    // Read when first painted: hidden until a voice speaks, and on screens
    // not yet opened.
    setPicture(QPixmap(), PictureFile(r_.cheminDatas(QStringLiteral("ecouter"))), QRect(QPoint(), taille));
    connect(this, &PictureBox::clicked, this, [this] {
        if (Voix* v = r_.voixParlante()) {
            v->arreter();
            dire(aDireMaintenant());
        }
    });
    ecran->installEventFilter(this);
    ecran->addToFocusOrder(this);
    montrerSiVoix();
    if (r_.voix)
        connect(r_.voix, &Voix::disponibiliteChangee, this, &Ecouter::montrerSiVoix);
}

Ecouter* Ecouter::attacher(Routines& r, ProtocoleReponse& protocole, QPoint place,
                           const QList<QLabel*>& enonce, QLabel* verdict)
{
    return attacher(r, protocole, place, textesDe(enonce), verdict);
}

Ecouter::Textes Ecouter::textesDe(const QList<QLabel*>& labels)
{
    return [labels = QList<QPointer<QLabel>>(labels.begin(), labels.end())] {
        QStringList textes;
        for (const QLabel* l : labels)
            if (l)
                textes << l->text();
        return textes;
    };
}

Ecouter* Ecouter::attacher(Routines& r, ProtocoleReponse& protocole, QPoint place, Textes enonce,
                           QLabel* verdict)
{
    auto* e = new Ecouter(r, qobject_cast<Screen*>(verdict->parentWidget()), place, std::move(enonce),
                          verdict->objectName());
    e->verdict_ = verdict;
    protocole.suivre(e);
    return e;
}

void Ecouter::montrerSiVoix()
{
    setVisible(r_.voixParlante() != nullptr);
}

QStringList Ecouter::aDireMaintenant() const
{
    if (!juge_ || !verdict_)
        return enonce_();
    return enonceJuge_ + QStringList{verdict_->text()};
}

void Ecouter::dire(const QStringList& textes) const
{
    if (Voix* v = r_.voixParlante())
        v->dire(voix::aDire(textes));
}

void Ecouter::ouverte()
{
    juge_ = false;
    if (prochainAuto())
        return;
    prochainAuto() = this;
    // Said once the screen has written the new statement and is on view.
    QTimer::singleShot(0, this, [this] {
        prochainAuto() = nullptr;
        if (r_.lectureAuto() && parentWidget()->isVisible())
            dire(enonce_());
    });
}

void Ecouter::avantVerdict()
{
    enonceJuge_ = enonce_();
}

void Ecouter::apresVerdict()
{
    juge_ = true;
    if (r_.lectureAuto() && verdict_)
        dire({verdict_->text()});
}

Ecouter* Ecouter::celuiDeF5() const
{
    const QList<Ecouter*> tous = parentWidget()->findChildren<Ecouter*>(Qt::FindDirectChildrenOnly);
    const QWidget* focus = window()->focusWidget();
    Ecouter* choisi = nullptr;
    qreal meilleur = 0;
    for (Ecouter* e : tous) {
        if (!e->isVisible())
            continue;
        if (!focus || focus->parentWidget() != parentWidget())
            return e;
        const QPointF d = QRectF(e->geometry()).center() - QRectF(focus->geometry()).center();
        const qreal distance = QPointF::dotProduct(d, d);
        if (!choisi || distance < meilleur) {
            choisi = e;
            meilleur = distance;
        }
    }
    return choisi;
}

bool Ecouter::eventFilter(QObject* o, QEvent* e)
{
    // Leaving the screen silences what it was saying.
    if (e->type() == QEvent::Hide && o == parentWidget() && r_.voix && r_.voix->parle())
        r_.voix->arreter();
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F5
        && celuiDeF5() == this) {
        click();
        return true;
    }
    return PictureBox::eventFilter(o, e);
}
