// SPDX-License-Identifier: GPL-3.0-or-later
#include "klepsos.h"

#include <QCloseEvent>
#include <QTimer>
#include <map>
#include <type_traits>

#include "apropos.h"
#include "calendar/ecrancalendrier.h"
#include "classroom/filpartage.h"
#include "clock/ecranaiguilles.h"
#include "common/score.h"
#include "dategames/jeuxdates.h"
#include "day/ecranjournee.h"
#include "depart.h"
#include "exercises/exercices.h"
#include "genres.h"
#include "lesson/lecon.h"
#include "players/quijoue.h"
#include "players/session.h"
#include "presentation.h"
#include "textes.h"
#include "tips/astuces.h"
#include "training/ecranentrainement.h"
#include "ui/picturebox.h"
#include "ui/soundplayer.h"

FenetrePrincipale::FenetrePrincipale()
{
    setObjectName(QStringLiteral("klepsos"));
    setFixedSize(640, 480);
}

void FenetrePrincipale::closeEvent(QCloseEvent* e)
{
    // Closing the window must not lose the child's score.
    e->accept();
    emit fermeture();
}

Klepsos::Klepsos(Clock& clock, RandomSource& random, SoundPlayer& sounds, DisplayLayer& display,
                 const QString& dossierDatas, const QString& fichierScore)
    : r_(clock, random, sounds, display, dossierDatas), fenetre_(new FenetrePrincipale)
{
    if (!fichierScore.isEmpty())
        r_.fichierScore = fichierScore;
    connect(fenetre_.get(), &FenetrePrincipale::fermeture, this, &Klepsos::quitter);
    presentation_ = std::make_unique<Presentation>(fenetre_.get());
    connect(presentation_.get(), &Presentation::fermeture, this, &Klepsos::quitter);

    divers_ = new QWidget(fenetre_.get());
    divers_->setObjectName(QStringLiteral("divers"));
    auto* anim = new PictureBox(divers_);
    anim->setObjectName(QStringLiteral("anim"));
    divers_->hide();

}

namespace {

// Each screen's background, in datas.
constexpr const char* fondLecon = "26";
constexpr const char* fondExercices = "25";
constexpr const char* fondAstuces = "21";
constexpr const char* fondJeuxDates = "28";
constexpr const char* fondAPropos = "22";
constexpr const char* fondAiguilles = "aiguilles";
constexpr const char* fondJournee = "journee";
constexpr const char* fondCalendrier = "calendrier";
constexpr const char* fondEntrainement = "entrainement";

}  // namespace

Klepsos::~Klepsos() = default;

template <class T, class Suite>
T* Klepsos::construire(T*& ecran, const char* fond, Suite suite)
{
    if (!ecran) {
        ecran = new T(r_, fenetre_.get());
        // The about window keeps its own size and is placed when opened.
        if constexpr (!std::is_same_v<T, APropos>)
            ecran->setGeometry(0, 0, 640, 480);
        ecran->hide();
        // Start-up has read this file's header already; should it have gone
        // since, the screen shows its plain colour.
        r_.ChargerFond(ecran, QString::fromLatin1(fond));
        suite();
    }
    return ecran;
}

Lecon* Klepsos::lecon()
{
    return construire(lecon_, fondLecon, [this] { ecrireTextesDemarrage({.lecon = lecon_}); });
}

Exercices* Klepsos::exercices()
{
    return construire(exercices_, fondExercices, [this] { ecrireScoreExercices(); });
}

Astuces* Klepsos::astuces()
{
    return construire(astuces_, fondAstuces, [this] { ecrireTextesDemarrage({.astuces = astuces_}); });
}

JeuxDates* Klepsos::jeuxDates()
{
    // Start-up writes no text into it.
    constexpr auto rienDePlus = [] {};
    return construire(jeux_dates_, fondJeuxDates, rienDePlus);
}

APropos* Klepsos::aPropos()
{
    return construire(auteur_softs_, fondAPropos,
                      [this] { ecrireTextesDemarrage({.auteur_softs = auteur_softs_}); });
}

EcranAiguilles* Klepsos::aiguilles()
{
    return construire(aiguilles_, fondAiguilles, [this] {
        // Shows the score without counting an exercise.
        r_.nb_exercices.ajouter(-1);
        aiguilles_->CompterExercice();
    });
}

EcranJournee* Klepsos::journee()
{
    return construire(journee_, fondJournee, [this] {
        journee_->setMoments(PictureFile(r_.cheminDatas(QStringLiteral("moments"))));
        // Shows the score without counting an exercise.
        r_.nb_exercices.ajouter(-1);
        journee_->CompterExercice();
    });
}

EcranCalendrier* Klepsos::calendrier()
{
    return construire(calendrier_, fondCalendrier, [this] {
        // Shows the score without counting an exercise.
        r_.nb_exercices.ajouter(-1);
        calendrier_->CompterExercice();
    });
}

EcranEntrainement* Klepsos::entrainement()
{
    if (!entrainement_) {
        genres_ = tousLesGenres([this] { return r_.maintenant().date(); });
        QList<GenreQuestion*> genres;
        for (const auto& g : genres_)
            genres << g.get();
        entrainement_ = new EcranEntrainement(r_, genres, fenetre_.get());
        entrainement_->setGeometry(0, 0, 640, 480);
        entrainement_->hide();
        r_.ChargerFond(entrainement_, QString::fromLatin1(fondEntrainement));
    }
    return entrainement_;
}

void Klepsos::pressentir(const QString& dessin)
{
    // Each drawing once: the pointer moving over it calls this at
    // every step.
    if (pressentis_.contains(dessin))
        return;
    pressentis_.insert(dessin);
    // Each drawing's screen and background. Once built, a screen has its
    // pictures; before, its background is decoded on another thread while
    // the pointer or the keys are on its drawing, once.
    const std::map<QString, std::pair<bool, const char*>> ecrans{
        {QStringLiteral("apprendre"), {lecon_ != nullptr, fondLecon}},
        {QStringLiteral("exos"), {exercices_ != nullptr, fondExercices}},
        {QStringLiteral("astus"), {astuces_ != nullptr, fondAstuces}},
        {QStringLiteral("montre"), {jeux_dates_ != nullptr, fondJeuxDates}},
        {QStringLiteral("logiciels"), {auteur_softs_ != nullptr, fondAPropos}},
        {QStringLiteral("placer"), {aiguilles_ != nullptr, fondAiguilles}},
        {QStringLiteral("journee"), {journee_ != nullptr, fondJournee}},
        {QStringLiteral("calendrier"), {calendrier_ != nullptr, fondCalendrier}},
        {QStringLiteral("entrainement"), {entrainement_ != nullptr, fondEntrainement}}};
    const auto e = ecrans.find(dessin);
    if (e == ecrans.end() || e->second.first)
        return;
    const PictureFile fond(r_.cheminDatas(QString::fromLatin1(e->second.second)));
    const qreal echelle = presentation_->echellePrevue();
    if (echelle > 1)
        PictureFile::decodeAhead({{fond, QRect(QPoint(0, 0), fond.size())}}, echelle);
}

void Klepsos::ecrireScoreExercices()
{
    // Shows the score without counting an exercise.
    r_.nb_exercices.ajouter(-1);
    exercices_->CompterExercice();
}

namespace {

// The watch's face on the picture sheet.
constexpr QRect decoupeMontre(0, 0, 136, 138);

}  // namespace

bool Klepsos::demarrer(QString* erreur)
{
    // The first screen's pictures, at the size the display will show them,
    // are decoded on another thread while its widgets are built. Scaled up,
    // a plain copy of the background, decoded first, stands in on the first
    // frame, and the sharp one waits until that frame is shown.
    r_.planche = PictureFile(r_.cheminDatas(QStringLiteral("anim")));
    const qreal echelle = presentation_->echellePrevue();
    fondDepart_ = PictureFile(r_.cheminDatas(QStringLiteral("23")));
    // Children known and none named: they say who plays first, and the
    // start screen waits until that screen is painted.
    const bool quiJoueDabord = session_ && !demande_ && !session_->depot().joueurs().isEmpty();
    if (quiJoueDabord)
        fondQuiJoue_ = PictureFile(r_.cheminDatas(QStringLiteral("quijoue")));
    const PictureFile& premierFond = quiJoueDabord ? fondQuiJoue_ : fondDepart_;
    const PictureFile::Part fondEntier{premierFond, QRect(QPoint(0, 0), premierFond.size())};
    // The start screen's watch (small, and on its first frame), and the
    // drawing of "Mes progrès" where children are kept.
    QList<PictureFile::Part> partsDepart{{r_.planche, decoupeMontre}};
    if (session_) {
        dessinProgres_ = PictureFile(r_.cheminDatas(QStringLiteral("mesprogres")));
        partsDepart.append({dessinProgres_, QRect(QPoint(0, 0), dessinProgres_.size())});
        dessinEntrainement_ = PictureFile(r_.cheminDatas(QStringLiteral("monentrainement")));
        partsDepart.append({dessinEntrainement_, QRect(QPoint(0, 0), dessinEntrainement_.size())});
    }
    // After "Qui joue ?"'s background, the start screen's parts wait for
    // the first frame as that background does.
    const QList<PictureFile::Part> parts = quiJoueDabord ? QList{fondEntier} + partsDepart : partsDepart + QList{fondEntier};
    QList<PictureFile::Part> premierCadre;
    if (echelle > 1)
        premierCadre.append(fondEntier);
    PictureFile::decodeAhead(parts, std::max<qreal>(echelle, 1), premierCadre);

    // The sheet's header is read now, so that a missing one stops
    // start-up; its box holds the file, never decoded whole, as only two
    // faces are cut from it.
    if (!r_.VerifierFond(QStringLiteral("anim"), erreur))
        return false;
    auto* anim = divers_->findChild<PictureBox*>(QStringLiteral("anim"));
    anim->setPicture(QPixmap(), r_.planche, QRect(QPoint(0, 0), r_.planche.size()));

    // A save killed half-way may have left its temporary file beside the score.
    score::enleverRestesDeSauvegarde(r_.fichierScore);
    static_cast<Compteurs&>(r_) = score::charger(r_.fichierScore);
    dejaSauves_ = r_;
    if (session_) {
        r_.registre = registreJoueurs_;
        r_.preferences = &session_->preferences();
        if (demande_)
            jouerComme(*demande_);
    }
    if (exercices_)
        ecrireScoreExercices();

    // Every background is checked now, so that a missing one stops start-up
    // here; the first screen's is the only one needed before the show.
    for (const char* nom : {fondAstuces, "23", fondAPropos, fondExercices, fondLecon, fondJeuxDates, fondAiguilles, fondJournee,
                            "moments", fondEntrainement, fondCalendrier})
        if (!r_.VerifierFond(QString::fromLatin1(nom), erreur))
            return false;

    const QSizeF taille = r_.affichage.screenSize();
    r_.largeur_ecran = float(taille.width());
    r_.hauteur_ecran = float(taille.height());
    // The mode first: Explorer shows its task bar again on a change of the
    // display, which would undo the hiding done before it.
    ecranChange_ = r_.ChangerResolution(640, 480);
    barreCachee_ = r_.affichage.setTaskbarPos(DisplayLayer::CacherFenetre);
    // Heard once the sounds are loaded, right after the first paint.
    r_.JouerSon(QStringLiteral("3"));
    demarre_ = true;

    premierEcran_ = quiJoueDabord ? static_cast<Screen*>(quiJoue()) : depart();
    premierEcran_->installEventFilter(this);
    fenetre_->show();
    // A display that took 640 x 480 is covered unscaled; one that refused it
    // shows the screens scaled, as other desktops do.
    if (ecranChange_)
        presentation_->setMode(Presentation::Mode::Fixe);
    presentation_->montrer();
    premierEcran_->showScreen();
    return true;
}

Depart* Klepsos::depart()
{
    if (depart_)
        return depart_;
    depart_ = new Depart(r_, *this, fenetre_.get());
    if (session_) {
        depart_->setDessinProgres({dessinProgres_, QRect(QPoint(0, 0), dessinProgres_.size())});
        depart_->setDessinEntrainement({dessinEntrainement_, QRect(QPoint(0, 0), dessinEntrainement_.size())});
    }
    depart_->setGeometry(0, 0, 640, 480);
    depart_->hide();
    r_.depart = depart_;
    connect(depart_, &Depart::quitter, this, &Klepsos::quitter);
    // Tables and pi are ready with the shared state; the texts come next,
    // those of the other screens as each one is built.
    ecrireTextesDemarrage({.depart = depart_});

    r_.centre_x = r_.montre->width() / 2.0f;
    r_.centre_y = r_.montre->height() / 2.0f;
    r_.poserDecoupe(r_.montre2, decoupeMontre);
    r_.montre->copyPicture(*r_.montre2);
    if (session_) {
        connect(depart_, &Depart::changerJoueur, this, [this] {
            quiJoue()->setRetourPossible(true);
            joueurs_->showScreen();
            depart_->hide();
        });
        connect(depart_, &Depart::mesProgres, this, &Klepsos::ouvrirProgres);
        depart_->montrerJoueur(r_.prenom);
    }
    // The same file as the one decoded ahead: its copies are not looked
    // for again.
    depart_->setBackgroundFile(fondDepart_);
    return depart_;
}

bool Klepsos::eventFilter(QObject* o, QEvent* e)
{
    if (o == premierEcran_ && e->type() == QEvent::Paint) {
        premierEcran_->removeEventFilter(this);
        // Once this paint is on screen.
        QTimer::singleShot(0, this, &Klepsos::terminerDemarrage);
    }
    return QObject::eventFilter(o, e);
}

void Klepsos::terminerDemarrage()
{
    if (termine_)
        return;
    PictureFile::firstFrameShown();
    // The sounds load in the background. The start screen is the next one
    // on view when "Qui joue ?" came first; every other screen is built,
    // its pictures read, the first time it opens.
    r_.sons.load();
    depart();
    if (!suiteFaite_) {
        suiteFaite_ = true;
        emit demarrageTermine();
    }
}

bool Klepsos::sauverScore()
{
    // While a child plays, the shared counters wait aside: the child's
    // answers are in their history, and never change the shared score.
    const Compteurs partage = r_.prenom ? partage_ : static_cast<const Compteurs&>(r_);
    if (r_.prenom && partage == dejaSauves_)
        return true;
    if (score::ajouterSession(r_.fichierScore, dejaSauves_, partage) == score::Ajout::Echec)
        return false;
    dejaSauves_ = partage;
    return true;
}

void Klepsos::quitter()
{
    if (termine_)
        return;
    termine_ = true;
    if (demarre_) {
        r_.JouerSon(QStringLiteral("5"));
        // The answers still on their way to a history are written first.
        if (session_)
            session_->vider();
        scoreSauve_ = sauverScore();
        // Only what was changed is put back.
        // The system's own mode, colour depth and refresh rate included.
        if (ecranChange_)
            r_.affichage.restaurerAffichage();
        if (barreCachee_)
            r_.affichage.setTaskbarPos(DisplayLayer::MontrerFenetre);
    }
    if (auteur_softs_)
        auteur_softs_->hide();
    fenetre_->hide();
    presentation_->hide();
    emit finished();
}
