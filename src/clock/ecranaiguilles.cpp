// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecranaiguilles.h"

#include "common/routines.h"
#include "horlogeaiguilles.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"
#include "voice/ecouter.h"

namespace placer {

QString question(int minutes)
{
    return QStringLiteral("Placer ") + aiguilles::texte(minutes);
}

QString enonce(int minutes)
{
    return QStringLiteral("Placez les aiguilles sur ") + aiguilles::texte(minutes)
         + QStringLiteral(",\npuis cliquez sur Vérifier.");
}

QString reussite(int minutes)
{
    return QStringLiteral("Bravo ! L'horloge indique bien ") + aiguilles::texte(minutes)
         + QStringLiteral(".\nCliquez sur Continuer pour une autre heure.");
}

QString erreur(int minutes)
{
    return QStringLiteral("Erreur, il fallait ") + aiguilles::texte(minutes)
         + QStringLiteral(" !\nLes bonnes aiguilles sont dessinées en clair.");
}

}  // namespace placer

namespace {
const QString cleNiveau = QStringLiteral("aiguilles/niveau");
// The chosen level is marked, the others offered.
const QString marqueChoisi = QStringLiteral("\u25CF ");
const QString marqueOffert = QStringLiteral("\u25CB ");
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
    QStringList nomsNiveaux;
    for (aiguilles::Niveau n : aiguilles::niveaux) {
        const QString cle = aiguilles::cle(n);
        const QByteArray nom = "niveau_" + cle.toLatin1();
        auto* l = makeLabel(this, nom.constData(), {420, 122 + 30 * int(niveaux_.size()), 190, 24},
                            {uiFont(taille::p12), couleur::noir, Qt::AlignLeft});
        l->setAccessibleName(aiguilles::nom(n));
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &ClickableLabel::clicked, this, [this, n] { choisir(n); });
        niveaux_.append(l);
        nomsNiveaux.append(QString::fromLatin1(nom));
    }

    verifier_ = makeLabel(this, "verifier_aiguilles", {420, 290, 180, 30},
                          {uiFont(taille::p13), couleur::bleu, Qt::AlignHCenter | Qt::AlignVCenter},
                          QStringLiteral("Vérifier"));
    verifier_->setCursor(Qt::PointingHandCursor);
    // In the place of "Vérifier", which it replaces once the answer is judged.
    encore_ = makeLabel(this, "encore_aiguilles", {420, 290, 180, 30},
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
        r_, QStringLiteral("placer_aiguilles"), encore_, QList<QWidget*>{verifier_},
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
    setFocusOrder({{"horloge_aiguilles"}, {"verifier_aiguilles", "encore_aiguilles"}, nomsNiveaux,
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

void EcranAiguilles::activation()
{
    horloge_->setMinutes(0);
    montrerNiveau();
    nouvelleQuestion();
}

void EcranAiguilles::nouvelleQuestion()
{
    protocole_->ouvrir();
    horloge_->cacherSolution();
    horloge_->setReglable(true);
    question_ = aiguilles::tirer(r_.hasard, niveau(), horloge_->minutes());
    protocole_->fixerNiveau(aiguilles::cle(niveau()));
    enonce_->setCaption(placer::enonce(question_));
    setTextColor(enonce_, couleur::bleu);
}

void EcranAiguilles::juger()
{
    protocole_->soumettre(
        [this] { return horloge_->minutes() == question_; },
        [this](bool juste) {
            horloge_->setReglable(false);
            if (juste) {
                enonce_->setCaption(placer::reussite(question_));
            } else {
                enonce_->setCaption(placer::erreur(question_));
                setTextColor(enonce_, couleur::rouge);
                horloge_->montrerSolution(question_);
            }
        },
        [this] {
            return ReponseJugee{.question = placer::question(question_),
                                .reponse = horloge_->texte(),
                                .attendue = aiguilles::texte(question_)};
        });
}

void EcranAiguilles::choisir(aiguilles::Niveau n)
{
    r_.SonClic();
    r_.preferences->ecrire(cleNiveau, aiguilles::cle(n));
    montrerNiveau();
}

void EcranAiguilles::montrerNiveau()
{
    const aiguilles::Niveau choisi = niveau();
    for (int i = 0; i < niveaux_.size(); ++i) {
        const aiguilles::Niveau n = aiguilles::niveaux[size_t(i)];
        niveaux_[i]->setCaption((n == choisi ? marqueChoisi : marqueOffert) + aiguilles::nom(n));
        setTextColor(niveaux_[i], n == choisi ? couleur::magenta : couleur::noir);
    }
}
