// SPDX-License-Identifier: GPL-3.0-or-later
#include "codeenseignant.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStringList>


namespace classe {
namespace {

const QString marque = QStringLiteral("pbkdf2-sha256");
constexpr int octetsSel = 16;
constexpr int octetsEmpreinte = 32;

// Compared in a time that does not tell where they differ.
bool egaux(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char d = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        d |= static_cast<unsigned char>(a[i] ^ b[i]);
    return d == 0;
}

}  // namespace

QByteArray pbkdf2Sha256(const QByteArray& secret, const QByteArray& sel, int tours, int longueur)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, secret);
    QByteArray cle;
    for (quint32 bloc = 1; cle.size() < longueur; ++bloc) {
        mac.reset();
        mac.addData(sel);
        const char numero[4] = {char(bloc >> 24), char(bloc >> 16), char(bloc >> 8), char(bloc)};
        mac.addData(numero, 4);
        QByteArray u = mac.result();
        QByteArray t = u;
        for (int i = 1; i < tours; ++i) {
            mac.reset();
            mac.addData(u);
            u = mac.result();
            for (qsizetype k = 0; k < t.size(); ++k)
                t[k] = char(t[k] ^ u[k]);
        }
        cle += t;
    }
    return cle.left(longueur);
}

QString ecrireEmpreinte(const EmpreinteCode& e)
{
    return QStringLiteral("%1 %2 %3 %4\n")
        .arg(marque)
        .arg(e.tours)
        .arg(QString::fromLatin1(e.sel.toBase64()), QString::fromLatin1(e.empreinte.toBase64()));
}

std::optional<EmpreinteCode> lireEmpreinte(const QString& texte)
{
    const QStringList champs = texte.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (champs.size() != 4 || champs[0] != marque)
        return std::nullopt;
    bool ok = false;
    EmpreinteCode e{champs[1].toInt(&ok), {}, {}};
    const auto base64 = [](const QString& s) {
        return QByteArray::fromBase64Encoding(s.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    };
    const auto sel = base64(champs[2]), empreinte = base64(champs[3]);
    // A cost past ten times ours would freeze the window: a stranger's file.
    if (!ok || e.tours < 1 || e.tours > 10 * toursCode || !sel || !empreinte || sel.decoded.isEmpty()
        || empreinte.decoded.size() != octetsEmpreinte)
        return std::nullopt;
    e.sel = sel.decoded;
    e.empreinte = empreinte.decoded;
    return e;
}

EmpreinteCode empreinteDe(const QString& code, int tours)
{
    QByteArray sel(octetsSel, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(sel.data()), octetsSel / 4);
    return {tours, sel, pbkdf2Sha256(code.toUtf8(), sel, tours, octetsEmpreinte)};
}

bool codeJuste(const EmpreinteCode& e, const QString& code)
{
    return egaux(pbkdf2Sha256(code.toUtf8(), e.sel, e.tours, int(e.empreinte.size())), e.empreinte);
}

}  // namespace classe
