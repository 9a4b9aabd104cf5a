// SPDX-License-Identifier: GPL-3.0-or-later
#include "disque.h"

#include <QFile>
#include <cstdio>
#include <unistd.h>

namespace disque {

bool synchroniser(QFileDevice& f)
{
    return f.flush() && ::fsync(f.handle()) == 0;
}

bool remplacer(const QString& nouveau, const QString& cible)
{
    return std::rename(QFile::encodeName(nouveau).constData(), QFile::encodeName(cible).constData()) == 0;
}

}  // namespace disque
