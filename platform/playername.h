#pragma once
// Players' names, wherever they come from (the name box, the settings file,
// another player over the network): how long one is as the player sees it,
// where it may be cut, and which characters it may not carry. A length is
// counted in characters as shown (grapheme clusters): an emoji, a letter
// with its combining accents or a CJK character is one, and a cut never
// falls inside one.
#include <QString>

namespace platform {

// The longest name anywhere: the Hall of Fame's, the races' and the wire's.
constexpr int MaxPlayerNameLength = 20;

// Characters as the player sees them.
int NameLength(const QString& Name);

// The first Max characters as the player sees them; the name itself when it
// is no longer. Never splits a surrogate pair or a combining sequence.
QString CutName(const QString& Name, int Max = MaxPlayerNameLength);

// A character a name may not hold: controls (NUL, ESC, tab, newline, DEL,
// C1), format characters (bidirectional overrides and isolates, zero-width
// spaces and joiners, soft hyphen, BOM), line and paragraph separators,
// unpaired surrogates and noncharacters. Any of them could reorder, hide or
// forge the text around the name.
bool IsForbiddenNameCharacter(char32_t Code);

// True when Name holds none of them.
bool IsCleanName(const QString& Name);

// Name as it is shown and stored: every forbidden character becomes a
// space (a lone surrogate too), so that what a window shows is what the
// file will hold. Nothing else changes.
QString CleanName(const QString& Name);

} // namespace platform
