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
#include "ui/niveaux.h"
#include "ui/picturebox.h"
#include "ui/style.h"
#include "voice/ecouter.h"

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
    : ecran(e), x(colonnes[colonne]), activite(QString::fromLatin1(activite)),
      suffixe(QByteArray(suffixe)), clesNiveaux(cles)
{
    makeLabel(e, nomObjet("titre").constData(), {x, 10, largeur, 22},
              {uiFont(taille::p12), couleur::violet, Qt::AlignHCenter}, titre);
    enonce = makeLabel(e, nomObjet("enonce").constData(), {x, hautEnonce, largeur, 58},
                       {uiFont(taille::p9), couleur::bleu, Qt::AlignHCenter});
    verdict = makeLabel(e, nomObjet("verdict").constData(), {x, hautVerdict, largeur, hautNiveaux - hautVerdict - 2},
                        {uiFont(taille::p8), couleur::bleu, Qt::AlignHCenter});
    verifier = makeLabel(e, nomObjet("verifier").constData(), {x + 64, hautVerifier, 76, 22},
                         {uiFont(taille::p12), couleur::bleu, Qt::AlignCenter}, QStringLiteral("Vérifier"));
    verifier->setCursor(Qt::PointingHandCursor);
    encore = makeLabel(e, nomObjet("encore").constData(), {x + 58, hautVerifier, 88, 22},
                       {uiFont(taille::p12), couleur::violet, Qt::AlignCenter}, QStringLiteral("Continuer"));
    encore->setCursor(Qt::PointingHandCursor);
    encore->hide();
    // Over four levels, two columns: the section ends where the screen does.
    const int colonnes = cles.size() > 4 ? 2 : 1;
    niveaux = std::make_unique<ListeNiveaux>(e, QByteArray("niveau_") + suffixe + "_", cles, noms,
                                             QRect(x + 8, hautNiveaux, (largeur - 8) / colonnes, pasNiveaux), pasNiveaux,
                                             taille::p8, [this](int i) { choisirNiveau(i); },
                                             int(cles.size() + colonnes - 1) / colonnes);
}

void EcranJournee::Section::protocoleAvec(QList<QWidget*> fleches, std::function<QString()> manque, void (EcranJournee::*juger)(),
                                          void (EcranJournee::*question)())
{
    fleches.prepend(verifier);
    protocole = std::make_unique<ProtocoleReponse>(ecran->r_, activite, encore, std::move(fleches),
                                                   [manque] { return manque().isEmpty(); },
                                                   [this] { ecran->CompterExercice(); });
    Ecouter::attacher(ecran->r_, *protocole, placeEcouter(), {enonce}, verdict);
    QObject::connect(verifier, &ClickableLabel::clicked, ecran, [this, manque, juger] {
        const QString reste = encore->isHidden() ? manque() : QString();
        if (reste.isEmpty())
            return (ecran->*juger)();
        verdict->setCaption(texte::insecable(reste));
        setTextColor(verdict, couleur::bleu);
        ecran->r_.direSiLectureAuto(reste);
    });
    QObject::connect(encore, &ClickableLabel::clicked, ecran, [this, question] {
        ecran->r_.SonClic();
        (ecran->*question)();
    });
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
    ecran->r_.SonClic();
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
    protocole->ouvrir();
    protocole->fixerNiveau(clesNiveaux[niveau()]);
    choisi = -1;
    for (HorlogeAiguilles* c : cadrans) {
        c->setChoisie(false);
        c->setAccessibleDescription({});
    }
    verdict->clear();
    setTextColor(enonce, couleur::bleu);
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

void EcranJournee::Section::ecrireVerdict(bool juste, const QString& texte)
{
    verdict->setCaption(texte::insecable(texte));
    setTextColor(verdict, juste ? couleur::bleu : couleur::rouge);
}

int EcranJournee::Section::niveau() const
{
    const QString cle = ecran->r_.preferences->lire(cleNiveau(), clesNiveaux.first());
    return std::max(0, int(clesNiveaux.indexOf(cle)));
}

void EcranJournee::Section::choisirNiveau(int i)
{
    ecran->r_.SonClic();
    ecran->r_.preferences->ecrire(cleNiveau(), clesNiveaux[i]);
    if (suivi)
        suivi->choisir(i);
    niveaux->marquer(i);
}

void EcranJournee::Section::suivreLeNiveau()
{
    suivi.reset();
    const Routines& r = ecran->r_;
    if (r.niveaux_adaptes) {
        suivi = programme::NiveauQuiSuit::pour(activite, clesNiveaux, *r.positionnement, r.annees);
        ecran->r_.preferences->ecrire(cleNiveau(), clesNiveaux[suivi->niveau()]);
    }
    niveaux->marquer(niveau());
}

void EcranJournee::Section::apresReponse(bool juste)
{
    if (suivi && suivi->repondre(juste)) {
        ecran->r_.preferences->ecrire(cleNiveau(), clesNiveaux[suivi->niveau()]);
        niveaux->marquer(suivi->niveau());
    }
}
