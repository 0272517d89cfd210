#include "platform/playername.h"

#include <QTextBoundaryFinder>

namespace platform {

int NameLength(const QString& Name)
{
    QTextBoundaryFinder Finder(QTextBoundaryFinder::Grapheme, Name);
    int Characters = 0;
    while (Finder.toNextBoundary() > 0)
        ++Characters;
    return Characters;
}

QString CutName(const QString& Name, int Max)
{
    if (Max <= 0)
        return QString();
    QTextBoundaryFinder Finder(QTextBoundaryFinder::Grapheme, Name);
    int Characters = 0;
    while (Finder.toNextBoundary() > 0) {
        if (++Characters == Max)
            return Name.left(Finder.position());
    }
    return Name;
}

bool IsForbiddenNameCharacter(char32_t Code)
{
    if (Code < 0x20 || (Code >= 0x7F && Code <= 0x9F))
        return true;
    if (Code >= 0xD800 && Code <= 0xDFFF) // only ever alone here
        return true;
    if ((Code >= 0xFDD0 && Code <= 0xFDEF) || (Code & 0xFFFE) == 0xFFFE || Code > 0x10FFFF)
        return true;
    switch (QChar::category(Code)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
        return true;
    default:
        return false;
    }
}

namespace {

// Calls F(code point, index of its first unit, its length in units); a lone
// surrogate comes as itself.
template <typename F>
void ForEachCodePoint(const QString& Text, F&& Each)
{
    for (qsizetype I = 0; I < Text.size();) {
        const QChar C = Text.at(I);
        if (C.isHighSurrogate() && I + 1 < Text.size() && Text.at(I + 1).isLowSurrogate()) {
            Each(QChar::surrogateToUcs4(C, Text.at(I + 1)), I, 2);
            I += 2;
        } else {
            Each(static_cast<char32_t>(C.unicode()), I, 1);
            ++I;
        }
    }
}

} // namespace

bool IsCleanName(const QString& Name)
{
    bool Clean = true;
    ForEachCodePoint(Name, [&](char32_t Code, qsizetype, int) {
        if (IsForbiddenNameCharacter(Code))
            Clean = false;
    });
    return Clean;
}

QString CleanName(const QString& Name)
{
    QString Out;
    Out.reserve(Name.size());
    ForEachCodePoint(Name, [&](char32_t Code, qsizetype At, int Units) {
        if (IsForbiddenNameCharacter(Code))
            Out += QChar(u' ');
        else
            Out += QStringView(Name).mid(At, Units);
    });
    return Out;
}

} // namespace platform
