// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections.h"

#include <QEvent>

#include "common/routines.h"
#include "common/texte.h"
#include "exercices.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

namespace {

// A centred label that grows with its text stays centred on the middle of
// its designed box instead of spreading to the right only.
class GardeCentre final : public QObject {
public:
    GardeCentre(QWidget* label, double centre) : QObject(label), centre_(centre)
    {
        label->installEventFilter(this);
        recentrer(label);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            recentrer(static_cast<QWidget*>(o));
        return false;
    }

private:
    void recentrer(QWidget* w) const { w->move(qRound(centre_ - w->width() / 2.0), w->y()); }
    double centre_;
};

ClickableLabel* labelCentre(QWidget* parent, const char* nom, const QRect& place, int taillePixels,
                            const QColor& couleurTexte, const QString& legende)
{
    auto* l = makeLabel(parent, nom, place,
                        {uiFont(taillePixels), couleurTexte, Qt::AlignHCenter, true}, legende);
    new GardeCentre(l, place.x() + place.width() / 2.0);
    return l;
}

}  // namespace

ClickableLabel* Section::enonce(const char* nom, const QRect& place)
{
    return makeLabel(&ecran_, nom, place, {uiFont(taille::p8), couleur::bleu, Qt::AlignHCenter});
}

ClickableLabel* Section::enonceCentre(const char* nom, const QRect& place)
{
    return labelCentre(&ecran_, nom, place, taille::p8, couleur::bleu, QString());
}

ClickableLabel* Section::reponse(const char* nom, const QRect& place, const QString& legende)
{
    auto* l = labelCentre(&ecran_, nom, place, taille::p9, couleur::noir, legende);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

ClickableLabel* Section::texteFixe(const char* nom, const QRect& place, Qt::Alignment alignement,
                                   const QString& legende)
{
    return makeLabel(&ecran_, nom, place, {uiFont(taille::p9), couleur::noir, alignement}, legende);
}

ClickableLabel* Section::continuer(const char* nom, const QRect& place)
{
    auto* l = labelCentre(&ecran_, nom, place, taille::p9, couleur::violet,
                          QStringLiteral("Continuer"));
    l->setCursor(Qt::PointingHandCursor);
    l->hide();
    return l;
}

ArrowSpinner* Section::fleche(const char* nom, QPoint place, int min, int max,
                              ClickableLabel* cible, const QString& unite)
{
    auto* f = makeSpinner(&ecran_, nom, place, min, max, min);
    // Screen readers name the spinner by the answer it writes.
    cible->setBuddy(f);
    QObject::connect(f, &ArrowSpinner::valueChanged, cible, [this, cible, unite](int v) {
        cible->setCaption(texte::F(v) + unite);
        r_.SonClic();
    });
    return f;
}

std::unique_ptr<ProtocoleReponse> Section::protocole(const char* activite, QWidget* encore,
                                                     QList<QWidget*> fleches,
                                                     std::function<bool()> reponseSaisie)
{
    return std::make_unique<ProtocoleReponse>(r_, QString::fromLatin1(activite), encore,
                                              std::move(fleches),
                                              std::move(reponseSaisie),
                                              [this] { ecran_.CompterExercice(); });
}

bool heuresMinutesSaisies(const QLabel* heures, const QLabel* minutes)
{
    return aQuitteAttente(heures, attente::heures) && aQuitteAttente(minutes, attente::minutes);
}
