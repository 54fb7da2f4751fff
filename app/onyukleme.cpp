#include "onyukleme.h"

#ifdef RAVLA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

std::jthread yaziTipleriniOnYukle()
{
#ifdef RAVLA_FONTCONFIG
    // Loads the configuration Qt's font database would load at the first text. Safe beside Qt:
    // fontconfig keeps whichever of two concurrent loads finishes first.
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}
