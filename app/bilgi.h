#pragma once

#include "ayarlar.h"

#include <QWidget>

#include <memory>

namespace Ui {
class bilgiClass;
}

// The information dialog: the settings in force in words, and the program's about page.
class bilgi : public QWidget
{
    Q_OBJECT

public:
    explicit bilgi(QWidget *parent = nullptr);
    ~bilgi() override;

    // Fills the labels; the main window calls it each time it shows the dialog. The Hijri date
    // is today's, the user's correction applied.
    // The settings in force; whether daylight saving holds today, and today's Hijri date.
    void BilgileriGoster(const AyarDegerleri &ayar, bool yazSaati,
                         const QString &hicriTarih = QString());

private:
    std::unique_ptr<Ui::bilgiClass> ui;
};
