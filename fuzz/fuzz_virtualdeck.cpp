// libs: cardlib veltoplatform
// The virtual-deck file reader over arbitrary file contents: nothing may
// crash or touch memory outside the deck, a refused file leaves the deck as
// it was, and an accepted one deals exactly its own cards.
#include "cardlib/luvirtualdeck.h"
#include "platform/messagebox.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    static QTemporaryDir dir;
    static const bool quiet = [] {
        platform::SetMessageBoxHandler([](const QString&, platform::MsgType, platform::MsgButtons) {
            return platform::MsgResult::Ok;
        });
        return true;
    }();
    static_cast<void>(quiet);

    const QString path = dir.filePath(QStringLiteral("deck.vdf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(size));
    }

    TLuVirtualDeck deck;
    deck.SetShuffleCount(3);
    deck.SetCustomDeckFileName(path);
    deck.SetCustomDeck(true);
    if (!deck.CustomDeck()) {
        check(deck.ShuffleCount() == 3);
        check(deck.CardCount() == 52);
        for (std::int32_t id : deck.CustomCards())
            check(id == 0);
        return 0;
    }

    const int count = deck.CardCount();
    check(count >= 1 && count <= TLuVirtualDeck::MaxCustomCards);
    // The file's own shuffle count may be anything; a short shuffle is
    // enough to deal the custom order.
    deck.SetShuffleCount(2);
    deck.Prepare();
    check(deck.CardCount() == count);
    std::vector<std::int32_t> dealt;
    for (std::int32_t id = deck.DrawNext(); id >= 0; id = deck.DrawNext())
        dealt.push_back(id);
    std::vector<std::int32_t> expected(deck.CustomCards().begin(),
                                       deck.CustomCards().begin() + count);
    std::sort(dealt.begin(), dealt.end());
    std::sort(expected.begin(), expected.end());
    check(dealt == expected);
    return 0;
}
