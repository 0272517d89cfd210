// The options dialog against a recording game: what it selects on opening,
// every way through Save in the order the game sees it, Cancel, the preview
// of the card back, and the keyboard.
#include "cardlib/lucarddeck.h"
#include "cardlib/lucardimages.h"
#include "cardlib/lusinglecard.h"
#include "dialogs/optionsform.h"
#include "tests/support/modaldialogs.h"
#include "tests/support/seams.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::MsgResult;
using testing_support::Press;
using testing_support::ScriptedMessageBoxes;
using testing_support::ScriptedModalDialogs;

// A game that records every change the dialog asks of it, in order.
class FakeHost : public TOptionsHost
{
public:
    std::int32_t FScoring = 0;
    std::int32_t FDecks = 1;
    std::int32_t FLevel = 2;
    bool FSoundsOn = true;
    bool FAnimateCards = true;
    TLuCardBackType FCardBack = cbDefault;
    bool FFreshRun = false;
    bool FUserWon = false;
    QStringList Calls;

    std::int32_t Scoring() const override { return FScoring; }
    std::int32_t Decks() const override { return FDecks; }
    std::int32_t Level() const override { return FLevel; }
    bool SoundsOn() const override { return FSoundsOn; }
    bool AnimateCards() const override { return FAnimateCards; }
    TLuCardBackType CardBack() const override { return FCardBack; }
    bool FreshRun() const override { return FFreshRun; }
    bool UserWon() const override { return FUserWon; }

    void SetFreshRun(bool Value) override
    {
        Record("SetFreshRun", Value);
        FFreshRun = Value;
    }
    // Records the settings the entry is made under.
    void EnterHallOfFame() override
    {
        Calls << QStringLiteral("EnterHallOfFame(%1,%2,%3)").arg(FDecks).arg(FScoring).arg(FLevel);
    }
    void SetHallEntryDone(bool Value) override { Record("SetHallEntryDone", Value); }
    void SetDecks(std::int32_t Value) override
    {
        Record("SetDecks", Value);
        FDecks = Value;
    }
    void SetScoring(std::int32_t Value) override
    {
        Record("SetScoring", Value);
        FScoring = Value;
    }
    void SetLevel(std::int32_t Value) override
    {
        Record("SetLevel", Value);
        FLevel = Value;
    }
    void SetSoundsOn(bool Value) override
    {
        Record("SetSoundsOn", Value);
        FSoundsOn = Value;
    }
    // Kept apart from Calls: the order of the other changes is what those
    // lists are about, and this one stands alone.
    void SetAnimateCards(bool Value) override { FAnimateCards = Value; }
    void SetCardBack(TLuCardBackType Value) override
    {
        Record("SetCardBack", Value);
        FCardBack = Value;
    }

private:
    void Record(const char* name, int value)
    {
        Calls << QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(value);
    }
};

void Click(QGroupBox* group, int index)
{
    QRadioButton* button = TOptionsForm::Item(group, index);
    ASSERT_NE(button, nullptr) << group->objectName().toStdString() << " item " << index;
    button->click();
}

// The choice of a player: -1 leaves a group as it opened.
struct Choice
{
    int scoring = -1, deckItem = -1, level = -1, sounds = -1, back = -1;
};

void Choose(TOptionsForm& form, const Choice& c)
{
    const std::pair<QGroupBox*, int> picks[] = {{form.ScoringStyle, c.scoring}, {form.DeckSize, c.deckItem},
                                                {form.ComputerLevel, c.level}, {form.PlaySounds, c.sounds},
                                                {form.CardBack, c.back}};
    for (const auto& [group, index] : picks)
        if (index >= 0)
            Click(group, index);
}

TEST(OptionsForm, Layout)
{
    FakeHost host;
    TOptionsForm form(host);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(form.size(), QSize(373, 323));
    const struct
    {
        QGroupBox* group;
        const char* name;
        QString caption;
        QRect bounds;
        QStringList items;
    } groups[] = {
        {form.ScoringStyle, "ScoringStyle", "Scoring Style", {8, 3, 129, 52}, {"Normal", "Las Vegas"}},
        {form.DeckSize, "DeckSize", "Deck Size", {8, 59, 129, 53}, {"Single", "Double"}},
        {form.ComputerLevel, "ComputerLevel", "Computer", {8, 114, 129, 104},
         {"Unbeatable", "Very Hard", "Hard", "Not Bad", "Easy"}},
        {form.PlaySounds, "PlaySounds", "Play Sounds", {8, 222, 129, 53}, {"No", "Yes"}},
        {form.CardBack, "CardBack", "CardBack", {151, 3, 123, 272},
         {"Default", "Labyrinth", "Black Ivy", "Blue Ivy", "Cyan Fish", "Blue Fish", "Hawaii", "Ice Cream",
          "Robot", "Tricky", "Flower", "Castle"}},
        {form.Animation, "Animation", "Animation", {281, 222, 87, 53}, {"No", "Yes"}},
    };
    for (const auto& g : groups) {
        SCOPED_TRACE(g.name);
        EXPECT_EQ(g.group->objectName(), QString::fromLatin1(g.name));
        EXPECT_EQ(g.group->title(), g.caption);
        EXPECT_EQ(g.group->geometry(), g.bounds);
        EXPECT_TRUE(g.group->font().bold());
        ASSERT_EQ(TOptionsForm::ItemCount(g.group), g.items.size());
        for (int i = 0; i < g.items.size(); ++i) {
            QRadioButton* item = TOptionsForm::Item(g.group, i);
            EXPECT_EQ(item->text(), g.items[i]);
            // Every item lies inside its group, below the caption.
            EXPECT_TRUE(QRect(QPoint(0, 0), g.bounds.size()).contains(item->geometry())) << i;
        }
    }
    EXPECT_EQ(form.OptionDeck->geometry(), QRect(264, 96, 104, 104));
    EXPECT_FALSE(form.OptionDeck->ShowLastCard());
    EXPECT_FALSE(form.OptionDeck->CardLast().ShowBack());
    EXPECT_EQ(form.OptionDeck->DeckEmptyCardBack(), cbDefault);
    EXPECT_EQ(form.SaveBtn->text(), QStringLiteral("&Save"));
    EXPECT_EQ(form.SaveBtn->geometry(), QRect(101, 293, 75, 25));
    EXPECT_TRUE(form.SaveBtn->isDefault());
    EXPECT_EQ(form.CancelBtn->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(form.CancelBtn->geometry(), QRect(197, 293, 75, 25));
}

TEST(OptionsForm, OpensWithTheGamesSettings)
{
    FakeHost host;
    host.FScoring = 1;
    host.FDecks = 2;
    host.FLevel = 4;
    host.FSoundsOn = false;
    host.FCardBack = cbCastle;
    TOptionsForm form(host);
    EXPECT_FALSE(form.RestartNeeded);
    EXPECT_EQ(TOptionsForm::ItemIndex(form.ScoringStyle), 1);
    EXPECT_EQ(TOptionsForm::ItemIndex(form.DeckSize), 1);
    EXPECT_EQ(TOptionsForm::ItemIndex(form.ComputerLevel), 4);
    EXPECT_EQ(TOptionsForm::ItemIndex(form.PlaySounds), 0);
    EXPECT_EQ(TOptionsForm::ItemIndex(form.CardBack), 11);
    EXPECT_EQ(form.OptionDeck->CardBack(), cbCastle);
    EXPECT_TRUE(host.Calls.isEmpty());
}

TEST(OptionsForm, ABackTheDialogDoesNotOfferIsKeptUnlessAnotherIsChosen)
{
    FakeHost host;
    host.FCardBack = cbDots;
    host.FFreshRun = true;
    TOptionsForm form(host);
    EXPECT_EQ(TOptionsForm::ItemIndex(form.CardBack), -1);
    EXPECT_EQ(form.OptionDeck->CardBack(), cbDots);
    form.SaveBtn->click();
    EXPECT_FALSE(host.Calls.join(u' ').contains(QStringLiteral("SetCardBack")));
}

TEST(OptionsForm, ClickingBackToTheGamesOwnBackChangesNothing)
{
    FakeHost host;
    host.FCardBack = cbFishBlue;
    TOptionsForm form(host);
    Click(form.CardBack, cbRobot);
    Click(form.CardBack, cbFishBlue);
    form.SaveBtn->click();
    EXPECT_EQ(host.Calls, (QStringList{"SetHallEntryDone(1)", "SetScoring(0)", "SetSoundsOn(1)"}));
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

struct SaveCase
{
    std::string what;
    bool freshRun;
    bool userWon;
    Choice choice;
    std::vector<MsgResult> answers; // one per question asked
    bool saved;                     // the dialog closed with OK
    bool restartNeeded;
    QStringList calls;
};

TEST(OptionsForm, SavePaths)
{
    // The game opens at normal scoring, single deck, "Hard", sounds on, default back.
    const SaveCase cases[] = {
        {"nothing changed", false, false, {}, {}, true, false,
         {"SetHallEntryDone(1)", "SetScoring(0)", "SetSoundsOn(1)"}},
        {"fresh run: scoring and deck size change without a question", true, false,
         {.scoring = 1, .deckItem = 1}, {}, true, false,
         {"SetHallEntryDone(1)", "SetDecks(2)", "SetScoring(1)", "SetSoundsOn(1)"}},
        {"deck size during a run, Yes", false, false, {.deckItem = 1}, {MsgResult::Yes}, true, true,
         {"SetFreshRun(1)", "SetHallEntryDone(1)", "SetDecks(2)", "SetScoring(0)", "SetSoundsOn(1)"}},
        {"scoring during a run, Yes", false, false, {.scoring = 1}, {MsgResult::Yes}, true, true,
         {"SetFreshRun(1)", "SetHallEntryDone(1)", "SetScoring(1)", "SetSoundsOn(1)"}},
        {"deck size during a run, No: nothing applied, the dialog stays", false, false,
         {.deckItem = 1, .level = 0, .back = 3}, {MsgResult::No}, false, false, {}},
        {"level, sounds and back never ask and never restart", false, false,
         {.level = 4, .sounds = 0, .back = cbRobot}, {}, true, false,
         {"SetHallEntryDone(1)", "SetScoring(0)", "SetLevel(4)", "SetSoundsOn(0)", "SetCardBack(8)"}},
        {"a won deal enters the Hall of Fame first, under its own settings", false, true,
         {.level = 0}, {}, true, false,
         {"EnterHallOfFame(1,0,2)", "SetHallEntryDone(1)", "SetScoring(0)", "SetLevel(0)", "SetSoundsOn(1)"}},
        {"everything at once, in order", false, true,
         {.scoring = 1, .deckItem = 1, .level = 0, .sounds = 0, .back = cbCastle}, {MsgResult::Yes}, true, true,
         {"SetFreshRun(1)", "EnterHallOfFame(1,0,2)", "SetHallEntryDone(1)", "SetDecks(2)", "SetScoring(1)",
          "SetLevel(0)", "SetSoundsOn(0)", "SetCardBack(11)"}},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeHost host;
        host.FFreshRun = c.freshRun;
        host.FUserWon = c.userWon;

        ScriptedMessageBoxes boxes;
        for (const MsgResult answer : c.answers)
            boxes.Answer(answer);
        bool stayedOpen = false;
        ScriptedModalDialogs modals{ScriptedModalDialogs::For<TOptionsForm>([&](TOptionsForm& form) {
            QSignalSpy finished(&form, &QDialog::finished);
            Choose(form, c.choice);
            form.SaveBtn->click();
            if (finished.count() == 0) {
                stayedOpen = true;
                EXPECT_FALSE(form.RestartNeeded);
                return Press(form, form.CancelBtn);
            }
            return form.result();
        })};
        EXPECT_EQ(ShowOptionsDialog(host), c.restartNeeded);
        EXPECT_EQ(stayedOpen, !c.saved);
        EXPECT_EQ(host.Calls, c.calls);
        ASSERT_EQ(boxes.Boxes().size(), c.answers.size());
        for (const auto& box : boxes.Boxes()) {
            EXPECT_EQ(box.text, QStringLiteral("Changes require starting a new game, continue?"));
            EXPECT_EQ(box.type, platform::MsgType::Warning);
            EXPECT_EQ(box.buttons, platform::MsgButtons::YesNo);
        }
    }
}

TEST(OptionsForm, NoThenYesAppliesOnce)
{
    FakeHost host;
    ScriptedMessageBoxes boxes{MsgResult::No, MsgResult::Yes};
    ScriptedModalDialogs modals{ScriptedModalDialogs::For<TOptionsForm>([&](TOptionsForm& form) {
        Click(form.ScoringStyle, 1);
        form.SaveBtn->click();
        EXPECT_TRUE(host.Calls.isEmpty());
        return Press(form, form.SaveBtn);
    })};
    EXPECT_TRUE(ShowOptionsDialog(host));
    EXPECT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(host.Calls, (QStringList{"SetFreshRun(1)", "SetHallEntryDone(1)", "SetScoring(1)", "SetSoundsOn(1)"}));
}

// What the preview shows in the middle of its top card.
QRgb PreviewCentre(const TOptionsForm& form)
{
    const TLuRect r = form.OptionDeck->CardFirst().Bounds();
    return form.OptionDeck->Buffer().pixel(r.Left + CardWidth / 2, r.Top + CardHeight / 2);
}

QRgb BackCentre(TLuCardBackType back)
{
    return CardImage(BackImageIndex(back))->Picture.pixel(CardWidth / 2, CardHeight / 2) | 0xFF000000;
}

TEST(OptionsForm, CancelAfterClickingThroughBacksLeavesTheGameAlone)
{
    FakeHost host;
    host.FCardBack = cbIvyBlue;
    const TLuCardBackType clicked[] = {cbRobot, cbDefault, cbCastle, cbHawai};
    ScriptedModalDialogs modals{ScriptedModalDialogs::For<TOptionsForm>([&](TOptionsForm& form) {
        // The card images live as long as some card does, so they are read here.
        EXPECT_EQ(PreviewCentre(form), BackCentre(cbIvyBlue));
        QRgb previous = PreviewCentre(form);
        for (const TLuCardBackType back : clicked) {
            Click(form.CardBack, back);
            EXPECT_EQ(form.OptionDeck->CardBack(), back);
            // The preview's Buffer shows each back as it is clicked.
            EXPECT_EQ(PreviewCentre(form), BackCentre(back)) << int(back);
            EXPECT_NE(PreviewCentre(form), previous) << int(back);
            previous = PreviewCentre(form);
        }
        Choose(form, {.scoring = 1, .deckItem = 1, .level = 0, .sounds = 0});
        return Press(form, form.CancelBtn);
    })};
    EXPECT_FALSE(ShowOptionsDialog(host));
    EXPECT_TRUE(host.Calls.isEmpty());
    EXPECT_EQ(host.FCardBack, cbIvyBlue);
    EXPECT_EQ(modals.Unused(), 0u);
}

// "Group: item" for a radio button, the object name for anything else, so a
// wrong focus reads as a place in the dialog.
QString Where(const QWidget* widget)
{
    if (!widget)
        return QStringLiteral("nowhere");
    if (const auto* item = qobject_cast<const QRadioButton*>(widget))
        return item->parentWidget()->objectName() + QStringLiteral(": ") + item->text();
    return widget->objectName();
}

QString Focus()
{
    return Where(QApplication::focusWidget());
}

TEST(OptionsForm, Keyboard)
{
    FakeHost host;
    host.FLevel = 3;
    host.FCardBack = cbFishCyan;
    ScriptedModalDialogs modals{ScriptedModalDialogs::For<TOptionsForm>([&](TOptionsForm& form) {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));

        // Tab visits the checked item of each group, then the two buttons.
        const QStringList order{"ScoringStyle: Normal", "DeckSize: Single", "ComputerLevel: Not Bad",
                                "PlaySounds: Yes", "CardBack: Cyan Fish", "Animation: Yes", "SaveBtn",
                                "CancelBtn"};
        TOptionsForm::Item(form.ScoringStyle, 0)->setFocus(Qt::TabFocusReason);
        QStringList visited{Focus()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << Focus();
        }
        EXPECT_EQ(visited, order);

        // Back to the card backs; the arrows move the choice and the preview.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(Focus(), QStringLiteral("CardBack: Cyan Fish"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(Focus(), QStringLiteral("CardBack: Hawaii"));
        EXPECT_EQ(TOptionsForm::ItemIndex(form.CardBack), int(cbHawai));
        EXPECT_EQ(int(form.OptionDeck->CardBack()), int(cbHawai));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_EQ(int(form.OptionDeck->CardBack()), int(cbFishBlue));

        // After an arrow in the level group, Tab leaves from the new choice
        // and Shift+Tab comes back to it.
        TOptionsForm::Item(form.ComputerLevel, 3)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_EQ(TOptionsForm::ItemIndex(form.ComputerLevel), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(Focus(), QStringLiteral("PlaySounds: Yes"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(Focus(), QStringLiteral("ComputerLevel: Hard"));

        // Enter saves.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return form.result();
    })};
    EXPECT_FALSE(ShowOptionsDialog(host));
    EXPECT_EQ(host.Calls, (QStringList{"SetHallEntryDone(1)", "SetScoring(0)", "SetLevel(2)", "SetSoundsOn(1)",
                                       "SetCardBack(5)"}));
}

// The switch for flying cards sits in the free corner under the preview: it
// overlaps nothing, stays inside the window, shows its words whole, and goes
// from the keyboard like the other groups.
TEST(OptionsForm, TheAnimationGroupFitsUnderThePreviewAndSavesAndCancels)
{
    FakeHost host;
    {
        TOptionsForm form(host);
        const QRect group = form.Animation->geometry();
        EXPECT_TRUE(form.rect().contains(group));
        for (const QWidget* other : std::initializer_list<const QWidget*>{
                 form.ScoringStyle, form.DeckSize, form.ComputerLevel, form.PlaySounds, form.CardBack,
                 form.OptionDeck, form.SaveBtn, form.CancelBtn})
            EXPECT_FALSE(group.intersects(other->geometry())) << other->objectName().toStdString();
        const QFontMetrics caption(form.Animation->font());
        EXPECT_LT(caption.horizontalAdvance(form.Animation->title()) + 16, group.width());
        for (int i = 0; i < 2; ++i) {
            const QRadioButton* item = TOptionsForm::Item(form.Animation, i);
            EXPECT_GE(item->width(), item->sizeHint().width()) << item->text().toStdString();
        }
    }

    // Opening shows the game's value; Save hands back the choice; Cancel nothing.
    for (const bool start : {true, false}) {
        for (const bool save : {true, false}) {
            SCOPED_TRACE(std::string(start ? "on" : "off") + (save ? ", saved" : ", cancelled"));
            host.FAnimateCards = start;
            host.FFreshRun = true;
            TOptionsForm form(host);
            EXPECT_EQ(TOptionsForm::ItemIndex(form.Animation), start ? 1 : 0);
            Click(form.Animation, start ? 0 : 1);
            (save ? form.SaveBtn : form.CancelBtn)->click();
            EXPECT_EQ(host.FAnimateCards, save ? !start : start);
        }
    }

    // From the keyboard: Tab from the card backs, an arrow, Enter.
    host.FAnimateCards = true;
    ScriptedModalDialogs modals{ScriptedModalDialogs::For<TOptionsForm>([&](TOptionsForm& form) {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        TOptionsForm::Item(form.CardBack, 0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(Focus(), QStringLiteral("Animation: Yes"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_EQ(Focus(), QStringLiteral("Animation: No"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return form.result();
    })};
    ShowOptionsDialog(host);
    EXPECT_FALSE(host.FAnimateCards);
}

TEST(OptionsForm, EscCancels)
{
    FakeHost host;
    ScriptedModalDialogs modals{ScriptedModalDialogs::For<TOptionsForm>([&](TOptionsForm& form) {
        form.show();
        Click(form.DeckSize, 1);
        QTest::keyClick(TOptionsForm::Item(form.DeckSize, 1), Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
        return form.result();
    })};
    EXPECT_FALSE(ShowOptionsDialog(host));
    EXPECT_TRUE(host.Calls.isEmpty());
}

} // namespace
