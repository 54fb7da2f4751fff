#include "saat.h"

namespace {

std::function<QDateTime()> &kaynak()
{
    static std::function<QDateTime()> k;
    return k;
}

} // namespace

QDateTime Saat::simdi()
{
    return kaynak() ? kaynak()() : QDateTime::currentDateTime();
}

void Saat::ayarla(std::function<QDateTime()> yeni)
{
    kaynak() = std::move(yeni);
}
