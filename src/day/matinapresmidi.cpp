// SPDX-License-Identifier: GPL-3.0-or-later
// "Matin ou après-midi ?": a scene's moment named from a whole hour's dial;
// a dial's time written as a digital clock shows it, or the dial of a
// digital time found among three.
#include "clock/aiguilles.h"
#include "clock/horlogeaiguilles.h"
#include "common/routines.h"
#include "common/texte.h"
#include "sectionjournee.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

using namespace ecranjour;

void EcranJournee::construireMatin()
{
    matin_ = sectionAHorloges(0, "matin_apres_midi", "matin", QStringLiteral("Matin ou après-midi ?"),
                              journee::niveauxMatin);
    Section& s = *matin_;
    heureMatin_ = reponseAvecFleche(r_, this, "heure_matin", "fleche_heure_matin", {s.x + 56, hautReponse}, 23, 1,
                                    journee::libelleHeures, &flecheHeureMatin_);
    minuteMatin_ = reponseAvecFleche(r_, this, "minute_matin", "fleche_minute_matin", {s.x + 100, hautReponse}, 55,
                                     pasMinutes, [](int m) { return journee::libelleMinutes(false, m); }, &flecheMinuteMatin_);
    for (int i = 0; i < nombreChoix; ++i) {
        auto* l = makeLabel(this, s.nomObjet("moment_" + QByteArray::number(i)).constData(),
                            {s.x + 2, hautReponse - 8 + 19 * i, largeur - 4, 18},
                            {uiFont(taille::p9), couleur::noir, Qt::AlignHCenter});
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &ClickableLabel::clicked, this, [this, i] { matin_->choisir(i); });
        motsMoments_.append(l);
    }
    s.surChoix = [this](int i) {
        for (int k = 0; k < motsMoments_.size(); ++k) {
            setTextColor(motsMoments_[k], k == i ? couleur::magenta : couleur::noir);
            motsMoments_[k]->setAccessibleDescription(k == i ? ditChoisie : QString());
        }
    };
    s.protocoleAvec({flecheHeureMatin_, flecheMinuteMatin_}, [this] {
        if (formeMatin_ != FormeMatin::Numerique)
            return matin_->choisi >= 0 ? QString()
                   : formeMatin_ == FormeMatin::Moment ? QStringLiteral("Choisis d'abord un moment.")
                                                        : QStringLiteral("Choisis d'abord une horloge.");
        QList<PartieReponse> manquantes;
        if (!aQuitteAttente(heureMatin_, attenteHeures))
            manquantes << partie::heure;
        if (!aQuitteAttente(minuteMatin_, attenteMinutes))
            manquantes << partie::minutes;
        return ceQuiManque(manquantes);
    }, [this] { jugerMatin(); }, [this] { questionMatin(); });
}

void EcranJournee::questionMatin()
{
    Section& s = *matin_;
    s.ouvrir();
    // Whole hours are the CP's: a scene's moment, the dial showing its hour.
    const bool moments = journee::niveauxMatin[s.niveau()].pas == 60;
    if (moments) {
        sceneMatin_ = journee::tirerScene(r_.hasard, sceneMatin_);
        tMatin_ = journee::scenes[sceneMatin_].heure * 60;
        momentsProposes_ = journee::momentsProposes(r_.hasard, sceneMatin_);
        formeMatin_ = FormeMatin::Moment;
    } else {
        tMatin_ = journee::tirer(r_.hasard, journee::niveauxMatin[s.niveau()].pas, tMatin_);
        formeMatin_ = tirage(r_.hasard, 2, 0) == 1 ? FormeMatin::VersCadran : FormeMatin::Numerique;
    }
    remettre(flecheHeureMatin_, heureMatin_, attenteHeures);
    remettre(flecheMinuteMatin_, minuteMatin_, attenteMinutes);
    for (QWidget* w : QList<QWidget*>{flecheHeureMatin_, flecheMinuteMatin_, heureMatin_, minuteMatin_})
        w->setVisible(formeMatin_ == FormeMatin::Numerique);
    for (int i = 0; i < nombreChoix; ++i) {
        motsMoments_[i]->setVisible(moments);
        motsMoments_[i]->setCaption(moments ? journee::nomMoment(momentsProposes_.value(i)) : QString());
        setTextColor(motsMoments_[i], couleur::noir);
        motsMoments_[i]->setAccessibleDescription({});
    }
    s.montrerCadrans(formeMatin_ == FormeMatin::VersCadran);
    switch (formeMatin_) {
    case FormeMatin::Moment:
        s.horloge->setMinutes(tMatin_);
        s.enonce->setCaption(texte::insecable(journee::enonceMoment(sceneMatin_)));
        break;
    case FormeMatin::VersCadran:
        s.tCadrans = journee::cadransVoisins(tMatin_);
        s.tCadrans.insert(tirage(r_.hasard, nombreChoix, 0), aiguilles::surCadran(tMatin_));
        for (int i = 0; i < nombreChoix; ++i)
            s.cadrans[i]->setMinutes(s.tCadrans[i]);
        s.enonce->setCaption(texte::insecable(QStringLiteral("Il est ") + journee::numerique(tMatin_)
                                              + QStringLiteral(".\nQuelle horloge montre\ncette heure ?")));
        break;
    case FormeMatin::Numerique:
        s.horloge->setMinutes(tMatin_);
        s.enonce->setCaption(texte::insecable(enonceNumerique(journee::moment(tMatin_))));
        break;
    }
    // The moment's drawing would tell the answer: it comes with the verdict.
    s.moment->setVisible(!moments);
    montrerMoment(0, tMatin_);
}

void EcranJournee::jugerMatin()
{
    Section& s = *matin_;
    if (formeMatin_ == FormeMatin::Moment) {
        const journee::Moment choisi = momentsProposes_.value(s.choisi);
        const journee::Moment juste = journee::moment(tMatin_);
        s.protocole->soumettre(
            [&] { return choisi == juste; },
            [&](bool bon) {
                s.apresReponse(bon);
                s.ecrireVerdict(bon, journee::verdictMoment(sceneMatin_, choisi));
                s.moment->setVisible(true);
                for (int i = 0; i < nombreChoix; ++i) {
                    const bool bonne = momentsProposes_[i] == juste;
                    if (bonne && !bon)
                        setTextColor(motsMoments_[i], couleur::violet);
                    motsMoments_[i]->setAccessibleDescription(bon ? (i == s.choisi ? ditChoisie : QString())
                                                                  : ditApresErreur(bonne, i == s.choisi));
                }
            },
            [&] {
                return ReponseJugee{.question = journee::enonceMoment(sceneMatin_).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                                    .reponse = journee::nomMoment(choisi),
                                    .attendue = journee::nomMoment(juste)};
            });
        return;
    }
    const bool versCadran = formeMatin_ == FormeMatin::VersCadran;
    const int attendue = aiguilles::surCadran(tMatin_);
    const int donnee = versCadran ? s.tCadrans.value(s.choisi)
                                  : flecheHeureMatin_->value() * 60 + flecheMinuteMatin_->value();
    s.protocole->soumettre(
        [&] { return versCadran ? donnee == attendue : donnee == tMatin_; },
        [&](bool juste) {
            s.apresReponse(juste);
            s.ecrireVerdict(juste, versCadran ? verdictCadranChoisi(tMatin_, donnee) : verdictNumerique(tMatin_, donnee));
            if (!juste && versCadran)
                s.montrerBonne(attendue);
        },
        [&] {
            if (versCadran)
                return ReponseJugee{.question = QStringLiteral("Il est ") + journee::numerique(tMatin_)
                                                  + QStringLiteral(" : quelle horloge ?"),
                                    .reponse = aiguilles::texte(donnee),
                                    .attendue = aiguilles::texte(attendue)};
            return ReponseJugee{.question = QStringLiteral("Horloge ") + aiguilles::texte(attendue) + QLatin1Char(' ')
                                              + deMoment(journee::moment(tMatin_)),
                                .reponse = journee::numerique(donnee),
                                .attendue = journee::numerique(tMatin_)};
        });
}
