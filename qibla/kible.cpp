#include "kible.h"

#include "ui_kible.h"

#include "kibleacicizim.h"
#include "resimler.h"

#include <QGuiApplication>
#include <QScreen>

kible::kible(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::kibleClass>())
{
    resimleriYukle();
    ui->setupUi(this);
    connect(ui->TamamPushButton, &QPushButton::clicked, this, &kible::TamamSlot);
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);
    setFixedSize(size()); // the fixed-size hint above is honoured on Windows only

    // Place names come from the user's settings: never read them as markup.
    ui->AciBilgiLabel->setTextFormat(Qt::PlainText);
    ui->UlkeBilgiLabel->setTextFormat(Qt::PlainText);

    QScreen *ekran = screen();
    if (!ekran)
        ekran = QGuiApplication::primaryScreen();
    if (ekran) {
        const QRect alan = ekran->availableGeometry();
        move(alan.x() + (alan.width() - width()) / 2, alan.y() + (alan.height() - height()) / 2);
    }

    cizim = new KibleAciCizim(this);
    cizim->setGeometry(30, 40, 170, 170);
    cizim->show();
}

kible::~kible() = default;

void kible::KibleGoster(int aci, const QString &yer)
{
    cizim->AciAyarla(aci);
    ui->AciBilgiLabel->setText(QString::number(aci) + QStringLiteral("°"));
    ui->UlkeBilgiLabel->setText(yer);
}

void kible::TamamSlot()
{
    close();
}
