#include "ezanpopup.h"

#include "ui_ezanpopup.h"

EzanPopup::EzanPopup(QWidget *parent)
    : KayanPencere(kBekleme, parent), ui(std::make_unique<Ui::EzanPopupClass>())
{
    ui->setupUi(this);
    ui->widget->setStyleSheet(QStringLiteral("background-color: white"));
    ui->EzanMetniLabel->setStyleSheet(QStringLiteral("background-color: white"));
    ui->MesajLabel->setTextFormat(Qt::PlainText);
}

EzanPopup::~EzanPopup() = default;

void EzanPopup::MesajGoster(const QString &mesaj)
{
    ui->MesajLabel->setText(mesaj);
    kayarakGoster();
}

void EzanPopup::KayarakKapat()
{
    kayarakKapat();
}
