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

// "Courier New" through the substitutions at the given height; should none
// of them be installed, whatever fixed-pitch family the system has, since
// the columns of the lists that use it depend on it.
QFont MakeFixedPitchFont(int pixelHeight);

} // namespace platform
