// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <array>
#include <optional>

#include "tips/ecoule.h"
#include "ui/picturebox.h"
#include "ui/screen.h"

class ArrowSpinner;
class ClickableLabel;
class QCheckBox;
class QTimer;
class Routines;

// The tips: time elapsed since a date, Easter and the feasts that follow it,
// the clock of a chosen time, and some reading about time.
class Astuces : public Screen {
    Q_OBJECT

public:
    Astuces(Routines& r, QWidget* parent);

    void activation() override;

    // The hands as they are painted now (none before the first drawing).
    const QList<PictureBox::Line>& aiguilles() const { return aiguilles_; }
    double finHeureX() const { return fin_heure_x; }
    double finHeureY() const { return fin_heure_y; }

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void construireEcoule();
    void construireFetes();
    void construireHorloge();
    void construireLecture();
    void construireEcouter();

    // Time elapsed since a date.
    void PreparerSaisieDate();
    void calculer();
    void tic();
    void afficherCompte(int indice);

    // Easter and the movable feasts.
    void AfficherFetes();

    // The clock.
    void DessinerHorloge();
    void AvancerHeure();
    void ReculerHeure();
    void minuteChangee(int valeur);

    // The fifty-year switches and the way back.
    void basculerPar50();
    void basculerPar50Paques();
    void retour();

    Routines& r_;

    // Time elapsed since a date.
    ClickableLabel* Label2_;
    ClickableLabel* Label9_;  // the feasts' instruction
    ClickableLabel* Label5_;  // the clock's instruction
    ClickableLabel* jour_;
    ClickableLabel* mois_;
    ClickableLabel* an_;
    ArrowSpinner* fleche_jour_;
    ArrowSpinner* fleche_mois_;
    ArrowSpinner* fleche_an_;
    QCheckBox* par50_;
    ClickableLabel* Label4_;
    ClickableLabel* encore_naissance_;
    ClickableLabel* Label3_;
    std::array<ClickableLabel*, ecoule::NbUnites> Label1_{};
    QTimer* Timer1_;
    QDateTime date_depart;
    std::array<qint64, ecoule::NbUnites> ecoule_{};

    // Easter and the movable feasts.
    ClickableLabel* date_paques_;
    ArrowSpinner* fleche_paques_;
    QCheckBox* par50_paques_;
    ClickableLabel* Label10_;
    std::array<ClickableLabel*, 4> fetes_{};
    qint16 annee_paques = 0;

    // The clock.
    ClickableLabel* heure_;
    ClickableLabel* minut_;
    ArrowSpinner* fleche_heure_;
    ArrowSpinner* fleche_minute_;
    double fin_heure_x = 0;
    double fin_heure_y = 0;
    std::optional<int> minute_precedente;
    QList<PictureBox::Line> aiguilles_;

    // The reading.
    ClickableLabel* Klepsos_;

    ClickableLabel* retour_;
};
