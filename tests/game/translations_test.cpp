// The interface in each language the program carries: the translation is
// built in and installs, the data texts stay English, and in every language
// no text of a fixed-size window is cut (each fits its control, and each
// control lies inside its window), no two controls of a window or items of a
// menu share an Alt letter, the list windows' lines fit without scrolling
// sideways, and no frame of the options dialog crosses a text.
#include "cardlib/lucarddeck.h"
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
#include "network/portmapping.h"
#include "platform/stringtable.h"
#include "platform/translations.h"
#include "tests/dialogs/fakeracelist.h"
#include "tests/game/gametesting.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>

#include <map>
#include <memory>
#include <optional>
#include <vector>

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
        // A label of several lines (the waiting window's): its widest line,
        // and every line's height.
        QSize TextSize;
        if (auto* Label = qobject_cast<QLabel*>(W); Label && !Label->text().isEmpty() && !Label->wordWrap()) {
            const QStringList Lines = Label->text().split(u'\n');
            for (const QString& Line : Lines)
                TextSize.setWidth(std::max(TextSize.width(), Metrics.horizontalAdvance(Line)));
            TextSize.setHeight(Metrics.height() + static_cast<int>(Lines.size() - 1) * Metrics.lineSpacing());
            Shown = QStyle::alignedRect(Label->layoutDirection(), Label->alignment(), TextSize, Label->contentsRect());
        }
        const QRect InWindow = Shown.translated(W->mapTo(&Window, QPoint(0, 0)));
        EXPECT_TRUE(Window.rect().contains(InWindow)) << What.toStdString() << " lies outside the window";
        if (auto* Label = qobject_cast<QLabel*>(W); Label && !Label->text().isEmpty() && !Label->wordWrap()) {
            EXPECT_LE(TextSize.width(), Label->contentsRect().width())
                << What.toStdString() << " cuts \"" << Label->text().toStdString() << '"';
            EXPECT_LE(TextSize.height(), Label->contentsRect().height())
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

// The Alt letter of a text ("&&" is a plain ampersand), lower case; none when
// the text has no "&".
QChar AltLetter(const QString& Text)
{
    for (qsizetype I = 0; I + 1 < Text.size(); ++I) {
        if (Text[I] != u'&')
            continue;
        if (Text[I + 1] != u'&')
            return Text[I + 1].toLower();
        ++I;
    }
    return {};
}

// Each Alt letter belongs to one text only.
void ExpectUniqueAltLetters(const QString& Where, const QStringList& Texts)
{
    std::map<QChar, QString> Owners;
    for (const QString& Text : Texts) {
        const QChar Letter = AltLetter(Text);
        if (Letter.isNull())
            continue;
        const auto [Owner, Fresh] = Owners.emplace(Letter, Text);
        EXPECT_TRUE(Fresh) << Where.toStdString() << ": \"" << Text.toStdString() << "\" and \""
                           << Owner->second.toStdString() << "\" share Alt+" << QString(Letter).toStdString();
    }
}

// The texts of a window that can carry an Alt letter: its menu bar's items,
// its buttons (push and radio), its groups' titles and the labels that lead
// to a control; hidden ones too, as they show at times (Pause during a deal).
void ExpectUniqueAltLetters(QWidget& Window, const QString& Language)
{
    QStringList Texts;
    if (const auto* Main = qobject_cast<const QMainWindow*>(&Window))
        for (const QAction* Item : Main->menuBar()->actions())
            Texts << Item->text();
    for (const QWidget* W : Window.findChildren<QWidget*>()) {
        if (W->objectName().startsWith(QLatin1String("qt_")))
            continue; // Qt's own parts, such as the menu bar's extension button
        if (const auto* Button = qobject_cast<const QAbstractButton*>(W))
            Texts << Button->text();
        else if (const auto* Group = qobject_cast<const QGroupBox*>(W))
            Texts << Group->title();
        else if (const auto* Label = qobject_cast<const QLabel*>(W); Label && Label->buddy())
            Texts << Label->text();
    }
    ExpectUniqueAltLetters(QStringLiteral("%1 in \"%2\"").arg(Window.objectName(), Language), Texts);
}

void ExpectUniqueAltLetters(const QList<QAction*>& Actions, const QString& Where)
{
    QStringList Texts;
    for (const QAction* Action : Actions)
        Texts << Action->text();
    ExpectUniqueAltLetters(Where, Texts);
}

// Every line of the list shows whole in its width: no scroll bar sideways.
void ExpectLinesFit(QListWidget* List, const QString& Where)
{
    List->window()->show();
    List->doItemsLayout();
    QCoreApplication::processEvents();
    ASSERT_GT(List->count(), 0);
    for (int Row = 0; Row < List->count(); ++Row) {
        const QListWidgetItem* Item = List->item(Row);
        EXPECT_LE(List->fontMetrics().horizontalAdvance(Item->text()), List->viewport()->width())
            << Where.toStdString() << " cuts \"" << Item->text().toStdString() << '"';
    }
    EXPECT_FALSE(List->horizontalScrollBar()->isVisible()) << Where.toStdString();
}

QImage Shot(QWidget& Window)
{
    return Window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The bounding box of the pixels that differ between two shots, within Area.
QRect Changed(const QImage& A, const QImage& B, const QRect& Area)
{
    QRect Box;
    for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
        for (int X = Area.left(); X <= Area.right(); ++X)
            if (A.pixel(X, Y) != B.pixel(X, Y))
                Box |= QRect(X, Y, 1, 1);
    return Box;
}

// How many pixels of Area are not Colour.
int Other(const QImage& Image, const QRect& Area, QRgb Colour)
{
    int Count = 0;
    for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
        for (int X = Area.left(); X <= Area.right(); ++X)
            Count += Image.pixel(X, Y) != Colour;
    return Count;
}

// With the items hidden and the groups' titles drawn in no colour at all,
// every item's rectangle and every title's place is bare face; the preview
// leaves the right line of the backs' group whole and paints beside it.
void ExpectFramesCrossNoText(TOptionsForm& Form, const QString& Language)
{
    const QRgb Face = Form.palette().color(QPalette::Window).rgb();
    const QList<QGroupBox*> Groups = Form.findChildren<QGroupBox*>();
    for (QRadioButton* Item : Form.findChildren<QRadioButton*>())
        Item->hide();
    const QImage Titled = Shot(Form);
    for (QGroupBox* Group : Groups) {
        QPalette Palette = Group->palette();
        Palette.setColor(QPalette::WindowText, Qt::transparent);
        Group->setPalette(Palette);
    }
    const QImage Bare = Shot(Form);
    for (const QGroupBox* Group : Groups) {
        const std::string What = Language.toStdString() + ": " + Group->objectName().toStdString();
        const QRect Title = Changed(Titled, Bare, Group->geometry());
        ASSERT_FALSE(Title.isEmpty()) << What << " shows no title";
        EXPECT_EQ(Other(Bare, Title.adjusted(-1, -1, 1, 1), Face), 0) << What << "'s title is crossed";
        for (const QRadioButton* Item : Group->findChildren<QRadioButton*>()) {
            const QRect Place(Item->mapTo(&Form, QPoint(0, 0)), Item->size());
            EXPECT_EQ(Other(Bare, Place, Face), 0) << What << ": \"" << Item->text().toStdString()
                                                  << "\" is crossed";
        }
        // The frame is there all the same, down its left side.
        EXPECT_NE(Bare.pixel(Group->x(), Group->geometry().center().y()), Face) << What;
    }

    const QRect Backs = Form.CardBack->geometry();
    const QRect Preview = Form.OptionDeck->geometry();
    const QRgb Line = Bare.pixel(Backs.right(), Backs.top() + 40);
    ASSERT_NE(Line, Face);
    for (int Y = Preview.top(); Y <= Preview.bottom(); ++Y)
        ASSERT_EQ(Bare.pixel(Backs.right(), Y), Line) << Language.toStdString() << ": the preview cuts the line at "
                                                      << Y;
    // What the preview paints, against the dialog without it.
    Form.OptionDeck->hide();
    const QRect Drawn = Changed(Bare, Shot(Form), Form.rect());
    ASSERT_FALSE(Drawn.isEmpty());
    EXPECT_GT(Drawn.left(), Backs.right()) << Language.toStdString();
    EXPECT_TRUE(Form.rect().contains(Drawn));
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
    // The host's waiting window with the longest addresses and each of the
    // router's answers, a refusal with the longest reason a router may give.
    using network::TPortMapResult;
    const TPortMapResult Answers[] = {
        {TPortMapResult::TKind::Mapped, QStringLiteral("UPnP"), QStringLiteral("203.255.255.255"), 65535, {}},
        {TPortMapResult::TKind::Mapped, QStringLiteral("UPnP"), QStringLiteral("2001:db8:ffff:ffff:ffff:ffff:ffff:ffff"), 65535, {}},
        {TPortMapResult::TKind::Refused, QStringLiteral("UPnP"), {}, 0,
         QString(network::MaxRouterReasonLength / 10, u' ').replace(u' ', QStringLiteral("Mmmmmmmmm "))},
        {TPortMapResult::TKind::NoRouter, {}, {}, 0, {}},
    };
    std::vector<std::optional<TPortMapResult>> Shown{std::nullopt}; // still asking
    Shown.insert(Shown.end(), std::begin(Answers), std::end(Answers));
    for (const std::optional<TPortMapResult>& Answer : Shown) {
        TRaceWaitForm Host(QStringLiteral("Velto"),
                           {QCoreApplication::translate("TNetRaceSetup", "Waiting for the other player to join at"),
                            QStringLiteral("192.168.100.200:47251"),
                            QStringLiteral("[2001:db8:ffff:ffff:ffff:ffff:ffff:ffff]:47251"),
                            network::TPortMapping::Describe(Answer, 47251)});
        Host.setObjectName(QStringLiteral("HostWait"));
        ExpectTextsFit(Host, Language);
        // And with someone at the door, named at the longest.
        Host.Ask(QCoreApplication::translate("TNetRaceSetup", "%1 wants to race.").arg(QString(20, u'W')));
        ExpectTextsFit(Host, Language);
    }

    // The join window with the races on the network: each note over the
    // empty list in the lines it has, and a row at its longest.
    TFakeRaceList Races;
    Races.Failure = QStringLiteral("An unexpected D-Bus error occurred");
    TRaceSetupForm Listed(true, QStringLiteral("Ann"), QString(), nullptr, &Races);
    for (const auto State : {TRaceList::TState::Looking, TRaceList::TState::Ready, TRaceList::TState::NoDaemon,
                             TRaceList::TState::Failed}) {
        Races.Set(State);
        ExpectTextsFit(Listed, Language);
        EXPECT_LE(Listed.RacesNote->heightForWidth(Listed.RacesNote->width()), Listed.RacesNote->height())
            << "the note \"" << Listed.RacesNote->text().toStdString() << "\" in \"" << Language.toStdString() << '"';
    }
    Races.Set(TRaceList::TState::Ready, {{QString(20, u'W'), QStringLiteral("192.168.100.200:47251")}});
    ExpectTextsFit(Listed, Language);
}

// Alt+letter reaches one control of a window, and one item of a menu.
TEST_P(TranslatedWindows, AltLettersAreUniqueInEveryWindowAndMenu)
{
    const QString Language = QString::fromLatin1(GetParam());
    const TLanguage Installed(Language);

    TMainForm& F = Open();
    F.setObjectName(QStringLiteral("MainForm"));
    ExpectUniqueAltLetters(F, Language);
    for (const QAction* Item : F.menuBar()->actions())
        if (Item->menu())
            ExpectUniqueAltLetters(Item->menu()->actions(), QStringLiteral("%1 in \"%2\"").arg(Item->text(), Language));

    dialogs.Then(ScriptedModalDialogs::For<TOptionsForm>([&](TOptionsForm& Form) {
        ExpectUniqueAltLetters(Form, Language);
        return Press(Form, Form.CancelBtn);
    }));
    F.OptionsMenuClick();
    dialogs.Then(ScriptedModalDialogs::For<TScoreForm>([&](TScoreForm& Form) {
        ExpectUniqueAltLetters(Form, Language);
        Form.StatisticsBtn->click();
        return Press(Form, Form.OkBtn);
    }));
    dialogs.Then(ScriptedModalDialogs::For<TStatisticsForm>([&](TStatisticsForm& Form) {
        ExpectUniqueAltLetters(Form, Language);
        return Press(Form, Form.OkBtn);
    }));
    F.ScoresMenuClick();
    EXPECT_EQ(dialogs.Unused(), 0u);

    TAboutForm About;
    ExpectUniqueAltLetters(About, Language);
    TNameForm Name;
    ExpectUniqueAltLetters(Name, Language);
    for (const bool Joining : {false, true}) {
        TRaceSetupForm Setup(Joining, QStringLiteral("Ann"), QStringLiteral("47251"));
        ExpectUniqueAltLetters(Setup, Language);
        const std::unique_ptr<QMenu> EditMenu(Setup.NameEdit->createStandardContextMenu());
        ExpectUniqueAltLetters(EditMenu->actions(), QStringLiteral("the name's menu in \"%1\"").arg(Language));
    }
    TRaceWaitForm Wait(QStringLiteral("Velto"), {QStringLiteral("192.168.100.200:47251")});
    ExpectUniqueAltLetters(Wait, Language);
    TFakeRaceList Races;
    TRaceSetupForm Listed(true, QStringLiteral("Ann"), QString(), nullptr, &Races);
    Listed.setObjectName(QStringLiteral("RaceSetupFormListed"));
    ExpectUniqueAltLetters(Listed, Language);
    QMessageBox Question(QMessageBox::Question, QStringLiteral("Velto"), QStringLiteral("?"),
                         QMessageBox::Yes | QMessageBox::No);
    Question.setObjectName(QStringLiteral("Question"));
    ExpectUniqueAltLetters(Question, Language);
}

// The Hall of Fame's and the statistics' lines show whole, with no scroll bar
// sideways, the races' tables too.
TEST_P(TranslatedWindows, TheListWindowsLinesFit)
{
    const QString Language = QString::fromLatin1(GetParam());
    const TLanguage Installed(Language);

    TMainForm& F = Open();
    F.RaceRecords.RecordWin(1, 61000, 1526, QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    F.RaceRecords.RecordTie(2);
    F.RaceRecords.RecordLoss(2);
    dialogs.Then(ScriptedModalDialogs::For<TScoreForm>([&](TScoreForm& Form) {
        ExpectLinesFit(Form.List, QStringLiteral("the Hall of Fame in \"%1\"").arg(Language));
        Form.StatisticsBtn->click();
        return Press(Form, Form.OkBtn);
    }));
    dialogs.Then(ScriptedModalDialogs::For<TStatisticsForm>([&](TStatisticsForm& Form) {
        ExpectLinesFit(Form.List, QStringLiteral("the statistics in \"%1\"").arg(Language));
        return Press(Form, Form.OkBtn);
    }));
    F.ScoresMenuClick();
    EXPECT_EQ(dialogs.Unused(), 0u);
}

// The options dialog's frames cross no text, and the card back's preview
// cuts no frame.
TEST_P(TranslatedWindows, TheOptionsFramesCrossNoText)
{
    const QString Language = QString::fromLatin1(GetParam());
    const TLanguage Installed(Language);

    TMainForm& F = Open();
    dialogs.Then(ScriptedModalDialogs::For<TOptionsForm>([&](TOptionsForm& Form) {
        ExpectFramesCrossNoText(Form, Language);
        return Press(Form, Form.CancelBtn);
    }));
    F.OptionsMenuClick();
    EXPECT_EQ(dialogs.Unused(), 0u);
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
