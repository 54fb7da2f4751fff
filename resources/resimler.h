#pragma once

// Makes the compiled-in images available. A static library's resources are not registered
// by themselves; every window that shows one calls this first (repeated calls cost nothing).
void resimleriYukle();
