// The name dialog: its look, the refused empty name, the text handed back as
// typed (17 characters as the player sees them at most, never cut inside
// one), Enter for OK, and every other way out giving no name.
#include "dialogs/nameform.h"
#include "dialogs/namevalidator.h"
#include "tests/support/modaldialogs.h"
#include "tests/support/seams.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using platform::MsgButtons;
using platform::MsgType;
using testing_support::Press;
using testing_support::ScriptedMessageBoxes;
using testing_support::ScriptedModalDialogs;

TEST(NameForm, Layout)
{
    TNameForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Name"));
    EXPECT_EQ(form.size(), QSize(254, 123));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Enter your name for the Hall of Fame"));
    EXPECT_EQ(form.Edit->geometry(), QRect(66, 48, 121, 21));
    // Seventeen characters as the player sees them, not UTF-16 units.
    const auto* Limit = qobject_cast<const TNameValidator*>(form.Edit->validator());
    ASSERT_NE(Limit, nullptr);
    EXPECT_EQ(Limit->MaxLength(), 17);
    EXPECT_TRUE(form.Edit->text().isEmpty());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("&Ok"));
    EXPECT_EQ(form.Button1->geometry(), QRect(89, 88, 75, 25));
    EXPECT_TRUE(form.Button1->isDefault());
}

TEST(NameForm, EmptyNameIsRefusedAndTheDialogStaysOpen)
{
    ScriptedMessageBoxes boxes{platform::MsgResult::Ok};
    ScriptedModalDialogs modals{ScriptedModalDialogs::For<TNameForm>([](TNameForm& form) {
        QSignalSpy finished(&form, &QDialog::finished);
        form.Button1->click();
        EXPECT_EQ(finished.count(), 0);
        QTest::keyClicks(form.Edit, QStringLiteral("Ann"));
        return Press(form, form.Button1);
    })};
    EXPECT_EQ(AskName(), std::optional<QString>(QStringLiteral("Ann")));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Please enter your name"));
    EXPECT_EQ(boxes.Boxes()[0].type, MsgType::Error);
    EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(modals.Titles(), QStringList{QStringLiteral("Name")});
}

TEST(NameForm, TheNameComesBackAsTypedUpToSeventeenCharacters)
{
    const struct
    {
        QString typed;
        QString name;
    } cases[] = {
        {QStringLiteral(" "), QStringLiteral(" ")},
        {QStringLiteral("  Ann  Lee  "), QStringLiteral("  Ann  Lee  ")},
        {QStringLiteral("O`Brien"), QStringLiteral("O`Brien")},
        {QStringLiteral("ABCDEFGHIJKLMNOPQ"), QStringLiteral("ABCDEFGHIJKLMNOPQ")},
        {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), QStringLiteral("ABCDEFGHIJKLMNOPQ")},
    };
    for (const auto& c : cases) {
        ScriptedModalDialogs modals{ScriptedModalDialogs::For<TNameForm>([&](TNameForm& form) {
            QTest::keyClicks(form.Edit, c.typed);
            return Press(form, form.Button1);
        })};
        EXPECT_EQ(AskName(), std::optional<QString>(c.name)) << c.typed.toStdString();
    }
}

// What a keyboard or an input method delivers: one key event a code point,
// an emoji whole (both halves of its surrogate pair), an accent on its own
// after its letter. QTest::keyClicks knows Latin-1 only.
void Type(QWidget* Widget, const QString& Text)
{
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const qsizetype Units = Text.at(I).isHighSurrogate() && I + 1 < Text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, Widget, Qt::Key_unknown, Text.mid(I, Units), Qt::NoModifier);
        I += Units - 1;
    }
}

// Half an emoji: a surrogate without its other half.
bool HasHalfACharacter(const QString& Name)
{
    for (qsizetype I = 0; I < Name.size(); ++I) {
        if (Name.at(I).isHighSurrogate() && I + 1 < Name.size() && Name.at(I + 1).isLowSurrogate())
            ++I;
        else if (Name.at(I).isSurrogate())
            return true;
    }
    return false;
}

TEST(NameForm, TheLimitCountsCharactersAsSeenWhateverWayTheyComeIn)
{
    const QString E = QString::fromUtf8("\xF0\x9F\x98\x80");        // an emoji: two UTF-16 units
    const QString Acute = QStringLiteral("e\u0301");                  // e and a combining accent
    const QString Cjk = QString::fromUtf8("\xE6\x97\xA5");           // one unit, wide
    const QString Flag = QString::fromUtf8("\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7"); // two code points, one character
    const QString A16 = QStringLiteral("ABCDEFGHIJKLMNOP");
    enum How { Typed, Pasted, Set };
    const struct {
        const char* what;
        QString before;  // the box's text first
        int cursor;      // and where its cursor stands, -1 at the end
        How how;
        QString text;
        QString name;    // what the dialog gives back
    } cases[] = {
        {"emoji typed past the limit", {}, -1, Typed, E.repeated(18), E.repeated(17)},
        {"an emoji as the seventeenth character", {}, -1, Typed, A16 + E + QStringLiteral("x"), A16 + E},
        {"letters with accents typed, then one more letter", {}, -1, Typed, Acute.repeated(17) + QStringLiteral("x"),
         Acute.repeated(17)},
        {"an accent on the seventeenth letter", {}, -1, Typed, A16 + Acute, A16 + Acute},
        {"CJK typed past the limit", {}, -1, Typed, Cjk.repeated(18), Cjk.repeated(17)},
        {"typed into a full box, nothing changes", E.repeated(17), 2, Typed, QStringLiteral("x"), E.repeated(17)},
        {"a long paste keeps what fits", QStringLiteral("Ann"), -1, Pasted, E.repeated(20), QStringLiteral("Ann") + E.repeated(14)},
        {"pasted into the middle, the rest stays", QStringLiteral("AnnLee"), 3, Pasted, Acute.repeated(20),
         QStringLiteral("Ann") + Acute.repeated(11) + QStringLiteral("Lee")},
        {"flags pasted: two code points each", {}, -1, Pasted, Flag.repeated(18), Flag.repeated(17)},
        {"a mix pasted at the limit", A16, -1, Pasted, Cjk + E + Acute, A16 + Cjk},
        {"set past the limit", {}, -1, Set, A16 + E + E, A16 + E},
        {"half an emoji pasted becomes the space it would be stored as", QStringLiteral("Ann"), -1, Pasted,
         E.left(1), QStringLiteral("Ann ")},
        {"a tab and an escape pasted", {}, -1, Pasted, QStringLiteral("A\tB\x1B"), QStringLiteral("A B ")},
        {"a backquote stays in the box", {}, -1, Typed, QStringLiteral("O`Brien"), QStringLiteral("O`Brien")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedModalDialogs modals{ScriptedModalDialogs::For<TNameForm>([&](TNameForm& form) {
            form.Edit->setText(c.before);
            form.Edit->setCursorPosition(c.cursor < 0 ? static_cast<int>(c.before.size()) : c.cursor);
            switch (c.how) {
            case Typed:
                Type(form.Edit, c.text);
                break;
            case Pasted:
                QGuiApplication::clipboard()->setText(c.text);
                form.Edit->paste();
                break;
            case Set:
                form.Edit->setText(c.text);
                break;
            }
            return Press(form, form.Button1);
        })};
        const std::optional<QString> name = AskName();
        ASSERT_TRUE(name.has_value());
        EXPECT_EQ(*name, c.name);
        EXPECT_FALSE(HasHalfACharacter(*name));
    }
}

TEST(NameForm, EnterInTheEditBoxPressesOk)
{
    ScriptedModalDialogs modals{ScriptedModalDialogs::For<TNameForm>([](TNameForm& form) {
        // The default button answers Enter only while the dialog is shown.
        form.show();
        QTest::keyClicks(form.Edit, QStringLiteral("Bo"));
        QTest::keyClick(form.Edit, Qt::Key_Return);
        return form.result();
    })};
    EXPECT_EQ(AskName(), std::optional<QString>(QStringLiteral("Bo")));
}

TEST(NameForm, EveryOtherWayOutGivesNoName)
{
    const struct
    {
        const char* what;
        std::function<void(TNameForm&)> leave;
    } cases[] = {
        {"Esc", [](TNameForm& form) { QTest::keyClick(form.Edit, Qt::Key_Escape); }},
        {"the window's close", [](TNameForm& form) { form.close(); }},
        {"reject", [](TNameForm& form) { form.reject(); }},
    };
    for (const auto& c : cases) {
        ScriptedModalDialogs modals{ScriptedModalDialogs::For<TNameForm>([&](TNameForm& form) {
            form.show();
            QTest::keyClicks(form.Edit, QStringLiteral("Half typed"));
            c.leave(form);
            EXPECT_FALSE(form.isVisible()) << c.what;
            return form.result();
        })};
        EXPECT_EQ(AskName(), std::nullopt) << c.what;
    }
}

} // namespace
