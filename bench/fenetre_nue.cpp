// The floor for start-up: a bare 640 x 480 Qt Widgets window with one label.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "peinture.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    signalerEtape("application");
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenêtre nue"));
    fenetre.setFixedSize(640, 480);
    QLabel texte(QStringLiteral("Bonjour"), &fenetre);
    texte.move(20, 20);
    signalerPremierePeinture(&fenetre);
    fenetre.show();
    return app.exec();
}
