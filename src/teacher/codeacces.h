// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <chrono>
#include <optional>

#include "classroom/codeenseignant.h"
#include "suivi.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// Wrong codes in a row after which the next try waits.
inline constexpr int fautesAvantAttente = 3;
inline constexpr std::chrono::seconds attenteApresFautes{5};

// The teacher's space asks its code before it shows anything.
class DemandeCode : public QDialog {
    Q_OBJECT

public:
    explicit DemandeCode(classe::EmpreinteCode code, std::chrono::milliseconds attente = attenteApresFautes,
                         QWidget* parent = nullptr);

private:
    void essayer();
    void decompter();

    classe::EmpreinteCode code_;
    std::chrono::milliseconds attente_;
    QLineEdit* saisie_;
    QLabel* message_;
    QPushButton* entrer_;
    QTimer* minuterie_;
    int fautes_ = 0;
    qint64 finAttente_ = 0;  // when the next try is allowed (ms since the epoch)
};

// True when the space has no code, or when the teacher gave it. The code is
// read from the class folder within a bounded time, else from this
// computer's copy.
bool accesAccorde(const Lieux& lieux, QWidget* parent = nullptr);

// A new code, typed twice and at least classe::longueurMinCode long; nothing
// when cancelled.
std::optional<QString> choisirCode(QWidget* parent);
