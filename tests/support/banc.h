#pragma once

#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "fakes.h"
#include "shell/klepsos.h"

// The whole program started on fakes: a fixed clock, scripted draws, no
// audio, no display change, and a private copy of the data folder (so the
// score file written is the test's own).
class Banc {
public:
    explicit Banc(const QDateTime& maintenant = QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)),
                  const QByteArray& scoreInitial = {});
    ~Banc();

    // Runs the start-up sequence and, unless told otherwise, what it leaves
    // for after the first paint, so that every screen is there to be found.
    enum Suite { ToutConstruire, ApresPremierePeinture };
    bool demarrer(Suite suite = ToutConstruire);

    FixedClock clock;
    ScriptedRandom random;
    RecordingSoundPlayer sons;
    RecordingDisplay affichage;
    QTemporaryDir dossier;
    QString datas;
    std::unique_ptr<Klepsos> app;

    Routines& r() { return app->routines(); }

    // A control of a screen, found by the screen's and the control's names.
    template <class T>
    T* trouver(const char* ecran, const char* controle)
    {
        QWidget* e = ecranNomme(ecran);
        return e ? e->findChild<T*>(QString::fromLatin1(controle)) : nullptr;
    }
    QWidget* ecranNomme(const char* ecran) const;
    QByteArray octetsScore() const;

    // A user's left click in the middle of a widget (or at a point of it).
    static void cliquer(QWidget* w);
    static void cliquer(QWidget* w, QPoint at);
    // One step of a spinner by a click on its up or down arrow.
    static void monter(QWidget* spinner);
    static void descendre(QWidget* spinner);
    // A pointer move over a widget.
    static void survoler(QWidget* w);
    // Keys pressed one at a time where the keyboard focus is, each followed
    // by what it posts: "Tab*5 Return", "S-Tab", "Up", "PgUp", "Space", "Esc".
    void taper(const QString& touches);
};

// Copies every file of one folder into another.
void copierDossier(const QString& de, const QString& vers);
