// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace systeme {
namespace {

// A file descriptor closed however its use ends.
class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int fd() const { return fd_; }
    // Whether what was opened is a regular file, whatever was there at the
    // time of an earlier look.
    bool regulier(qint64* taille = nullptr) const
    {
        struct stat st {};
        if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))
            return false;
        if (taille)
            *taille = st.st_size;
        return true;
    }

private:
    int fd_;
};

QByteArray lireLocal(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.read(4096).trimmed() : QByteArray();
}

}  // namespace

bool estRegulier(const QString& chemin)
{
    // Qt calls a pipe, a device or a socket neither a file nor a folder.
    return QFileInfo(chemin).isFile();
}

Nature nature(const QString& chemin)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(chemin).constData(), &st) != 0)
        return errno == ENOENT ? Nature::Rien : Nature::Autre;
    return S_ISREG(st.st_mode) ? Nature::Fichier : Nature::Autre;
}

std::optional<QByteArray> lire(const QString& chemin, qint64 depuis, qint64 max, qint64* taille)
{
    // O_NONBLOCK: opening a pipe returns at once instead of waiting for a
    // writer.
    const Descripteur f(::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    qint64 t = 0;
    if (!f.regulier(&t))
        return std::nullopt;
    if (taille)
        *taille = t;
    const qint64 n = std::clamp<qint64>(t - depuis, 0, max);
    QByteArray b(n, Qt::Uninitialized);
    qint64 lu = 0;
    while (lu < n) {
        const ssize_t r = ::pread(f.fd(), b.data() + lu, size_t(n - lu), off_t(depuis + lu));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        lu += r;
    }
    b.truncate(lu);
    return b;
}

Ajout ajouter(const QString& chemin, const QByteArray& octets)
{
    // Opening a pipe that has a reader succeeds even without blocking, and
    // one without a reader would block for ever without O_NONBLOCK: only
    // fstat tells what was opened.
    const Descripteur f(::open(QFile::encodeName(chemin).constData(),
                               O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0644));
    Ajout a;
    if (!f.regulier())
        return a;
    // One write for the whole: with O_APPEND it lands whole at the end of a
    // local file whatever other writers do. Should the system take only part
    // of it, the rest follows.
    while (a.ecrits < octets.size()) {
        const ssize_t n = ::write(f.fd(), octets.constData() + a.ecrits, size_t(octets.size() - a.ecrits));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        a.ecrits += n;
    }
    a.surLeDisque = ::fsync(f.fd()) == 0;
    return a;
}

bool lier(const QString& de, const QString& vers)
{
    return ::link(QFile::encodeName(de).constData(), QFile::encodeName(vers).constData()) == 0;
}

TraitsMachine traitsMachine()
{
    TraitsMachine traits{lireLocal(QStringLiteral("/etc/machine-id")), {}};
    // Only network cards of the machine: virtual ones (bridges, containers)
    // come and go.
    const QDir reseau(QStringLiteral("/sys/class/net"));
    for (const QString& carte : reseau.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFileInfo::exists(reseau.filePath(carte + QStringLiteral("/device"))))
            traits.cartes += lireLocal(reseau.filePath(carte + QStringLiteral("/address"))) + '\n';
    }
    return traits;
}

}  // namespace systeme
