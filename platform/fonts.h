#pragma once
// The font families the layouts name, mapped onto fonts installed on Debian.
#include <QFont>
#include <QString>

namespace platform {

// Registers the substitutions ("MS Sans Serif", "Times New Roman",
// "Comic Sans MS", "Courier New"); call once after the QApplication exists.
void InstallFontSubstitutions();

// A font of the given family and height in pixels.
QFont MakeFont(const QString& family, int pixelHeight, bool bold = false, bool italic = false);

} // namespace platform
