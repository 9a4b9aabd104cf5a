// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointingDevice>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "fakes.h"
#include "ui/arrowspinner.h"
#include "ui/style.h"
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
    FakeVoix voix;
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
    static void cliquer(QWidget* w, QPoint at) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at); }
    static void cliquer(QWidget* w) { cliquer(w, w->rect().center()); }
    // One step of a spinner by a click on its up or down arrow.
    static void monter(QWidget* s) { cliquer(s, QPoint(s->width() / 2, s->height() / 4)); }
    static void descendre(QWidget* s) { cliquer(s, QPoint(s->width() / 2, s->height() * 3 / 4)); }
    // A pointer move over a widget.
    static void survoler(QWidget* w);
    // Keys pressed one at a time where the keyboard focus is, each followed
    // by what it posts: "Tab*5 Return", "S-Tab", "Up", "PgUp", "Space", "Esc".
    void taper(const QString& touches);
    // A spinner moved by arrow clicks until it shows v.
    static void regler(QWidget* spinner, int v);
    // One tick of a running timer, as the event loop would deliver it.
    static void tic(QTimer* timer);

    // The controls of the screen last opened with ouvrir(), by name; a
    // missing control ends the test.
    QByteArray ecran = "depart";
    void ouvrir(const char* dessin, const char* ecranOuvert);
    QWidget* w(const QString& nom);
    template <class T>
    T* w(const QString& nom)
    {
        return qobject_cast<T*>(w(nom));
    }
    QString texte(const QString& nom);
    ArrowSpinner* fleche(const QString& nom) { return w<ArrowSpinner>(nom); }
    void clic(const QString& nom) { cliquer(w(nom)); }
    bool visible(const QString& nom) { return w(nom)->isVisible(); }
    QColor couleur(const QString& nom) { return textColor(w(nom)); }
    // Steps a spinner up, or down for a negative count.
    void pas(const QString& nom, int n = 1);

    // One finger for the whole run: Qt keeps the devices it is told of.
    QPointingDevice* doigt = [] { static auto* d = QTest::createTouchDevice(); return d; }();
    // Fingers touch the scaled window's viewport: where a point of a control lies there.
    QWidget* viewport();
    QPoint vue(QWidget* c, QPointF p);
    // A finger's tap on a control, in its middle or at a point of it.
    void taperDoigt(const QString& nom) { taperDoigt(nom, w(nom)->rect().center()); }
    void taperDoigt(const QString& nom, QPointF at);
    // Steps a spinner by taps on its arrows, down for a negative count.
    void pasDoigt(const QString& nom, int n);

    // The counters of the run, and the score line they give.
    void verifierCompte(int exercices, int justes, int erreurs);
    static QString ligneScore(int exercices, int justes, int erreurs);
};

// The bytes of a score file of 16-bit counters.
QByteArray octetsScore(int exercices, int justes, int erreurs);

// The draw r that makes floor(r * nombre) + base give valeur.
inline double pour(int valeur, int nombre, int base)
{
    return (valeur - base + 0.5) / nombre;
}

// Copies every file of one folder into another.
void copierDossier(const QString& de, const QString& vers);
