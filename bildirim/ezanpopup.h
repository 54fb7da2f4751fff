#pragma once

#include "kayanpencere.h"

#include <memory>

namespace Ui {
class EzanPopupClass;
}

// Slides in with the text of the adhan while it is called, and a line of message under it; below
// that, when it comes to it, the line that the chosen recording could not be played.
class EzanPopup : public KayanPencere
{
    Q_OBJECT

public:
    static constexpr int kBekleme = 14000; // ms

    explicit EzanPopup(QWidget *parent = nullptr);
    ~EzanPopup() override;

    void MesajGoster(const QString &mesaj); // without the line below
    // The chosen recording could not be played (another sound stands in): a line under the
    // message says so, for the popup on screen.
    void CalinamadiGoster();
    void KayarakKapat(); // the user stopped the adhan: slide out now

private:
    std::unique_ptr<Ui::EzanPopupClass> ui;
};
