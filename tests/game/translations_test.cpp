// The interface in each language the program carries: the translation is
// built in and installs, the data texts stay English, and in every language
// no text of a fixed-size window is cut (each fits its control, and each
// control lies inside its window).
#include "dialogs/aboutform.h"
#include "dialogs/halloffame.h"
#include "dialogs/nameform.h"
#include "dialogs/optionsform.h"
#include "dialogs/racesetupform.h"
#include "dialogs/racewaitform.h"
#include "dialogs/scoreform.h"
#include "dialogs/settingsfile.h"
#include "dialogs/splashform.h"
#include "dialogs/statisticsform.h"
#include "dialogs/statisticstext.h"
#include "platform/stringtable.h"
#include "platform/translations.h"
#include "tests/game/gametesting.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>

namespace {

using namespace gametesting;
using testing_support::Press;
using testing_support::ScriptedModalDialogs;

// English again after each test, whatever it installed.
struct TLanguage {
    explicit TLanguage(const QString& Language) { Installed = platform::InstallTranslation(Language); }
    ~TLanguage() { platform::InstallTranslation(QString()); }
    bool Installed = false;
};

QString WithoutMnemonic(QString Text)
{
    return Text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// Every visible text of Window fits: a label's text within its rectangle, a
// button's text within the button with room for its frame, a radio button
// within itself and its group, a group's title over its frame; and every
// control lies inside the window.
void ExpectTextsFit(QWidget& Window, const QString& Language)
{
    const QString Where = QStringLiteral("%1 in \"%2\": ").arg(Window.objectName(), Language);
    for (QWidget* W : Window.findChildren<QWidget*>()) {
        if (!W->isVisibleTo(&Window) || W->isWindow())
            continue;
        const QString What = Where + W->metaObject()->className() + u' ' + W->objectName();
        const QFontMetrics Metrics(W->font());
        // What shows: a label's text where its alignment puts it (a label may
        // reach past the window's edge where its text does not), else the
        // whole control.
        QRect Shown = W->rect();
        if (auto* Label = qobject_cast<QLabel*>(W); Label && !Label->text().isEmpty() && !Label->wordWrap())
            Shown = QStyle::alignedRect(Label->layoutDirection(), Label->alignment(),
                                        QSize(Metrics.horizontalAdvance(Label->text()), Metrics.height()),
                                        Label->contentsRect());
        const QRect InWindow = Shown.translated(W->mapTo(&Window, QPoint(0, 0)));
        EXPECT_TRUE(Window.rect().contains(InWindow)) << What.toStdString() << " lies outside the window";
        if (auto* Label = qobject_cast<QLabel*>(W); Label && !Label->text().isEmpty() && !Label->wordWrap()) {
            EXPECT_LE(Metrics.horizontalAdvance(Label->text()), Label->contentsRect().width())
                << What.toStdString() << " cuts \"" << Label->text().toStdString() << '"';
        } else if (auto* Radio = qobject_cast<QRadioButton*>(W)) {
            EXPECT_LE(Radio->sizeHint().width(), Radio->width())
                << What.toStdString() << " cuts \"" << Radio->text().toStdString() << '"';
        } else if (auto* Button = qobject_cast<QPushButton*>(W)) {
            EXPECT_LE(Metrics.horizontalAdvance(WithoutMnemonic(Button->text())) + 8, Button->width())
                << What.toStdString() << " cuts \"" << Button->text().toStdString() << '"';
        } else if (auto* Group = qobject_cast<QGroupBox*>(W)) {
            EXPECT_LE(Metrics.horizontalAdvance(Group->title()) + 16, Group->width())
                << What.toStdString() << " cuts \"" << Group->title().toStdString() << '"';
        }
    }
}

TEST(Translations, TheLanguageFollowsTheLocaleVariables)
{
    EXPECT_EQ(platform::AvailableLanguages(),
              (QStringList{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")}));
    EXPECT_FALSE(platform::InstallTranslation(QStringLiteral("xx")));
    EXPECT_FALSE(platform::InstallTranslation(QString()));
}

// For each language: the window's own texts are translated, and none is cut.
class TranslatedWindows : public GameTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(TranslatedWindows, EveryTextFitsItsWindow)
{
    const QString Language = QString::fromLatin1(GetParam());
    const TLanguage Installed(Language);
    ASSERT_EQ(Installed.Installed, !Language.isEmpty());

    TMainForm& F = Open();
    ExpectTextsFit(F, Language);
    // The menu bar holds its items on one line.
    int MenuWidth = 0;
    for (QAction* Action : F.menuBar()->actions())
        MenuWidth += F.menuBar()->actionGeometry(Action).width();
    EXPECT_LE(MenuWidth, F.menuBar()->width());
    // "Score :" ends before the score begins.
    EXPECT_LE(F.Label9->x() + QFontMetrics(F.Label9->font()).horizontalAdvance(F.Label9->text()), F.ScoreLabel->x());

    dialogs.Then(ScriptedModalDialogs::For<TOptionsForm>([&](TOptionsForm& Form) {
        ExpectTextsFit(Form, Language);
        return Press(Form, Form.CancelBtn);
    }));
    F.OptionsMenuClick();
    dialogs.Then(ScriptedModalDialogs::For<TScoreForm>([&](TScoreForm& Form) {
        ExpectTextsFit(Form, Language);
        Form.StatisticsBtn->click();
        return Press(Form, Form.OkBtn);
    }));
    dialogs.Then(ScriptedModalDialogs::For<TStatisticsForm>([&](TStatisticsForm& Form) {
        ExpectTextsFit(Form, Language);
        return Press(Form, Form.OkBtn);
    }));
    F.ScoresMenuClick();
    EXPECT_EQ(dialogs.Unused(), 0u);

    TAboutForm About;
    About.VersionLabel->setText(platform::LoadStr(65154));
    ExpectTextsFit(About, Language);
    TNameForm Name;
    ExpectTextsFit(Name, Language);
    TSplashForm Splash;
    ExpectTextsFit(Splash, Language);
    for (const bool Joining : {false, true}) {
        TRaceSetupForm Setup(Joining, QStringLiteral("Ann"), QStringLiteral("47251"));
        ExpectTextsFit(Setup, Language);
    }
    TRaceWaitForm Wait(QStringLiteral("Velto"), {QStringLiteral("192.168.100.200:47251")});
    ExpectTextsFit(Wait, Language);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindows, ::testing::Values("", "de", "fr", "es"),
                         [](const auto& Info) { return std::string(*Info.param ? Info.param : "en"); });

TEST(Translations, GermanTextsAndTheDataThatStaysEnglish)
{
    const TLanguage German(QStringLiteral("de"));
    ASSERT_TRUE(German.Installed);
    TNameForm Name;
    EXPECT_EQ(Name.windowTitle(), QStringLiteral("Name"));
    EXPECT_EQ(platform::LoadStr(65139), QStringLiteral("Spiel abbrechen und beenden?"));
    // The sections of the settings file are data: English in every language,
    // so a file reads the same whatever language wrote it.
    EXPECT_EQ(TSettingsFile::TableTitle(1, 2, 5), QStringLiteral("Single Deck - Las Vegas Scoring - Easy"));
    EXPECT_EQ(TSettingsFile::DisplayTitle(1, 2, 5), QStringLiteral("Ein Deck - Las-Vegas-Wertung - Leicht"));
    EXPECT_EQ(platform::LoadUntranslatedStr(65139), QStringLiteral("Quit game and exit?"));
    EXPECT_EQ(TGameStatistics::KeyName(2, 3), QStringLiteral("Deck2Level3"));
    EXPECT_EQ(StatisticsLines(TGameStatistics())[0], QStringLiteral("Ein Deck - Spiele"));
}

// In each language the names of the Hall of Fame start under the heading's
// last word, as they do in English.
TEST(Translations, TheHallOfFameHeadingLinesUpInEveryLanguage)
{
    for (const char* Language : {"", "de", "fr", "es"}) {
        const TLanguage Installed(QString::fromLatin1(Language));
        const QStringList Lines = HallOfFameLines(THallOfFameTable());
        const QString Heading = Lines[1];
        const qsizetype NameColumn = RankLine(1, THallOfFameEntry{1526, QStringLiteral("Ann")}).indexOf(u'A');
        EXPECT_EQ(Heading.lastIndexOf(u' ') + 1, NameColumn) << Language << ": " << Heading.toStdString();
    }
}

} // namespace
