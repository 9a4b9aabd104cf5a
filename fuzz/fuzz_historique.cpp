// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all may sit in a history file (a torn write, a network share
// that mixed two writers, a hostile file): reading them must never crash,
// every line it keeps must write back to a line that reads the same, and
// lines read plus lines skipped must account for every line.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "echec.h"
#include "players/historique.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    const LectureHistorique l = lireOctetsHistorique(octets);

    if (l.fin < 0 || l.fin > octets.size() || (l.fin > 0 && octets[l.fin - 1] != '\n'))
        echec("end offset not just past a line", octets);
    if (octets.indexOf('\n', l.fin) >= 0)
        echec("a whole line left unread", octets);
    const qint64 lignes = octets.left(l.fin).count('\n');
    if (l.lignes.size() > lignes || l.lignes.size() + l.ignorees < lignes)
        echec("lines read and skipped do not account for the lines", octets);

    for (const LigneHistorique& h : l.lignes) {
        // A foreign writer may write longer fields than this one keeps.
        bool court = true;
        for (const QString* t : {&h.joueur, &h.activite, &h.niveau, &h.question, &h.reponse, &h.attendue})
            court = court && t->size() <= longueurMaxTexte;
        if (!court)
            continue;
        const QByteArray ecrit = ecrireLigne(h);
        if (!ecrit.endsWith('\n') || ecrit.size() > longueurMaxLigne)
            echec("written line malformed", octets);
        const auto relu = lireLigne(QByteArrayView(ecrit).chopped(1));
        if (!relu || *relu != h)
            echec("read, write, read changed the line", octets);
    }
    return 0;
}
