// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

#include "common/reponse.h"
#include "comparaison.h"
#include "conversion.h"
#include "heure.h"
#include "minutes.h"
#include "montre.h"
#include "nombremanquant.h"

class ArrowSpinner;
class ClickableLabel;
class Exercices;
class PictureBox;
class QCheckBox;
class QLabel;
class Routines;

// What an answer label shows until its spinner first moves.
namespace attente {
inline const QString heures = QStringLiteral("? h");
inline const QString minutes = QStringLiteral("? mn");
}  // namespace attente

// Whether both labels of an answer in hours and minutes have left their
// placeholders, that is both spinners have moved since the question.
bool heuresMinutesSaisies(const QLabel* heures, const QLabel* minutes);

// One of the six sections of the exercises screen: its controls, its
// question, and the shared way of judging an answer.
class Section {
public:
    Section(Exercices& ecran, Routines& r) : ecran_(ecran), r_(r) {}
    virtual ~Section() = default;
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    // Draws a new question and opens the section.
    virtual void nouvelleQuestion() = 0;
    // What leaving the screen puts back.
    virtual void retour() {}

protected:
    // The statement: blue, centred, wrapping within its box.
    ClickableLabel* enonce(const char* nom, const QRect& place);
    // A statement that grows with its text, about its designed centre.
    ClickableLabel* enonceCentre(const char* nom, const QRect& place);
    // An answer label: black, centred, growing about its designed centre.
    ClickableLabel* reponse(const char* nom, const QRect& place, const QString& legende);
    // A fixed black text beside the answer.
    ClickableLabel* texteFixe(const char* nom, const QRect& place, Qt::Alignment alignement,
                              const QString& legende);
    // "Continuer", hidden until an answer is judged.
    ClickableLabel* continuer(const char* nom, const QRect& place);
    // A spinner writing "value + unite" into its answer label, with a click.
    ArrowSpinner* fleche(const char* nom, QPoint place, int min, int max, ClickableLabel* cible,
                         const QString& unite);
    // The answer protocol for this section, its answers recorded under
    // `activite`; CompterExercice comes last.
    std::unique_ptr<ProtocoleReponse> protocole(const char* activite, QWidget* encore,
                                                QList<QWidget*> fleches,
                                                std::function<bool()> reponseSaisie);

    Exercices& ecran_;
    Routines& r_;
};

class SectionMinutes final : public Section {
public:
    SectionMinutes(Exercices& ecran, Routines& r);
    void nouvelleQuestion() override;
    void retour() override;

private:
    void juger();
    void basculerPar10();

    minutes::Question q_;
    ClickableLabel* enonce1_;
    ClickableLabel* nb2_;
    ClickableLabel* chiffre1_;
    QCheckBox* par10_;
    ClickableLabel* label4_;
    ArrowSpinner* fleche1_;
    ClickableLabel* vide_;
    ClickableLabel* encore_;
    std::unique_ptr<ProtocoleReponse> protocole_;
};

class SectionHeure final : public Section {
public:
    SectionHeure(Exercices& ecran, Routines& r);
    void nouvelleQuestion() override;

private:
    void juger();

    lecture::Question q_;
    PictureBox* horloge1_;
    ClickableLabel* enonce2_;
    ClickableLabel* heure_;
    ClickableLabel* minu_;
    ArrowSpinner* flechHeures_;
    ArrowSpinner* flechMinutes_;
    ClickableLabel* encore_;
    std::unique_ptr<ProtocoleReponse> protocole_;
};

class SectionMontre final : public Section {
public:
    SectionMontre(Exercices& ecran, Routines& r);
    void nouvelleQuestion() override;

private:
    void juger();

    montre::Question q_;
    ClickableLabel* enonce3_;
    ClickableLabel* heure2_;
    ClickableLabel* minute2_;
    ArrowSpinner* fleche2_;
    ArrowSpinner* fleche3_;
    ClickableLabel* encore_;
    std::unique_ptr<ProtocoleReponse> protocole_;
};

class SectionConversion final : public Section {
public:
    SectionConversion(Exercices& ecran, Routines& r);
    void nouvelleQuestion() override;

private:
    void juger();

    conversion::Question q_;
    ClickableLabel* enonce4_;
    ClickableLabel* nb_;
    ClickableLabel* heure3_;
    ClickableLabel* minute3_;
    ArrowSpinner* fleche4_;
    ArrowSpinner* fleche5_;
    ClickableLabel* encore_;
    std::unique_ptr<ProtocoleReponse> protocole_;
};

class SectionComparaison final : public Section {
public:
    SectionComparaison(Exercices& ecran, Routines& r);
    void nouvelleQuestion() override;

private:
    void juger(comparaison::Choix choix);
    ClickableLabel* label(comparaison::Choix choix) const;

    comparaison::Question q_;
    ClickableLabel* enonce5_;
    ClickableLabel* petit_;
    ClickableLabel* grand_;
    ClickableLabel* egal_;
    ClickableLabel* encore_;
    std::unique_ptr<ProtocoleReponse> protocole_;
};

class SectionNombreManquant final : public Section {
public:
    SectionNombreManquant(Exercices& ecran, Routines& r);
    void nouvelleQuestion() override;

private:
    void juger();

    nombre_manquant::Question q_;
    ClickableLabel* enonce6_;
    ClickableLabel* chiffre2_;
    ClickableLabel* chiffre3_;
    ClickableLabel* chiffre4_;
    ArrowSpinner* fleche6_;
    ClickableLabel* encore_;
    std::unique_ptr<ProtocoleReponse> protocole_;
};
