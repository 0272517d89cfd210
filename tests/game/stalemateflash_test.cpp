// Stalemate turns as the screen sees them. Both sides' cards fly together
// and land in the same frame; the first landing lays its card and repaints
// at once, which shows everything the window has waiting to be painted,
// the other centre pile included. Read from the window's surface at every
// paint (not a fresh render, which only shows the end of a step), a pile
// must never show a card again once something newer has covered it.
#include "cardlib/lucard.h"
#include "cardlib/luflightlayer.h"
#include "game/solo/solorules.h"
#include "tests/game/gametesting.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>

#include <map>
#include <string>
#include <vector>

namespace {

using namespace gametesting;

// The inside of a card lying on a centre pile's top place: its corners
// are left out, where a flying card's shadow shows through.
constexpr int Inset = 4;

QRect TopPlaceInside(QPoint TopLeft)
{
    return QRect(TopLeft, QSize(CardWidth, CardHeight)).adjusted(Inset, Inset, -Inset, -Inset);
}

// One centre pile: what its top place showed on the surface at every
// paint, and what each of its cards looks like there.
struct TPileWatch {
    const char* Name;
    TLuCardTable* Pile;
    QRect OnSurface;
    std::vector<QImage> Seen;
    std::map<int, QImage> Looks;

    // The card now on top, as the pile draws it itself.
    void LearnTop()
    {
        const int ID = TopID(Pile);
        if (ID >= 0 && !Looks.count(ID))
            Looks[ID] = Pile->Buffer()
                            .copy(TopPlaceInside(TablePlace(TLuCardTable::PosTop)))
                            .convertToFormat(QImage::Format_RGB32);
    }
    // The card a surface picture shows, -1 for none of the pile's (one in
    // the air over it, or half covered).
    int Shown(const QImage& Picture) const
    {
        for (const auto& [ID, Look] : Looks)
            if (Look == Picture)
                return ID;
        return -1;
    }
    // Every time a card came back after something else had covered it,
    // as the cards shown from its first showing to its return (-1: none).
    std::vector<std::string> Returns() const
    {
        std::vector<int> Shows;
        for (const QImage& Picture : Seen) {
            const int ID = Shown(Picture);
            if (Shows.empty() || Shows.back() != ID)
                Shows.push_back(ID);
        }
        std::vector<std::string> Found;
        std::map<int, std::size_t> First;
        for (std::size_t I = 0; I < Shows.size(); ++I) {
            if (Shows[I] < 0)
                continue;
            const auto Before = First.find(Shows[I]);
            if (Before == First.end()) {
                First[Shows[I]] = I;
                continue;
            }
            std::string Text;
            for (std::size_t K = Before->second; K <= I; ++K)
                Text += (Text.empty() ? "" : " ") + std::to_string(Shows[K]);
            Found.push_back(Text);
        }
        return Found;
    }
};

// Reads the surface just before every paint of the window: what the
// previous paint left there, as it went to the screen.
class TSurfaceWatch : public QObject {
public:
    TSurfaceWatch(QWidget& Window, std::vector<TPileWatch>& Piles) : FWindow(Window), FPiles(Piles)
    {
        QApplication::instance()->installEventFilter(this);
    }
    ~TSurfaceWatch() override { QApplication::instance()->removeEventFilter(this); }
    TSurfaceWatch(const TSurfaceWatch&) = delete;
    TSurfaceWatch& operator=(const TSurfaceWatch&) = delete;

    void Sample()
    {
        auto* Surface = dynamic_cast<QImage*>(FWindow.backingStore()->paintDevice());
        ASSERT_NE(Surface, nullptr);
        for (TPileWatch& Watch : FPiles)
            Watch.Seen.push_back(Surface->copy(Watch.OnSurface).convertToFormat(QImage::Format_RGB32));
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == &FWindow && Event->type() == QEvent::UpdateRequest)
            Sample();
        return false;
    }

private:
    QWidget& FWindow;
    std::vector<TPileWatch>& FPiles;
};

class StalemateFlash : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        TLuFlightLayer::SetManualTime(true);
    }
    void TearDown() override
    {
        GameTest::TearDown();
        TLuFlightLayer::SetManualTime(false);
    }

    TLuFlightLayer& Layer() { return *form->Game.Flights.Layer(); }

    // One frame of the flights' timer, then whatever the window has waiting
    // (paints, posted refills).
    void Frame()
    {
        Layer().Advance(16);
        QApplication::processEvents();
    }
};

TEST_F(StalemateFlash, NoCentrePileShowsAnOlderCardAgainRoundAfterRound)
{
    Open();
    form->AnimateCards = true;
    form->show();
    QApplication::processEvents();
    ASSERT_EQ(form->devicePixelRatio(), 1.0);

    boxes.Answer(MsgResult::Ok);
    form->DealMenuClick();
    for (int I = 0; I < 200 && form->Game.Flights.InAir(); ++I)
        Frame();
    Drain();
    ASSERT_TRUE(form->InGame);
    form->Timer->stop();

    // Every hand card is a 7 and no pile card is a 6 or an 8: nobody can
    // play, round after round, until both piles are used up. Every card of
    // a centre pile differs from the others, so each shows as itself.
    constexpr int Rounds = 12;
    ClearTable(*form, *form, Club(2), Diamond(2));
    for (const int Side : {UserSide, ComputerSide}) {
        int Rank = 0;
        for (TLuCardGroup* Slot : form->Slots(Side))
            PutCard(Slot, 0, std::vector<int>{Club(7), Diamond(7), Spade(7), Heart(7)}[Rank++]);
    }
    const std::vector<int> Ranks = {3, 4, 5, 9, 10, 11, 12, 13, 14, 3, 4, 5};
    for (int R = 0; R < Rounds; ++R) {
        const int Rank = Ranks[static_cast<std::size_t>(R)];
        PutCard(form->Play1Pile, R, R < 9 ? Club(Rank) : Spade(Rank));
        PutCard(form->Play2Pile, R, R < 9 ? Diamond(Rank) : Heart(Rank));
    }
    form->UserStuck = form->ComputerStuck = true;
    QApplication::processEvents();

    std::vector<TPileWatch> Piles = {
        {"left", form->CardTable1, {}, {}, {}},
        {"right", form->CardTable2, {}, {}, {}},
    };
    for (TPileWatch& Watch : Piles) {
        Watch.OnSurface = TopPlaceInside(Watch.Pile->mapTo(form.get(), TablePlace(TLuCardTable::PosTop)));
        Watch.LearnTop();
    }
    TSurfaceWatch Surface(*form, Piles);

    // The computer's tick finds both stuck; between frames a fast player
    // keeps pressing keys and the computer keeps ticking, which must change
    // nothing while nobody can play.
    form->TimerTimer();
    ASSERT_TRUE(form->Game.Flights.InAir());
    int Frames = 0;
    for (; Frames < 400 && (form->Game.Flights.InAir() || TopCardIndex(form->Play1Pile) >= 0); ++Frames) {
        Frame();
        QChar Key(u'1' + Frames % 4);
        form->FormKeyPress(Key);
        if (Frames % 3 == 0)
            form->TimerTimer();
        for (TPileWatch& Watch : Piles)
            Watch.LearnTop();
        Surface.Sample();
    }
    form->Timer->stop();

    ASSERT_EQ(TopID(form->CardTable1), Club(3)) << "every round was turned";
    ASSERT_EQ(TopID(form->CardTable2), Diamond(3));
    for (const TPileWatch& Watch : Piles) {
        SCOPED_TRACE(Watch.Name);
        EXPECT_EQ(static_cast<int>(Watch.Looks.size()), Rounds + 1);
        EXPECT_GT(Watch.Seen.size(), static_cast<std::size_t>(Frames));
        const std::vector<std::string> Returns = Watch.Returns();
        EXPECT_TRUE(Returns.empty()) << Returns.size() << " time(s) a card showed again after a newer one had"
                                     << " covered it, first: " << (Returns.empty() ? "" : Returns.front());
    }
}

} // namespace
