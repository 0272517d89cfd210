// The small windows' labels show their texts as they are. A name, an
// address or a version text can come from outside (the other player, the
// network, a file): as rich text a name could be a link that opens the
// browser, or a heading that fills the window.
#include "dialogs/aboutform.h"
#include "dialogs/racesetupform.h"
#include "dialogs/racewaitform.h"
#include "dialogs/scoreform.h"
#include "dialogs/splashform.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString LinkName = QStringLiteral("<a href=http://x.invalid>Ann</a>");
const QString Heading = QStringLiteral("<h1>Refused</h1>");

// Plain text has no anchors: no linkActivated, nothing for the browser.
void ExpectEveryLabelPlain(const QWidget& Window)
{
    const QList<QLabel*> Labels = Window.findChildren<QLabel*>();
    ASSERT_FALSE(Labels.isEmpty());
    for (const QLabel* Label : Labels) {
        SCOPED_TRACE(Label->objectName().toStdString());
        EXPECT_EQ(Label->textFormat(), Qt::PlainText);
        EXPECT_FALSE(Label->openExternalLinks());
    }
}

TEST(WindowLabels, EveryLabelShowsPlainText)
{
    const struct
    {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
    } windows[] = {
        {"About", [] { return std::make_unique<TAboutForm>(); }},
        {"Splash", [] { return std::make_unique<TSplashForm>(); }},
        {"Scores", [] { return std::make_unique<TScoreForm>(); }},
        {"Host", [] { return std::make_unique<TRaceSetupForm>(false, LinkName, QStringLiteral("47251")); }},
        {"Join", [] { return std::make_unique<TRaceSetupForm>(true, LinkName, Heading); }},
        {"Wait", [] { return std::make_unique<TRaceWaitForm>(LinkName, QStringList{Heading, LinkName}); }},
    };
    for (const auto& W : windows) {
        SCOPED_TRACE(W.name);
        const std::unique_ptr<QWidget> Window = W.make();
        ExpectEveryLabelPlain(*Window);
    }
}

// What the other player sent reads as typed, tags and all: the label needs
// the room of the whole literal text, which rich text (the tags gone) would not.
TEST(WindowLabels, TheWaitWindowShowsMarkupLiterally)
{
    const QString Line = QStringLiteral("Joining %1 ...").arg(LinkName);
    TRaceWaitForm Wait(QStringLiteral("Velto"), {Line, Heading});
    EXPECT_EQ(Wait.Text->text(), Line + u'\n' + Heading);
    const QFontMetrics Metrics(Wait.Text->font());
    EXPECT_GE(Wait.Text->sizeHint().width(), Metrics.horizontalAdvance(Line));
    EXPECT_GE(Wait.Text->sizeHint().height(), 2 * Metrics.height());
}

} // namespace
