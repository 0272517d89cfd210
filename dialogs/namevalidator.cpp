#include "dialogs/namevalidator.h"

#include "platform/playername.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace {

// Where a character as seen ends in Text, from the last to none (0).
std::vector<qsizetype> BoundariesFromTheEnd(const QString& Text)
{
    std::vector<qsizetype> Ends{0};
    QTextBoundaryFinder Finder(QTextBoundaryFinder::Grapheme, Text);
    while (Finder.toNextBoundary() > 0)
        Ends.push_back(Finder.position());
    std::reverse(Ends.begin(), Ends.end());
    return Ends;
}

bool IsInsidePair(const QString& Text, qsizetype At)
{
    return At > 0 && At < Text.size() && Text.at(At - 1).isHighSurrogate() && Text.at(At).isLowSurrogate();
}

} // namespace

TNameValidator::TNameValidator(int MaxLength, QObject* Parent)
    : QValidator(Parent)
    , FMaxLength(MaxLength)
{
}

QValidator::State TNameValidator::validate(QString& Input, int& Pos) const
{
    Input = Fit(FAccepted, Input, FMaxLength, Pos);
    FAccepted = Input;
    return Acceptable;
}

QString TNameValidator::Fit(const QString& Before, const QString& Changed, int MaxLength, int& Pos)
{
    const qsizetype Cursor = std::clamp<qsizetype>(Pos, 0, Changed.size());
    const QString After = platform::CleanName(Changed);
    // Cleaning turns a character of two units into one space: the cursor
    // keeps its place among the characters.
    qsizetype At = IsInsidePair(Changed, Cursor) ? Cursor - 1 : Cursor;
    At = std::min(platform::CleanName(Changed.left(At)).size(), After.size());
    if (platform::NameLength(After) <= MaxLength) {
        Pos = static_cast<int>(At);
        return After;
    }

    // The text after the cursor is what stood after the change before it;
    // what stands before the cursor and is not the old text's start is what
    // was put in.
    qsizetype TailLength = After.size() - At;
    if (TailLength > Before.size() || QStringView(After).right(TailLength) != QStringView(Before).right(TailLength))
        TailLength = 0;
    const qsizetype HeadRoom = std::min(At, Before.size() - TailLength);
    qsizetype Head = 0;
    while (Head < HeadRoom && After.at(Head) == Before.at(Head))
        ++Head;
    if (IsInsidePair(After, Head))
        --Head;
    const QString Start = After.left(Head);
    const QString End = After.right(After.size() - std::max(At, Head));
    // Never more of it than could fit even where it joins its neighbours.
    const QString PutIn = platform::CutName(After.mid(Head, std::max<qsizetype>(At - Head, 0)), MaxLength + 2);

    for (const qsizetype Keep : BoundariesFromTheEnd(PutIn)) {
        const QString Text = Start + PutIn.left(Keep) + End;
        if (platform::NameLength(Text) <= MaxLength) {
            Pos = static_cast<int>(Start.size() + Keep);
            return Text;
        }
    }
    // Even without what was put in the text is too long (a selection that
    // split a character): its first characters.
    const QString Text = platform::CutName(Start + End, MaxLength);
    Pos = static_cast<int>(std::min(Start.size(), Text.size()));
    return Text;
}
