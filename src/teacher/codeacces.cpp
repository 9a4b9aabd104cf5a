// SPDX-License-Identifier: GPL-3.0-or-later
#include "codeacces.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "classroom/sonde.h"
#include "dialogues.h"

namespace {

QLineEdit* champCode(const char* nom, const QString& accessible)
{
    auto* l = new QLineEdit;
    l->setObjectName(QString::fromLatin1(nom));
    l->setAccessibleName(accessible);
    l->setEchoMode(QLineEdit::Password);
    return l;
}

}  // namespace

DemandeCode::DemandeCode(classe::EmpreinteCode code, std::chrono::milliseconds attente, QWidget* parent)
    : QDialog(parent), code_(std::move(code)), attente_(attente)
{
    setObjectName(QStringLiteral("demande_code"));
    setWindowTitle(QStringLiteral("Klepsos — Espace enseignant"));
    saisie_ = champCode("code", QStringLiteral("Code de l'espace enseignant"));
    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("message_code"));
    message_->setWordWrap(true);
    auto* boutons = new QDialogButtonBox;
    entrer_ = boutons->addButton(QStringLiteral("Entrer"), QDialogButtonBox::AcceptRole);
    entrer_->setObjectName(QStringLiteral("entrer"));
    entrer_->setDefault(true);
    boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("L'espace enseignant est protégé par un code.")));
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Code :"), saisie_);
    l->addLayout(f);
    l->addWidget(message_);
    l->addWidget(boutons);
    minuterie_ = new QTimer(this);
    minuterie_->setInterval(200);
    connect(minuterie_, &QTimer::timeout, this, &DemandeCode::decompter);
    connect(boutons, &QDialogButtonBox::accepted, this, &DemandeCode::essayer);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void DemandeCode::essayer()
{
    if (QDateTime::currentMSecsSinceEpoch() < finAttente_)
        return;
    if (classe::codeJuste(code_, saisie_->text())) {
        accept();
        return;
    }
    saisie_->clear();
    if (++fautes_ % fautesAvantAttente != 0) {
        message_->setText(QStringLiteral("Ce n'est pas le bon code."));
        return;
    }
    finAttente_ = QDateTime::currentMSecsSinceEpoch() + attente_.count();
    entrer_->setEnabled(false);
    minuterie_->start();
    decompter();
}

void DemandeCode::decompter()
{
    const qint64 reste = finAttente_ - QDateTime::currentMSecsSinceEpoch();
    if (reste <= 0) {
        minuterie_->stop();
        entrer_->setEnabled(true);
        message_->setText(QStringLiteral("Vous pouvez réessayer."));
        saisie_->setFocus();
        return;
    }
    message_->setText(QStringLiteral("Ce n'est pas le bon code, %1 fois de suite. Attendez %2\u00A0s avant de réessayer.")
                          .arg(fautesAvantAttente)
                          .arg((reste + 999) / 1000));
}

bool accesAccorde(const Lieux& lieux, QWidget* parent)
{
    const classe::CodeConnu connu =
        partage::avant<classe::CodeConnu>(partage::attenteSondeMs, [lieux] {
            return classe::codeSuivi(lieux.classe, lieux.local);
        }).value_or(classe::codeGarde(lieux.local));
    if (!connu.code)
        return true;
    DemandeCode d(*connu.code, attenteApresFautes, parent);
    return d.exec() == QDialog::Accepted;
}

std::optional<QString> choisirCode(QWidget* parent)
{
    QDialog d(parent);
    d.setObjectName(QStringLiteral("choix_code"));
    d.setWindowTitle(QStringLiteral("Code de l'espace enseignant"));
    auto* code = champCode("nouveau_code", QStringLiteral("Nouveau code"));
    auto* encore = champCode("code_encore", QStringLiteral("Le même code, encore"));
    auto* message = new QLabel;
    message->setObjectName(QStringLiteral("message_code"));
    message->setWordWrap(true);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(new QLabel(QStringLiteral("Avec un code, l'espace enseignant le demande avant de s'ouvrir, "
                                           "sur chaque ordinateur de la classe. Les élèves n'en ont pas besoin.")));
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Nouveau code :"), code);
    f->addRow(QStringLiteral("Le même code, encore :"), encore);
    l->addLayout(f);
    l->addWidget(message);
    auto* boutons = boutonsOkAnnuler(d);
    l->addWidget(boutons);
    QObject::disconnect(boutons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::accepted, &d, [&] {
        if (code->text().size() < classe::longueurMinCode)
            message->setText(QStringLiteral("Le code doit avoir au moins %1 caractères.").arg(classe::longueurMinCode));
        else if (code->text() != encore->text())
            message->setText(QStringLiteral("Les deux codes ne sont pas les mêmes."));
        else
            d.accept();
    });
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return code->text();
}
