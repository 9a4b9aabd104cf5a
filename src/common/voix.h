// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// The computer's voice as the screens use it. Saying a text cuts whatever
// was being said; nothing ever waits for the voice. A voice not (yet)
// available says nothing, and the screens show no loudspeaker for it.
class Voix : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void dire(const QString& texte) = 0;
    virtual void arreter() = 0;
    virtual bool disponible() const = 0;
    virtual bool parle() const = 0;
    // Gets the voice ready. Start-up calls it once the first screen is on
    // view; a voice with nothing to load ignores it.
    virtual void charger() {}

signals:
    void disponibiliteChangee(bool disponible);
    void parleChange(bool parle);
};
