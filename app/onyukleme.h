#pragma once

#include <thread>

// Reads the font configuration (where there is one) on a thread of its own while Qt connects to
// the display: the window's first text would otherwise read it before the window can show. The
// returned thread ends by itself and is joined on destruction.
std::jthread yaziTipleriniOnYukle();
