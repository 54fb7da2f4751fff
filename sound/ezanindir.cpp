#include "ezanindir.h"

#include "programklasoru.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>

#include "tamkayit.h"

QByteArray EzanKaynagi::kunye() const
{
    QByteArray t;
    t += baslik.toUtf8() + '\n';
    t += "Author: " + yazar.toUtf8() + '\n';
    t += "Licence: " + lisans.toUtf8() + '\n';
    t += "Source: " + sayfa.toString().toUtf8() + '\n';
    t += "File: " + adres.toString().toUtf8() + '\n';
    t += "SHA-256: " + sha256.toHex() + '\n';
    return t;
}

QList<EzanKaynagi> ezanKaynaklariniOku(const QString &yol)
{
    QFile f(yol);
    // The list is a few kilobytes; anything much larger is not it.
    if (!f.open(QIODevice::ReadOnly) || f.size() > (1 << 20))
        return {};
    const QJsonArray dizi =
        QJsonDocument::fromJson(f.readAll()).object().value("kayitlar").toArray();
    QList<EzanKaynagi> liste;
    for (const QJsonValue &d : dizi) {
        const QJsonObject o = d.toObject();
        EzanKaynagi k;
        k.baslik = o.value("baslik").toString();
        k.sabah = o.value("tur").toString() == QLatin1String("sabah");
        k.saniye = o.value("saniye").toInt();
        k.boyut = qint64(o.value("boyut").toDouble());
        k.lisans = o.value("lisans").toString();
        k.yazar = o.value("yazar").toString();
        k.sayfa = QUrl(o.value("sayfa").toString());
        k.adres = QUrl(o.value("adres").toString());
        k.sha256 = QByteArray::fromHex(o.value("sha256").toString().toLatin1());
        k.dosyaAdi = o.value("dosya").toString();
        if (k.baslik.isEmpty() || k.dosyaAdi.isEmpty() || k.boyut <= 0 || k.sha256.size() != 32 ||
            !k.adres.isValid())
            continue;
        liste << k;
    }
    return liste;
}

EzanIndirici::EzanIndirici(QObject *parent) : QObject(parent) {}

EzanIndirici::~EzanIndirici()
{
    iptal();
}

bool EzanIndirici::calisiyorMu() const
{
    return surec != nullptr;
}

void EzanIndirici::basla(const EzanKaynagi &k, const QString &hedefYol, bool uzerine)
{
    if (surec)
        return;
    hedef = hedefYol;
    kunye = k.kunye();
    tampon.clear();
    gecici.clear();
    surec = new QProcess(this);
    surec->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(surec, &QProcess::readyReadStandardOutput, this, &EzanIndirici::satirlariOku);
    connect(surec, &QProcess::finished, this, [this](int kod, QProcess::ExitStatus durum) {
        satirlariOku();
        sonlandi(durum == QProcess::NormalExit ? kod : Calismadi);
    });
    connect(surec, &QProcess::errorOccurred, this, [this](QProcess::ProcessError hata) {
        if (hata == QProcess::FailedToStart)
            sonlandi(Calismadi);
    });
#ifdef Q_OS_WIN
    const QString yardimci = ProgramKlasoru::yol() + QStringLiteral("/ravla-indir.exe");
#else
    const QString yardimci = ProgramKlasoru::yol() + QStringLiteral("/ravla-indir");
#endif
    QStringList arg{k.adres.toString(QUrl::FullyEncoded), QString::number(k.boyut),
                    QString::fromLatin1(k.sha256.toHex()), hedef};
    if (uzerine)
        arg << QStringLiteral("--replace");
    surec->start(yardimci, arg);
}

void EzanIndirici::satirlariOku()
{
    if (!surec)
        return;
    tampon += surec->readAllStandardOutput();
    for (qsizetype son; (son = tampon.indexOf('\n')) >= 0;) {
        const QByteArray satir = tampon.left(son);
        tampon.remove(0, son + 1);
        if (satir.startsWith("temp ")) {
            gecici = QFile::decodeName(satir.mid(5));
        } else if (satir.startsWith("progress ")) {
            const QList<QByteArray> p = satir.split(' ');
            if (p.size() == 3)
                emit ilerleme(p.at(1).toLongLong(), p.at(2).toLongLong());
        }
    }
}

void EzanIndirici::sonlandi(int sonuc)
{
    if (!surec)
        return;
    surec->disconnect(this);
    surec->deleteLater();
    surec = nullptr;
    // A helper that died midway leaves its hidden file: nothing half-downloaded stays.
    if (!gecici.isEmpty() && QFileInfo(gecici).fileName().startsWith(QLatin1String(".ravla-indir")))
        QFile::remove(gecici);
    if (sonuc == Tamam) {
        QSaveFile f(hedef + QStringLiteral(".txt"));
        if (!f.open(QIODevice::WriteOnly) || !tamKaydet(f, kunye)) {
            QFile::remove(hedef);
            sonuc = Yazilamadi;
        }
    }
    emit bitti(sonuc);
}

void EzanIndirici::iptal()
{
    if (!surec)
        return;
    surec->disconnect(this);
    surec->kill();
    surec->waitForFinished(3000);
    sonlandi(Calismadi);
}

EzanIndirPenceresi::EzanIndirPenceresi(const QList<EzanKaynagi> &kaynaklar, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Ezan İndir"));
    auto *duzen = new QVBoxLayout(this);
    auto *aciklama =
        new QLabel(tr("Wikimedia Commons'tan serbest lisanslı ezan kayıtları. İndirilen kayıt, "
                      "listedeki boyutu ve SHA-256 özeti tutarsa ezan klasörünüze kaydedilir."),
                   this);
    aciklama->setWordWrap(true);
    duzen->addWidget(aciklama);
    liste = new QListWidget(this);
    const QLocale yerel;
    for (const EzanKaynagi &k : kaynaklar) {
        const QString tur = k.sabah ? tr("sabah ezanı") : tr("ezan");
        const QString sure =
            QStringLiteral("%1:%2").arg(k.saniye / 60).arg(k.saniye % 60, 2, 10, QLatin1Char('0'));
        liste->addItem(
            QStringLiteral("%1 — %2, %3, %4, %5, %6")
                .arg(k.baslik, tur, sure, yerel.formattedDataSize(k.boyut), k.lisans, k.yazar));
        liste->item(liste->count() - 1)->setToolTip(k.sayfa.toString());
    }
    liste->setCurrentRow(0);
    duzen->addWidget(liste);
    bilgi = new QLabel(this);
    bilgi->setOpenExternalLinks(true);
    bilgi->setWordWrap(true);
    duzen->addWidget(bilgi);
    const auto bilgiGoster = [this, kaynaklar](int sira) {
        if (sira < 0 || sira >= kaynaklar.size())
            return bilgi->clear();
        const QString s = kaynaklar.at(sira).sayfa.toString(QUrl::FullyEncoded);
        bilgi->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(s, s.toHtmlEscaped()));
    };
    connect(liste, &QListWidget::currentRowChanged, this, bilgiGoster);
    bilgiGoster(liste->currentRow());
    cubuk = new QProgressBar(this);
    cubuk->setVisible(false);
    duzen->addWidget(cubuk);
    auto *dugmeler = new QDialogButtonBox(this);
    indirDugmesi = dugmeler->addButton(tr("İndir"), QDialogButtonBox::AcceptRole);
    indirDugmesi->setEnabled(!kaynaklar.isEmpty());
    kapatDugmesi = dugmeler->addButton(tr("Kapat"), QDialogButtonBox::RejectRole);
    duzen->addWidget(dugmeler);
    connect(indirDugmesi, &QPushButton::clicked, this, [this] {
        if (liste->currentRow() < 0)
            return;
        suruyor = true;
        indirDugmesi->setEnabled(false);
        liste->setEnabled(false);
        kapatDugmesi->setText(tr("İptal"));
        cubuk->setRange(0, 0);
        cubuk->setVisible(true);
        emit indir(liste->currentRow());
    });
    connect(kapatDugmesi, &QPushButton::clicked, this, &EzanIndirPenceresi::reject);
    resize(520, 300);
}

void EzanIndirPenceresi::ilerle(qint64 alinan, qint64 toplam)
{
    if (toplam <= 0)
        return;
    cubuk->setRange(0, 1000);
    cubuk->setValue(int(std::clamp<qint64>(alinan * 1000 / toplam, 0, 1000)));
}

void EzanIndirPenceresi::indirmeBitti()
{
    suruyor = false;
    cubuk->setVisible(false);
    indirDugmesi->setEnabled(true);
    liste->setEnabled(true);
    kapatDugmesi->setText(tr("Kapat"));
}

void EzanIndirPenceresi::reject()
{
    if (suruyor) {
        suruyor = false;
        emit vazgec();
    }
    QDialog::reject();
}
