#include "aniform.h"

#include "ui_aniform.h"

#include "resimler.h"

AniForm::AniForm(QWidget *parent)
    : KayanPencere(kBekleme, parent), ui(std::make_unique<Ui::AniFormClass>())
{
    resimleriYukle();
    ui->setupUi(this);
    ui->lblTitle->setTextFormat(Qt::PlainText);
    ui->lblMesaj->setTextFormat(Qt::PlainText);
}

AniForm::~AniForm() = default;

void AniForm::MesajGoster(const QString &baslik, const QString &mesaj)
{
    ui->lblTitle->setText(baslik);
    ui->lblMesaj->setText(mesaj);
    kayarakGoster();
}
