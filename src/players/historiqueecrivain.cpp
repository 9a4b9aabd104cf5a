// SPDX-License-Identifier: GPL-3.0-or-later
#include "historiqueecrivain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <chrono>

#include "classroom/systeme.h"
#include "historique.h"

namespace {

// After a failed write (a share gone, a full disk), the next try.
constexpr std::chrono::seconds delaiReessai(1);

// True once the whole line is in the file: what the system took, whatever
// the sync says afterwards. A disk or a home that refuses the sync (a
// quota, EIO) must not have the same answer appended again and again. A
// part left torn is skipped by readers, and the whole line written again
// after it is read.
bool ajouter(const QString& chemin, const QByteArray& ligne)
{
    const systeme::Ajout a = systeme::ajouter(chemin, ligne);
    const bool ecrite = a.ecrits == ligne.size();
    // Said once a run: the answers are in the file all the same.
    static std::atomic_bool dit{false};
    if (ecrite && !a.surLeDisque && !dit.exchange(true))
        qWarning("Klepsos : le disque n'a pas confirmé l'écriture des réponses.");
    return ecrite;
}

}  // namespace

HistoriqueEcrivain::HistoriqueEcrivain(std::function<QDateTime()> maintenant)
    : maintenant_(std::move(maintenant)), fil_([this] { boucle(); })
{
}

HistoriqueEcrivain::~HistoriqueEcrivain()
{
    vider();
    {
        std::lock_guard verrou(mutex_);
        arret_ = true;
    }
    reveil_.notify_all();
    fil_.join();
}

void HistoriqueEcrivain::diriger(const QString& chemin, const QString& joueur)
{
    chemin_ = chemin;
    joueur_ = joueur;
}

void HistoriqueEcrivain::enregistrer(const ReponseJugee& r)
{
    if (chemin_.isEmpty())
        return;
    Attente a{chemin_, ecrireLigne({maintenant_(), joueur_, r.activite, r.question, r.reponse, r.attendue, r.juste,
                                    r.niveau, sansIdentifiant, r.seance})};
    {
        std::lock_guard verrou(mutex_);
        attente_.push_back(std::move(a));
        ++soumises_;
    }
    reveil_.notify_one();
}

bool HistoriqueEcrivain::vider(int millisecondes)
{
    std::unique_lock verrou(mutex_);
    const quint64 but = soumises_;
    return ecrit_.wait_for(verrou, std::chrono::milliseconds(millisecondes),
                           [&] { return faites_ >= but; });
}

void HistoriqueEcrivain::suivreAvec(std::function<QString(const QString&)> retrouver)
{
    std::lock_guard verrou(mutex_);
    retrouver_ = std::move(retrouver);
}

bool HistoriqueEcrivain::ecrire(Attente& a)
{
    if (ajouter(a.chemin, a.ligne))
        return true;
    // The child's folder moved with a new name: the answer follows the child.
    if (!QFileInfo::exists(QFileInfo(a.chemin).absolutePath())) {
        std::unique_lock verrou(mutex_);
        const auto retrouver = retrouver_;
        verrou.unlock();
        const QString ailleurs = retrouver ? retrouver(a.chemin) : QString();
        if (!ailleurs.isEmpty()) {
            a.chemin = ailleurs;
            return ajouter(a.chemin, a.ligne);
        }
    }
    // The child's folder may not exist yet, or was removed meanwhile.
    return QDir().mkpath(QFileInfo(a.chemin).absolutePath()) && ajouter(a.chemin, a.ligne);
}

void HistoriqueEcrivain::boucle()
{
    std::unique_lock verrou(mutex_);
    for (;;) {
        reveil_.wait(verrou, [this] { return arret_ || !attente_.empty(); });
        if (attente_.empty())
            return;
        Attente a = attente_.front();
        verrou.unlock();
        const bool ok = ecrire(a);
        verrou.lock();
        if (ok) {
            attente_.pop_front();
            ++faites_;
            ecrit_.notify_all();
        } else if (!arret_) {
            reveil_.wait_for(verrou, delaiReessai, [this] { return arret_; });
        } else {
            return;
        }
    }
}
