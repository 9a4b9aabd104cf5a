// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace partage {

bool estRegulier(const QString& chemin)
{
    // Qt calls a pipe, a device or a socket neither a file nor a folder.
    return QFileInfo(chemin).isFile();
}

#ifdef Q_OS_UNIX
std::optional<QByteArray> lire(const QString& chemin, qint64 depuis, qint64 max, qint64* taille)
{
    // O_NONBLOCK: opening a pipe returns at once instead of waiting for a
    // writer; fstat then tells what was opened, whatever was there at the
    // time of an earlier look.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> octets;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        if (taille)
            *taille = st.st_size;
        const qint64 n = std::clamp<qint64>(st.st_size - depuis, 0, max);
        QByteArray b(n, Qt::Uninitialized);
        qint64 lu = 0;
        while (lu < n) {
            const ssize_t r = ::pread(fd, b.data() + lu, size_t(n - lu), off_t(depuis + lu));
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0)
                break;
            lu += r;
        }
        b.truncate(lu);
        octets = std::move(b);
    }
    ::close(fd);
    return octets;
}

qint64 ajouter(const QString& chemin, const QByteArray& octets)
{
    // Opening a pipe that has a reader succeeds even without blocking: only
    // fstat tells what was opened.
    const int fd = ::open(QFile::encodeName(chemin).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0)
        return 0;
    struct stat st {};
    qint64 ecrits = 0;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        ecrits = ecrireTout(fd, octets);
        // The share keeps the bytes or loses them; either way its size will say.
        ::fsync(fd);
    }
    ::close(fd);
    return ecrits;
}

qint64 ecrireTout(int fd, const QByteArray& octets)
{
    qint64 ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t n = ::write(fd, octets.constData() + ecrits, size_t(octets.size() - ecrits));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        ecrits += n;
    }
    return ecrits;
}
#else
std::optional<QByteArray> lire(const QString& chemin, qint64 depuis, qint64 max, qint64* taille)
{
    if (!estRegulier(chemin))
        return std::nullopt;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(depuis))
        return std::nullopt;
    if (taille)
        *taille = f.size();
    return f.read(max);
}

qint64 ajouter(const QString& chemin, const QByteArray& octets)
{
    if (QFileInfo::exists(chemin) && !estRegulier(chemin))
        return 0;
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return 0;
    return std::max<qint64>(0, f.write(octets));
}
#endif

Etat sonder(const QString& dossier, int ms)
{
    // Whatever a class has used leaves one of these behind.
    const auto present = [dossier] {
        const QDir d(dossier);
        return d.exists() && (d.exists(QStringLiteral("joueurs")) || d.exists(QStringLiteral("anonyme"))
                              || d.exists(QStringLiteral("reglages")));
    };
    const std::optional<bool> la = avant<bool>(ms, present);
    return !la ? Etat::Muet : *la ? Etat::Joignable : Etat::Absent;
}

}  // namespace partage
