#pragma once

#include <QWidget>

// The Qibla dial: a shaded face with twelve marks and one yellow needle pointing clockwise
// from north (up). The needle is drawn like a clock's minute hand, in steps of 6 degrees.
class KibleAciCizim : public QWidget
{
    Q_OBJECT

public:
    explicit KibleAciCizim(QWidget *parent = nullptr);

    // Whole degrees clockwise from north; shown rounded down to a multiple of 6. Takes effect
    // at the next repaint.
    void AciAyarla(int aci);
    int dakikasi() const { return dakika; } // needle position in clock minutes, 0 to 59

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int dakika = 21;
};
