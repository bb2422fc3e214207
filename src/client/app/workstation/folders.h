#pragma once

#include <QString>

/// The program's settings folder: "varlent" under the user's configuration folder
/// ($XDG_CONFIG_HOME, else ~/.config). Created when missing.
QString AyarKlasoru();
/// The user's documents folder.
QString BelgelerKlasoru();
