// ravla-indir URL SIZE SHA256 TARGET [--replace]
//
// Downloads URL into TARGET through a hidden file in TARGET's folder, which becomes TARGET only
// once its size and SHA-256 are those given: a failed, cut or different download leaves nothing.
// HTTPS only (plain HTTP to 127.0.0.1 alone), redirects included. Without --replace an existing
// TARGET is kept and the download fails. Reports on stdout, a line at a time:
//   temp PATH          the hidden file, for the caller to remove should this process be killed
//   progress GOT TOTAL
//   ok | error TEXT
// and exits with one of the codes below. RAVLA_INDIR_TIMEOUT_MS sets how long a transfer may go
// without data (30 s).

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <filesystem>

namespace {

enum Kod {
    kTamam = 0,
    kKullanim = 1,
    kAg = 2,
    kZamanAsimi = 3,
    kGuvensiz = 4,
    kBoyut = 5,
    kOzet = 6,
    kYazilamadi = 7,
};

constexpr qint64 kEnBuyuk = 50 << 20; // no listed recording is near this

void yaz(const QByteArray &satir)
{
    std::fputs(satir.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

bool guvenli(const QUrl &u)
{
    return u.isValid() &&
           (u.scheme() == QLatin1String("https") ||
            (u.scheme() == QLatin1String("http") && u.host() == QLatin1String("127.0.0.1")));
}

class Indirme : public QObject
{
public:
    Indirme(QUrl adres, qint64 boyut, QByteArray ozet, QString hedef, bool uzerine)
        : adres(std::move(adres)), boyut(boyut), ozet(std::move(ozet)), hedef(std::move(hedef)),
          uzerine(uzerine),
          gecici(QFileInfo(this->hedef).absolutePath() + QStringLiteral("/.ravla-indir-XXXXXX"))
    {}

    void basla()
    {
        if (!guvenli(adres))
            return bitir(kGuvensiz, "not an https:// address");
        if (boyut <= 0 || boyut > kEnBuyuk || ozet.size() != 32)
            return bitir(kKullanim, "bad size or SHA-256");
        if (!uzerine && QFileInfo::exists(hedef))
            return bitir(kYazilamadi, "target exists");
        if (!gecici.open())
            return bitir(kYazilamadi, "cannot create a file in the target folder");
        yaz("temp " + QFile::encodeName(gecici.fileName()));

        bool tamam = false;
        const int ms = qEnvironmentVariableIntValue("RAVLA_INDIR_TIMEOUT_MS", &tamam);
        bekci.setInterval(tamam && ms > 0 ? ms : 30000);
        bekci.setSingleShot(true);
        connect(&bekci, &QTimer::timeout, this, [this] { vazgec(kZamanAsimi, "no data in time"); });

        QNetworkRequest istek(adres);
        istek.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                           QNetworkRequest::UserVerifiedRedirectPolicy);
        istek.setMaximumRedirectsAllowed(5);
        istek.setRawHeader("User-Agent", "ravla-indir/1 (Ravla Namaz Vakti)");
        // The test's loopback server is reached directly, never through a proxy.
        if (adres.host() == QLatin1String("127.0.0.1"))
            ag.setProxy(QNetworkProxy::NoProxy);
        cevap = ag.get(istek);
        connect(cevap, &QNetworkReply::redirected, this, [this](const QUrl &yeni) {
            if (guvenli(cevap->url().resolved(yeni)))
                emit cevap->redirectAllowed();
            else
                vazgec(kGuvensiz, "redirected to an address that is not https://");
        });
        connect(cevap, &QNetworkReply::metaDataChanged, this, [this] {
            const QVariant uzunluk = cevap->header(QNetworkRequest::ContentLengthHeader);
            const int durum = cevap->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (durum == 200 && uzunluk.isValid() && uzunluk.toLongLong() != boyut)
                vazgec(kBoyut, "size differs from the list");
        });
        connect(cevap, &QNetworkReply::readyRead, this, &Indirme::oku);
        connect(cevap, &QNetworkReply::downloadProgress, this, [this](qint64 gelen, qint64) {
            bekci.start();
            yaz("progress " + QByteArray::number(gelen) + ' ' + QByteArray::number(boyut));
        });
        connect(cevap, &QNetworkReply::finished, this, &Indirme::bitti);
        bekci.start();
    }

private:
    void oku()
    {
        if (sonuc >= 0)
            return;
        const QByteArray parca = cevap->readAll();
        alinan += parca.size();
        if (alinan > boyut)
            return vazgec(kBoyut, "larger than the list says");
        sha.addData(parca);
        if (gecici.write(parca) != parca.size())
            vazgec(kYazilamadi, "cannot write the file");
    }

    void bitti()
    {
        if (sonuc >= 0)
            return;
        oku();
        if (sonuc >= 0)
            return;
        const int durum = cevap->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (cevap->error() != QNetworkReply::NoError && alinan > 0)
            return bitir(kBoyut, "transfer cut: " + cevap->errorString().toUtf8());
        if (cevap->error() != QNetworkReply::NoError || durum != 200)
            return bitir(kAg, cevap->errorString().toUtf8());
        if (alinan != boyut)
            return bitir(kBoyut, "transfer cut or of another size");
        if (sha.result() != ozet)
            return bitir(kOzet, "SHA-256 differs from the list");
        if (!gecici.flush())
            return bitir(kYazilamadi, "cannot write the file");
        // Renamed only now, and over an existing file only when asked to.
        const QString ad = gecici.fileName();
        gecici.setAutoRemove(false);
        gecici.close();
        std::error_code hata;
        if (uzerine)
            std::filesystem::rename(QFile::encodeName(ad).constData(),
                                    QFile::encodeName(hedef).constData(), hata);
        else if (!QFile::rename(ad, hedef)) // refuses an existing target
            hata = std::make_error_code(std::errc::file_exists);
        if (hata) {
            QFile::remove(ad);
            return bitir(kYazilamadi, "cannot save the file");
        }
        bitir(kTamam, {});
    }

    void vazgec(Kod kod, const QByteArray &neden)
    {
        if (sonuc >= 0)
            return;
        bitir(kod, neden);
        if (cevap)
            cevap->abort();
    }

    void bitir(Kod kod, const QByteArray &neden)
    {
        if (sonuc >= 0)
            return;
        sonuc = kod;
        bekci.stop();
        if (kod != kTamam && !gecici.fileName().isEmpty()) // made once the checks have passed
            gecici.remove();
        yaz(kod == kTamam ? QByteArray("ok") : "error " + neden);
        QTimer::singleShot(0, qApp, [kod] { QCoreApplication::exit(kod); });
    }

    QUrl adres;
    qint64 boyut;
    QByteArray ozet;
    QString hedef;
    bool uzerine;
    QTemporaryFile gecici;
    QNetworkAccessManager ag;
    QNetworkReply *cevap = nullptr;
    QTimer bekci;
    QCryptographicHash sha{QCryptographicHash::Sha256};
    qint64 alinan = 0;
    int sonuc = -1;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication uygulama(argc, argv);
    const QStringList a = uygulama.arguments();
    const bool uzerine = a.size() == 6 && a.at(5) == QLatin1String("--replace");
    if (a.size() != 5 && !uzerine) {
        yaz("error usage: ravla-indir URL SIZE SHA256 TARGET [--replace]");
        return kKullanim;
    }
    Indirme indirme(QUrl(a.at(1), QUrl::StrictMode), a.at(2).toLongLong(),
                    QByteArray::fromHex(a.at(3).toLatin1()), a.at(4), uzerine);
    QTimer::singleShot(0, &indirme, [&indirme] { indirme.basla(); });
    return uygulama.exec();
}
