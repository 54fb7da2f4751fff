#pragma once

#include <QWidget>

#include <memory>

class KibleAciCizim;
namespace Ui {
class kibleClass;
}

// The Qibla dialog: the direction of the Kaaba for the current place in whole degrees, on a
// dial and as a number, with the place's name. It only shows what it is given.
class kible : public QWidget
{
    Q_OBJECT

public:
    explicit kible(QWidget *parent = nullptr);
    ~kible() override;

    void KibleGoster(int aci, const QString &yer); // fills the dialog; does not show it
    KibleAciCizim *cizimi() const { return cizim; }

public slots:
    void TamamSlot();

private:
    std::unique_ptr<Ui::kibleClass> ui;
    KibleAciCizim *cizim = nullptr;
};
