// What a user of the card library writes to get a playable window without the
// game: a visual deck with its virtual deck, a face-down pile, a sorted hand,
// a loose hand cascading down and a table. Clicking the deck deals again;
// clicking a card of either face-up hand plays it onto the table.
#include "cardlib/lucard.h"
#include "cardlib/lugraphics.h"
#include "platform/application.h"

#include <QPalette>
#include <QWidget>

#include <initializer_list>

namespace {

struct TDemoWindow {
    TDemoWindow()
    {
        Window.setWindowTitle(QStringLiteral("Card library demo"));
        // The controls take their fill colour from the window when they are
        // created, so the palette comes first.
        QPalette Palette = Window.palette();
        Palette.setColor(QPalette::Window, QColor(192, 192, 192));
        Window.setPalette(Palette);
        Window.setAutoFillBackground(true);
        Window.resize(760, 520);

        Deck = new TLuCardDeck(&Window);
        VirtualDeck = new TLuVirtualDeck(&Window);
        Pile = new TLuCardGroup(&Window);
        Hand = new TLuCardGroup(&Window);
        LooseHand = new TLuCardGroup(&Window);
        Table = new TLuCardTable(&Window);
        const std::initializer_list<platform::Component*> Components{Deck, VirtualDeck, Pile, Hand, LooseHand, Table};
        for (platform::Component* C : Components)
            C->BeginLoad();

        Deck->SetAutoSize(true);
        Deck->SetBounds(20, 20, DeckSingleWidth, DeckSingleHeight);
        Deck->OnClick = [this](TLuCardDeck*) { Deal(); };

        VirtualDeck->SetVisualDeck(Deck);
        VirtualDeck->SetShuffleCount(100);

        // One card wide, so all 21 places lie on top of each other. AutoTight
        // only recomputes at a resize or an Add after loading, so the
        // tightness it would reach is set here as well.
        Pile->SetBounds(20, 150, CardWidth, CardHeight);
        Pile->SetCascadeStyle(csTight);
        Pile->SetAutoTight(true);
        Pile->SetTightness(0);
        AddPlaces(Pile, 21);

        Hand->SetAutoSize(true);
        Hand->SetBounds(160, 20, 7 * NormalStepRight, CardHeight);
        Hand->SetShowBack(false);
        Hand->SetCascadeSide(csRight);
        Hand->SetCascadeStyle(csNormal);
        Hand->SetSortStyle(soValue);
        AddPlaces(Hand, 7);

        LooseHand->SetAutoSize(true);
        LooseHand->SetBounds(160, 150, CardWidth, 4 * LooseStepDown + CardHeight);
        LooseHand->SetShowBack(false);
        LooseHand->SetCascadeSide(csDown);
        LooseHand->SetCascadeStyle(csLoose);
        AddPlaces(LooseHand, 5);

        Table->SetBounds(420, 200, TableWidth, TableHeight);
        Table->SetVirtualDeck(VirtualDeck);
        Table->GameOptions().SetTableOpenCards(1);
        Table->GameOptions().SetTakeDelay(0);
        for (TLuCardGroup* Group : {Pile, Hand, LooseHand}) {
            Group->SetTable(Table);
            Table->PlayerList().AddGroup(Group);
        }
        for (TLuCardGroup* Group : {Hand, LooseHand}) {
            Group->SetController(ctHuman);
            Group->OnCardClick = [](TLuCardGroup*, TLuSingleCard*, int, bool& PlayIt, TLuTablePos&, bool&,
                                    Qt::MouseButton) { PlayIt = true; };
        }

        platform::EndLoadAll(Components);
    }

    static void AddPlaces(TLuCardGroup* Group, int Count)
    {
        for (int I = 0; I < Count; ++I)
            Group->CardList().Add();
    }

    // The game's deal: everything off the table, a fresh deck, the players
    // around the dealer, then one open card on the table's top place.
    void Deal()
    {
        Table->ClearTable(true);
        Table->SetEmpty(true);
        Table->PrepareDeal();
        Table->DealToPlayers(true);
        Table->SetLandingPosition(TLuCardTable::PosTop);
        Table->DealToTable();
    }

    QWidget Window;
    TLuCardDeck* Deck = nullptr;
    TLuVirtualDeck* VirtualDeck = nullptr;
    TLuCardGroup* Pile = nullptr;
    TLuCardGroup* Hand = nullptr;
    TLuCardGroup* LooseHand = nullptr;
    TLuCardTable* Table = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    platform::Application App(argc, argv);
    App.SetTitle(QStringLiteral("Card library demo"));
    TDemoWindow Demo;
    Demo.Window.show();
    Demo.Deal();
    return App.exec();
}
