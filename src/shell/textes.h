#pragma once

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
