// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The code that opens the teacher's space. Only a salted, deliberately slow
// hash of it is kept (PBKDF2 with HMAC-SHA-256), in the class folder (or the
// computer's store without a class), with a copy on each computer for when
// the folder is away. Removing that one file resets it.
namespace classe {

inline const QString fichierCode = QStringLiteral("code-enseignant");
inline const QString copieCode = QStringLiteral("classe.code-enseignant");
inline constexpr int longueurMinCode = 4;
// Tours of the hash: a few tenths of a second for the teacher, and as many
// for each guess of someone who copied the file.
inline constexpr int toursCode = 150000;

// RFC 8018's PBKDF2 with HMAC-SHA-256.
QByteArray pbkdf2Sha256(const QByteArray& secret, const QByteArray& sel, int tours, int longueur);

struct EmpreinteCode {
    int tours = 0;
    QByteArray sel;
    QByteArray empreinte;
    friend bool operator==(const EmpreinteCode&, const EmpreinteCode&) = default;
};
// "pbkdf2-sha256 <tours> <sel en base64> <empreinte en base64>", one line.
QString ecrireEmpreinte(const EmpreinteCode& e);
std::optional<EmpreinteCode> lireEmpreinte(const QString& texte);
// A new salt from the system's random source, and the code's hash with it.
EmpreinteCode empreinteDe(const QString& code, int tours = toursCode);
bool codeJuste(const EmpreinteCode& e, const QString& code);

// What is known of the code where the teacher's space opens (read in
// classe.h, where the class's files are).
struct CodeConnu {
    std::optional<EmpreinteCode> code;  // none: the space is open to all
};

}  // namespace classe
