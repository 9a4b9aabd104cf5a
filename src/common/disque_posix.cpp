// SPDX-License-Identifier: GPL-3.0-or-later
#include "disque.h"

#include <QFile>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace disque {

bool synchroniser(const QString& chemin)
{
    // The file's dirty pages are its own, whichever descriptor wrote them.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool fait = ::fsync(fd) == 0;
    ::close(fd);
    return fait;
}

bool remplacer(const QString& nouveau, const QString& cible)
{
    return std::rename(QFile::encodeName(nouveau).constData(), QFile::encodeName(cible).constData()) == 0;
}

}  // namespace disque
