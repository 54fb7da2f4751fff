#pragma once

#include <QDateTime>

#include <functional>

// The one place that reads "now" in local time; tests install a clock of their own.
namespace Saat {

QDateTime simdi();
void ayarla(std::function<QDateTime()> kaynak); // an empty function restores the system clock

} // namespace Saat
