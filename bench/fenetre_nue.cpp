// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare Qt Widgets window with one label, 640 x 480
// or --taille=WIDTHxHEIGHT, or full screen with --plein-ecran. bench/run.sh measures it with its probe,
// which also ends it.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenêtre nue"));
    QLabel texte(QStringLiteral("Bonjour"), &fenetre);
    texte.move(20, 20);
    if (QApplication::arguments().contains(QStringLiteral("--plein-ecran"))) {
        // Without a window manager nothing else would give it the screen's size.
        fenetre.setGeometry(QGuiApplication::primaryScreen()->geometry());
        fenetre.showFullScreen();
    } else {
        QSize taille(640, 480);
        for (const QString& a : QApplication::arguments())
            if (a.startsWith(QStringLiteral("--taille="))) {
                const QStringList wh = a.mid(9).split(QLatin1Char('x'));
                taille = QSize(wh.value(0).toInt(), wh.value(1).toInt());
            }
        fenetre.setFixedSize(taille);
        fenetre.show();
    }
    return app.exec();
}
