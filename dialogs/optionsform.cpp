#include "dialogs/optionsform.h"

#include "cardlib/lucarddeck.h"
#include "cardlib/lusinglecard.h"
#include "cardlib/lutypes.h"
#include "dialogs/radiogroupbox.h"
#include "platform/component.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/modal.h"
#include "platform/stringtable.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>

#include <algorithm>

namespace {

QList<QRadioButton*> Items(const QGroupBox* Group)
{
    return Group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
}

// Tab enters a group at its checked item only; the arrow keys move between
// the items (and check them), since the items are auto-exclusive.
void KeepTabOnCheckedItem(const QGroupBox* Group)
{
    const QList<QRadioButton*> Buttons = Items(Group);
    const bool AnyChecked = std::any_of(Buttons.begin(), Buttons.end(),
                                        [](const QRadioButton* B) { return B->isChecked(); });
    for (int I = 0; I < Buttons.size(); ++I) {
        // With nothing checked the first item stands in, so the group can
        // still be reached from the keyboard.
        const bool Entry = AnyChecked ? Buttons[I]->isChecked() : I == 0;
        Buttons[I]->setFocusPolicy(Entry ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace

TOptionsForm::TOptionsForm(TOptionsHost& Host, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), FHost(Host)
{
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(tr("Options"));
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(ClientWidth, ClientHeight);
    // The face colour of buttons as background. The preview takes its fill
    // colour from the window when it is created, so the palette comes first.
    QPalette Palette = palette();
    Palette.setColor(QPalette::Window, Palette.color(QPalette::Button));
    setPalette(Palette);
    setAutoFillBackground(true);

    ScoringStyle =
        MakeRadioGroup("ScoringStyle", tr("Scoring Style"), QRect(8, 3, 129, 52),
                       {tr("Normal"), tr("Las Vegas")});
    DeckSize = MakeRadioGroup("DeckSize", tr("Deck Size"), QRect(8, 59, 129, 53),
                              {tr("Single"), tr("Double")});
    ComputerLevel =
        MakeRadioGroup("ComputerLevel", tr("Computer"), QRect(8, 114, 129, 104),
                       {tr("Unbeatable"), tr("Very Hard"),
                        tr("Hard"), tr("Not Bad"), tr("Easy")});
    PlaySounds = MakeRadioGroup("PlaySounds", tr("Play Sounds"), QRect(8, 222, 129, 53),
                                {tr("No"), tr("Yes")});
    CardBack = MakeRadioGroup(
        "CardBack", tr("CardBack"), QRect(151, 3, 123, 272),
        {tr("Default"), tr("Labyrinth"), tr("Black Ivy"),
         tr("Blue Ivy"), tr("Cyan Fish"), tr("Blue Fish"),
         tr("Hawaii"), tr("Ice Cream"), tr("Robot"),
         tr("Tricky"), tr("Flower"), tr("Castle")});
    // Below the card back's preview, level with "Play Sounds".
    Animation = MakeRadioGroup("Animation", tr("Animation"), QRect(281, 222, 87, 53),
                               {tr("No"), tr("Yes")});
    for (QRadioButton* Button : Items(CardBack)) {
        connect(Button, &QRadioButton::toggled, this, [this](bool Checked) {
            if (Checked)
                CardBackClick();
        });
    }

    OptionDeck = new TLuCardDeck(this);
    OptionDeck->setObjectName(QStringLiteral("OptionDeck"));
    OptionDeck->BeginLoad();
    OptionDeck->SetBounds(264, 96, 104, 104);
    OptionDeck->CardLast().SetShowBack(false);
    OptionDeck->SetShowLastCard(false);
    OptionDeck->SetDeckEmptyCardBack(cbDefault);
    OptionDeck->EndLoad();
    // The deck keeps a strip on its left for a last card the preview never
    // shows; filled with the face colour, it hid the right border of the
    // card backs' group. Only the stack is the preview's.
    OptionDeck->setMask(QRegion(DeckStripWidth, 0, OptionDeck->width() - DeckStripWidth, OptionDeck->height()));

    const QFont BoldFont = platform::MakeFont(QStringLiteral("MS Sans Serif"), 11, true);
    SaveBtn = new QPushButton(tr("&Save"), this);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    SaveBtn->setGeometry(101, 293, 75, 25);
    SaveBtn->setFont(BoldFont);
    SaveBtn->setDefault(true);
    connect(SaveBtn, &QPushButton::clicked, this, [this] { SaveBtnClick(); });

    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(197, 293, 75, 25);
    CancelBtn->setFont(BoldFont);
    // Esc rejects the dialog as well.
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* Previous = nullptr;
    for (const QGroupBox* Group : {ScoringStyle, DeckSize, ComputerLevel, PlaySounds, CardBack, Animation}) {
        for (QRadioButton* Button : Items(Group)) {
            if (Previous)
                setTabOrder(Previous, Button);
            Previous = Button;
        }
    }
    setTabOrder(Previous, SaveBtn);
    setTabOrder(SaveBtn, CancelBtn);

    FormCreate();
}

TOptionsForm::~TOptionsForm() = default;

QGroupBox* TOptionsForm::MakeRadioGroup(const char* Name, const QString& Caption,
                                        const QRect& Bounds, const QStringList& ItemTexts)
{
    auto* Group = new TRadioGroupBox(Caption, this);
    Group->setObjectName(QString::fromLatin1(Name));
    Group->setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11, true));
    Group->setGeometry(Bounds);

    // The items share the room below the caption evenly, one column.
    const int TextHeight = QFontMetrics(Group->font()).height();
    const int Room = Bounds.height() - TextHeight - 5;
    const int ItemHeight = Room / static_cast<int>(ItemTexts.size());
    const int TopMargin = TextHeight + 1;
    int Top = TopMargin;
    for (const QString& Text : ItemTexts) {
        auto* Button = new QRadioButton(Text, Group);
        Button->setGeometry(8, Top, Bounds.width() - 10, ItemHeight);
        connect(Button, &QRadioButton::toggled, Group, [Group] { KeepTabOnCheckedItem(Group); });
        Top += ItemHeight;
    }
    KeepTabOnCheckedItem(Group);
    return Group;
}

void TOptionsForm::FormCreate()
{
    RestartNeeded = false;
    // Values the game could not have stored come in at the nearest item, so
    // that Save never hands back an index with nothing checked.
    const auto InItems = [](const QGroupBox* Group, int Index) {
        return std::clamp(Index, 0, ItemCount(Group) - 1);
    };
    SetItemIndex(ScoringStyle, InItems(ScoringStyle, FHost.Scoring()));
    SetItemIndex(DeckSize, InItems(DeckSize, FHost.Decks() - 1));
    SetItemIndex(ComputerLevel, InItems(ComputerLevel, FHost.Level()));
    SetItemIndex(PlaySounds, FHost.SoundsOn() ? 1 : 0);
    SetItemIndex(Animation, FHost.AnimateCards() ? 1 : 0);
    // A back the dialog does not offer checks no item; the preview keeps it,
    // so Save leaves it alone unless the player picks another.
    SetItemIndex(CardBack, FHost.CardBack());
    OptionDeck->SetCardBack(FHost.CardBack());
}

void TOptionsForm::CardBackClick()
{
    const int Index = ItemIndex(CardBack);
    if (Index >= 0)
        OptionDeck->SetCardBack(static_cast<TLuCardBackType>(Index));
}

void TOptionsForm::SaveBtnClick()
{
    const std::int32_t NewScoring = ItemIndex(ScoringStyle);
    const std::int32_t NewDecks = ItemIndex(DeckSize) + 1;
    const std::int32_t NewLevel = ItemIndex(ComputerLevel);

    if ((NewScoring != FHost.Scoring() || NewDecks != FHost.Decks()) && !FHost.FreshRun()) {
        if (platform::MessageDlg(platform::LoadStr(platform::strings::RestartQuestion), platform::MsgType::Warning,
                                 platform::MsgButtons::YesNo) != platform::MsgResult::Yes)
            return;
        FHost.SetFreshRun(true);
        RestartNeeded = true;
    }
    // A won deal still waiting for its Hall of Fame entry gets it now, under
    // the settings it was played with; after saving no entry is offered until
    // the next normal-scoring deal.
    if (FHost.UserWon())
        FHost.EnterHallOfFame();
    FHost.SetHallEntryDone(true);
    if (NewDecks != FHost.Decks())
        FHost.SetDecks(NewDecks);
    FHost.SetScoring(NewScoring);
    if (NewLevel != FHost.Level())
        FHost.SetLevel(NewLevel);
    FHost.SetSoundsOn(ItemIndex(PlaySounds) == 1);
    FHost.SetAnimateCards(ItemIndex(Animation) == 1);
    if (OptionDeck->CardBack() != FHost.CardBack())
        FHost.SetCardBack(OptionDeck->CardBack());
    accept();
}

int TOptionsForm::ItemIndex(const QGroupBox* Group)
{
    const QList<QRadioButton*> Buttons = Items(Group);
    for (int I = 0; I < Buttons.size(); ++I) {
        if (Buttons[I]->isChecked())
            return I;
    }
    return -1;
}

void TOptionsForm::SetItemIndex(QGroupBox* Group, int Index)
{
    const QList<QRadioButton*> Buttons = Items(Group);
    if (Index >= 0 && Index < Buttons.size()) {
        Buttons[Index]->setChecked(true);
        return;
    }
    // Auto-exclusive buttons refuse to uncheck the last checked one.
    for (QRadioButton* Button : Buttons) {
        Button->setAutoExclusive(false);
        Button->setChecked(false);
        Button->setAutoExclusive(true);
    }
}

QRadioButton* TOptionsForm::Item(const QGroupBox* Group, int Index)
{
    const QList<QRadioButton*> Buttons = Items(Group);
    return Index >= 0 && Index < Buttons.size() ? Buttons[Index] : nullptr;
}

int TOptionsForm::ItemCount(const QGroupBox* Group)
{
    return static_cast<int>(Items(Group).size());
}

bool ShowOptionsDialog(TOptionsHost& Host)
{
    TOptionsForm OptionsForm(Host);
    platform::ExecModal(OptionsForm);
    return OptionsForm.RestartNeeded;
}
