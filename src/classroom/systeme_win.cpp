// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme.h"

#include <QDir>
#include <QList>
#include <algorithm>
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <iphlpapi.h>

namespace systeme {
namespace {

std::wstring natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin).toStdWString();
}

// Every other computer reads, appends to, renames and removes beside us:
// nobody's open handle may stand in their way.
constexpr DWORD partageTotal = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A handle closed however its use ends.
class Poignee {
public:
    explicit Poignee(HANDLE h) : h_(h) {}
    ~Poignee()
    {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    Poignee(const Poignee&) = delete;
    Poignee& operator=(const Poignee&) = delete;
    HANDLE get() const { return h_; }
    // Whether what was opened is a file on a disk: neither a folder, nor a
    // pipe, a console or another device, nor (when `lien` is refused) a
    // link or junction, whatever was there at the time of an earlier look.
    bool regulier(bool lienAccepte, qint64* taille = nullptr) const
    {
        BY_HANDLE_FILE_INFORMATION info{};
        if (h_ == INVALID_HANDLE_VALUE || GetFileType(h_) != FILE_TYPE_DISK || !GetFileInformationByHandle(h_, &info))
            return false;
        if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            || (!lienAccepte && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)))
            return false;
        if (taille)
            *taille = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        return true;
    }

private:
    HANDLE h_;
};

// Opening a named pipe by a path (a link to one) never waits for a server:
// it fails at once when none listens.
HANDLE ouvrirEnLecture(const QString& chemin)
{
    return CreateFileW(natif(chemin).c_str(), GENERIC_READ, partageTotal, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

QString hexa(const BYTE* octets, ULONG n)
{
    QStringList parties;
    for (ULONG i = 0; i < n; ++i)
        parties << QStringLiteral("%1").arg(octets[i], 2, 16, QLatin1Char('0'));
    return parties.join(QLatin1Char(':'));
}

}  // namespace

bool estRegulier(const QString& chemin)
{
    return Poignee(ouvrirEnLecture(chemin)).regulier(true);
}

Nature nature(const QString& chemin)
{
    // No access asked: a folder, a link or a pipe opens as well as a file.
    const Poignee f(CreateFileW(natif(chemin).c_str(), 0, partageTotal, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (f.get() == INVALID_HANDLE_VALUE) {
        const DWORD e = GetLastError();
        return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? Nature::Rien : Nature::Autre;
    }
    return f.regulier(false) ? Nature::Fichier : Nature::Autre;
}

std::optional<QByteArray> lire(const QString& chemin, qint64 depuis, qint64 max, qint64* taille)
{
    const Poignee f(ouvrirEnLecture(chemin));
    qint64 t = 0;
    if (!f.regulier(true, &t))
        return std::nullopt;
    if (taille)
        *taille = t;
    const qint64 n = std::clamp<qint64>(t - depuis, 0, max);
    QByteArray b(n, Qt::Uninitialized);
    qint64 lu = 0;
    while (lu < n) {
        OVERLAPPED position{};
        position.Offset = DWORD(quint64(depuis + lu) & 0xffffffffu);
        position.OffsetHigh = DWORD(quint64(depuis + lu) >> 32);
        DWORD r = 0;
        const DWORD demande = DWORD(std::min<qint64>(n - lu, 1 << 30));
        if (!ReadFile(f.get(), b.data() + lu, demande, &r, &position) || r == 0)
            break;
        lu += r;
    }
    b.truncate(lu);
    return b;
}

Ajout ajouter(const QString& chemin, const QByteArray& octets)
{
    // Append-only writing: every write lands at the end of the file, as with
    // O_APPEND. Reading too, because Windows locks a byte only on a handle
    // opened for reading or writing (Wine does not check). The link itself
    // is opened, never what it points to, and then refused.
    const Poignee f(CreateFileW(natif(chemin).c_str(), GENERIC_READ | FILE_APPEND_DATA | SYNCHRONIZE, partageTotal,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    Ajout a;
    if (!f.regulier(false))
        return a;
    // Two copies of the program on one computer append to the same file: an
    // exclusive lock on one byte far past any file's end makes them take
    // turns (Wine, unlike NTFS, seeks to the end and writes in two steps),
    // and no reader ever waits on it. Without the lock nothing is written:
    // the next sending tries again.
    OVERLAPPED octetVerrou{};
    octetVerrou.OffsetHigh = 0x40000000;
    if (!LockFileEx(f.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &octetVerrou))
        return a;
    while (a.ecrits < octets.size()) {
        DWORD n = 0;
        const DWORD demande = DWORD(std::min<qint64>(octets.size() - a.ecrits, 1 << 30));
        if (!WriteFile(f.get(), octets.constData() + a.ecrits, demande, &n, nullptr) || n == 0)
            break;
        a.ecrits += n;
    }
    a.surLeDisque = FlushFileBuffers(f.get());
    UnlockFileEx(f.get(), 0, 1, 0, &octetVerrou);
    return a;
}

bool lier(const QString& de, const QString& vers)
{
    return CreateHardLinkW(natif(vers).c_str(), natif(de).c_str(), nullptr);
}

TraitsMachine traitsMachine()
{
    TraitsMachine traits;
    // The id Windows gave this installation.
    HKEY cle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Cryptography", 0, KEY_READ | KEY_WOW64_64KEY, &cle)
        == ERROR_SUCCESS) {
        wchar_t guid[64] = {};
        DWORD taille = sizeof guid - sizeof(wchar_t);
        if (RegQueryValueExW(cle, L"MachineGuid", nullptr, nullptr, reinterpret_cast<BYTE*>(guid), &taille)
            == ERROR_SUCCESS)
            traits.id = QString::fromWCharArray(guid).trimmed().toLatin1();
        RegCloseKey(cle);
    }
    // The network cards of the machine itself: virtual ones come and go.
    MIB_IF_TABLE2* table = nullptr;
    if (GetIfTable2(&table) == NO_ERROR) {
        QStringList cartes;
        for (ULONG i = 0; i < table->NumEntries; ++i) {
            const MIB_IF_ROW2& r = table->Table[i];
            if (r.InterfaceAndOperStatusFlags.HardwareInterface && r.PhysicalAddressLength == 6)
                cartes << hexa(r.PhysicalAddress, r.PhysicalAddressLength);
        }
        FreeMibTable(table);
        cartes.sort();
        cartes.removeDuplicates();
        for (const QString& c : std::as_const(cartes))
            traits.cartes += c.toLatin1() + '\n';
    }
    return traits;
}

}  // namespace systeme
