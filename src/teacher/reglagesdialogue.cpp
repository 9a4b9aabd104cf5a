// SPDX-License-Identifier: GPL-3.0-or-later
#include "reglagesdialogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

#include "classroom/classe.h"
#include "codeacces.h"
#include "classroom/filpartage.h"
#include "dialogues.h"
#include "enseignant.h"
#include "travailsemaine.h"

namespace {

QCheckBox* caseACocher(const char* nom, const QString& texte, bool cochee)
{
    auto* c = new QCheckBox(texte);
    c->setObjectName(QString::fromLatin1(nom));
    c->setChecked(cochee);
    return c;
}

// The class's year, or a second one for a mixed class.
QComboBox* choixAnnee(const char* nom, const QString& aucune, std::optional<programme::Annee> a)
{
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(nom));
    c->addItem(aucune);
    for (programme::Annee x : programme::annees)
        c->addItem(programme::nomAnnee(x));
    c->setCurrentIndex(a ? int(*a) + 1 : 0);
    return c;
}

}  // namespace

std::optional<classe::Reglages> demanderReglages(QWidget* parent, const QString& titre, classe::Reglages r,
                                                 const QString& message)
{
    QDialog d(parent);
    d.setObjectName(QStringLiteral("reglages_classe"));
    d.setWindowTitle(titre);
    auto* f = new QFormLayout(&d);
    auto* avis = new QLabel(message);
    avis->setObjectName(QStringLiteral("message_reglages"));
    avis->setWordWrap(true);
    avis->setVisible(!message.isEmpty());
    f->addRow(avis);
    auto* sons = caseACocher("sons_coupes", QStringLiteral("Couper les sons sur tous les ordinateurs"), r.sonsCoupes);
    auto* sortie = new QComboBox;
    sortie->setObjectName(QStringLiteral("sortie"));
    sortie->addItems({QStringLiteral("Un clic suffit"), QStringLiteral("Garder le doigt appuyé"),
                      QStringLiteral("Cachée")});
    sortie->setCurrentIndex(int(r.sortie));
    auto* aiguille = caseACocher(
        "aiguille_heures_reelle",
        QStringLiteral("L'aiguille des heures avance avec les minutes, comme sur une vraie horloge"),
        r.aiguilleHeuresReelle);
    auto* annee = choixAnnee("annee", QStringLiteral("Choisissez…"),
                             r.annees.isEmpty() ? std::nullopt : std::optional(r.annees.first()));
    auto* annee2 = choixAnnee("annee2", QStringLiteral("Aucune"),
                              r.annees.size() > 1 ? std::optional(r.annees.last()) : std::nullopt);
    auto* adaptes = caseACocher("niveaux_adaptes",
                                QStringLiteral("Les niveaux suivent chaque élève (plus difficiles après une série "
                                               "de réussites, plus faciles après des erreurs répétées)"),
                                r.niveauxAdaptes);
    // The voice is apart from the sounds: a class may want one without the other.
    auto* voix = caseACocher("voix_coupee", QStringLiteral("Couper la voix qui lit les consignes"), r.voixCoupee);
    auto* lecture = caseACocher("lecture_auto", QStringLiteral("Lire à voix haute chaque consigne et chaque correction"),
                                r.lectureAuto);
    f->addRow(sons);
    f->addRow(QStringLiteral("Le bouton « SORTIE » :"), sortie);
    f->addRow(aiguille);
    f->addRow(QStringLiteral("Année de la classe :"), annee);
    f->addRow(QStringLiteral("Seconde année (classe à double niveau) :"), annee2);
    f->addRow(adaptes);
    f->addRow(voix);
    f->addRow(lecture);
    auto* boutons = boutonsOkAnnuler(d);
    f->addRow(boutons);
    // Without its year, "Mon entraînement" would not know what to ask.
    QObject::disconnect(boutons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::accepted, &d, [&] {
        if (annee->currentIndex() > 0) {
            d.accept();
            return;
        }
        avis->setText(QStringLiteral("Choisissez l'année de la classe."));
        avis->show();
        annee->setFocus();
    });
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    r.sonsCoupes = sons->isChecked();
    r.sortie = classe::Sortie(sortie->currentIndex());
    r.aiguilleHeuresReelle = aiguille->isChecked();
    r.niveauxAdaptes = adaptes->isChecked();
    r.annees.clear();
    for (const QComboBox* c : {annee, annee2})
        if (c->currentIndex() > 0 && !r.annees.contains(programme::annees[size_t(c->currentIndex() - 1)]))
            r.annees << programme::annees[size_t(c->currentIndex() - 1)];
    std::sort(r.annees.begin(), r.annees.end());
    r.voixCoupee = voix->isChecked();
    r.lectureAuto = lecture->isChecked();
    return r;
}

void Enseignant::reglerClasse()
{
    reglerClasseAvec({});
}

void Enseignant::reglerClasseAvec(const QString& message)
{
    const QString racine = lieux_.classe;
    const QString titre = QStringLiteral("Réglages de la classe");
    if (racine.isEmpty()) {
        QMessageBox::information(this, titre,
                                 QStringLiteral("Ces réglages se gardent dans un dossier de classe : "
                                                "lancez Klepsos avec --classe DOSSIER, ou réglez « classe » "
                                                "dans klepsos.conf."));
        return;
    }
    if (!dossierRepond(titre))
        return;
    lecteur_->lancer([racine] { return classe::reglagesClasse(racine); },
                     [this, racine, titre, message](const classe::Reglages& lus) {
                         const auto r = demanderReglages(this, titre, lus, message);
                         if (!r)
                             return;
                         lecteur_->lancer([racine, r = *r] { return classe::enregistrerReglages(racine, r); },
                                          [this, titre](bool fait) {
                                              if (!fait)
                                                  QMessageBox::warning(this, titre, texteResultat(classe::Resultat::Echec, {}));
                                              else
                                                  statusBar()->showMessage(QStringLiteral("Réglages enregistrés : chaque ordinateur "
                                                                                          "les suit à son prochain démarrage."),
                                                                           5000);
                                          });
                     });
}

void Enseignant::changerCode()
{
    const QString titre = QStringLiteral("Code de l'espace enseignant");
    if (!dossierRepond(titre))
        return;
    const auto code = choisirCode(this);
    if (!code)
        return;
    lecteur_->lancer([l = lieux_, c = *code] { return classe::enregistrerCode(l.classe, l.local, c); },
                     [this, titre](bool fait) {
                         if (!fait)
                             QMessageBox::warning(this, titre, texteResultat(classe::Resultat::Echec, {}));
                         else
                             statusBar()->showMessage(QStringLiteral("Code enregistré : l'espace enseignant le "
                                                                     "demandera désormais."),
                                                      5000);
                     });
}

void Enseignant::lireTravail()
{
    lecteur_->lancer([l = lieux_] { return classe::travailClasse(l.classe, l.local); },
                     [this](const std::optional<classe::Travail>& t) {
                         if (t)
                             travail_->setTravail(*t);
                         else
                             travail_->setTravailInconnu(texteTravailIllisible());
                     });
}

void Enseignant::enregistrerTravail(const classe::ChangementTravail& c)
{
    const QString titre = QStringLiteral("Travail de la semaine");
    if (!dossierRepond(titre))
        return;
    lecteur_->lancer([l = lieux_, c] { return classe::changerTravail(l.classe, l.local, c); },
                     [this, titre](const std::optional<classe::Travail>& t) {
                         if (!t) {
                             QMessageBox::warning(this, titre, texteTravailIllisible());
                             lireTravail();
                             return;
                         }
                         travail_->setTravail(*t);
                         statusBar()->showMessage(QStringLiteral("Travail enregistré : chaque élève le trouve "
                                                                 "en choisissant son prénom."),
                                                  5000);
                     });
}
