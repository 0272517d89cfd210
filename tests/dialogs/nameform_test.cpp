// The name dialog: its look, the refused empty name, the text handed back as
// typed (17 characters at most), Enter for OK, and every other way out
// giving no name.
#include "dialogs/nameform.h"
#include "tests/support/modaldialogs.h"
#include "tests/support/seams.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    EXPECT_EQ(form.Edit->maxLength(), 17);
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
