// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <memory>

#include "common/reponse.h"
#include "durees.h"
#include "heures.h"
#include "ui/picturefile.h"
#include "ui/screen.h"

class ArrowSpinner;
class ClickableLabel;
class HorlogeAiguilles;
class Routines;

// "La journée": three sections side by side, each judged like the
// exercises and with its own levels, remembered for whoever plays.
// "Matin ou après-midi ?" writes a dial's time as a digital clock shows it
// (or finds the dial of a digital time); "Les mots de l'heure" says a dial's
// time in words (or finds the dial of the words); "Problèmes de durées"
// finds an end, a start or a duration.
class EcranJournee : public Screen {
    Q_OBJECT

public:
    EcranJournee(Routines& r, QWidget* parent);
    ~EcranJournee() override;

    // The score label rewritten after one more exercise.
    void CompterExercice();
    // New questions in every section.
    void activation() override;

    // The pictures of the moments of the day, cut from this file.
    void setMoments(const PictureFile& planche);

    // What every section shares: its statement, verdict, "Vérifier",
    // "Continuer", levels and answer path.
    struct Section;

private:
    // A section whose time is read on a clock, or found among three.
    std::unique_ptr<Section> sectionAHorloges(int colonne, const char* activite, const char* suffixe,
                                              const QString& titre, const QList<journee::Niveau>& niveaux);
    void construireMatin();
    void construireMots();
    void construireDuree();

    void questionMatin();
    void questionMots();
    void questionDuree();
    void jugerMatin();
    void jugerMots();
    void jugerDuree();
    void montrerMoment(int section, int t);
    void placerReponseDuree();

    Routines& r_;
    PictureFile planche_;
    std::unique_ptr<Section> matin_;
    std::unique_ptr<Section> mots_;
    std::unique_ptr<Section> duree_;
    ClickableLabel* score_;

    // "Matin ou après-midi ?": at whole hours, a scene's moment named (CP);
    // then a dial written as a digital clock, or the dial of a digital time
    // found among three.
    enum class FormeMatin { Moment, VersCadran, Numerique };
    FormeMatin formeMatin_ = FormeMatin::Numerique;
    int tMatin_ = 0;
    int sceneMatin_ = -1;
    QList<journee::Moment> momentsProposes_;
    QList<ClickableLabel*> motsMoments_;
    ArrowSpinner* flecheHeureMatin_;
    ArrowSpinner* flecheMinuteMatin_;
    ClickableLabel* heureMatin_;
    ClickableLabel* minuteMatin_;

    // "Les mots de l'heure"
    bool motsVersCadran_ = false;  // words given, their dial to find
    int tMots_ = 0;
    QList<ClickableLabel*> phrases_;
    QList<int> tPhrases_;

    // "Problèmes de durées"
    durees::Probleme probleme_;
    ArrowSpinner* flecheHeureDuree_;
    ArrowSpinner* flecheMinuteDuree_;
    ArrowSpinner* flecheSecondeDuree_;
    ClickableLabel* heureDuree_;
    ClickableLabel* minuteDuree_;
    ClickableLabel* secondeDuree_;
};
