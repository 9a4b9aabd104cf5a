// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class CadranTableau;
class QComboBox;
class QLabel;
class QPushButton;
class QSettings;
class RandomSource;
class Voix;

// The day from 0 h to 24 h, its moments coloured and named, the clock's
// time marked on it: "15 h" is seen to be in the afternoon.
class LigneJournee : public QWidget {
    Q_OBJECT

public:
    explicit LigneJournee(QWidget* parent = nullptr);
    void setMinutes(int minutes);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int minutes_ = 0;
};

// "Au tableau": the whole class at the interactive whiteboard. One large
// clock the teacher moves, its hands geared or free; the time in digits and
// in words, shown or hidden; a random time to find, revealed on demand; a
// duration swept on the dial; the day's line. It fills the board's screen
// at its own resolution, needs no class and no child, and records nothing.
// The toggles chosen are kept for the next opening.
class Tableau : public QWidget {
    Q_OBJECT

public:
    // The settings keep the toggles; the voice may be none.
    Tableau(QSettings& reglages, RandomSource& hasard, Voix* voix, QWidget* parent = nullptr);

    CadranTableau* cadran() const { return cadran_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // A large button; a toggle kept under that key when `cle` is given.
    QPushButton* bouton(const char* nom, const QString& texte, const char* cle = nullptr, bool parDefaut = false);
    void montrer();
    void auHasard();
    void montrerReponse();
    void basculerDuree(bool oui);

    QSettings& reglages_;
    RandomSource& hasard_;
    Voix* voix_;
    CadranTableau* cadran_;
    LigneJournee* ligne_;
    QLabel* numerique_;
    QLabel* moment_;
    QLabel* mots_;
    QLabel* duree_;
    QComboBox* niveau_;
    QPushButton* voirNumerique_;
    QPushButton* voirMots_;
    QPushButton* minutes_;
    QPushButton* vingtQuatre_;
    QPushButton* trotteuse_;
    QPushButton* liees_;
    QPushButton* enDuree_;
    QPushButton* reponse_;
    // After a random time, the answer waits for "Montrer la réponse".
    bool cache_ = false;
};
