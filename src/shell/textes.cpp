// SPDX-License-Identifier: GPL-3.0-or-later
#include "textes.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QWidget>

#include "ui/clickablelabel.h"

namespace textes {

QStringList unites()
{
    return {
        QStringLiteral("1 siècle = 100 ans"),
        QStringLiteral("1 décennie = 10 ans"),
        QStringLiteral("1 lustre = 5 ans"),
        QStringLiteral("1 an = 365 jours"),
        QStringLiteral("1 décade = 10 jours"),
        QStringLiteral("1 semaine = 7 jours"),
        QStringLiteral("1 jour = 24 heures"),
        QStringLiteral("1 heure = 60 minutes"),
        QStringLiteral("1 minute = 60 secondes"),
    };
}

// The blanks before the arrows are part of the design: keep them as they are.
QStringList jours()
{
    return {
        QStringLiteral("Lundi      --> jour de la Lune"),
        QStringLiteral("Mardi      --> jour de Mars"),
        QStringLiteral("Mercredi  --> jour de Mercure"),
        QStringLiteral("Jeudi       --> jour de Jupiter"),
        QStringLiteral("Vendredi  --> jour de Vénus"),
        QStringLiteral("Samedi    --> jour de Saturne"),
    };
}

QStringList addition()
{
    return {
        QStringLiteral("Pour additionner des heures, minutes, secondes, on peut :"),
        QStringLiteral("Additionner les secondes puis effectuer les transformations nécessaires "
                       "en minutes."),
        QStringLiteral("Additionner les minutes puis effectuer les transformations nécessaires "
                       "en heures."),
        QStringLiteral("Additionner les heures puis effectuer les transformations nécessaires "
                       "en jours."),
    };
}

QStringList klepsos()
{
    return {
        QStringLiteral("Dans la mythologie grecque, Chronos est le dieu du temps. Selon certains "
                       "récits, il est apparu au commencement du monde."),
        QStringLiteral("Son nom ressemble à celui du Titan Cronos, qui avalait ses enfants de "
                       "peur que l'un d'eux ne prenne sa place."),
        QStringLiteral("Rhéa, leur mère, sauva le petit Zeus en donnant à Cronos une pierre "
                       "emmaillotée, qu'il avala sans se méfier."),
        QStringLiteral("Devenu grand, Zeus força son père à rendre ses frères et sœurs. Aujourd'hui "
                       "encore, on dessine le temps en vieillard portant une faux et un sablier."),
    };
}

QStringList citation()
{
    return {
        QStringLiteral("Le tic-tac des horloges, on dirait des souris qui grignotent le temps."),
        QStringLiteral("Alphonse Allais"),
    };
}

QString legende(const QStringList& lignes)
{
    return lignes.join(QLatin1Char('\n'));
}

QString aPropos(const InfosAPropos& infos)
{
    QString score = QDir::toNativeSeparators(infos.score);
    const QString maison = QDir::toNativeSeparators(infos.maison) + QDir::separator();
    if (!infos.maison.isEmpty() && score.startsWith(maison))
        score = QStringLiteral("~") + QDir::separator() + score.mid(maison.size());
    // A long path may break after any of its separators.
    score.replace(QDir::separator(), QString(QDir::separator()) + QChar(0x200B));
    return legende({
        QStringLiteral("© 2026 Les développeurs de Klepsos"),
        QString(),
        QStringLiteral("Logiciel libre sous licence GNU GPL, version 3 ou toute version"),
        QStringLiteral("ultérieure (GPL-3.0-or-later). Texte de la licence :"),
        infos.licence,
        QString(),
        QStringLiteral("Polices : Liberation Sans (SIL Open Font License 1.1),"),
        QStringLiteral("DejaVu Sans (licence libre dérivée de Bitstream Vera)."),
        QString(),
        QStringLiteral("Fonctionne avec Qt ") + infos.versionQt + QLatin1Char('.'),
        QString(),
        QStringLiteral("Le score est gardé dans : ") + score,
    });
}

QString emplacementLicence(const QString& copieSysteme)
{
    if (QFileInfo(copieSysteme).isFile())
        return QDir::toNativeSeparators(copieSysteme);
    return QStringLiteral("le fichier LICENSE joint aux sources de Klepsos");
}

}  // namespace textes

namespace {

QLabel* label(QWidget* ecran, const char* nom)
{
    return ecran ? ecran->findChild<QLabel*>(QString::fromLatin1(nom)) : nullptr;
}

// Writes through setCaption where it can, so that a label that grows fits
// its new text.
void ecrire(QLabel* l, const QString& texte)
{
    if (auto* c = qobject_cast<ClickableLabel*>(l))
        c->setCaption(texte);
    else if (l)
        l->setText(texte);
}

void ecrire(QWidget* ecran, const char* nom, const QString& texte)
{
    ecrire(label(ecran, nom), texte);
}

}  // namespace

void ecrireTextesDemarrage(const EcransTextes& e)
{
    ecrire(e.lecon, "lecon1", textes::legende(textes::unites()));

    // The conte is written a paragraph at a time, each one added below the
    // last.
    if (QLabel* conte = label(e.astuces, "Klepsos")) {
        const QStringList paragraphes = textes::klepsos();
        ecrire(conte, paragraphes.first());
        for (qsizetype i = 1; i < paragraphes.size(); ++i)
            ecrire(conte, conte->text() + QLatin1Char('\n') + paragraphes[i]);
    }

    ecrire(e.lecon, "semaine2", textes::legende(textes::jours()));
    ecrire(e.lecon, "addition", textes::legende(textes::addition()));

    ecrire(e.auteur_softs, "nom", QStringLiteral("Klepsos"));
    ecrire(e.auteur_softs, "version", QStringLiteral("Version ") + QStringLiteral(KLEPSOS_VERSION));

    ecrire(e.depart, "citation2", textes::legende(textes::citation()));
}
