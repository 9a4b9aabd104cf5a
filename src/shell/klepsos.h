#pragma once

#include <QObject>
#include <QWidget>
#include <memory>

#include "common/routines.h"

class APropos;
class Astuces;
class Depart;
class Exercices;
class JeuxDates;
class Lecon;
class PictureBox;
class Presentation;

// The design of every screen: 640 x 480, holding the full-size screens, one
// shown at a time. The window on the display presents it scaled; closing
// either quits as "SORTIE" does.
class FenetrePrincipale : public QWidget {
    Q_OBJECT

public:
    FenetrePrincipale();

signals:
    void fermeture();

protected:
    void closeEvent(QCloseEvent* e) override;
};

// The whole program: its state, its screens, start-up and quitting.
class Klepsos : public QObject {
    Q_OBJECT

public:
    Klepsos(Clock& clock, RandomSource& random, SoundPlayer& sounds, DisplayLayer& display,
            const QString& dossierDatas, const QString& fichierScore = {});
    ~Klepsos() override;

    // The start-up sequence, ending with the start screen shown. When a
    // picture cannot be read it stops with a French message naming the file,
    // before the display or the task bar are touched and without writing the
    // score.
    bool demarrer(QString* erreur);

    // The quitting sequence: return sound, score saved, display and task bar
    // restored, then finished() is emitted. Runs once.
    void quitter();

    Routines& routines() { return r_; }
    FenetrePrincipale* fenetre() const { return fenetre_.get(); }
    Presentation* presentation() const { return presentation_.get(); }
    Depart* depart() const { return depart_; }
    Lecon* lecon() const { return lecon_; }
    Exercices* exercices() const { return exercices_; }
    Astuces* astuces() const { return astuces_; }
    JeuxDates* jeuxDates() const { return jeux_dates_; }
    APropos* aPropos() const { return auteur_softs_; }
    bool scoreSauve() const { return scoreSauve_; }

signals:
    void finished();

private:
    Routines r_;
    // Declared first so that it goes last: the design it shows goes before it.
    std::unique_ptr<Presentation> presentation_;
    std::unique_ptr<FenetrePrincipale> fenetre_;
    Depart* depart_ = nullptr;
    Lecon* lecon_ = nullptr;
    Exercices* exercices_ = nullptr;
    Astuces* astuces_ = nullptr;
    JeuxDates* jeux_dates_ = nullptr;
    APropos* auteur_softs_ = nullptr;
    QWidget* divers_ = nullptr;
    bool demarre_ = false;
    bool termine_ = false;
    bool scoreSauve_ = false;
};
