// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all may sit in the score file (a damaged disk, another
// program's file under that name): reading them must never crash, and what is
// read must write back to exactly the bytes it was read from.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "echec.h"
#include "common/score.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<Compteurs> c = score::lire(octets);
    if (!c)
        return 0;

    // The fields are read from the first byte on; bytes past them are ignored.
    const QByteArray ecrit = score::ecrire(*c);
    if (!octets.startsWith(ecrit))
        echec("written bytes differ from the bytes read", octets);
    const std::optional<Compteurs> relu = score::lire(ecrit);
    if (!relu || *relu != *c)
        echec("read, write, read changed the counters", octets);
    if (score::ecrire(*relu) != ecrit)
        echec("read, write, read, write changed the bytes", octets);

    // The score line is built from whatever counters came out.
    if (!score::ligne(*c).startsWith(QLatin1Char('\n')))
        echec("score line without its empty first line", octets);
    return 0;
}
