// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// What the program and its voice's program say to each other, one line of
// UTF-8 each, through the voice program's standard input and output. The
// program asks "dire <text>" or "arreter"; the voice answers once "voix
// <name of the voice taken>" or "sans <why not, in French>", then "parle"
// and "silence" as it starts and stops speaking.
namespace protocolevoix {

enum class Genre { Dire, Arreter, Voix, SansVoix, Parle, Silence };

struct Message {
    Genre genre;
    QString texte;  // what to say, the voice's name or why there is none
    bool operator==(const Message&) const = default;
};

// The message as one line, ending in '\n'; a line break inside the text
// becomes a space (a voice says both alike).
QByteArray ligne(const Message& m);

// A line, without its '\n' (a '\r' before it is dropped); nothing for a
// line that is no message.
std::optional<Message> lire(QByteArrayView ligne);

// A longer line is no message.
inline constexpr qsizetype longueurMax = 64 * 1024;

}  // namespace protocolevoix
