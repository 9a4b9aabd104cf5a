// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The fixed texts that start-up writes into the other screens' labels, once
// per run, before any screen is shown.
struct EcransTextes {
    QWidget* depart = nullptr;
    QWidget* lecon = nullptr;
    QWidget* astuces = nullptr;
    QWidget* auteur_softs = nullptr;
};
void ecrireTextesDemarrage(const EcransTextes& e);

// The texts themselves. A label shows a list as one caption, its lines
// joined by single line breaks and nothing after the last one.
namespace textes {

QStringList unites();         // the lesson's nine units of time
QStringList jours();          // the lesson's weekdays and their gods, Monday to Saturday
QStringList addition();       // the lesson's four lines on adding durations
QStringList klepsos();        // the tips' four paragraphs on the god of time
QStringList citation();       // the start screen's quotation, then its author

QString legende(const QStringList& lignes);

// What the about window tells a user and a packager.
struct InfosAPropos {
    QString versionQt;  // the Qt the program runs on, qVersion()
    QString licence;    // where the licence's text lies (emplacementLicence)
    QString score;      // the score file
    QString maison;     // the user's home folder, written "~" in the score's path
};
QString aPropos(const InfosAPropos& infos);

// The system's copy of the GPL when it has one (Debian's), else the LICENSE
// file that comes with the program's sources.
inline const QString LicenceSysteme = QStringLiteral("/usr/share/common-licenses/GPL-3");
QString emplacementLicence(const QString& copieSysteme = LicenceSysteme);

}  // namespace textes
