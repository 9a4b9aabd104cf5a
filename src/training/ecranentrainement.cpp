// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecranentrainement.h"

#include "bilanseance.h"
#include "clock/horlogeaiguilles.h"
#include "common/calendrier.h"
#include "common/reponse.h"
#include "common/routines.h"
#include "common/texte.h"
#include "marquesseance.h"
#include "sections/pagemois.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"
#include "voice/ecouter.h"

namespace {

constexpr int champsMax = 3;  // hours, minutes and seconds
constexpr int choixMax = 3;
// The answer's column: right of the clock when there is one, in the middle
// otherwise.
constexpr int xAvecCadran = 330;
constexpr int xSansCadran = 180;
constexpr int largeurReponse = 280;
// Said as the statements say it.
const QString consigneFleches = QStringLiteral("Choisis ta réponse avec les flèches, puis clique sur Vérifier.");
const QString consigneChoix = QStringLiteral("Choisis la bonne réponse, puis clique sur Vérifier.");
const QString manqueChoix = QStringLiteral("Choisis d'abord une réponse.");

}  // namespace

EcranEntrainement::EcranEntrainement(Routines& r, QList<GenreQuestion*> genres, QWidget* parent)
    : Screen(parent), r_(r), genres_(std::move(genres))
{
    setObjectName(QStringLiteral("entrainement"));
    for (GenreQuestion* g : std::as_const(genres_))
        servis_.append({g->activite(), g->niveaux()});

    makeLabel(this, "titre", {20, 6, 600, 26}, {uiFont(taille::p13), couleur::violet, Qt::AlignHCenter},
              QStringLiteral("Mon entraînement"));
    marques_ = new MarquesSeance(this);
    marques_->setObjectName(QStringLiteral("marques"));
    marques_->setGeometry(150, 34, 340, 26);
    numero_ = makeLabel(this, "numero", {20, 62, 600, 18}, {uiFont(taille::p9), couleur::noir, Qt::AlignHCenter});
    enonce_ = makeLabel(this, "enonce", {60, 84, 540, 74}, {uiFont(taille::p12), couleur::bleu, Qt::AlignCenter});
    enonce_->setWordWrap(true);

    horloge_ = new HorlogeAiguilles(this);
    horloge_->setObjectName(QStringLiteral("horloge_entrainement"));
    horloge_->setGeometry(40, 168, 240, 240);
    // A month's page, where the clock would be, its month over it.
    titrePage_ = makeLabel(this, "titre_page", {40, 170, 240, 22}, {uiFont(taille::p12), couleur::noir, Qt::AlignHCenter});
    page_ = new PageMois(this);
    page_->setGeometry(40, 194, 240, 190);
    connect(page_, &PageMois::jourChoisi, this, [this] { r_.SonClic(); });

    for (int i = 0; i < champsMax; ++i) {
        const QByteArray n = QByteArray::number(i);
        auto* l = makeLabel(this, ("reponse_" + n).constData(), {}, {uiFont(taille::p12), couleur::noir, Qt::AlignCenter});
        auto* f = makeSpinner(this, ("fleche_" + n).constData(), {}, 0, 59);
        l->setBuddy(f);
        const auto ecrire = [this, i, l](int v) {
            const QString t = question_.champs.value(i).libelle ? question_.champs[i].libelle(v) : QString::number(v);
            if (l->text() != t) {
                l->setCaption(t);
                r_.SonClic();
            }
        };
        // An arrow pressed at a bound still gives its value: 0 in one press.
        connect(f, &ArrowSpinner::valueChanged, this, ecrire);
        connect(f, &ArrowSpinner::stepped, this, ecrire);
        connect(l, &ClickableLabel::clicked, this, &EcranEntrainement::verifier);
        reponses_ << l;
        fleches_ << f;
    }
    for (int i = 0; i < int(programme::annees.size()); ++i) {
        const programme::Annee a = programme::annees[size_t(i)];
        auto* c = makeLabel(this, ("annee_" + programme::nomAnnee(a).toLower().toLatin1()).constData(),
                            {150 + 70 * i, 230, 60, 40}, {uiFont(taille::p13), couleur::bleu, Qt::AlignCenter},
                            programme::nomAnnee(a));
        c->setCursor(Qt::PointingHandCursor);
        c->hide();
        connect(c, &ClickableLabel::clicked, this, [this, a] {
            r_.SonClic();
            if (r_.choisirAnnee)
                r_.choisirAnnee(a);
            for (QWidget* w : std::as_const(annees_))
                w->hide();
            nouvelleSeance();
        });
        annees_ << c;
    }
    for (int i = 0; i < choixMax; ++i) {
        auto* c = makeLabel(this, ("choix_" + QByteArray::number(i)).constData(), {},
                            {uiFont(taille::p12), couleur::noir, Qt::AlignCenter});
        c->setCursor(Qt::PointingHandCursor);
        connect(c, &ClickableLabel::clicked, this, [this, i] { choisir(i); });
        choix_ << c;
    }

    verifier_ = makeLabel(this, "verifier", {},
                          {uiFont(taille::p13), couleur::bleu, Qt::AlignCenter}, QStringLiteral("Vérifier"));
    verifier_->setCursor(Qt::PointingHandCursor);
    encore_ = makeLabel(this, "encore", {},
                        {uiFont(taille::p13), couleur::violet, Qt::AlignCenter}, QStringLiteral("Continuer"));
    encore_->setCursor(Qt::PointingHandCursor);
    encore_->hide();
    verdict_ = makeLabel(this, "verdict", {},
                         {uiFont(taille::p9), couleur::noir, Qt::AlignHCenter | Qt::AlignTop});
    verdict_->setWordWrap(true);

    placerReponse(xAvecCadran);

    // The end of the session, where the questions were.
    resultat_ = makeLabel(this, "resultat", {40, 120, 560, 40}, {uiFont(taille::p13), couleur::bleu, Qt::AlignCenter});
    etoiles_ = new EtoilesSeance(this);
    etoiles_->setObjectName(QStringLiteral("etoiles"));
    etoiles_->setGeometry(220, 168, 200, 60);
    ensuite_ = makeLabel(this, "ensuite", {40, 244, 560, 44}, {uiFont(taille::p12), couleur::violet, Qt::AlignCenter});
    ensuite_->setWordWrap(true);
    encoreSeance_ = makeLabel(this, "encore_seance", {130, 320, 200, 32},
                              {uiFont(taille::p13), couleur::bleu, Qt::AlignCenter}, QStringLiteral("Encore une séance"));
    encoreSeance_->setCursor(Qt::PointingHandCursor);
    retourFin_ = makeLabel(this, "retour_fin", {350, 320, 160, 32}, {uiFont(taille::p13), couleur::bleu, Qt::AlignCenter},
                           QStringLiteral("Retour"));
    retourFin_->setCursor(Qt::PointingHandCursor);

    retour_ = makeLabel(this, "retour", {552, 460, 78, 21}, {uiFont(taille::p8), couleur::noir, Qt::AlignCenter},
                        QStringLiteral("RETOUR"));
    retour_->setCursor(Qt::PointingHandCursor);
    retour_->setAccessibleName(QStringLiteral("Retour"));

    protocole_ = std::make_unique<ProtocoleReponse>(r_, QString(), encore_, QList<QWidget*>{verifier_},
                                                    std::function<bool()>(), [this] { compterExercice(); });
    Ecouter::attacher(
        r_, *protocole_, {30, 98},
        [this] {
            // At the end, the result and what comes next.
            if (resultat_->isVisible())
                return QStringList{resultat_->text(), ensuite_->text()};
            QStringList t{enonce_->text()};
            for (const ClickableLabel* c : std::as_const(choix_) + std::as_const(annees_))
                if (c->isVisible())
                    t << c->text();
            return t;
        },
        verdict_);

    connect(verifier_, &ClickableLabel::clicked, this, &EcranEntrainement::verifier);
    connect(encore_, &ClickableLabel::clicked, this, [this] {
        r_.SonClic();
        if (rang_ + 1 < plan_.size()) {
            ++rang_;
            poserQuestion();
        } else {
            montrerFin();
        }
    });
    connect(encoreSeance_, &ClickableLabel::clicked, this, [this] {
        r_.SonClic();
        nouvelleSeance();
    });
    connect(retourFin_, &ClickableLabel::clicked, this, &EcranEntrainement::retour);
    connect(retour_, &ClickableLabel::clicked, this, &EcranEntrainement::retour);

    // The clock, the answer, "Vérifier" (then "Continuer"); at the end the
    // two ways on; "RETOUR" last.
    setFocusOrder({{"annee_cp", "annee_ce1", "annee_ce2", "annee_cm1", "annee_cm2"},
                   {"horloge_entrainement", "page_mois"},
                   {"fleche_0", "fleche_1", "choix_0", "choix_1", "choix_2"},
                   {"verifier", "encore"},
                   {"encore_seance", "retour_fin"},
                   {"retour"}});
    setEscapeControl("retour");
}

EcranEntrainement::~EcranEntrainement() = default;

void EcranEntrainement::activation()
{
    nouvelleSeance();
}

void EcranEntrainement::demanderAnnee()
{
    for (QWidget* w : QList<QWidget*>{resultat_, etoiles_, ensuite_, encoreSeance_, retourFin_, horloge_, verifier_,
                                      encore_, verdict_, numero_, marques_, page_, titrePage_})
        w->hide();
    for (QWidget* w : std::as_const(reponses_) + std::as_const(choix_))
        w->hide();
    for (QWidget* w : std::as_const(fleches_))
        w->hide();
    enonce_->setCaption(QStringLiteral("Avant de commencer, dis-moi en quelle classe tu es."));
    enonce_->show();
    for (QWidget* w : std::as_const(annees_))
        w->show();
    annees_.first()->setFocus();
}

void EcranEntrainement::nouvelleSeance()
{
    if (r_.annees.isEmpty() && r_.choisirAnnee) {
        demanderAnnee();
        return;
    }
    seance_ = seance::nouvelleIdentite();
    protocole_->fixerSeance(seance_);
    QList<int> travail;
    for (const QString& id : std::as_const(r_.travail))
        if (const int i = programme::indexItem(id); i >= 0)
            travail << i;
    plan_ = programme::planifier(*r_.positionnement, {r_.annees, travail, servis_});
    verdicts_ = QList<std::optional<bool>>(plan_.size());
    rang_ = 0;
    for (QWidget* w : QList<QWidget*>{resultat_, etoiles_, ensuite_, encoreSeance_, retourFin_})
        w->hide();
    if (plan_.isEmpty()) {
        montrerFin();
        return;
    }
    poserQuestion();
}

void EcranEntrainement::poserQuestion()
{
    const programme::QuestionPrevue& q = plan_[rang_];
    genre_ = nullptr;
    for (GenreQuestion* g : std::as_const(genres_))
        if (g->activite() == q.activite)
            genre_ = g;
    question_ = genre_->poser(q.niveau, r_.hasard);
    protocole_->fixerActivite(q.activite);
    protocole_->fixerNiveau(q.niveau);

    const QString numero = seance::numero(rang_ + 1, int(plan_.size()));
    numero_->setCaption(numero);
    numero_->setAccessibleName(numero);
    marques_->montrer(verdicts_, rang_);
    // After the end of a session, the question's parts come back.
    for (QWidget* w : QList<QWidget*>{numero_, enonce_, verdict_, marques_})
        w->show();

    horloge_->cacherSolution();
    horloge_->setVisible(question_.cadran != question::Cadran::Aucun);
    const bool avecPage = question_.page.isValid();
    page_->setVisible(avecPage);
    titrePage_->setVisible(avecPage);
    if (avecPage) {
        page_->montrer(question_.page);
        page_->setPressable(question_.jourSurLaPage);
        titrePage_->setCaption(texte::majusculeInitiale(calendrier::nomMois(question_.page.month())) + QLatin1Char(' ')
                               + QString::number(question_.page.year()));
    }
    placerReponse(question_.cadran != question::Cadran::Aucun || avecPage ? xAvecCadran : xSansCadran);
    horloge_->setReglable(question_.cadran == question::Cadran::ARegler);
    horloge_->setAvecSecondes(question_.secondes);
    horloge_->setMinutes(question_.minutes);
    horloge_->setSecondes(0);
    horloge_->setAccessibleName(question_.cadran == question::Cadran::ARegler ? QStringLiteral("Horloge à régler")
                                                                              : QStringLiteral("Horloge"));
    for (int i = 0; i < champsMax; ++i) {
        const bool montre = i < question_.champs.size();
        reponses_[i]->setVisible(montre);
        fleches_[i]->setVisible(montre);
        if (!montre)
            continue;
        const question::Champ& c = question_.champs[i];
        const QSignalBlocker silence(fleches_[i]);
        fleches_[i]->setRange(c.min, c.max);
        fleches_[i]->setSingleStep(c.pas);
        fleches_[i]->setValue(c.min);
        reponses_[i]->setCaption(c.attente);
        fleches_[i]->setAccessibleName(c.partie.nom);
        setTextColor(reponses_[i], couleur::noir);
    }
    choisi_ = -1;
    for (int i = 0; i < choixMax; ++i) {
        choix_[i]->setVisible(i < question_.choix.size());
        choix_[i]->setCaption(question_.choix.value(i));
        choix_[i]->setAccessibleDescription({});
        setTextColor(choix_[i], couleur::noir);
    }
    protocole_->ouvrir();
    const QString consigne = !question_.champs.isEmpty() ? consigneFleches
                             : !question_.choix.isEmpty() ? consigneChoix
                                                          : QString();
    enonce_->setCaption(texte::insecable(question_.texte));
    setTextColor(enonce_, couleur::bleu);
    verdict_->setCaption(consigne);
    setTextColor(verdict_, couleur::noir);
}

void EcranEntrainement::placerReponse(int x)
{
    // Two parts side by side, or three closer together.
    const bool trois = question_.champs.size() > 2;
    const int debut = trois ? 5 : 40, pas = trois ? 90 : 110, large = trois ? 80 : 90;
    for (int i = 0; i < champsMax; ++i) {
        reponses_[i]->setGeometry(x + debut + pas * i, 180, large, 24);
        fleches_[i]->move(x + debut + (large - 30) / 2 + pas * i, 208);
    }
    for (int i = 0; i < choixMax; ++i)
        choix_[i]->setGeometry(x, 172 + 34 * i, largeurReponse, 28);
    verifier_->setGeometry(x + 50, 284, 180, 30);
    encore_->setGeometry(x + 50, 284, 180, 30);
    verdict_->setGeometry(x - 5, 322, largeurReponse + 10, 124);
}

void EcranEntrainement::choisir(int i)
{
    if (!encore_->isHidden())
        return;
    r_.SonClic();
    choisi_ = i;
    for (int k = 0; k < choixMax; ++k) {
        setTextColor(choix_[k], k == i ? couleur::magenta : couleur::noir);
        choix_[k]->setAccessibleDescription(k == i ? QStringLiteral("choisie") : QString());
    }
}

QString EcranEntrainement::manque() const
{
    if (question_.jourSurLaPage)
        return page_->choisi() > 0 ? QString() : QStringLiteral("Appuie d'abord sur un jour du calendrier.");
    if (!question_.choix.isEmpty())
        return choisi_ < 0 ? manqueChoix : QString();
    QList<PartieReponse> manquantes;
    for (int i = 0; i < question_.champs.size(); ++i)
        if (!aQuitteAttente(reponses_[i], question_.champs[i].attente))
            manquantes << question_.champs[i].partie;
    return ceQuiManque(manquantes);
}

QList<int> EcranEntrainement::valeurs() const
{
    if (question_.jourSurLaPage)
        return {page_->choisi()};
    if (!question_.choix.isEmpty())
        return {choisi_};
    if (question_.cadran == question::Cadran::ARegler)
        return {horloge_->minutes(), horloge_->secondes()};
    QList<int> v;
    for (int i = 0; i < question_.champs.size(); ++i)
        v << fleches_[i]->value();
    return v;
}

void EcranEntrainement::verifier()
{
    if (!genre_ || !encore_->isHidden())
        return;
    if (const QString m = manque(); !m.isEmpty()) {
        verdict_->setCaption(texte::insecable(m));
        setTextColor(verdict_, couleur::violet);
        r_.direSiLectureAuto(m);
        return;
    }
    const question::Verdict v = genre_->juger(valeurs());
    protocole_->soumettre(
        [&v] { return v.juste; },
        [this, &v](bool juste) {
            for (ArrowSpinner* f : std::as_const(fleches_))
                f->hide();
            horloge_->setReglable(false);
            if (v.aiguilles)
                horloge_->montrerSolution(*v.aiguilles, v.secondes);
            if (question_.jourSurLaPage) {
                page_->setPressable(false);
                page_->montrerVerdict(v.bonJour, page_->choisi());
            }
            if (!juste && v.bonChoix >= 0 && v.bonChoix < choixMax) {
                setTextColor(choix_[v.bonChoix], couleur::violet);
                choix_[v.bonChoix]->setAccessibleDescription(QStringLiteral("la bonne réponse"));
                if (choisi_ >= 0)
                    setTextColor(choix_[choisi_], couleur::rouge);
            }
            for (ClickableLabel* l : std::as_const(reponses_))
                setTextColor(l, juste ? couleur::noir : couleur::rouge);
            verdict_->setCaption(texte::insecable(v.explication));
            setTextColor(verdict_, juste ? couleur::bleu : couleur::rouge);
            verdicts_[rang_] = juste;
            marques_->montrer(verdicts_, rang_);
        },
        [&v] { return v.trace; });
}

void EcranEntrainement::compterExercice()
{
    // Each answer counts in the score as an exercise does.
    r_.nb_exercices.ajouter(1);
}

void EcranEntrainement::montrerFin()
{
    for (QWidget* w : QList<QWidget*>{enonce_, horloge_, verifier_, encore_, verdict_, numero_})
        w->hide();
    for (QWidget* w : reponses_ + choix_)
        w->hide();
    for (QWidget* w : std::as_const(fleches_))
        w->hide();
    int justes = 0;
    for (const std::optional<bool>& v : std::as_const(verdicts_))
        justes += v.value_or(false) ? 1 : 0;
    const int total = int(plan_.size());
    marques_->montrer(verdicts_, -1);
    resultat_->setCaption(plan_.isEmpty() ? QStringLiteral("Il n'y a rien à te demander pour l'instant.")
                                          : seance::resultat(justes, total));
    const int n = seance::etoiles(justes, total);
    etoiles_->montrer(n);
    etoiles_->setAccessibleName(QStringLiteral("%1 étoile%2 sur %3").arg(n).arg(n > 1 ? "s" : "").arg(seance::etoilesMax));
    const int prochain = programme::parcours(*r_.positionnement, r_.annees).prochain;
    ensuite_->setCaption(
        seance::ensuite(prochain >= 0 ? QString::fromUtf8(programme::items()[size_t(prochain)].court) : QString()));
    for (QWidget* w : QList<QWidget*>{resultat_, etoiles_, ensuite_, encoreSeance_, retourFin_})
        w->show();
    // No question is open: the loudspeaker (and reading aloud) says the
    // result, and nothing is judged any more.
    genre_ = nullptr;
    protocole_->ouvrir();
    verifier_->hide();
}

void EcranEntrainement::retour()
{
    r_.retourDepart(this, QString(), [] {});
}
