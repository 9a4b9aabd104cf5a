// SPDX-License-Identifier: GPL-3.0-or-later
// A class's settings file, its week's work and its code's hash sit in a shared folder that anyone may write:
// any bytes must read without crashing, and whatever is read must write
// back to a file that reads the same.

#include <QByteArray>
#include <QStringDecoder>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "classroom/codeenseignant.h"
#include "classroom/reglagesclasse.h"
#include "classroom/travail.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    auto decodeur = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texte = decodeur(octets);
    int ignores = -1;
    const classe::Reglages r = classe::lireReglages(texte, &ignores);
    int encore = -1;
    if (ignores < 0 || ignores > texte.count(QLatin1Char('\n')) + 1
        || !(classe::lireReglages(classe::ecrireReglages(r), &encore) == r) || encore != 0) {
        std::fprintf(stderr, "settings read badly, input %s\n", octets.toHex().constData());
        std::abort();
    }
    const classe::Travail t = classe::lireTravail(texte, &ignores);
    if (ignores < 0 || ignores > texte.count(QLatin1Char('\n')) + 1
        || !(classe::lireTravail(classe::ecrireTravail(t), &encore) == t) || encore != 0) {
        std::fprintf(stderr, "week's work read badly, input %s\n", octets.toHex().constData());
        std::abort();
    }
    if (const auto e = classe::lireEmpreinte(texte); e && classe::lireEmpreinte(classe::ecrireEmpreinte(*e)) != e) {
        std::fprintf(stderr, "code's hash read badly, input %s\n", octets.toHex().constData());
        std::abort();
    }
    return 0;
}
