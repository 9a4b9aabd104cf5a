// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

#include "common/registre.h"

// One child's choices in their own file: one "cle=valeur" per line, both
// percent-encoded, the file replaced whole on each change.
class PreferencesJoueur final : public Preferences {
public:
    explicit PreferencesJoueur(const QString& chemin);

    QString lire(const QString& cle, const QString& defaut) const override;
    void ecrire(const QString& cle, const QString& valeur) override;

    static QHash<QString, QString> decoder(const QByteArray& octets);
    static QByteArray encoder(const QHash<QString, QString>& valeurs);

private:
    QString chemin_;
    QHash<QString, QString> valeurs_;
};
