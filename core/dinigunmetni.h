#pragma once

#include "dinigunler.h"

#include <QString>
#include <vector>

// A religious day's name in the interface language (Turkish source texts, the catalogues'
// translations).
QString diniGunMetni(ravla::DiniGun gun);
// The names of a day's religious days, ", " between them; empty for none.
QString diniGunlerMetni(const std::vector<ravla::DiniGun> &gunler);
