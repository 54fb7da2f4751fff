#include "masaustubildirimi.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStandardPaths>

#include <utility>

namespace {

const QString kHizmet = QStringLiteral("org.freedesktop.Notifications");
const QString kYol = QStringLiteral("/org/freedesktop/Notifications");
const QString kArayuz = QStringLiteral("org.freedesktop.Notifications");
constexpr int kZamanAsimiMs = 10000; // a service that hangs gives way to the sliding window

// The picture as the "image-data" hint carries it: (iiibiiay).
struct ResimVerisi {
    QImage resim;
};

QDBusArgument &operator<<(QDBusArgument &a, const ResimVerisi &r)
{
    const QImage &i = r.resim;
    a.beginStructure();
    a << i.width() << i.height() << int(i.bytesPerLine()) << true << 8 << 4
      << QByteArray(reinterpret_cast<const char *>(i.constBits()), int(i.sizeInBytes()));
    a.endStructure();
    return a;
}

const QDBusArgument &operator>>(const QDBusArgument &a, ResimVerisi &)
{
    return a; // only ever sent
}

// Installed (cmake --install), the icon is the theme's and the service finds it by name.
bool simgeKurulu()
{
    for (const char *yer :
         {"icons/hicolor/scalable/apps/ravla.svg", "icons/hicolor/48x48/apps/ravla.png"})
        if (!QStandardPaths::locate(QStandardPaths::GenericDataLocation, QLatin1String(yer))
                 .isEmpty())
            return true;
    return false;
}

} // namespace

Q_DECLARE_METATYPE(ResimVerisi)

bool Bildirim::kayanYerlesir(const QString &platform, const QRect &alan)
{
    return !platform.startsWith(QLatin1String("wayland")) && alan.isValid() && !alan.isEmpty();
}

Bildirim::Yol Bildirim::yol(int sekil, bool kayanYerlesir, bool hizmetVar)
{
    if (!hizmetVar)
        return {true, false};
    if (!kayanYerlesir)
        return {false, true};
    switch (sekil) {
    case Masaustu:
        return {false, true};
    case IkisiDe:
        return {true, true};
    default:
        return {true, false};
    }
}

MasaustuBildirimi::MasaustuBildirimi(const QImage &simge_, QObject *parent)
    : QObject(parent), simge(simgeKurulu() ? QImage() : simge_)
{
    if (!simge.isNull())
        simge = simge.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGBA8888);
}

MasaustuBildirimi::~MasaustuBildirimi() = default;

bool MasaustuBildirimi::baglan()
{
    if (!denendi) {
        denendi = true;
        QDBusConnection b = QDBusConnection::sessionBus();
        if (b.isConnected()) {
            qDBusRegisterMetaType<ResimVerisi>();
            // The signals come from whoever owns the service's name, now or later.
            b.connect(kHizmet, kYol, kArayuz, QStringLiteral("ActionInvoked"), this,
                      SLOT(eylemSecildi(uint, QString)));
            b.connect(kHizmet, kYol, kArayuz, QStringLiteral("NotificationClosed"), this,
                      SLOT(kapandi(uint, uint)));
            bus = std::make_unique<QDBusConnection>(b);
        }
    }
    return bus != nullptr;
}

QVariantMap MasaustuBildirimi::ipuclari() const
{
    QVariantMap h;
    h.insert(QStringLiteral("desktop-entry"), QStringLiteral("ravla"));
    h.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1)));
    if (!simge.isNull())
        h.insert(QStringLiteral("image-data"), QVariant::fromValue(ResimVerisi{simge}));
    return h;
}

QDBusMessage MasaustuBildirimi::notify(uint yerine, const QString &baslik, const QString &metin,
                                       const QStringList &eylemler) const
{
    QDBusMessage m = QDBusMessage::createMethodCall(kHizmet, kYol, kArayuz, "Notify");
    // The icon by its name in the theme where it is installed, else as a picture in the hints.
    m << QCoreApplication::translate("QRavla", "Ravla Namaz Vakti") << yerine
      << QString(simge.isNull() ? QStringLiteral("ravla") : QString()) << baslik << metin
      << eylemler << ipuclari() << int(-1);
    return m;
}

void MasaustuBildirimi::gonder(const QString &baslik, const QString &metin,
                               std::function<void(bool)> sonuc)
{
    if (!baglan()) {
        if (sonuc)
            sonuc(false);
        return;
    }
    auto *bekleyen = new QDBusPendingCallWatcher(
        bus->asyncCall(notify(0, baslik, metin, {}), kZamanAsimiMs), this);
    connect(bekleyen, &QDBusPendingCallWatcher::finished, this,
            [sonuc = std::move(sonuc)](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                if (sonuc)
                    sonuc(!w->isError());
            });
}

void MasaustuBildirimi::ezanGonder(const QString &baslik, const QString &metin,
                                   std::function<void(bool)> sonuc)
{
    ezanBaslik = baslik;
    ezanMetin = metin;
    ezanPostala(std::move(sonuc));
}

void MasaustuBildirimi::ezanPostala(std::function<void(bool)> sonuc)
{
    if (!baglan()) {
        if (sonuc)
            sonuc(false);
        return;
    }
    if (ezanYolda) { // the number of the one before is not back yet: sent again once it is
        ezanYenile = true;
        if (sonuc)
            bekleyenSonuc = std::move(sonuc);
        return;
    }
    const QStringList eylemler{QString::fromLatin1(kDurdurEylemi), tr("Ezanı durdur")};
    ezanYolda = true;
    auto *bekleyen = new QDBusPendingCallWatcher(
        bus->asyncCall(notify(ezanNo, ezanBaslik, ezanMetin, eylemler), kZamanAsimiMs), this);
    connect(bekleyen, &QDBusPendingCallWatcher::finished, this,
            [this, sonuc = std::move(sonuc)](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                ezanYolda = false;
                const QDBusPendingReply<uint> yanit = *w;
                ezanNo = yanit.isError() ? 0 : yanit.value();
                if (sonuc)
                    sonuc(!yanit.isError());
                if (ezanYenile) {
                    ezanYenile = false;
                    ezanPostala(std::exchange(bekleyenSonuc, {}));
                }
            });
}

void MasaustuBildirimi::ezanaEkle(const QString &satir)
{
    if (!bus || (ezanNo == 0 && !ezanYolda))
        return; // no adhan notification up
    ezanMetin += QLatin1Char('\n') + satir;
    ezanPostala({});
}

void MasaustuBildirimi::ezanKapat()
{
    if (!bus || ezanNo == 0)
        return;
    QDBusMessage m = QDBusMessage::createMethodCall(kHizmet, kYol, kArayuz, "CloseNotification");
    m << ezanNo;
    bus->asyncCall(m, kZamanAsimiMs);
    ezanNo = 0;
}

void MasaustuBildirimi::eylemSecildi(uint no, const QString &eylem)
{
    if (no != 0 && no == ezanNo && eylem == QLatin1String(kDurdurEylemi))
        emit durdurIstendi();
}

void MasaustuBildirimi::kapandi(uint no, uint)
{
    if (no != 0 && no == ezanNo)
        ezanNo = 0;
}
