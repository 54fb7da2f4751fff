#pragma once

#include <QString>

// Starting with the user's session: on Linux an XDG autostart entry (the program's own menu
// entry, its Exec naming this executable with --tepsi, so that it goes straight to the tray),
// on Windows the current user's Run key.
namespace OtomatikBaslat {

inline constexpr char kTepsiSecenegi[] = "--tepsi";

bool etkinMi();
// Writes or removes the entry; false when it could not be done.
bool ayarla(bool etkin);

// Linux: where the entry lives ($XDG_CONFIG_HOME/autostart/ravla.desktop), and its text.
QString girisYolu();
QString girisMetni(const QString &program);

} // namespace OtomatikBaslat
