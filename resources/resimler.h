#pragma once

#include <QPixmap>
#include <QString>

// Makes the compiled-in images available. A static library's resources are not registered
// by themselves; every window that shows one calls this first (repeated calls cost nothing).
void resimleriYukle();

// The picture `ad` (":/iconlar/resim/<ad>.png"). The main window's pictures are also stored
// decoded: the pixmap then shows them from the program's own memory, with nothing decoded,
// converted or copied.
QPixmap hazirResim(const QString &ad);
