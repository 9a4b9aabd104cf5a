// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <functional>

#include "common/registre.h"

// One child's choices in their own file: one "cle=valeur" per line, both
// percent-encoded, the file replaced whole on each change.
class PreferencesJoueur final : public Preferences {
public:
    // retrouver: where the file is now when its folder has gone (a child
    // renamed while playing); empty when nowhere.
    explicit PreferencesJoueur(const QString& chemin, std::function<QString()> retrouver = {});

    QString lire(const QString& cle, const QString& defaut) const override;
    void ecrire(const QString& cle, const QString& valeur) override;

    static QHash<QString, QString> decoder(const QByteArray& octets);
    static QByteArray encoder(const QHash<QString, QString>& valeurs);

private:
    QString chemin_;
    std::function<QString()> retrouver_;
    QHash<QString, QString> valeurs_;
};
