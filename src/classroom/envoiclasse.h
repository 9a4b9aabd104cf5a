// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "classe.h"
#include "common/registre.h"

class QThread;

// Sends this computer's answers to the class folder off the screen's
// thread: shortly after being asked (answers come in bursts), and again
// every so often while answers wait. Never a message box: one French line
// on the console when what waits changes.
class EnvoiEnFond : public QObject {
    Q_OBJECT

public:
    EnvoiEnFond(QString local, QString classe, QString poste, QObject* parent = nullptr);
    // Waits for a pass under way: its bytes are then whole.
    ~EnvoiEnFond() override;

    // A pass soon; several asks close together make one pass.
    void demander();
    // A pass at once, on its thread (start-up).
    void lancer();
    // The last pass, at the end of the run, within `ms` milliseconds. False
    // when a pass is still stuck in a share that hangs: this object must then
    // not be destroyed (the program ends without waiting, its answers kept in
    // the local store for the next run).
    bool finir(int ms);
    const classe::Envoi& dernier() const { return dernier_; }

    static constexpr int delaiMs = 1500;
    static constexpr int repriseMs = 20 * 1000;

signals:
    void termine(const classe::Envoi& envoi);

private:
    void fini(const classe::Envoi& e);

    QString local_, classe_, poste_;
    QTimer delai_, reprise_;
    std::unique_ptr<QThread> fil_;
    classe::Envoi resultat_;
    classe::Envoi dernier_;
    QString derniereLigne_;
    bool encore_ = false;
};

// Passes every answer on to the history and asks for a pass after it.
class RegistreClasse final : public RegistreReponses {
public:
    RegistreClasse(RegistreReponses& historique, EnvoiEnFond& envoi) : historique_(historique), envoi_(envoi) {}
    void enregistrer(const ReponseJugee& r) override
    {
        historique_.enregistrer(r);
        envoi_.demander();
    }

private:
    RegistreReponses& historique_;
    EnvoiEnFond& envoi_;
};
