#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// Opens the program's settings stores ("Zorva Yazilim", <uygulama>) only where that cannot hang:
// QSettings reads its file as soon as it is made, and a FIFO in the file's place would block
// the program in open() for good.
namespace Depo {

// The file behind the store; empty where the store is no file (the Windows registry).
QString dosyasi(const QString &uygulama);

// The store, or null when something other than a regular file (a FIFO, a device, a folder)
// stands where its file goes: the store then counts as missing, and nothing is written.
std::unique_ptr<QSettings> ac(const QString &uygulama);

// Flushes `s` to disk. False, with `neden` saying why in the interface language, when the
// store did not take the values (no write permission, a full or read-only disk, a file where
// a folder goes).
bool kaydet(QSettings &s, QString *neden = nullptr);

// Why the store `dosya` cannot be written, as far as the disk tells.
QString yazilamamaNedeni(const QString &dosya);

} // namespace Depo
