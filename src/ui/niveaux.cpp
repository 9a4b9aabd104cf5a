// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux.h"

#include "clickablelabel.h"
#include "style.h"

namespace {
// The chosen level is marked, the others offered.
const QString marqueChoisi = QStringLiteral("\u25CF ");
const QString marqueOffert = QStringLiteral("\u25CB ");
// Screen readers hear the mark in words.
const QString ditChoisi = QStringLiteral("choisi");
}  // namespace

ListeNiveaux::ListeNiveaux(QWidget* parent, const QByteArray& prefixe, const QStringList& cles,
                           const QStringList& noms, QRect premier, int pas, int taillePolice,
                           std::function<void(int)> choisir, int parColonne)
    : noms_(noms)
{
    const int lignes = parColonne > 0 ? parColonne : int(cles.size());
    for (int i = 0; i < cles.size(); ++i) {
        const QByteArray nom = prefixe + cles[i].toLatin1();
        auto* l = makeLabel(parent, nom.constData(), premier.translated(premier.width() * (i / lignes), pas * (i % lignes)),
                            {uiFont(taillePolice), couleur::noir, Qt::AlignLeft});
        l->setAccessibleName(noms[i]);
        l->setCursor(Qt::PointingHandCursor);
        QObject::connect(l, &ClickableLabel::clicked, parent, [choisir, i] { choisir(i); });
        labels_.append(l);
    }
}

void ListeNiveaux::marquer(int choisi)
{
    for (int i = 0; i < labels_.size(); ++i) {
        labels_[i]->setCaption((i == choisi ? marqueChoisi : marqueOffert) + noms_[i]);
        setTextColor(labels_[i], i == choisi ? couleur::magenta : couleur::noir);
        labels_[i]->setAccessibleDescription(i == choisi ? ditChoisi : QString());
    }
}

QStringList ListeNiveaux::nomsObjets() const
{
    QStringList l;
    for (const ClickableLabel* c : labels_)
        l << c->objectName();
    return l;
}
