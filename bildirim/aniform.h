#pragma once

#include "kayanpencere.h"

#include <memory>

namespace Ui {
class AniFormClass;
}

// A short notice with a title line and a message that slides in and goes by itself.
class AniForm : public KayanPencere
{
    Q_OBJECT

public:
    static constexpr int kBekleme = 9000; // ms

    explicit AniForm(QWidget *parent = nullptr);
    ~AniForm() override;

    void MesajGoster(const QString &baslik, const QString &mesaj);

private:
    std::unique_ptr<Ui::AniFormClass> ui;
};
