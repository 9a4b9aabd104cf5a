// SPDX-License-Identifier: GPL-3.0-or-later
#include "disque.h"

#include <QDir>
#include <windows.h>

namespace disque {
namespace {

std::wstring natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin).toStdWString();
}

}  // namespace

bool synchroniser(const QString& chemin)
{
    // The system's cache is the file's: any handle on it flushes the same bytes.
    const HANDLE h = CreateFileW(natif(chemin).c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool fait = FlushFileBuffers(h);
    CloseHandle(h);
    return fait;
}

bool remplacer(const QString& nouveau, const QString& cible)
{
    return MoveFileExW(natif(nouveau).c_str(), natif(cible).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace disque
