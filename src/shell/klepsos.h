// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "classroom/travail.h"
#include "players/depot.h"

#include "common/routines.h"
#include "depart.h"

class APropos;
class Astuces;
class EcranAiguilles;
class EcranCalendrier;
class EcranEntrainement;
class GenreQuestion;
class EcranJournee;
class Exercices;
class FilPartage;
class JeuxDates;
class Lecon;
class PictureBox;
class Presentation;
class Progres;
class QuiJoue;
class SessionJoueurs;
struct Joueur;

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
//
// Only the first screen ("Qui joue ?" or the start screen) is built before
// the window is shown. The other screens and the sounds are built right
// after its first paint, or earlier by whoever asks for one of them first
// (a drawing or a name clicked at once, a test).
class Klepsos : public QObject, public Depart::Ecrans {
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

    // What start-up leaves for after the first paint: the sounds loaded
    // (the start-up sound then plays) and every other screen built. Runs by
    // itself once the start screen is painted; calling it sooner does the
    // same at once, and nothing is built twice.
    void terminerDemarrage();

    // The quitting sequence: return sound, score saved, display and task bar
    // restored, then finished() is emitted. Runs once.
    void quitter();

    Routines& routines() { return r_; }
    FenetrePrincipale* fenetre() const { return fenetre_.get(); }
    Presentation* presentation() const { return presentation_.get(); }
    // Built by demarrer() when it comes first, else with the others.
    Depart* depart();
    // Each screen, built the first time it is asked for.
    Lecon* lecon() override;
    Exercices* exercices() override;
    Astuces* astuces() override;
    JeuxDates* jeuxDates() override;
    APropos* aPropos() override;
    EcranAiguilles* aiguilles() override;
    EcranJournee* journee() override;
    EcranCalendrier* calendrier() override;
    EcranEntrainement* entrainement() override;
    void pressentir(const QString& dessin) override;
    bool scoreSauve() const { return scoreSauve_; }
    // Adds what this run has played since the last save to the score file,
    // as quitting does; the next save adds only what comes after.
    bool sauverScore();

    // The children's store of this run, before demarrer(): answers are
    // recorded in it, and "Qui joue ?" opens first when children are known
    // and none is asked for. Without it the program keeps the shared score
    // only, as it always did. `registre`, when given, takes the answers in
    // the history's place and passes them on to it (a class folder's
    // sending).
    void utiliserJoueurs(SessionJoueurs& session, const std::optional<Joueur>& demande,
                         RegistreReponses* registre = nullptr);
    // The week's work the class's teacher gave, followed by each child who plays.
    void utiliserTravail(const classe::Travail& t) { travail_ = t; }
    QuiJoue* quiJoue();
    Progres* progres();
    // From now on that child plays: their counters, their greeting.
    void jouerComme(const Joueur& j);
    // From now on nobody in particular plays: the shared score again.
    void jouerSansNom();
    void ouvrirProgres();
    void montrerProgres(const QList<LigneHistorique>& lignes);
    // The reads of the class folder under way end within ms milliseconds;
    // false when one is stuck in a share that hangs (this object must then
    // not be destroyed).
    bool finirLectures(int ms);

signals:
    void finished();
    // Once, when what start-up left for after the first paint is done.
    void demarrageTermine();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Builds a screen the first time it is asked for: hidden, in its place,
    // with its background, then what `suite` writes into it.
    template <class T, class Suite>
    T* construire(T*& ecran, const char* fond, Suite suite);
    void ecrireScoreExercices();
    FilPartage* lectures();
    // The other computers' answers of the child now playing, added to their
    // counters when the class folder gives them.
    void lireAilleurs(const Joueur& j);
    // The week's work that holds today for that child, shown on the start screen.
    void suivreTravail(const QString& cle);

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
    EcranAiguilles* aiguilles_ = nullptr;
    EcranJournee* journee_ = nullptr;
    EcranCalendrier* calendrier_ = nullptr;
    EcranEntrainement* entrainement_ = nullptr;
    // The kinds of question a training session asks, from every screen family.
    std::vector<std::unique_ptr<GenreQuestion>> genres_;
    QWidget* divers_ = nullptr;
    SessionJoueurs* session_ = nullptr;
    RegistreReponses* registreJoueurs_ = nullptr;
    std::optional<Joueur> demande_;
    QuiJoue* joueurs_ = nullptr;
    Progres* progres_ = nullptr;
    // The class folder's reads, made lazily: not every run has a class.
    FilPartage* lectures_ = nullptr;
    // One more at every change of player: a read that comes back for an
    // earlier choice is dropped.
    quint64 choix_ = 0;
    // The shared score while a child plays: only answers given with no name
    // change its file.
    Compteurs partage_;
    Screen* premierEcran_ = nullptr;
    PictureFile fondQuiJoue_;
    PictureFile fondDepart_;
    PictureFile dessinProgres_;
    PictureFile dessinEntrainement_;
    // The drawings already looked at for a background to decode ahead.
    QSet<QString> pressentis_;
    classe::Travail travail_;
    bool demarre_ = false;
    // What start-up changed on the desktop, and quitting puts back.
    bool ecranChange_ = false;
    bool barreCachee_ = false;
    bool suiteFaite_ = false;
    bool termine_ = false;
    bool scoreSauve_ = false;
    // The counters as the score file gave them, or as the last save left
    // them: what the run played is what lies beyond.
    Compteurs dejaSauves_;
};
