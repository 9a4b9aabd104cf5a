// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeuxdates.h"

#include "age.h"
#include "anniversaire.h"
#include "commun.h"
#include "common/routines.h"
#include "common/texte.h"
#include "naissance.h"
#include "nbmois.h"
#include "section.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

namespace {

const SectionJeu::Plan planDate{
    "date_naissance", "enonce7", {129, 114, 0, 0}, 309,
    "mois_dates", {98, 158}, "an_dates", {167, 158},
    {"fleche7", {112, 174}, 1, 12, 1, true}, {"fleche8", {167, 174}, 1900, 2100, 2000, false},
    "clic", 3, {299, 41}, 192, 174,
    "encore_date", {221, 213}, true, {103, 112}};

const SectionJeu::Plan planNbMois{
    "mois_en_annees", "enonce8", {380, 114, 219, 13}, 0,
    "nans", {429, 130}, "nmois", {508, 130},
    {"fleche9", {452, 146}, 0, 50, 0, false}, {"fleche10", {508, 146}, 0, 11, 0, false},
    "clic2", 358, {272, 49}, 167, 146,
    "encore_nbmois", {555, 192}, false, {354, 110}};

const SectionJeu::Plan planAge{
    "date_anniversaire", "enonce9", {179, 249, 257, 31}, 0,
    "mmois", {260, 283}, "mans", {324, 283},
    {"fleche11", {269, 299}, 1, 12, 1, true}, {"fleche12", {324, 299}, 2000, 2100, 2000, false},
    "clic3", 150, {325, 33}, 320, 299,
    "encore_age", {380, 331}, true, {153, 251}};

const SectionJeu::Plan planAnniversaire{
    "age_anniversaire", "enonce10", {6, 367, 257, 31}, 0,
    "ani_ans", {97, 396}, "ani_mois", {155, 396},
    {"fleche13", {109, 412}, 0, 99, 0, false}, {"fleche14", {160, 412}, 0, 11, 0, false},
    "clic4", 2, {291, 37}, 433, 412,
    "encore_anniversaire", {221, 451}, true, {262, 369}};

QString annee(int v)
{
    return texte::F(v);
}

}  // namespace

JeuxDates::JeuxDates(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("jeux_dates"));
    score_ = makeLabel(this, "score", {157, 55, 303, 46}, {uiFont(taille::p8), couleur::rouge});
    retour_ = makeLabel(this, "retour", {551, 459, 78, 18}, {uiFont(taille::p8), couleur::noir},
                        QStringLiteral("Retour"));
    connect(retour_, &ClickableLabel::clicked, this,
            [this] { r_.retourDepart(this, QString(), [] {}); });

    addLine({309, 113, 309, 237}, couleur::noir);
    addLine({84, 240, 294, 240}, couleur::noir);
    addLine({332, 240, 611, 240}, couleur::noir);
    addLine({135, 350, 530, 350}, couleur::noir);

    const auto compter = [this] { CompterExerciceDates(); };
    // Games 1 and 3: the month label writes a day that exists in the month
    // and the year shown, so it follows the year spinner too.
    const auto relierJourEtMois = [this](SectionJeu& s) {
        const auto libelle = [this, &s](int mois) {
            return jeuxdates::jourEtMois(aujourdhui().day(), mois, s.fleche2->value());
        };
        s.relier(s.fleche1, s.reponse1, libelle);
        connect(s.fleche2, &ArrowSpinner::valueChanged, this,
                [&s, libelle] { s.ecrire(s.reponse1, libelle(s.fleche1->value())); });
    };

    // Games 1 and 3: the year spinner must have left today's year.
    date_ = std::make_unique<SectionJeu>(
        r_, this, planDate, [this] { return date_->fleche2->value() != aujourdhui().year(); },
        compter);
    relierJourEtMois(*date_);
    date_->relier(date_->fleche2, date_->reponse2, annee);
    date_->surReponse([this] {
        date_->soumettre(
            [this] {
                return naissance::estJuste(date_naissance, date_->fleche1->value(),
                                           date_->fleche2->value());
            },
            naissance::succes(),
            [this] {
                return naissance::echec(jeuxdates::prenoms().value(prenom_date), date_naissance);
            },
            [this] { return moisEtAnnee(date_naissance); });
    });
    connect(date_->encore, &ClickableLabel::clicked, this, &JeuxDates::NouvelleQuestionDate);

    // Games 2 and 4: both spinners must have been moved since the draw.
    nbmois_ = std::make_unique<SectionJeu>(
        r_, this, planNbMois,
        [this] {
            return aQuitteAttente(nbmois_->reponse1, nbmois::AttenteAnnees)
                && aQuitteAttente(nbmois_->reponse2, jeuxdates::AttenteMois);
        },
        compter);
    nbmois_->relier(nbmois_->fleche1, nbmois_->reponse1, nbmois::libelleAnnees);
    nbmois_->relier(nbmois_->fleche2, nbmois_->reponse2, jeuxdates::libelleMois);
    nbmois_->surReponse([this] {
        nbmois_->soumettre(
            [this] {
                return nbmois::conversion(nb_mois)
                    == nbmois::AnsMois{nbmois_->fleche1->value(), nbmois_->fleche2->value()};
            },
            nbmois::succes(), [this] { return nbmois::echec(nb_mois); },
            [this] {
                const nbmois::AnsMois r = nbmois::conversion(nb_mois);
                return nbmois::libelleAnnees(r.ans) + QLatin1Char(' ') + jeuxdates::libelleMois(r.mois);
            });
    });
    connect(nbmois_->encore, &ClickableLabel::clicked, this, &JeuxDates::NouvelleQuestionNbMois);

    age_ = std::make_unique<SectionJeu>(
        r_, this, planAge, [this] { return age_->fleche2->value() != aujourdhui().year(); },
        compter);
    relierJourEtMois(*age_);
    age_->relier(age_->fleche2, age_->reponse2, annee);
    age_->surReponse([this] {
        age_->soumettre(
            [this] {
                return age::estJuste(date_fete, age_->fleche1->value(), age_->fleche2->value());
            },
            age::succes(),
            [this] {
                return age::echec(jeuxdates::prenoms().value(prenom_age), date_fete);
            },
            [this] { return moisEtAnnee(date_fete); });
    });
    connect(age_->encore, &ClickableLabel::clicked, this, [this] {
        r_.SonClic();
        NouvelleQuestionAge();
    });

    anniversaire_ = std::make_unique<SectionJeu>(
        r_, this, planAnniversaire,
        [this] {
            return aQuitteAttente(anniversaire_->reponse1, anniversaire::AttenteAns)
                && aQuitteAttente(anniversaire_->reponse2, jeuxdates::AttenteMois);
        },
        compter);
    anniversaire_->relier(anniversaire_->fleche1, anniversaire_->reponse1, anniversaire::libelleAns);
    anniversaire_->relier(anniversaire_->fleche2, anniversaire_->reponse2, jeuxdates::libelleMois);
    anniversaire_->surReponse([this] {
        anniversaire_->soumettre(
            [this] {
                return anniversaire::estJuste(ans_anniversaire, mois_anniversaire,
                                              anniversaire_->fleche1->value(),
                                              anniversaire_->fleche2->value());
            },
            anniversaire::succes(),
            [this] {
                return anniversaire::echec(jeuxdates::prenoms().value(prenom_anniversaire),
                                           ans_anniversaire, mois_anniversaire);
            },
            [this] {
                return anniversaire::libelleAns(ans_anniversaire) + QLatin1Char(' ')
                     + jeuxdates::libelleMois(mois_anniversaire);
            });
    });
    connect(anniversaire_->encore, &ClickableLabel::clicked, this,
            &JeuxDates::NouvelleQuestionAnniversaire);

    // Game by game: spinners, answers, "Continuer"; "Retour" last.
    setFocusOrder({
        {"fleche7", "fleche8", "mois_dates", "an_dates", "encore_date"},
        {"fleche9", "fleche10", "nans", "nmois", "encore_nbmois"},
        {"fleche11", "fleche12", "mmois", "mans", "encore_age"},
        {"fleche13", "fleche14", "ani_ans", "ani_mois", "encore_anniversaire"},
        {"retour"},
    });
    setEscapeControl("retour");
}

JeuxDates::~JeuxDates() = default;

void JeuxDates::CompterExerciceDates()
{
    r_.compterExercice(score_);
}

void JeuxDates::activation()
{
    NouvelleQuestionDate();
    NouvelleQuestionNbMois();
    NouvelleQuestionAge();
    NouvelleQuestionAnniversaire();
}

QString JeuxDates::moisEtAnnee(const QDate& d) const
{
    return jeuxdates::jourEtMois(aujourdhui().day(), d.month(), d.year()) + QLatin1Char(' ')
         + annee(d.year());
}

QDate JeuxDates::aujourdhui() const
{
    return r_.maintenant().date();
}

void JeuxDates::NouvelleQuestionDate()
{
    SectionJeu& s = *date_;
    s.ouvrir();
    const jeuxdates::Enfant e = jeuxdates::tirerEnfant(r_.hasard, naissance::AnsMin);
    prenom_date = e.prenom;
    const QDate jour = aujourdhui();
    s.ecrire(s.enonce,
             naissance::enonce(jour, jeuxdates::prenoms().value(prenom_date), e.ans, e.mois));
    s.fleche2->setMaximum(jour.year());
    s.fleche2->setMinimum(s.fleche2->maximum() - 100);
    s.fleche2->setValue(jour.year());
    s.fleche1->setValue(jour.month());
    // The month label carries today's day: write it even when the month
    // spinner did not move, in case the day changed since.
    s.ecrire(s.reponse1, jeuxdates::jourEtMois(jour.day(), s.fleche1->value(), jour.year()));
    date_naissance = naissance::dateNaissance(jour, e.ans, e.mois);
}

void JeuxDates::NouvelleQuestionNbMois()
{
    SectionJeu& s = *nbmois_;
    s.fleche1->setValue(0);
    s.fleche2->setValue(0);
    s.ecrire(s.reponse1, nbmois::AttenteAnnees);
    s.ecrire(s.reponse2, jeuxdates::AttenteMois);
    s.ouvrir();
    nb_mois = nbmois::tirer(r_.hasard);
    s.ecrire(s.enonce, nbmois::enonce(nb_mois));
}

void JeuxDates::NouvelleQuestionAge()
{
    SectionJeu& s = *age_;
    const QDate jour = aujourdhui();
    s.fleche2->setMaximum(age::anneeMaximum(jour.year()));
    s.fleche2->setMinimum(jour.year());
    s.fleche2->setValue(jour.year());
    s.fleche1->setValue(jour.month());
    s.ecrire(s.reponse1, jeuxdates::jourEtMois(jour.day(), s.fleche1->value(), jour.year()));
    s.ouvrir();
    const jeuxdates::Enfant e = jeuxdates::tirerEnfant(r_.hasard, age::AnsMin);
    prenom_age = e.prenom;
    s.ecrire(s.enonce, age::enonce(jeuxdates::prenoms().value(prenom_age), e.ans, e.mois));
    date_fete = age::dateFete(jour, e.ans, e.mois);
}

void JeuxDates::NouvelleQuestionAnniversaire()
{
    SectionJeu& s = *anniversaire_;
    const jeuxdates::Enfant e = jeuxdates::tirerEnfant(r_.hasard, anniversaire::AnsMin);
    prenom_anniversaire = e.prenom;
    s.fleche1->setValue(0);
    s.fleche2->setValue(0);
    s.ecrire(s.reponse1, anniversaire::AttenteAns);
    s.ecrire(s.reponse2, jeuxdates::AttenteMois);
    s.ouvrir();
    mois_anniversaire = e.mois;
    ans_anniversaire = e.ans;
    s.ecrire(s.enonce,
             anniversaire::enonce(aujourdhui(), jeuxdates::prenoms().value(prenom_anniversaire),
                                  ans_anniversaire, mois_anniversaire));
}
