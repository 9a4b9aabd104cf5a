// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecranaiguilles.h"

#include "common/journee.h"
#include "common/routines.h"
#include "common/texte.h"
#include "horlogeaiguilles.h"
#include "ui/clickablelabel.h"
#include "ui/niveaux.h"
#include "ui/style.h"
#include "voice/ecouter.h"

namespace placer {

QString question(const QString& demande)
{
    return QStringLiteral("Placer ") + demande;
}

QString enonce(const QString& demande)
{
    return QStringLiteral("Place les aiguilles sur ") + demande + QStringLiteral(",\npuis clique sur Vérifier.");
}

QString reussite(const QString& cadran, const QString& demande)
{
    const QString apresMidi = demande == cadran ? QString() : QStringLiteral(", soit ") + demande;
    return QStringLiteral("Bravo ! L'horloge montre bien ") + cadran + apresMidi + QLatin1Char('.');
}

QString erreur(const QString& cadran, const QString& demande, bool inversees)
{
    const QString apresMidi = demande == cadran ? QString() : QStringLiteral(" (") + demande + QStringLiteral(" − 12 h)");
    return QStringLiteral("Erreur, il fallait ") + cadran + apresMidi
         + QStringLiteral(".\nLes bonnes aiguilles sont dessinées en clair.")
         + (inversees ? QLatin1Char('\n') + aiguilles::phraseInversion() : QString());
}

}  // namespace placer

namespace {
const QString cleNiveau = QStringLiteral("aiguilles/niveau");
}  // namespace

EcranAiguilles::EcranAiguilles(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("aiguilles"));

    enonce_ = makeLabel(this, "enonce_aiguilles", {20, 16, 600, 64},
                        {uiFont(taille::p13), couleur::bleu, Qt::AlignHCenter});
    enonce_->setAlignment(Qt::AlignCenter);
    horloge_ = new HorlogeAiguilles(this);
    horloge_->setObjectName(QStringLiteral("horloge_aiguilles"));
    horloge_->setGeometry(60, 92, 290, 290);

    makeLabel(this, "titre_niveaux", {410, 92, 200, 22}, {uiFont(taille::p12), couleur::violet},
              QStringLiteral("Niveau"));
    QStringList cles, noms;
    for (aiguilles::Niveau n : aiguilles::niveaux) {
        cles << aiguilles::cle(n);
        noms << aiguilles::nom(n);
    }
    niveaux_ = std::make_unique<ListeNiveaux>(this, "niveau_", cles, noms, QRect(420, 120, 190, 24), 26,
                                              taille::p12, [this](int i) { choisir(aiguilles::niveaux[size_t(i)]); });

    verifier_ = makeLabel(this, "verifier_aiguilles", {420, 326, 180, 30},
                          {uiFont(taille::p13), couleur::bleu, Qt::AlignHCenter | Qt::AlignVCenter},
                          QStringLiteral("Vérifier"));
    verifier_->setCursor(Qt::PointingHandCursor);
    // In the place of "Vérifier", which it replaces once the answer is judged.
    encore_ = makeLabel(this, "encore_aiguilles", {420, 326, 180, 30},
                        {uiFont(taille::p13), couleur::violet, Qt::AlignHCenter | Qt::AlignVCenter},
                        QStringLiteral("Continuer"));
    encore_->setCursor(Qt::PointingHandCursor);
    encore_->hide();

    score_ = makeLabel(this, "score", {170, 420, 303, 46}, {uiFont(taille::p8), couleur::rouge});
    retour_ = makeLabel(this, "retour", {552, 460, 78, 21}, {uiFont(taille::p8), couleur::noir},
                        QStringLiteral("RETOUR"));
    retour_->setAlignment(Qt::AlignCenter);
    retour_->setCursor(Qt::PointingHandCursor);
    retour_->setAccessibleName(QStringLiteral("Retour"));

    protocole_ = std::make_unique<ProtocoleReponse>(
        r_, aiguilles::activite, encore_, QList<QWidget*>{verifier_},
        std::function<bool()>(), [this] { CompterExercice(); });
    Ecouter::attacher(r_, *protocole_, {30, 36}, {enonce_}, enonce_);

    connect(verifier_, &ClickableLabel::clicked, this, &EcranAiguilles::juger);
    connect(encore_, &ClickableLabel::clicked, this, [this] {
        r_.SonClic();
        nouvelleQuestion();
    });
    connect(retour_, &ClickableLabel::clicked, this, [this] {
        constexpr auto rienDePlus = [] {};
        r_.retourDepart(this, QStringLiteral("5"), rienDePlus);
    });

    // The clock, then its answer, then the levels; "RETOUR" last. When
    // "Vérifier" gives way to "Continuer" the focus follows.
    setFocusOrder({{"horloge_aiguilles"}, {"verifier_aiguilles", "encore_aiguilles"}, niveaux_->nomsObjets(),
                   {"retour"}});
    setEscapeControl("retour");
    montrerNiveau();
}

EcranAiguilles::~EcranAiguilles() = default;

void EcranAiguilles::CompterExercice()
{
    r_.compterExercice(score_);
}

aiguilles::Niveau EcranAiguilles::niveau() const
{
    const QString premier = aiguilles::cle(aiguilles::Niveau::Heures);
    return aiguilles::depuisCle(r_.preferences->lire(cleNiveau, premier));
}

QStringList clesNiveaux()
{
    QStringList l;
    for (aiguilles::Niveau n : aiguilles::niveaux)
        l << aiguilles::cle(n);
    return l;
}

void EcranAiguilles::activation()
{
    horloge_->setMinutes(0);
    suivi_.reset();
    if (r_.niveaux_adaptes) {
        suivi_ = programme::NiveauQuiSuit::pour(aiguilles::activite, clesNiveaux(), *r_.positionnement, r_.annees);
        r_.preferences->ecrire(cleNiveau, aiguilles::cle(aiguilles::niveaux[size_t(suivi_->niveau())]));
    }
    montrerNiveau();
    nouvelleQuestion();
}

QString EcranAiguilles::cadran() const
{
    return horloge_->avecSecondes() ? aiguilles::texteSecondes(question_, secondesQuestion_)
                                    : aiguilles::texte(question_);
}

QString EcranAiguilles::demande() const
{
    // The afternoon's time, as a digital clock shows it.
    return niveauQuestion_ == aiguilles::Niveau::ApresMidi ? journee::numerique(question_ + journee::midi) : cadran();
}

void EcranAiguilles::nouvelleQuestion()
{
    protocole_->ouvrir();
    horloge_->cacherSolution();
    horloge_->setReglable(true);
    niveauQuestion_ = niveau();
    const bool secondes = niveauQuestion_ == aiguilles::Niveau::AvecSecondes;
    horloge_->setAvecSecondes(secondes);
    question_ = aiguilles::tirer(r_.hasard, niveauQuestion_, horloge_->minutes());
    protocole_->fixerNiveau(aiguilles::cle(niveauQuestion_));
    secondesQuestion_ = secondes ? aiguilles::tirerSecondes(r_.hasard) : 0;
    enonce_->setFont(uiFont(taille::p13));
    enonce_->setCaption(texte::insecable(placer::enonce(demande())));
    setTextColor(enonce_, couleur::bleu);
}

void EcranAiguilles::juger()
{
    const bool juste = horloge_->minutes() == question_ && horloge_->secondes() == secondesQuestion_;
    protocole_->soumettre(
        [juste] { return juste; },
        [this](bool juste) {
            horloge_->setReglable(false);
            // The next question at the level the answers lead to, shown at once.
            if (suivi_ && suivi_->repondre(juste)) {
                r_.preferences->ecrire(cleNiveau, aiguilles::cle(aiguilles::niveaux[size_t(suivi_->niveau())]));
                montrerNiveau();
            }
            if (juste) {
                enonce_->setCaption(texte::insecable(placer::reussite(cadran(), demande()) + placer::suite));
            } else {
                const bool inversees = aiguilles::aiguillesInversees(horloge_->minutes(), question_);
                // The warning takes two more lines.
                if (inversees)
                    enonce_->setFont(uiFont(taille::p9));
                enonce_->setCaption(texte::insecable(placer::erreur(cadran(), demande(), inversees)));
                setTextColor(enonce_, couleur::rouge);
                horloge_->montrerSolution(question_, secondesQuestion_);
            }
        },
        [this] {
            return ReponseJugee{.question = placer::question(demande()), .reponse = horloge_->texte(), .attendue = cadran()};
        });
}

void EcranAiguilles::choisir(aiguilles::Niveau n)
{
    r_.SonClic();
    r_.preferences->ecrire(cleNiveau, aiguilles::cle(n));
    if (suivi_)
        suivi_->choisir(int(n));
    montrerNiveau();
}

void EcranAiguilles::montrerNiveau()
{
    niveaux_->marquer(int(niveau()));
}
