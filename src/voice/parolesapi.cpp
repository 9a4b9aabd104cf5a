// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's own voice on Windows, through SAPI, in French, with the best
// French voice installed. SAPI lives on a thread of its own, which waits for
// two things: an order from the program (say, stop, end) and SAPI's own
// word that it starts or stops speaking.
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <windows.h>
// SAPI's class and interface ids are defined here: no library of mingw-w64 holds them.
#include <initguid.h>
#include <sapi.h>
#include <sphelper.h>

#include "choixvoix.h"
#include "parole.h"

namespace {

// A COM interface, released however its use ends.
template <class T>
class Com {
public:
    Com() = default;
    ~Com()
    {
        if (p_)
            p_->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** adresse() { return &p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// A text SAPI allocated, taken and freed.
QString texteCom(WCHAR* w)
{
    const QString s = w ? QString::fromWCharArray(w) : QString();
    CoTaskMemFree(w);
    return s;
}

// A voice's language as SAPI gives it, hexadecimal ids ("40C", or "40C;409"
// for several): the first one, as a locale.
QLocale langueDe(const QString& ids)
{
    bool ok = false;
    const LCID lcid = ids.section(QLatin1Char(';'), 0, 0).toUInt(&ok, 16);
    WCHAR nom[LOCALE_NAME_MAX_LENGTH];
    if (!ok || LCIDToLocaleName(lcid, nom, LOCALE_NAME_MAX_LENGTH, 0) == 0)
        return QLocale::c();
    return QLocale(QString::fromWCharArray(nom));
}

QString attribut(ISpObjectToken* jeton, const wchar_t* nom)
{
    Com<ISpDataKey> attributs;
    WCHAR* valeur = nullptr;
    if (FAILED(jeton->OpenKey(L"Attributes", attributs.adresse())) || FAILED(attributs->GetStringValue(nom, &valeur)))
        return {};
    return texteCom(valeur);
}

// A little slower than the engine's own pace: the listeners are six.
constexpr long vitesse = -1;
// How long the voice's end waits for an engine that is still busy.
constexpr int attenteFinMs = 500;

class ParoleSapi final : public Parole {
public:
    explicit ParoleSapi(const RappelsParole& rappels) : rappels_(rappels)
    {
        ordres_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        fil_ = std::thread([this] { boucle(); });
    }

    // A thread still inside the engine is left to itself, with what it
    // uses: the process is ending.
    ~ParoleSapi() override
    {
        if (!finir(attenteFinMs)) {
            fil_.detach();
            return;
        }
        fil_.join();
        CloseHandle(ordres_);
        delete relais_;
    }

    void dire(const QString& texte) override { poster({Genre::Dire, texte}); }
    void arreter() override { poster({Genre::Arreter, {}}); }

    bool finir(int attenteMs) override
    {
        poster({Genre::Fin, {}});
        std::unique_lock verrou(mutex_);
        return fini_.wait_for(verrou, std::chrono::milliseconds(attenteMs), [this] { return termine_; });
    }

private:
    enum class Genre { Dire, Arreter, Fin };
    struct Ordre {
        Genre genre;
        QString texte;
    };

    void poster(Ordre o)
    {
        {
            const std::lock_guard verrou(mutex_);
            file_.push_back(std::move(o));
        }
        SetEvent(ordres_);
    }

    // On the program's thread, through its event loop.
    void pret(bool oui, const QString& voixOuRaison)
    {
        QMetaObject::invokeMethod(relais_, [r = rappels_.pret, oui, voixOuRaison] { r(oui, voixOuRaison); },
                                  Qt::QueuedConnection);
    }
    void parle(bool oui)
    {
        QMetaObject::invokeMethod(relais_, [r = rappels_.parle, oui] { r(oui); }, Qt::QueuedConnection);
    }

    // The best French voice, chosen; false (the program told why) when none
    // speaks.
    bool choisir(ISpVoice* voix)
    {
        Com<IEnumSpObjectTokens> liste;
        ULONG nombre = 0;
        if (FAILED(SpEnumTokens(SPCAT_VOICES, nullptr, nullptr, liste.adresse())) || FAILED(liste->GetCount(&nombre))) {
            pret(false, QStringLiteral("aucune voix n'est installée"));
            return false;
        }
        QList<voix::VoixOfferte> offertes;
        for (ULONG i = 0; i < nombre; ++i) {
            Com<ISpObjectToken> jeton;
            if (SUCCEEDED(liste->Item(i, jeton.adresse())))
                offertes.append({attribut(jeton.get(), L"Name"), langueDe(attribut(jeton.get(), L"Language"))});
            else
                offertes.append(voix::VoixOfferte{});
        }
        const qsizetype meilleure = voix::meilleureVoix(offertes);
        Com<ISpObjectToken> jeton;
        if (meilleure < 0 || FAILED(liste->Item(ULONG(meilleure), jeton.adresse()))) {
            pret(false, QStringLiteral("aucune voix française n'a été trouvée"));
            return false;
        }
        // An engine that lists voices but cannot speak (Wine's) is no voice:
        // a purge of nothing is the smallest thing one can ask of it.
        const HRESULT essai = voix->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        if (FAILED(voix->SetVoice(jeton.get())) || FAILED(essai)) {
            pret(false, QStringLiteral("le moteur de synthèse vocale ne parle pas (erreur 0x%1)")
                            .arg(quint32(essai), 8, 16, QLatin1Char('0')));
            return false;
        }
        voix->SetRate(vitesse);
        pret(true, offertes[meilleure].nom);
        return true;
    }

    void boucle()
    {
        const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        {
            Com<ISpVoice> voix;
            if (!com || FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                                reinterpret_cast<void**>(voix.adresse())))) {
                pret(false, QStringLiteral("aucun moteur de synthèse vocale n'est installé"));
                attendreLaFin();
            } else if (!choisir(voix.get())) {
                attendreLaFin();
            } else {
                parler(voix.get());
            }
        }
        if (com)
            CoUninitialize();
        const std::lock_guard verrou(mutex_);
        termine_ = true;
        fini_.notify_all();
    }

    // Without a voice, the orders are only waited through to the end.
    void attendreLaFin()
    {
        while (WaitForSingleObject(ordres_, INFINITE) == WAIT_OBJECT_0) {
            const std::lock_guard verrou(mutex_);
            for (const Ordre& o : file_)
                if (o.genre == Genre::Fin)
                    return;
            file_.clear();
        }
    }

    void parler(ISpVoice* voix)
    {
        const ULONGLONG interet = SPFEI(SPEI_START_INPUT_STREAM) | SPFEI(SPEI_END_INPUT_STREAM);
        voix->SetInterest(interet, interet);
        voix->SetNotifyWin32Event();
        const HANDLE attentes[] = {ordres_, voix->GetNotifyEventHandle()};
        const DWORD nombre = attentes[1] ? 2 : 1;
        for (;;) {
            const DWORD quoi = WaitForMultipleObjects(nombre, attentes, FALSE, INFINITE);
            if (quoi == WAIT_OBJECT_0 + 1) {
                SPEVENT e;
                ULONG n = 0;
                while (voix->GetEvents(1, &e, &n) == S_OK && n == 1) {
                    if (e.eEventId == SPEI_START_INPUT_STREAM || e.eEventId == SPEI_END_INPUT_STREAM)
                        parle(e.eEventId == SPEI_START_INPUT_STREAM);
                }
                continue;
            }
            if (quoi != WAIT_OBJECT_0)
                return;
            std::deque<Ordre> ordres;
            {
                const std::lock_guard verrou(mutex_);
                ordres.swap(file_);
            }
            for (const Ordre& o : ordres) {
                if (o.genre == Genre::Fin) {
                    voix->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
                    return;
                }
                if (o.genre == Genre::Arreter)
                    voix->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
                else
                    voix->Speak(reinterpret_cast<LPCWSTR>(o.texte.utf16()),
                                SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
            }
        }
    }

    RappelsParole rappels_;
    // On the program's thread: the calls back go through its event loop.
    QObject* relais_ = new QObject;
    HANDLE ordres_;
    std::mutex mutex_;
    std::condition_variable fini_;
    std::deque<Ordre> file_;
    bool termine_ = false;
    std::thread fil_;
};

}  // namespace

std::unique_ptr<Parole> nouvelleParole(const RappelsParole& rappels)
{
    // Below the screens: the engine's start must not slow a child's first
    // click on a two-core computer.
    SetPriorityClass(GetCurrentProcess(), BELOW_NORMAL_PRIORITY_CLASS);
    return std::make_unique<ParoleSapi>(rappels);
}
