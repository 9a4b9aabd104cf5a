// SPDX-License-Identifier: GPL-3.0-or-later
#include "modulevoix.h"

#include <cstdio>

namespace {

void direSurLaConsole(const QString& raison)
{
    std::fprintf(stderr, "%s\n",
                 QStringLiteral("Klepsos fonctionne sans voix : %1.").arg(raison).toLocal8Bit().constData());
}

}  // namespace

ModuleVoix::ModuleVoix(const QString& module, QObject* parent) : Voix(parent), module_(module)
{
}

// The voice goes before the module that holds its code; the module stays
// loaded to the end, as Qt's plugins do not expect to be unloaded.
ModuleVoix::~ModuleVoix() = default;

void ModuleVoix::charger()
{
    if (charge_)
        return;
    charge_ = true;
    const auto fabrique = reinterpret_cast<FabriqueParole>(module_.resolve(SymboleFabriqueParole));
    if (!fabrique) {
        direSurLaConsole(QStringLiteral("son module est introuvable (%1)").arg(module_.errorString()));
        return;
    }
    RappelsParole rappels;
    rappels.pret = [this](bool oui, const QString& voixOuRaison) {
        if (!oui)
            return direSurLaConsole(voixOuRaison);
        nomVoix_ = voixOuRaison;
        disponible_ = true;
        emit disponibiliteChangee(true);
    };
    rappels.parle = [this](bool oui) {
        if (parle_ == oui)
            return;
        parle_ = oui;
        emit parleChange(oui);
    };
    parole_.reset(fabrique(rappels));
}

bool ModuleVoix::finir(int attenteMs)
{
    return !parole_ || parole_->finir(attenteMs);
}

void ModuleVoix::dire(const QString& texte)
{
    if (disponible_)
        parole_->dire(texte);
}

void ModuleVoix::arreter()
{
    if (disponible_)
        parole_->arreter();
}
