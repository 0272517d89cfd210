#include "platform/fonts.h"

#include <QFontInfo>

#include <QStringList>

namespace platform {

void InstallFontSubstitutions()
{
    // Metric-compatible families first, then a family every Debian desktop has.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
}

QFont MakeFont(const QString& family, int pixelHeight, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(qMax(1, pixelHeight));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont MakeFixedPitchFont(int pixelHeight)
{
    QFont font = MakeFont(QStringLiteral("Courier New"), pixelHeight);
    if (!QFontInfo(font).fixedPitch()) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                          QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
        font.setFixedPitch(true);
    }
    return font;
}

} // namespace platform
