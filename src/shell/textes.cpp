#include "textes.h"

#include <QLabel>
#include <QWidget>

namespace {

void ecrire(QWidget* ecran, const char* nom, const QString& texte)
{
    if (!ecran)
        return;
    if (auto* l = ecran->findChild<QLabel*>(QString::fromLatin1(nom)))
        l->setText(texte);
}

}  // namespace

void ecrireTextesDemarrage(const EcransTextes& e)
{
    ecrire(e.auteur_softs, "nom", QStringLiteral("Klepsos"));
    ecrire(e.auteur_softs, "version", QStringLiteral("Version ") + QStringLiteral(KLEPSOS_VERSION));
    ecrire(e.auteur_softs, "description",
           QStringLiteral("Klepsos apprend à lire l'heure et à compter avec les dates :\n"
                          "une leçon sur les unités de temps, six sortes d'exercices\n"
                          "sur les heures et les minutes, trois astuces et quatre jeux\n"
                          "sur les âges et les anniversaires.\n\n"
                          "Chaque réponse est corrigée tout de suite, et le score\n"
                          "est gardé d'une fois sur l'autre."));
}
