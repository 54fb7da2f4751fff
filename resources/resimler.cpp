#include "resimler.h"

#include <QtGlobal>

void resimleriYukle()
{
    static const bool yuklendi = [] {
        Q_INIT_RESOURCE(ravla);
        return true;
    }();
    Q_UNUSED(yuklendi);
}
