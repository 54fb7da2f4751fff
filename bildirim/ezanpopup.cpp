#include "ezanpopup.h"

#include "ui_ezanpopup.h"

EzanPopup::EzanPopup(QWidget *parent)
    : KayanPencere(kBekleme, parent), ui(std::make_unique<Ui::EzanPopupClass>())
{
    ui->setupUi(this);
    ui->widget->setStyleSheet(QStringLiteral("background-color: white"));
    ui->EzanMetniLabel->setStyleSheet(QStringLiteral("background-color: white"));
    ui->MesajLabel->setTextFormat(Qt::PlainText);
    ui->CalinamadiLabel->hide();
}

EzanPopup::~EzanPopup() = default;

void EzanPopup::MesajGoster(const QString &mesaj)
{
    ui->MesajLabel->setText(mesaj);
    ui->CalinamadiLabel->hide();
    kayarakGoster();
}

void EzanPopup::CalinamadiGoster()
{
    // Known only once the file has failed to open, with the popup already on its way in.
    ui->CalinamadiLabel->show();
    boyutuYenile();
}

void EzanPopup::KayarakKapat()
{
    kayarakKapat();
}
