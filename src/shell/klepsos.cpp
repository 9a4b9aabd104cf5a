#include "klepsos.h"

#include <QCloseEvent>

#include "apropos.h"
#include "common/score.h"
#include "dategames/jeuxdates.h"
#include "depart.h"
#include "exercises/exercices.h"
#include "lesson/lecon.h"
#include "presentation.h"
#include "textes.h"
#include "tips/astuces.h"
#include "ui/picturebox.h"

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

    depart_ = new Depart(r_, fenetre_.get());
    lecon_ = new Lecon(r_, fenetre_.get());
    exercices_ = new Exercices(r_, fenetre_.get());
    astuces_ = new Astuces(r_, fenetre_.get());
    jeux_dates_ = new JeuxDates(r_, fenetre_.get());
    auteur_softs_ = new APropos(r_, fenetre_.get());
    divers_ = new QWidget(fenetre_.get());
    divers_->setObjectName(QStringLiteral("divers"));
    auto* anim = new PictureBox(divers_);
    anim->setObjectName(QStringLiteral("anim"));
    divers_->hide();

    for (Screen* s : std::initializer_list<Screen*>{depart_, lecon_, exercices_, astuces_, jeux_dates_}) {
        s->setGeometry(0, 0, 640, 480);
        s->hide();
    }
    auteur_softs_->hide();
    r_.depart = depart_;
    depart_->setEcrans({lecon_, exercices_, astuces_, jeux_dates_, auteur_softs_});
    connect(depart_, &Depart::quitter, this, &Klepsos::quitter);
}

Klepsos::~Klepsos() = default;

bool Klepsos::demarrer(QString* erreur)
{
    // Tables and pi are ready with the shared state; the texts come next.
    ecrireTextesDemarrage({depart_, lecon_, astuces_, auteur_softs_});

    r_.centre_x = r_.montre->width() / 2.0f;
    r_.centre_y = r_.montre->height() / 2.0f;

    auto* anim = divers_->findChild<PictureBox*>(QStringLiteral("anim"));
    r_.anim = QPixmap(r_.cheminDatas(QStringLiteral("anim")));
    if (r_.anim.isNull()) {
        if (erreur)
            *erreur = messageImageIllisible(r_.cheminDatas(QStringLiteral("anim")));
        return false;
    }
    anim->setPicture(r_.anim);
    r_.planche = PictureFile(r_.cheminDatas(QStringLiteral("anim")));
    r_.poserDecoupe(r_.montre2, {0, 0, 136, 138});
    r_.montre->copyPicture(*r_.montre2);

    static_cast<Compteurs&>(r_) = score::charger(r_.fichierScore);
    // Shows the loaded score without counting an exercise.
    r_.nb_exercices.ajouter(-1);
    exercices_->CompterExercice();

    const std::pair<Screen*, const char*> fonds[] = {
        {astuces_, "21"}, {depart_, "23"}, {auteur_softs_, "22"},
        {exercices_, "25"}, {lecon_, "26"}, {jeux_dates_, "28"},
    };
    for (const auto& [ecran, nom] : fonds)
        if (!r_.ChargerFond(ecran, QString::fromLatin1(nom), erreur))
            return false;

    const QSizeF taille = r_.affichage.screenSize();
    r_.largeur_ecran = float(taille.width());
    r_.hauteur_ecran = float(taille.height());
    r_.affichage.setTaskbarPos(DisplayLayer::CacherFenetre);
    r_.ChangerResolution(640, 480);
    r_.JouerSon(QStringLiteral("3"));
    demarre_ = true;

    fenetre_->show();
    if (r_.affichage.changesDisplayMode())
        presentation_->setMode(Presentation::Mode::Fixe);
    presentation_->montrer();
    depart_->showScreen();
    return true;
}

void Klepsos::quitter()
{
    if (termine_)
        return;
    termine_ = true;
    if (demarre_) {
        r_.JouerSon(QStringLiteral("5"));
        scoreSauve_ = score::sauver(r_.fichierScore, r_);
        r_.ChangerResolution(r_.largeur_ecran, r_.hauteur_ecran);
        r_.affichage.setTaskbarPos(DisplayLayer::MontrerFenetre);
    }
    auteur_softs_->hide();
    fenetre_->hide();
    presentation_->hide();
    emit finished();
}
