#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class QListWidget;
class QProcess;
class QProgressBar;
class QPushButton;
class QLabel;

// One freely licensed recording the program offers to download, as ezan-kaynaklari.json beside
// the program lists it.
struct EzanKaynagi {
    QString baslik;
    bool sabah = false; // the Fajr adhan, with its two extra phrases
    int saniye = 0;
    qint64 boyut = 0;
    QString lisans;
    QString yazar;
    QUrl sayfa; // where its author and licence are stated
    QUrl adres; // the file itself
    QByteArray sha256;
    QString dosyaAdi; // what it is saved as

    // The text saved beside it (Name.ogg.txt): where it comes from and under what terms.
    QByteArray kunye() const;
};

// The entries of the list at yol that are whole (a name, an https:// file, a size and a
// SHA-256); the others are left out.
QList<EzanKaynagi> ezanKaynaklariniOku(const QString &yol);

// Drives ravla-indir, the program beside this one that does the download: this program itself
// never opens a network connection.
class EzanIndirici : public QObject
{
    Q_OBJECT

public:
    // What ravla-indir's exit code means.
    enum Sonuc {
        Tamam = 0,
        AgHatasi = 2,
        ZamanAsimi = 3,
        Guvensiz = 4,
        Boyut = 5,
        Ozet = 6,
        Yazilamadi = 7,
        Calismadi = 100, // not started, crashed or stopped
    };

    explicit EzanIndirici(QObject *parent = nullptr);
    ~EzanIndirici() override;

    // Downloads k into hedef (over an existing file only with uzerine), and its text beside it.
    void basla(const EzanKaynagi &k, const QString &hedef, bool uzerine);
    void iptal();
    bool calisiyorMu() const;

signals:
    void ilerleme(qint64 alinan, qint64 toplam);
    void bitti(int sonuc);

private:
    void satirlariOku();
    void sonlandi(int sonuc);

    QProcess *surec = nullptr;
    QByteArray tampon;
    QString gecici; // the helper's hidden file, removed should it not finish
    QString hedef;
    QByteArray kunye;
};

// The list to download from, with a progress bar; the chooser does the rest.
class EzanIndirPenceresi : public QDialog
{
    Q_OBJECT

public:
    EzanIndirPenceresi(const QList<EzanKaynagi> &kaynaklar, QWidget *parent);
    void ilerle(qint64 alinan, qint64 toplam);
    void indirmeBitti();
    void reject() override; // closed while downloading: the download stops

signals:
    void indir(int sira);
    void vazgec();

private:
    QListWidget *liste;
    QLabel *bilgi;
    QProgressBar *cubuk;
    QPushButton *indirDugmesi;
    QPushButton *kapatDugmesi;
    bool suruyor = false;
};
