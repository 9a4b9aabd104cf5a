// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecranjournee.h"

#include "common/routines.h"
#include "sectionjournee.h"
#include "ui/clickablelabel.h"
#include "ui/niveaux.h"
#include "ui/picturebox.h"
#include "ui/style.h"

using namespace ecranjour;

EcranJournee::EcranJournee(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("journee"));
    construireMatin();
    construireMots();
    construireDuree();

    // Below the first two columns, beside the third one's levels.
    score_ = makeLabel(this, "score", {10, 444, 410, 26}, {uiFont(taille::p8), couleur::rouge});
    boutonRetour(this, r_);

    // Section by section: what is read or chosen, the answer, "Vérifier"
    // or "Continuer", the levels; "RETOUR" last.
    QList<QStringList> ordre;
    for (const Section* s : {matin_.get(), mots_.get(), duree_.get()}) {
        QStringList reponse;
        for (const char* role : {"horloge", "cadran_0", "cadran_1", "cadran_2", "phrase_0", "phrase_1", "phrase_2",
                                 "moment_0", "moment_1", "moment_2", "fleche_heure", "fleche_minute", "fleche_seconde"})
            reponse << QString::fromLatin1(s->nomObjet(role));
        ordre << s->ordre(reponse);
    }
    ordre << QStringList{QStringLiteral("retour")};
    setFocusOrder(ordre);
    setEscapeControl("retour");
}

EcranJournee::~EcranJournee() = default;

std::unique_ptr<EcranJournee::Section> EcranJournee::sectionAHorloges(int colonne, const char* activite,
                                                                      const char* suffixe, const QString& titre,
                                                                      const QList<journee::Niveau>& niveaux)
{
    QStringList cles, noms;
    for (const journee::Niveau& n : niveaux) {
        cles << QString::fromLatin1(n.cle);
        noms << QString::fromUtf8(n.nom);
    }
    auto s = std::make_unique<Section>(this, colonne, activite, suffixe, titre, cles, noms);
    s->horlogeEtMoment();
    s->cadransAChoisir();
    return s;
}

void EcranJournee::CompterExercice()
{
    r_.compterExercice(score_);
}

void EcranJournee::setMoments(const PictureFile& planche)
{
    planche_ = planche;
}

void EcranJournee::activation()
{
    for (Section* s : {matin_.get(), mots_.get(), duree_.get()})
        s->suivreLeNiveau();
    questionMatin();
    questionMots();
    questionDuree();
}

void EcranJournee::montrerMoment(int section, int t)
{
    Section& s = section == 0 ? *matin_ : *mots_;
    const journee::Moment m = journee::moment(t);
    s.moment->setPicture(QPixmap(), planche_, QRect(QPoint(tailleMoment.width() * int(m), 0), tailleMoment));
    s.moment->setAccessibleName(QStringLiteral("Dessin : ") + journee::nomMoment(m));
}
