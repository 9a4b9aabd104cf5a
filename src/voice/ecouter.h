// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>
#include <functional>

#include "common/reponse.h"
#include "ui/picturebox.h"

class Routines;
class Screen;

// "Écouter": a small loudspeaker beside a statement. A click, a tap, Enter
// or Space on it, or F5 anywhere on its screen, says the statement shown,
// then its verdict and explanation once the answer is judged; a new click
// cuts the voice and starts again; leaving the screen stops it. When
// reading aloud is on, each new
// statement and each verdict is said as it appears. Shown only while the
// computer's voice can speak; in the screen's Tab order, before the answers
// nearest to it.
class Ecouter final : public PictureBox, private TemoinReponse {
    Q_OBJECT

public:
    // What to say, as the labels show it.
    using Textes = std::function<QStringList()>;

    // Beside the statement of an activity that judges answers: `enonce`
    // says the question, `verdict` the verdict once judged (it may be
    // written over the statement, which is then said as it was). The one
    // line a screen needs.
    static Ecouter* attacher(Routines& r, ProtocoleReponse& protocole, QPoint place,
                             const QList<QLabel*>& enonce, QLabel* verdict);
    static Ecouter* attacher(Routines& r, ProtocoleReponse& protocole, QPoint place, Textes enonce,
                             QLabel* verdict);
    // Beside a text with no answer to judge (a tool's instruction, a lesson);
    // named "ecouter_" and `nom` on its screen.
    Ecouter(Routines& r, Screen* ecran, QPoint place, Textes enonce, const QString& nom);

    // What these labels show when asked (those still there).
    static Textes textesDe(const QList<QLabel*>& labels);

    // What a click says now.
    QStringList aDireMaintenant() const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ouverte() override;
    void avantVerdict() override;
    void apresVerdict() override;
    void montrerSiVoix();
    void dire(const QStringList& textes) const;
    // The loudspeaker that F5 presses on this screen: the one nearest to
    // the control with the keyboard focus, else the first shown.
    Ecouter* celuiDeF5() const;

    Routines& r_;
    Textes enonce_;
    QPointer<QLabel> verdict_;
    bool juge_ = false;
    QStringList enonceJuge_;  // the statement as it was when judged
};
