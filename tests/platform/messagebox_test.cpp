#include "platform/application.h"
#include "platform/messagebox.h"
#include "tests/support/seams.h"

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QProxyStyle>
#include <QTimer>

#include <map>

#include <gtest/gtest.h>

using platform::MessageDlg;
using platform::MsgButtons;
using platform::MsgResult;
using platform::MsgType;

namespace {

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    std::map<QMessageBox::StandardButton, qint64> iconKeys; // of each button's icon
};

// Shows a real box and presses one of its buttons from inside its loop
// (looking again until the box is up, so the test cannot hang on it).
MsgResult ShowAndPress(MsgType type, MsgButtons buttons, QMessageBox::StandardButton press,
                       SeenBox* seen)
{
    QTimer presser;
    presser.setInterval(5);
    QObject::connect(&presser, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        presser.stop();
        *seen = SeenBox{box->windowTitle(), box->text(), box->icon(), box->standardButtons(), {}};
        for (QAbstractButton* button : box->buttons())
            seen->iconKeys[box->standardButton(button)] = button->icon().cacheKey();
        if (press == QMessageBox::NoButton)
            box->reject(); // closed with Escape
        else
            box->button(press)->click();
    });
    presser.start();
    return MessageDlg(QStringLiteral("Quit game and exit?"), type, buttons);
}

TEST(MessageBox, RealBoxesOfTheFourKinds)
{
    platform::Application* app = platform::Application::instance();
    const QString oldTitle = app->Title();
    app->SetTitle(QStringLiteral("Velto"));
    const struct
    {
        MsgType type;
        MsgButtons buttons;
        QMessageBox::StandardButton press;
        QMessageBox::Icon icon;
        MsgResult result;
    } cases[] = {
        {MsgType::Information, MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Information,
         MsgResult::Ok},
        {MsgType::Warning, MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Warning, MsgResult::Ok},
        {MsgType::Error, MsgButtons::Ok, QMessageBox::NoButton, QMessageBox::Critical,
         MsgResult::Ok},
        {MsgType::Confirmation, MsgButtons::YesNo, QMessageBox::Yes, QMessageBox::Question,
         MsgResult::Yes},
        {MsgType::Confirmation, MsgButtons::YesNo, QMessageBox::No, QMessageBox::Question,
         MsgResult::No},
        {MsgType::Confirmation, MsgButtons::YesNo, QMessageBox::NoButton, QMessageBox::Question,
         MsgResult::No},
    };
    for (const auto& c : cases) {
        SeenBox seen;
        EXPECT_EQ(ShowAndPress(c.type, c.buttons, c.press, &seen), c.result);
        EXPECT_EQ(seen.title, QStringLiteral("Velto"));
        EXPECT_EQ(seen.text, QStringLiteral("Quit game and exit?"));
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons == MsgButtons::Ok
                                    ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                    : QMessageBox::Yes | QMessageBox::No);
    }
    app->SetTitle(oldTitle);
}

// Button icons, as the styles of the desktop themes show them (the offscreen
// platform's shows none).
class ButtonIconsStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Qt caches every icon it paints under that icon's own key, so a box whose
// buttons had icons of their own would leave a dead cache entry behind for
// each button: a long session of deals, two boxes each, kept growing.
TEST(MessageBox, EveryBoxShowsTheSameIconForTheSameButton)
{
    platform::Application* app = platform::Application::instance();
    QApplication::setStyle(new ButtonIconsStyle(app->style()->name()));
    struct RestoreStyle
    {
        platform::Application* app;
        ~RestoreStyle() { app->SetHintPause(app->HintPause()); } // puts the game's style back
    } restore{app};

    const struct
    {
        MsgType type;
        MsgButtons buttons;
        QMessageBox::StandardButton press;
    } boxes[] = {
        {MsgType::Information, MsgButtons::Ok, QMessageBox::Ok},
        {MsgType::Confirmation, MsgButtons::YesNo, QMessageBox::Yes},
        {MsgType::Warning, MsgButtons::Ok, QMessageBox::Ok},
        {MsgType::Confirmation, MsgButtons::YesNo, QMessageBox::No},
        {MsgType::Information, MsgButtons::Ok, QMessageBox::Ok},
        {MsgType::Confirmation, MsgButtons::YesNo, QMessageBox::Yes},
    };
    std::map<QMessageBox::StandardButton, qint64> firstKeys;
    for (const auto& b : boxes) {
        SeenBox seen;
        ShowAndPress(b.type, b.buttons, b.press, &seen);
        ASSERT_EQ(seen.iconKeys.size(), b.buttons == MsgButtons::Ok ? 1u : 2u);
        for (const auto& [button, key] : seen.iconKeys) {
            ASSERT_NE(key, 0) << "button " << button << " shows no icon";
            const auto first = firstKeys.try_emplace(button, key).first;
            EXPECT_EQ(key, first->second) << "button " << button << " has an icon of its own";
        }
    }
    ASSERT_EQ(firstKeys.size(), 3u);
    EXPECT_NE(firstKeys[QMessageBox::Yes], firstKeys[QMessageBox::No]);
}

// A box's text may carry what the other player sent: a name that is a link
// must not become one (a click would open the browser), nor a reason a
// heading. Every label of the box shows the text as it is.
TEST(MessageBox, MarkupFromOutsideShowsLiterally)
{
    const char* texts[] = {
        "<a href=http://x.invalid>Ann</a> left the race.",
        "<h1>Refused</h1>",
        "<b>Ann</b> Won, Do you want to play again?",
        "Ann &amp; Bob <img src=x>",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const QString literal = QString::fromUtf8(text);
        QTimer reader;
        reader.setInterval(5);
        bool seen = false;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            reader.stop();
            seen = true;
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            int shown = 0;
            for (const QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text().isEmpty())
                    continue; // the icon
                ++shown;
                EXPECT_EQ(label->text(), literal);
                // Plain text has no anchors, so no linkActivated and no browser.
                EXPECT_EQ(label->textFormat(), Qt::PlainText);
            }
            EXPECT_EQ(shown, 1);
            box->reject();
        });
        reader.start();
        MessageDlg(literal, MsgType::Information, MsgButtons::YesNo);
        EXPECT_TRUE(seen);
    }
}

TEST(MessageBox, ScriptedAnswersAndRecord)
{
    using testing_support::ScriptedMessageBoxes;
    ScriptedMessageBoxes boxes{MsgResult::No, MsgResult::Yes};
    EXPECT_EQ(
        MessageDlg(QStringLiteral("Quit game and exit?"), MsgType::Confirmation, MsgButtons::YesNo),
        MsgResult::No);
    {
        ScriptedMessageBoxes inner{MsgResult::Ok};
        EXPECT_EQ(
            MessageDlg(QStringLiteral("Unable to write to x"), MsgType::Error, MsgButtons::Ok),
            MsgResult::Ok);
        EXPECT_EQ(inner.Texts(), QStringList{QStringLiteral("Unable to write to x")});
    }
    EXPECT_EQ(MessageDlg(QStringLiteral("Quit game and re-deal?"), MsgType::Confirmation,
                         MsgButtons::YesNo),
              MsgResult::Yes);
    boxes.SetFallback(MsgResult::Yes);
    EXPECT_EQ(MessageDlg(QStringLiteral("again"), MsgType::Confirmation, MsgButtons::YesNo),
              MsgResult::Yes);
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ(boxes.Boxes()[0].type, MsgType::Confirmation);
    EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(boxes.Texts()[1], QStringLiteral("Quit game and re-deal?"));
    EXPECT_EQ(boxes.Unused(), 0u);
}

} // namespace
