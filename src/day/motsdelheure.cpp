// SPDX-License-Identifier: GPL-3.0-or-later
// "Les mots de l'heure": a dial's time said in words, chosen among three,
// or the dial of the words found among three.
#include "clock/aiguilles.h"
#include "clock/horlogeaiguilles.h"
#include "common/routines.h"
#include "common/texte.h"
#include "sectionjournee.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

using namespace ecranjour;

void EcranJournee::construireMots()
{
    mots_ = sectionAHorloges(1, "mots_heure", "mots", QStringLiteral("Les mots de l'heure"), journee::niveauxMots);
    Section& s = *mots_;
    for (int i = 0; i < nombreChoix; ++i) {
        auto* l = makeLabel(this, s.nomObjet("phrase_" + QByteArray::number(i)).constData(),
                            {s.x + 2, hautReponse - 8 + 19 * i, largeur - 4, 18},
                            {uiFont(taille::p9), couleur::noir, Qt::AlignHCenter});
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &ClickableLabel::clicked, this, [this, i] { mots_->choisir(i); });
        phrases_.append(l);
    }
    s.surChoix = [this](int i) {
        for (int k = 0; k < phrases_.size(); ++k) {
            setTextColor(phrases_[k], k == i ? couleur::magenta : couleur::noir);
            phrases_[k]->setAccessibleDescription(k == i ? ditChoisie : QString());
        }
    };
    s.protocoleAvec({}, [this] {
        if (mots_->choisi >= 0)
            return QString();
        return motsVersCadran_ ? QStringLiteral("Choisis d'abord une horloge.")
                               : QStringLiteral("Choisis d'abord une phrase.");
    }, [this] { jugerMots(); }, [this] { questionMots(); });
}

void EcranJournee::questionMots()
{
    Section& s = *mots_;
    s.ouvrir();
    const int pas = journee::niveauxMots[s.niveau()].pas;
    tMots_ = journee::tirer(r_.hasard, pas, tMots_);
    motsVersCadran_ = tirage(r_.hasard, 2, 0) == 1;
    tPhrases_ = journee::confusionsDeMots(tMots_);
    tPhrases_.insert(tirage(r_.hasard, nombreChoix, 0), tMots_);
    s.montrerCadrans(motsVersCadran_);
    for (int i = 0; i < nombreChoix; ++i) {
        phrases_[i]->setVisible(!motsVersCadran_);
        phrases_[i]->setCaption(journee::enMots(tPhrases_[i]));
        setTextColor(phrases_[i], couleur::noir);
        phrases_[i]->setAccessibleDescription({});
    }
    s.tCadrans.clear();
    for (int t : tPhrases_)
        s.tCadrans << aiguilles::surCadran(t);
    if (motsVersCadran_) {
        for (int i = 0; i < nombreChoix; ++i)
            s.cadrans[i]->setMinutes(s.tCadrans[i]);
        s.enonce->setCaption(texte::insecable(QStringLiteral("Il est ") + journee::enMots(tMots_)
                                       + QStringLiteral(".\nQuelle horloge montre\ncette heure ?")));
    } else {
        s.horloge->setMinutes(tMots_);
        // Broken by hand: "de l'après-midi" whole on its own line.
        s.enonce->setCaption(QStringLiteral("L'horloge montre une heure\n") + deMoment(journee::moment(tMots_))
                             + QStringLiteral(".\nComment la dit-on ?"));
    }
    montrerMoment(1, tMots_);
}

void EcranJournee::jugerMots()
{
    Section& s = *mots_;
    const int attendue = aiguilles::surCadran(tMots_);
    const int donnee = s.tCadrans.value(s.choisi);
    s.protocole->soumettre(
        [&] { return donnee == attendue; },
        [&](bool juste) {
            s.apresReponse(juste);
            s.ecrireVerdict(juste, verdictMots(tMots_, donnee, motsVersCadran_));
            if (juste)
                return;
            s.montrerBonne(attendue);
            for (int i = 0; i < nombreChoix; ++i) {
                const bool bonne = s.tCadrans[i] == attendue;
                if (i == s.choisi)
                    setTextColor(phrases_[i], couleur::rouge);
                else if (bonne)
                    setTextColor(phrases_[i], couleur::magenta);
                phrases_[i]->setAccessibleDescription(ditApresErreur(bonne, i == s.choisi));
            }
        },
        [&] {
            if (motsVersCadran_)
                return ReponseJugee{.question = QStringLiteral("Il est ") + journee::enMots(tMots_)
                                                  + QStringLiteral(" : quelle horloge ?"),
                                    .reponse = aiguilles::texte(donnee),
                                    .attendue = aiguilles::texte(attendue)};
            return ReponseJugee{.question = QStringLiteral("Horloge ") + aiguilles::texte(attendue)
                                              + QStringLiteral(" en mots"),
                                .reponse = journee::enMots(tPhrases_.value(s.choisi)),
                                .attendue = journee::enMots(tMots_)};
        });
}
