// SPDX-License-Identifier: GPL-3.0-or-later
#include "historique.h"

#include <array>

#include "fichierpartage.h"

namespace {

constexpr QByteArrayView entete = "K1";
constexpr int nbChamps = 9;

constexpr std::array<quint32, 256> tableCrc = [] {
    std::array<quint32, 256> t{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[i] = c;
    }
    return t;
}();

quint32 crc32(QByteArrayView o)
{
    quint32 c = 0xFFFFFFFFu;
    for (char b : o)
        c = tableCrc[(c ^ quint8(b)) & 0xFF] ^ (c >> 8);
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

}  // namespace

QByteArray ecrireLigne(const LigneHistorique& l)
{
    QByteArray o;
    o.reserve(160);
    o += entete;
    o += '\t';
    o += ecrireDate(l.quand);
    for (const QString* champ : {&l.joueur, &l.activite, &l.question, &l.reponse, &l.attendue}) {
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
    if (ligne.size() > longueurMaxLigne || !ligne.startsWith(entete))
        return std::nullopt;
    std::array<QByteArrayView, nbChamps> champs;
    qsizetype debut = 0;
    for (int i = 0; i < nbChamps; ++i) {
        const qsizetype tab = i + 1 < nbChamps ? ligne.indexOf('\t', debut) : ligne.size();
        if (tab < 0)
            return std::nullopt;
        champs[i] = ligne.sliced(debut, tab - debut);
        debut = tab + 1;
    }
    if (champs[0] != entete || champs[8].size() != 8 || (champs[7] != "1" && champs[7] != "0"))
        return std::nullopt;
    bool ok = false;
    const quint32 crc = champs[8].toUInt(&ok, 16);
    const QByteArrayView signe = ligne.first(ligne.size() - 9);
    if (!ok || crc != crc32(signe) || QByteArray::number(crc, 16).rightJustified(8, '0') != champs[8])
        return std::nullopt;

    LigneHistorique l;
    l.quand = lireDate(champs[1]);
    if (!l.quand.isValid())
        return std::nullopt;
    QString* textes[] = {&l.joueur, &l.activite, &l.question, &l.reponse, &l.attendue};
    for (int i = 0; i < 5; ++i) {
        auto t = desechapper(champs[2 + i]);
        if (!t)
            return std::nullopt;
        *textes[i] = std::move(*t);
    }
    l.juste = champs[7] == "1";
    return l;
}

namespace {

// A line cut short by a writer that died (or by a network share) runs into
// the next one: the whole line that follows the damage is still read.
std::optional<LigneHistorique> lireLigneRecalee(QByteArrayView ligne, qint64& ignorees)
{
    if (auto l = lireLigne(ligne))
        return l;
    const qsizetype k = ligne.lastIndexOf("K1\t");
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
    const std::optional<QByteArray> octets = partage::lire(chemin, depuis, tailleMaxHistorique, &taille);
    const qint64 reste = taille - depuis;
    // A file cut shorter than what was read before reads as nothing new.
    if (!octets || reste <= 0)
        return r;
    r = lireOctetsHistorique(*octets);
    r.fin += depuis;
    // Past the cap: what is left counts as one unread part, not read again.
    if (reste > tailleMaxHistorique) {
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
