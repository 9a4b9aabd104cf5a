// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

#include "common/clock.h"
#include "common/displaylayer.h"
#include "common/randomsource.h"
#include "common/registre.h"
#include "common/voix.h"
#include "ui/soundplayer.h"

// A clock that shows the instant it is given.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime t = QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7))) : t_(t) {}
    QDateTime now() const override { return t_; }
    void set(const QDateTime& t) { t_ = t; }
    void advance(qint64 seconds) { t_ = t_.addSecs(seconds); }

private:
    QDateTime t_;
};

// Gives the draws it was told, in order; 0 once they run out (counted in
// underflows, so a test can check it supplied enough).
class ScriptedRandom final : public RandomSource {
public:
    void push(std::initializer_list<double> draws) { draws_.append(draws); }
    double next() override
    {
        if (draws_.isEmpty()) {
            ++underflows;
            return 0.0;
        }
        return draws_.takeFirst();
    }
    void reseed() override { ++reseeds; }
    int reseeds = 0;
    int underflows = 0;
    int remaining() const { return int(draws_.size()); }

private:
    QList<double> draws_;
};

// Records the names of the sounds played.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& name) override { played << name; }
    QStringList played;
};

// Keeps every judged answer, written "activite|question|reponse|attendue|oui".
class RecordingRegistre final : public RegistreReponses {
public:
    void enregistrer(const ReponseJugee& r) override
    {
        // The level, where there is one, follows the activity: "placer_aiguilles@heures".
        const QString activite = r.niveau.isEmpty() ? r.activite : r.activite + QLatin1Char('@') + r.niveau;
        lignes << QStringList{activite, r.question, r.reponse, r.attendue,
                              r.juste ? QStringLiteral("oui") : QStringLiteral("non")}
                      .join(QLatin1Char('|'));
    }
    QStringList lignes;
};

// Records the display and task-bar calls as text, in order.
class RecordingDisplay final : public DisplayLayer {
public:
    QSizeF size{1024, 768};
    int modes = 3;  // how many modes the enumeration finds
    QStringList calls;
    bool acceptsMode = false;  // as Windows does, unlike other desktops
    bool hasTaskbar = true;  // on view at start-up
    QSizeF screenSize() override
    {
        calls << QStringLiteral("size");
        return size;
    }
    bool enumDisplaySettings(int index) override
    {
        calls << QStringLiteral("enum %1").arg(index);
        return index < modes;
    }
    bool changeDisplaySettings(quint32 fields, quint32 width, quint32 height) override
    {
        calls << QStringLiteral("change %1 %2x%3").arg(fields, 0, 16).arg(width).arg(height);
        return acceptsMode;
    }
    bool restaurerAffichage() override
    {
        calls << QStringLiteral("restore");
        return acceptsMode;
    }
    bool setTaskbarPos(unsigned flags) override
    {
        calls << QStringLiteral("taskbar %1").arg(flags);
        return hasTaskbar;
    }
};

// A voice that keeps what it was asked to say; unavailable, as on a
// computer without speech, until it is made available.
class FakeVoix final : public Voix {
public:
    void dire(const QString& texte) override
    {
        dits << texte;
        parle_ = true;
    }
    void arreter() override
    {
        ++arrets;
        parle_ = false;
    }
    bool disponible() const override { return disponible_; }
    bool parle() const override { return parle_; }
    void rendreDisponible()
    {
        disponible_ = true;
        emit disponibiliteChangee(true);
    }
    QStringList dits;
    int arrets = 0;

private:
    bool disponible_ = false;
    bool parle_ = false;
};
