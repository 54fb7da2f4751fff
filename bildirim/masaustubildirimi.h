#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <memory>

class QDBusConnection;
class QDBusMessage;
class QDBusPendingCallWatcher;

// How a prayer's time and a reminder are told: the sliding window, a notification through the
// desktop's notification service, or both.
namespace Bildirim {

enum Sekil { Kayan = 0, Masaustu = 1, IkisiDe = 2 };

struct Yol {
    bool kayan = false;
    bool masaustu = false;
    bool operator==(const Yol &) const = default;
};

// Whether the sliding window can be put in a corner: not under Wayland, where a window cannot
// place itself, and not without a screen's geometry (`alan`, the work area).
bool kayanYerlesir(const QString &platform, const QRect &alan);

// Which way to tell for the user's choice (Sekil; anything else counts as Kayan). Where the
// sliding window cannot be placed the notification stands in, and without a notification
// service the sliding window does, whatever the choice: something is always shown.
Yol yol(int sekil, bool kayanYerlesir, bool hizmetVar);

} // namespace Bildirim

// Posts notifications to org.freedesktop.Notifications on the session bus. The bus is joined
// when the first one is posted, not before: a program that is never told anything never
// connects. Every call is asynchronous; the adhan and the window never wait for the service.
class MasaustuBildirimi : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kDurdurEylemi = "ravla-durdur";

    // `simge` is sent as the notification's picture where the program's icon is not installed
    // in the icon theme.
    explicit MasaustuBildirimi(const QImage &simge, QObject *parent = nullptr);
    ~MasaustuBildirimi() override;

    // The adhan's notification (with the action that stops it; it replaces the one before) or
    // a plain one. `sonuc` hears whether the service took it: false without a session bus, with
    // no service on it or when the service refused it.
    void ezanGonder(const QString &baslik, const QString &metin,
                    std::function<void(bool)> sonuc = {});
    void gonder(const QString &baslik, const QString &metin, std::function<void(bool)> sonuc = {});
    // A line added to the adhan's notification while it is up (the recording failed).
    void ezanaEkle(const QString &satir);
    // The adhan was stopped elsewhere: its notification goes.
    void ezanKapat();

    bool bagliMi() const { return bus != nullptr; }

signals:
    void durdurIstendi(); // the user picked the adhan notification's stop action

private slots:
    void eylemSecildi(uint no, const QString &eylem);
    void kapandi(uint no, uint neden);

private:
    bool baglan();
    void ezanPostala(std::function<void(bool)> sonuc);
    QDBusMessage notify(uint yerine, const QString &baslik, const QString &metin,
                        const QStringList &eylemler) const;
    QVariantMap ipuclari() const;

    QImage simge;
    std::unique_ptr<QDBusConnection> bus;
    bool denendi = false;
    // The adhan's notification: the service's number for it (0 while none is up), what it
    // says, and whether it changed while its number was still on its way.
    uint ezanNo = 0;
    QString ezanBaslik, ezanMetin;
    bool ezanYolda = false, ezanYenile = false;
    std::function<void(bool)> bekleyenSonuc;
};
