// SPDX-License-Identifier: GPL-3.0-or-later
#include "historique.h"

#include <QRandomGenerator>
#include <array>

#include "classroom/classe.h"
#include "classroom/systeme.h"

namespace {

constexpr QByteArrayView entete = "K2";
constexpr QByteArrayView enteteK1 = "K1";
constexpr QByteArrayView enteteK3 = "K3";
constexpr int nbChamps = 11;
constexpr int nbChampsK1 = 9;
constexpr int nbChampsK3 = 12;

// The CRC-32's tables, for four bytes at a time: every line of a class's
// year is checked as it is read. tables[0] is the byte-by-byte one.
constexpr std::array<std::array<quint32, 256>, 4> tablesCrc = [] {
    std::array<std::array<quint32, 256>, 4> t{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][i] = c;
    }
    for (quint32 i = 0; i < 256; ++i)
        for (size_t k = 1; k < t.size(); ++k)
            t[k][i] = t[0][t[k - 1][i] & 0xFF] ^ (t[k - 1][i] >> 8);
    return t;
}();

quint32 crc32(QByteArrayView o)
{
    const auto& t = tablesCrc;
    quint32 c = 0xFFFFFFFFu;
    qsizetype i = 0;
    for (; i + 4 <= o.size(); i += 4) {
        c ^= quint32(quint8(o[i])) | quint32(quint8(o[i + 1])) << 8 | quint32(quint8(o[i + 2])) << 16
            | quint32(quint8(o[i + 3])) << 24;
        c = t[3][c & 0xFF] ^ t[2][(c >> 8) & 0xFF] ^ t[1][(c >> 16) & 0xFF] ^ t[0][c >> 24];
    }
    for (; i < o.size(); ++i)
        c = t[0][(c ^ quint8(o[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QString raccourci(const QString& s)
{
    if (s.size() <= longueurMaxTexte)
        return s;
    // Never cut a character in two.
    qsizetype n = longueurMaxTexte;
    if (s.at(n - 1).isHighSurrogate())
        --n;
    return s.left(n);
}

void ajouterEchappe(QByteArray& o, const QString& s)
{
    const QByteArray u = raccourci(s).toUtf8();
    for (char c : u) {
        switch (c) {
        case '\\': o += "\\\\"; break;
        case '\t': o += "\\t"; break;
        case '\n': o += "\\n"; break;
        case '\r': o += "\\r"; break;
        default: o += c;
        }
    }
}

std::optional<QString> desechapper(QByteArrayView v)
{
    // Most fields hold nothing escaped.
    if (!v.contains('\\'))
        return QString::fromUtf8(v);
    QByteArray o;
    o.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (c != '\\') {
            o += c;
            continue;
        }
        if (++i == v.size())
            return std::nullopt;
        switch (v[i]) {
        case '\\': o += '\\'; break;
        case 't': o += '\t'; break;
        case 'n': o += '\n'; break;
        case 'r': o += '\r'; break;
        default: return std::nullopt;
        }
    }
    return QString::fromUtf8(o);
}

int chiffres(QByteArrayView v, qsizetype debut, qsizetype n)
{
    int r = 0;
    for (qsizetype i = debut; i < debut + n; ++i) {
        if (v[i] < '0' || v[i] > '9')
            return -1;
        r = r * 10 + (v[i] - '0');
    }
    return r;
}

// "2026-12-05T09:05:07+01:00", as written: read by hand, it costs a tenth of
// Qt's general parser, which matters for a class's whole history.
QDateTime lireDate(QByteArrayView v)
{
    if (v.size() != 25 || v[4] != '-' || v[7] != '-' || v[10] != 'T' || v[13] != ':'
        || v[16] != ':' || (v[19] != '+' && v[19] != '-') || v[22] != ':')
        return {};
    const int an = chiffres(v, 0, 4), mois = chiffres(v, 5, 2), jour = chiffres(v, 8, 2);
    const int h = chiffres(v, 11, 2), m = chiffres(v, 14, 2), s = chiffres(v, 17, 2);
    const int oh = chiffres(v, 20, 2), om = chiffres(v, 23, 2);
    const QDate d(an, mois, jour);
    const QTime t(h, m, s);
    if (!d.isValid() || !t.isValid() || oh < 0 || oh > 14 || om < 0 || om > 59)
        return {};
    const int decalage = (v[19] == '-' ? -1 : 1) * (oh * 3600 + om * 60);
    return QDateTime(d, t, Qt::OffsetFromUTC, decalage);
}

QByteArray ecrireDate(const QDateTime& quand)
{
    const int decalage = quand.offsetFromUtc();
    const QDateTime local = quand.toOffsetFromUtc(decalage);
    const int a = std::abs(decalage);
    return local.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1()
         + (decalage < 0 ? '-' : '+')
         + QByteArray::number(a / 3600).rightJustified(2, '0') + ':'
         + QByteArray::number(a / 60 % 60).rightJustified(2, '0');
}

QByteArray hex16(quint64 v)
{
    return QByteArray::number(v, 16).rightJustified(16, '0');
}

// 16 lower-case hex digits, as written: nothing else reads as an identity.
std::optional<quint64> lireId(QByteArrayView v)
{
    if (v.size() != 16)
        return std::nullopt;
    quint64 r = 0;
    for (char c : v) {
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (d < 0)
            return std::nullopt;
        r = r << 4 | quint64(d);
    }
    if (r == sansIdentifiant)
        return std::nullopt;
    return r;
}

// A first-version line has no identity of its own: its bytes give one (FNV-1a),
// the same wherever the line was copied.
quint64 idDesOctets(QByteArrayView o)
{
    quint64 h = 0xcbf29ce484222325ull;
    for (char b : o)
        h = (h ^ quint8(b)) * 0x100000001b3ull;
    return h == sansIdentifiant ? 1 : h;
}

// Splits a line into exactly n tab-separated fields.
template <std::size_t N>
bool decouper(QByteArrayView ligne, std::array<QByteArrayView, N>& champs)
{
    qsizetype debut = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const qsizetype tab = i + 1 < N ? ligne.indexOf('\t', debut) : ligne.size();
        if (tab < 0)
            return false;
        champs[i] = ligne.sliced(debut, tab - debut);
        debut = tab + 1;
    }
    return true;
}

bool crcJuste(QByteArrayView ligne, QByteArrayView champCrc)
{
    if (champCrc.size() != 8)
        return false;
    // Only the form it is written in: 8 lower-case hex digits.
    const quint32 crc = crc32(ligne.first(ligne.size() - 9));
    for (int i = 0; i < 8; ++i) {
        if (champCrc[i] != "0123456789abcdef"[(crc >> (28 - 4 * i)) & 0xF])
            return false;
    }
    return true;
}

// The fields from the date to the verdict, in the order both versions share
// but for the level, which only the second has.
bool lireChamps(LigneHistorique& l, QByteArrayView date, std::initializer_list<std::pair<QString*, QByteArrayView>> textes,
                QByteArrayView verdict)
{
    if (verdict != "1" && verdict != "0")
        return false;
    l.quand = lireDate(date);
    if (!l.quand.isValid())
        return false;
    for (const auto& [champ, octets] : textes) {
        auto t = desechapper(octets);
        if (!t)
            return false;
        *champ = std::move(*t);
    }
    l.juste = verdict == "1";
    return true;
}

std::optional<LigneHistorique> lireLigneK1(QByteArrayView ligne)
{
    std::array<QByteArrayView, nbChampsK1> c;
    if (!decouper(ligne, c) || c[0] != enteteK1 || !crcJuste(ligne, c[8]))
        return std::nullopt;
    LigneHistorique l;
    if (!lireChamps(l, c[1], {{&l.joueur, c[2]}, {&l.activite, c[3]}, {&l.question, c[4]}, {&l.reponse, c[5]}, {&l.attendue, c[6]}},
                    c[7]))
        return std::nullopt;
    l.id = idDesOctets(ligne);
    return l;
}

std::optional<LigneHistorique> lireLigneK3(QByteArrayView ligne)
{
    std::array<QByteArrayView, nbChampsK3> c;
    if (!decouper(ligne, c) || c[0] != enteteK3 || !crcJuste(ligne, c[11]))
        return std::nullopt;
    LigneHistorique l;
    const auto id = lireId(c[1]);
    if (!id
        || !lireChamps(l, c[2],
                       {{&l.joueur, c[3]}, {&l.activite, c[4]}, {&l.niveau, c[5]}, {&l.seance, c[6]}, {&l.question, c[7]},
                        {&l.reponse, c[8]}, {&l.attendue, c[9]}},
                       c[10])
        || l.seance.isEmpty())
        return std::nullopt;
    l.id = *id;
    return l;
}

}  // namespace

QByteArray ecrireLigne(const LigneHistorique& l)
{
    QByteArray o;
    o.reserve(200);
    o += l.seance.isEmpty() ? entete : enteteK3;
    o += '\t';
    o += hex16(l.id != sansIdentifiant ? l.id : QRandomGenerator::global()->generate64() | 1);
    o += '\t';
    o += ecrireDate(l.quand);
    const std::initializer_list<const QString*> sans{&l.joueur, &l.activite, &l.niveau, &l.question, &l.reponse, &l.attendue};
    const std::initializer_list<const QString*> avec{&l.joueur, &l.activite, &l.niveau, &l.seance, &l.question, &l.reponse, &l.attendue};
    for (const QString* champ : l.seance.isEmpty() ? sans : avec) {
        o += '\t';
        ajouterEchappe(o, *champ);
    }
    o += l.juste ? "\t1" : "\t0";
    const quint32 c = crc32(o);
    o += '\t';
    o += QByteArray::number(c, 16).rightJustified(8, '0');
    o += '\n';
    return o;
}

std::optional<LigneHistorique> lireLigne(QByteArrayView ligne)
{
    if (ligne.size() > longueurMaxLigne)
        return std::nullopt;
    if (ligne.startsWith(enteteK1))
        return lireLigneK1(ligne);
    if (ligne.startsWith(enteteK3))
        return lireLigneK3(ligne);
    std::array<QByteArrayView, nbChamps> c;
    if (!ligne.startsWith(entete) || !decouper(ligne, c) || c[0] != entete || !crcJuste(ligne, c[10]))
        return std::nullopt;
    LigneHistorique l;
    const auto id = lireId(c[1]);
    if (!id
        || !lireChamps(l, c[2],
                       {{&l.joueur, c[3]}, {&l.activite, c[4]}, {&l.niveau, c[5]}, {&l.question, c[6]}, {&l.reponse, c[7]},
                        {&l.attendue, c[8]}},
                       c[9]))
        return std::nullopt;
    l.id = *id;
    return l;
}

namespace {

// A line cut short by a writer that died (or by a network share) runs into
// the next one: the whole line that follows the damage is still read.
std::optional<LigneHistorique> lireLigneRecalee(QByteArrayView ligne, qint64& ignorees)
{
    if (auto l = lireLigne(ligne))
        return l;
    const qsizetype k = std::max({ligne.lastIndexOf("K1\t"), ligne.lastIndexOf("K2\t"), ligne.lastIndexOf("K3\t")});
    auto suite = k > 0 ? lireLigne(ligne.sliced(k)) : std::nullopt;
    // The damaged part counts as skipped either way.
    ++ignorees;
    return suite;
}

}  // namespace

LectureHistorique lireOctetsHistorique(QByteArrayView octets)
{
    LectureHistorique r;
    qsizetype debut = 0;
    while (debut < octets.size()) {
        const qsizetype nl = octets.indexOf('\n', debut);
        if (nl < 0)
            break;
        if (auto l = lireLigneRecalee(octets.sliced(debut, nl - debut), r.ignorees))
            r.lignes.append(std::move(*l));
        debut = nl + 1;
    }
    r.fin = debut;
    return r;
}

LectureHistorique lireHistorique(const QString& chemin, qint64 depuis)
{
    LectureHistorique r;
    r.fin = depuis;
    qint64 taille = 0;
    const std::optional<QByteArray> octets = systeme::lire(chemin, depuis, classe::tailleMaxHistorique, &taille);
    const qint64 reste = taille - depuis;
    // A file cut shorter than what was read before reads as nothing new.
    if (!octets || reste <= 0)
        return r;
    r = lireOctetsHistorique(*octets);
    r.fin += depuis;
    // Past the cap: what is left counts as one unread part, not read again.
    if (reste > classe::tailleMaxHistorique) {
        r.tronque = true;
        ++r.ignorees;
    }
    return r;
}

TotauxHistorique totaux(const QList<LigneHistorique>& lignes)
{
    TotauxHistorique t;
    for (const LigneHistorique& l : lignes) {
        ++t.exercices;
        ++(l.juste ? t.justes : t.erreurs);
    }
    return t;
}
