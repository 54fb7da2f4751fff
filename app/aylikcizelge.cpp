#include "aylikcizelge.h"
#include "dil.h"
#include "sehirveritabani.h"
#include "tamkayit.h"

#include "ui_aylikcizelge.h"

#include "dinigunmetni.h"
#include "saat.h"
#include "takvimdosyasi.h"
#include "vakitsecenekleri.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStyle>

namespace {

const QColor kBugunRengi(255, 226, 130); // the page's, so that screen and paper agree
constexpr int kIlkAy = 1582 * 12 + 10;   // November 1582, counted as year * 12 + month - 1
constexpr int kSonAy = 9999 * 12 + 11;   // December 9999

QPageLayout a4Dikey()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

} // namespace

AylikCizelge::AylikCizelge(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::AylikCizelgeClass>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window); // its own window beside the main one, even with a parent
    ui->OncekiAyButton->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    ui->SonrakiAyButton->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    ui->SonrakiAyButton->setLayoutDirection(layoutDirection() == Qt::LeftToRight
                                                ? Qt::RightToLeft // the arrow after the words
                                                : Qt::LeftToRight);
    ui->CizelgeTablosu->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    ui->AciklamaLabel->setText(AylikSayfa::aciklamalar().join(QLatin1Char('\n')));

    connect(ui->OncekiAyButton, &QPushButton::clicked, this, &AylikCizelge::oncekiAy);
    connect(ui->SonrakiAyButton, &QPushButton::clicked, this, &AylikCizelge::sonrakiAy);
    connect(ui->YazdirButton, &QPushButton::clicked, this, &AylikCizelge::yazdirTiklandi);
    connect(ui->PdfButton, &QPushButton::clicked, this, &AylikCizelge::pdfTiklandi);
    connect(ui->CsvButton, &QPushButton::clicked, this, &AylikCizelge::csvTiklandi);
    connect(ui->TakvimButton, &QPushButton::clicked, this, &AylikCizelge::takvimTiklandi);
    connect(ui->KapatButton, &QPushButton::clicked, this, &QWidget::close);
}

AylikCizelge::~AylikCizelge() = default;

void AylikCizelge::goster(const AyarDegerleri &ayar)
{
    secenek = ayarlardanSecenekler(ayar);
    // The place as the main window names it.
    const QString sehir = ayar.sehirAdi.trimmed(), ulke = ayar.ulkeAdi.trimmed();
    yer = sehir.isEmpty() || ulke.isEmpty()
              ? sehir + ulke
              : SehirVeritabani::yerAdi(SehirVeritabani::klasor(), sehir, ulke, Dil::arayuzDili());

    const QDate bugun = Saat::simdi().date();
    ayGoster(bugun.year(), bugun.month());
    show();
    raise();
    activateWindow();
}

void AylikCizelge::ayGoster(int yil, int ay)
{
    // Whole months of the calendar the engine and the Hijri date start with (15 October 1582).
    const int sira = yil * 12 + ay - 1;
    if (ay < 1 || ay > 12 || sira < kIlkAy || sira > kSonAy)
        return;
    aylik = AylikSayfa::veri(secenek, yil, ay, yer);
    aylik.bugun = Saat::simdi().date();
    setWindowTitle(tr("Aylık vakitler — %1 — %2").arg(aylik.yer, aylik.yontem));
    ui->AyLabel->setText(AylikSayfa::ayBasligi(yil, ay));
    ui->YontemLabel->setText(aylik.konum + QLatin1Char('\n') + aylik.yontem);
    ui->OncekiAyButton->setEnabled(sira > kIlkAy);
    ui->SonrakiAyButton->setEnabled(sira < kSonAy);
    tabloyuDoldur();
}

void AylikCizelge::oncekiAy()
{
    if (ay() == 1)
        ayGoster(yil() - 1, 12);
    else
        ayGoster(yil(), ay() - 1);
}

void AylikCizelge::sonrakiAy()
{
    if (ay() == 12)
        ayGoster(yil() + 1, 1);
    else
        ayGoster(yil(), ay() + 1);
}

QTableWidget *AylikCizelge::tablo() const
{
    return ui->CizelgeTablosu;
}

int AylikCizelge::bugunSatiri() const
{
    for (std::size_t i = 0; i < aylik.gunler.size(); ++i) {
        const ravla::CivilDate &t = aylik.gunler[i].date;
        if (QDate(t.year, t.month, t.day) == aylik.bugun)
            return static_cast<int>(i);
    }
    return -1;
}

void AylikCizelge::tabloyuDoldur()
{
    QTableWidget *t = ui->CizelgeTablosu;
    const QStringList basliklar = AylikSayfa::basliklar();
    const QStringList aciklama = AylikSayfa::aciklamalar();
    t->clear();
    t->setColumnCount(static_cast<int>(basliklar.size()));
    t->setHorizontalHeaderLabels(basliklar);
    t->setRowCount(static_cast<int>(aylik.gunler.size()));
    const int bugun = bugunSatiri();
    for (int r = 0; r < t->rowCount(); ++r) {
        const QStringList hucreler =
            AylikSayfa::hucreler(aylik.gunler[static_cast<std::size_t>(r)]);
        for (int s = 0; s < hucreler.size(); ++s) {
            auto *oge = new QTableWidgetItem(hucreler[s]);
            oge->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (s > 0)
                oge->setTextAlignment(Qt::AlignCenter);
            if (hucreler[s].endsWith(QLatin1Char('*')))
                oge->setToolTip(aciklama.value(0));
            else if (hucreler[s] == QChar(0x2014))
                oge->setToolTip(aciklama.value(1));
            // A religious day: its Hijri date in italics, named in the tooltip.
            const auto &dini = aylik.gunler[static_cast<std::size_t>(r)].religious;
            if (s == 1 && !dini.empty()) {
                oge->setToolTip(diniGunlerMetni(dini));
                QFont f = oge->font();
                f.setItalic(true);
                oge->setFont(f);
            }
            if (r == bugun) {
                oge->setBackground(kBugunRengi);
                oge->setForeground(Qt::black);
                QFont f = oge->font();
                f.setBold(true);
                oge->setFont(f);
            }
            t->setItem(r, s, oge);
        }
    }
    // The dates as wide as they need, the times sharing the rest.
    QHeaderView *baslik = t->horizontalHeader();
    baslik->setSectionResizeMode(QHeaderView::Stretch);
    baslik->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    baslik->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    if (bugun >= 0)
        t->scrollToItem(t->item(bugun, 0), QAbstractItemView::PositionAtCenter);
}

bool AylikCizelge::pdfKaydet(const QString &yol)
{
    QString neden;
    if (AylikSayfa::pdfYaz(yol, aylik, &neden))
        return true;
    hataGoster(yol, neden);
    return false;
}

// The command line's own writer, for the same columns and bytes as ravla-vakit --format csv.
bool AylikCizelge::csvKaydet(const QString &yol)
{
    vakit::Run o = vakit::monthRun(secenek, yil(), ay());
    o.format = vakit::Format::Csv;
    const std::string metin = vakit::timetableText(o);
    QString hata;
    if (tamYaz(yol, QByteArray::fromStdString(metin), &hata))
        return true;
    hataGoster(yol, hata);
    return false;
}

// The month shown, its five prayers, as ravla-vakit --format ics writes it.
bool AylikCizelge::icsKaydet(const QString &yol)
{
    QString hata;
    if (tamYaz(yol, TakvimDosyasi::yaz(vakit::monthRun(secenek, yil(), ay()), {false, yer, {}}),
               &hata))
        return true;
    hataGoster(yol, hata);
    return false;
}

bool AylikCizelge::yazdir(QPrinter &yazici)
{
    if (AylikSayfa::bas(yazici, aylik))
        return true;
    QMessageBox::warning(this, tr("Yazdırılamadı"), tr("Sayfa yazıcıya gönderilemedi."));
    return false;
}

void AylikCizelge::yazdirTiklandi()
{
    QPrinter yazici(QPrinter::HighResolution);
    yazici.setPageLayout(a4Dikey());
    yazici.setDocName(windowTitle());
    QPrintDialog pencere(&yazici, this);
    pencere.setWindowTitle(tr("Ayı yazdır"));
    if (pencere.exec() == QDialog::Accepted)
        yazdir(yazici);
}

void AylikCizelge::pdfTiklandi()
{
    const QString yol = dosyaSor(tr("PDF olarak kaydet"), tr("PDF belgeleri (*.pdf)"), "pdf");
    if (!yol.isEmpty())
        pdfKaydet(yol);
}

void AylikCizelge::csvTiklandi()
{
    const QString yol = dosyaSor(tr("CSV olarak kaydet"), tr("CSV dosyaları (*.csv)"), "csv");
    if (!yol.isEmpty())
        csvKaydet(yol);
}

void AylikCizelge::takvimTiklandi()
{
    // The program's name, in every language.
    const QString ad = QStringLiteral("ravla-%1-%2").arg(yil()).arg(ay(), 2, 10, QLatin1Char('0'));
    const QString yol = dosyaSor(tr("Takvime aktar"), tr("iCalendar dosyaları (*.ics)"), "ics", ad);
    if (!yol.isEmpty())
        icsKaydet(yol);
}

QString AylikCizelge::dosyaSor(const QString &baslik, const QString &suzgec, const QString &sonek,
                               const QString &ad)
{
    const QString dosya =
        (ad.isEmpty() ? tr("vakitler-%1-%2").arg(yil()).arg(ay(), 2, 10, QLatin1Char('0')) : ad) +
        QLatin1Char('.') + sonek;
    QFileDialog pencere(
        this, baslik,
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(dosya),
        suzgec);
    pencere.setAcceptMode(QFileDialog::AcceptSave);
    pencere.setDefaultSuffix(sonek);
    if (pencere.exec() != QDialog::Accepted || pencere.selectedFiles().isEmpty())
        return {};
    return pencere.selectedFiles().constFirst();
}

void AylikCizelge::hataGoster(const QString &yol, const QString &neden)
{
    QMessageBox::warning(this, tr("Kaydedilemedi"),
                         tr("%1 yazılamadı: %2").arg(QDir::toNativeSeparators(yol), neden));
}
