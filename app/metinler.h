#pragma once

#include <QString>

// The window's texts that live in code, in the four interface languages (0 Turkish, 1 Arabic,
// 2 German, 3 English), one table per text. Any other language number gives empty texts.
namespace Metinler {

// The countdown's pieces: before Fajr .. Isha (0..4), " hours " (5) and " minutes left" (6).
QString kalanSure(int dilNo, int parca);
// The adhan popup's line: at a prayer's time, or when the user plays the adhan.
QString ezan(int dilNo, bool vakitGeldi);
// A reminder's title, and its text for a prayer (1..5) or İmsak (6), `dakika` minutes before.
QString hatirlatmaBasligi(int dilNo);
QString hatirlatma(int dilNo, int vakit, int dakika);
// A prayer's name (1 Fajr .. 5 Isha), as the tooltip and the notifications name it.
QString vakitAdi(int dilNo, int vakit);
// A prayer's time as a notification's title: its name and its wall-clock moment ("Öğle 13:08";
// a late Isha at 24:40 reads 00:40).
QString vakitBildirimi(int dilNo, int vakit, qint64 anMs);
// The tray's tooltip: the next prayer, its time and the time left ("Öğle 12:05 — 1 saat 20
// dakika").
QString ipucu(int dilNo, int vakit, qint64 hedefMs, int saat, int dakika);
// The tray menu's entries: hide, show, quit, the month's times.
QString tepsiMenusu(int dilNo, int eylem);
// After a language was picked, in that language: the notice's title and text.
QString dilDegistiBasligi(int dilNo);
QString dilDegisti(int dilNo);
// The feedback notice: its question and where to write.
QString gorusSorusu(int dilNo);
QString gorusAdresi(int dilNo);

} // namespace Metinler
