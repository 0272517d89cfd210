#pragma once
// The font families the layouts name, mapped onto fonts installed on Debian.
#include <QFont>
#include <QString>

namespace platform {

// Registers the substitutions ("MS Sans Serif", "Times New Roman",
// "Comic Sans MS", "Courier New"); platform::Application's constructor does
// it, and calling it again does no harm.
void InstallFontSubstitutions();

// A font of the given family and height in pixels.
QFont MakeFont(const QString& family, int pixelHeight, bool bold = false, bool italic = false);

} // namespace platform
