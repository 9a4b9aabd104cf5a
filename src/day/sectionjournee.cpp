// SPDX-License-Identifier: GPL-3.0-or-later
#include "sectionjournee.h"

#include <QRegularExpression>
#include <QSignalBlocker>

#include "clock/aiguilles.h"
#include "clock/horlogeaiguilles.h"
#include "common/routines.h"
#include "common/texte.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/picturebox.h"
#include "ui/style.h"

namespace ecranjour {

ClickableLabel* reponseAvecFleche(Routines& r, QWidget* e, const char* label, const char* fleche, QPoint at,
                                  int max, int pas, std::function<QString(int)> libelle, ArrowSpinner** sortie)
{
    auto* l = makeLabel(e, label, QRect(at, QSize(40, 18)), {uiFont(taille::p9), couleur::noir, Qt::AlignCenter});
    ArrowSpinner* s = makeSpinner(e, fleche, at + QPoint(5, 20), 0, max);
    s->setSingleStep(pas);
    l->setBuddy(s);
    QObject::connect(s, &ArrowSpinner::valueChanged, e, [&r, l, libelle](int v) {
        l->setCaption(libelle(v));
        r.SonClic();
    });
    // An arrow pressed at a bound still gives its value: 0 in one click.
    QObject::connect(s, &ArrowSpinner::stepped, e, [&r, l, libelle](int v) {
        if (l->text() != libelle(v)) {
            l->setCaption(libelle(v));
            r.SonClic();
        }
    });
    *sortie = s;
    return l;
}

void remettre(ArrowSpinner* fleche, ClickableLabel* label, const QString& attente)
{
    const QSignalBlocker silence(fleche);
    fleche->setValue(0);
    label->setCaption(attente);
}

}  // namespace ecranjour

using namespace ecranjour;

EcranJournee::Section::Section(EcranJournee* e, int colonne, const char* activite, const char* suffixe,
        const QString& titre, const QStringList& cles, const QStringList& noms)
    : ::Section(e, e->r_, PlaceSection{.x = colonnes[colonne]}, activite, suffixe, titre, cles, noms,
                [e] { e->CompterExercice(); })
{
}

void EcranJournee::Section::horlogeEtMoment()
{
    horloge = new HorlogeAiguilles(ecran);
    horloge->setObjectName(QString::fromLatin1(nomObjet("horloge")));
    horloge->setGeometry(x + 2, 92, 118, 118);
    horloge->setReglable(false);
    moment = new PictureBox(ecran);
    moment->setObjectName(QString::fromLatin1(nomObjet("moment")));
    moment->setGeometry(QRect(QPoint(x + 122, 118), tailleMoment));
}

void EcranJournee::Section::cadransAChoisir()
{
    for (int i = 0; i < nombreChoix; ++i) {
        auto* c = new HorlogeAiguilles(ecran);
        c->setObjectName(QString::fromLatin1(nomObjet("cadran_" + QByteArray::number(i))));
        c->setGeometry(QRect(QPoint(x, 0) + placesCadrans[i], QSize(coteCadran, coteCadran)));
        c->setReglable(false);
        c->setAccessibleName(QStringLiteral("Horloge %1").arg(i + 1));
        c->setCursor(Qt::PointingHandCursor);
        QObject::connect(c, &HorlogeAiguilles::clicked, ecran, [this, i] { choisir(i); });
        cadrans.append(c);
    }
}

void EcranJournee::Section::choisir(int i)
{
    if (!encore->isHidden())
        return;
    r.SonClic();
    choisi = i;
    for (int k = 0; k < cadrans.size(); ++k) {
        cadrans[k]->setChoisie(k == i);
        cadrans[k]->setAccessibleDescription(k == i ? ditChoisie : QString());
    }
    if (surChoix)
        surChoix(i);
}

void EcranJournee::Section::ouvrir()
{
    ::Section::ouvrir();
    for (HorlogeAiguilles* c : cadrans) {
        c->setChoisie(false);
        c->setAccessibleDescription({});
    }
}

void EcranJournee::Section::montrerBonne(int attendue)
{
    for (int i = 0; i < nombreChoix; ++i) {
        const bool bonne = tCadrans[i] == attendue;
        cadrans[i]->setChoisie(bonne);
        cadrans[i]->setAccessibleDescription(ditApresErreur(bonne, i == choisi));
    }
}

void EcranJournee::Section::montrerCadrans(bool oui)
{
    horloge->setVisible(!oui);
    moment->setVisible(!oui);
    for (HorlogeAiguilles* c : cadrans)
        c->setVisible(oui);
}
