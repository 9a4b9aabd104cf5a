// SPDX-License-Identifier: GPL-3.0-or-later
#include "routines.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <cmath>

#include "adire.h"
#include "calendrier.h"
#include "ui/keyboarduse.h"
#include "ui/picturebox.h"
#include "ui/screen.h"
#include "ui/soundplayer.h"
#include "ui/style.h"
#include "texte.h"
#include "voix.h"

const QStringList Routines::noms_mois = {
    QString(),
    QStringLiteral("Janvier"), QStringLiteral("Février"), QStringLiteral("Mars"),
    QStringLiteral("Avril"), QStringLiteral("Mai"), QStringLiteral("Juin"),
    QStringLiteral("Juillet"), QStringLiteral("Août"), QStringLiteral("Septembre"),
    QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Décembre"),
};

Routines::Routines(Clock& clock, RandomSource& random, SoundPlayer& sounds, DisplayLayer& display,
                   const QString& datas)
    : unites({QStringLiteral("année"), QStringLiteral("trimestre"), QStringLiteral("mois"),
              QStringLiteral("semaine"), QStringLiteral("jour"), QStringLiteral("heure"),
              QStringLiteral("minute"), QStringLiteral("secondes")}),
      horloge(clock), hasard(random), sons(sounds), affichage(display), dossierDatas(datas),
      fichierScore(QDir(datas).filePath(QStringLiteral("18")))
{
}

QString Routines::cheminDatas(const QString& nom) const
{
    return QDir(dossierDatas).filePath(nom);
}

static int suivant(int& rang, int dernier)
{
    rang = rang + 1 > dernier ? 1 : rang + 1;
    return rang;
}

void Routines::SonClic()
{
    JouerSon(texte::F(suivant(rang_clic, 10)));
}

void Routines::JouerSon(const QString& nom)
{
    if (sons_coupes)
        return;
    sons.play(nom);
}

void Routines::SonVictoire()
{
    JouerSon(texte::F(suivant(rang_victoire, 4)) + QStringLiteral(".vic"));
}

void Routines::SonDefaite()
{
    JouerSon(texte::F(suivant(rang_defaite, 4)) + QStringLiteral(".def"));
}

void Routines::DessinerMontre()
{
    const QTime t = maintenant().time();
    const QPointF centre(centre_x, centre_y);
    const QPointF finMinutes = calendrier::finAiguille(centre, calendrier::angleMinutes(t.minute()), 50);
    const QPointF finHeures = calendrier::finAiguille(
        centre, calendrier::angleHeures(t.hour(), t.minute(), modeAiguilleHeures()), 30);
    fin_x = finMinutes.x();
    fin_y = finMinutes.y();
    if (montre) {
        if (montre2)
            montre->copyPicture(*montre2);
        else
            montre->setPicture(QPixmap());
        montre->drawLine(centre, finMinutes, couleur::bleu, 2);
        montre->drawLine(centre, finHeures, couleur::rouge, 2);
    }
    minute_montre = qint16(t.minute());
}

void Routines::poserDecoupe(PictureBox* box, const QRect& rect) const
{
    box->setPicture(QPixmap(), planche, rect);
}

bool Routines::VerifierFond(const QString& nom, QString* erreur) const
{
    const QString chemin = cheminDatas(nom);
    if (!PictureFile(chemin).size().isValid()) {
        if (erreur)
            *erreur = messageImageIllisible(chemin);
        return false;
    }
    return true;
}

bool Routines::ChargerFond(Screen* ecran, const QString& nom, QString* erreur)
{
    // Read the header now, so a missing or foreign file stops start-up; the
    // picture itself is decoded when its screen is first shown.
    if (!VerifierFond(nom, erreur))
        return false;
    ecran->setBackgroundFile(PictureFile(cheminDatas(nom)));
    return true;
}

void Routines::RendreFocus(QWidget* ecran)
{
    // The hand-back is for the pointer: a keyboard user who has not moved
    // it keeps the focus, and the flag waits for a real movement.
    if (rendre_focus == 1 && !KeyboardUse::active()) {
        rendre_focus = 0;
        ecran->setFocus(Qt::OtherFocusReason);
    }
}

QString messageImageIllisible(const QString& chemin)
{
    return QStringLiteral("Klepsos ne peut pas démarrer : l'image « %1 » est absente ou illisible.")
        .arg(QDir::toNativeSeparators(chemin));
}

quint32 arrondiPair(float v)
{
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    return quint32(std::nearbyint(v));
}

bool Routines::ChangerResolution(float largeur, float hauteur)
{
    for (int i = 0; affichage.enumDisplaySettings(i); ++i) {
    }
    return affichage.changeDisplaySettings(DisplayLayer::ChampsLargeurHauteur, arrondiPair(largeur),
                                           arrondiPair(hauteur));
}

void Routines::compterReponse(bool juste)
{
    if (juste) {
        nb_justes.ajouter(1);
        SonVictoire();
    } else {
        if (nb_erreurs < std::numeric_limits<qint32>::max())
            ++nb_erreurs;
        SonDefaite();
    }
}

void Routines::compterExercice(QLabel* label)
{
    nb_exercices.ajouter(1);
    label->setText(score::ligne(*this));
}

void Routines::montrerDepart(QWidget* quitte)
{
    if (depart)
        depart->showScreen();
    quitte->hide();
}

namespace {
const QString cleLectureAuto = QStringLiteral("voix/lecture_auto");
const QString oui = QStringLiteral("oui");
}  // namespace

Voix* Routines::voixParlante() const
{
    return voix && !voix_coupee && voix->disponible() ? voix : nullptr;
}

bool Routines::lectureAuto() const
{
    return lecture_auto_poste || lecture_auto_classe || preferences->lire(cleLectureAuto, {}) == oui;
}

void Routines::choisirLectureAuto(bool choix)
{
    preferences->ecrire(cleLectureAuto, choix ? oui : QStringLiteral("non"));
}

void Routines::direSiLectureAuto(const QString& texteEcran)
{
    if (Voix* v = voixParlante(); v && lectureAuto())
        v->dire(voix::aDire(texteEcran));
}
