#include "game/mainform.h"

#include "cardlib/lucard.h"
#include "dialogs/aboutform.h"
#include "dialogs/plainlabel.h"
#include "dialogs/settingsfile.h"
#include "dialogs/splashform.h"
#include "game/table/bevel.h"
#include "game/table/cardlayout.h"
#include "game/solo/gamedialogs.h"
#include "core/scoring.h"
#include "game/table/image.h"
#include "game/netrace/netracewindow.h"
#include "platform/fonts.h"
#include "platform/firstframe.h"
#include "platform/installpaths.h"
#include "platform/messagebox.h"
#include "platform/modal.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/stringtable.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr QColor Silver(192, 192, 192);

constexpr int BevelWidth = 73, BevelHeight = 98;
constexpr int BevelLefts[] = {53, 178, 272, 367, 462};
constexpr int ComputerRowTop = 23, UserRowTop = 343;

// The ring's JPEG decoded at build time (cmake/VeltoPictures.cmake): the
// same pixels, read as the other pictures are.
const QString RingPicture = QStringLiteral(":/pictures/ring.png");
const QString WaitSignPicture = QStringLiteral(":/pictures/waitsign.png");

template <typename W>
W* Place(W* widget, const char* name, int left, int top)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->move(left, top);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, const QString& text)
{
    QLabel* label = MakePlainLabel(parent, name, text);
    label->move(left, top);
    label->setAutoFillBackground(false);
    return label;
}

TImage* MakePicture(QWidget* parent, const char* name, int left, int top, int size, const QImage& picture)
{
    auto* image = Place(new TImage(parent), name, left, top);
    image->resize(size, size);
    image->SetTransparent(true);
    image->SetPicture(picture);
    return image;
}

} // namespace

TMainForm::TMainForm(const QString& appDir, QWidget* parent)
    : QMainWindow(parent)
    , AppDir(platform::WithTrailingSlash(appDir))
{
    setWindowTitle(QStringLiteral("Velto"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Silver);
    // Greyed items in a darker grey: the style's own is too close to silver
    // to read, and the disabled Help menu vanished from the bar.
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    setPalette(pal);

    FClient = new QWidget(this);
    FClient->setObjectName(QStringLiteral("ClientArea"));
    FClient->setFixedSize(ClientWidth, ClientHeight);
    FClient->setAutoFillBackground(true);
    setCentralWidget(FClient);

    CreateComponents();
    NetRace = std::make_unique<TNetRaceWindow>(*this, *this, *this, RaceRecords, this);
    NetRace->OnRaceBegins = [this] { Game.Flow.Abandon(); };
    CreateMenu();
    // The window is exactly the menu and the table: no resizing, no maximising.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    platform::KeepAtOneSize(*this);
    platform::CentreOnScreen(*this);

    // Key preview: characters typed anywhere in this window reach FormKeyPress
    // before the control that has the focus.
    qApp->installEventFilter(this);

    FormCreate();
    platform::AfterFirstPaint(*this, [this] { AfterFirstFrame(); });
}

void TMainForm::AfterFirstFrame()
{
    // Sized to its text once the table shows: the label is hidden, and its
    // bold serif face would be the one font file read before the first frame
    // for nothing on it.
    GamePausedLabel->adjustSize();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateComponents()
{
    TBevel** bevels[] = {&Bevel1, &Bevel2, &Bevel3, &Bevel4, &Bevel5,
                         &Bevel6, &Bevel7, &Bevel8, &Bevel9, &Bevel10};
    int n = 0;
    for (const int top : {ComputerRowTop, UserRowTop}) {
        for (const int left : BevelLefts) {
            const QByteArray name = "Bevel" + QByteArray::number(n + 1);
            *bevels[n] = Place(new TBevel(FClient), name.constData(), left, top);
            (*bevels[n])->resize(BevelWidth, BevelHeight);
            ++n;
        }
    }

    const QImage ring(RingPicture);
    Image2 = MakePicture(FClient, "Image2", 225, 176, 80, ring);
    Image1 = MakePicture(FClient, "Image1", 372, 176, 80, ring);

    const QImage waitSign(WaitSignPicture);
    WaitSign1 = MakePicture(FClient, "WaitSign1", 131, 364, 32, waitSign);
    WaitSign1->hide();
    WaitSign2 = MakePicture(FClient, "WaitSign2", 131, 49, 32, waitSign);
    WaitSign2->hide();

    Label9 = MakeLabel(FClient, "Label9", 484, 208, tr("Score :"));
    ScoreLabel = MakeLabel(FClient, "ScoreLabel", 525, 208, QStringLiteral("0"));

    GamePausedLabel = new QLabel(tr("GAME PAUSED"), FClient);
    GamePausedLabel->setFont(platform::MakeFont(QStringLiteral("Times New Roman"), 16, true));
    QPalette red = GamePausedLabel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    GamePausedLabel->setPalette(red);
    Place(GamePausedLabel, "GamePausedLabel", 44, 280);
    GamePausedLabel->hide();

    PauseBtn = Place(new QPushButton(tr("&Pause"), FClient), "PauseBtn", 56, 304);
    PauseBtn->setFont(platform::MakeFont(QStringLiteral("Times New Roman"), 13, true));
    PauseBtn->resize(75, 25);
    PauseBtn->setEnabled(false);
    PauseBtn->hide();
    connect(PauseBtn, &QPushButton::clicked, this, [this] { PauseBtnClick(); });

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });

    // The card components lie in front of the frames and the rings.
    CreateCardComponents(
        *this, FClient,
        [this](TLuCardGroup* Sender, TLuSingleCard* Card, int Position, bool& PlayIt, TLuTablePos& TablePos,
               bool& FaceDown, Qt::MouseButton Button) {
            Play1Card1CardClick(Sender, Card, Position, PlayIt, TablePos, FaceDown, Button);
        },
        [this] { DealMenuClick(); });
}

void TMainForm::CreateMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    const auto item = [this](auto* owner, const char* name, const QString& caption, void (TMainForm::*handler)()) {
        QAction* action = owner->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    DealMenu = item(bar, "DealMenu", tr("&Deal"), &TMainForm::DealMenuClick);
    OptionsMenu = item(bar, "OptionsMenu", tr("&Options"), &TMainForm::OptionsMenuClick);
    ScoresMenu = item(bar, "ScoresMenu", tr("&Scores"), &TMainForm::ScoresMenuClick);

    RaceMenu = bar->addMenu(tr("&Race"));
    RaceMenu->setObjectName(QStringLiteral("RaceMenu"));
    HostRaceMenu = item(RaceMenu, "HostRaceMenu", tr("&Host a Race..."), &TMainForm::HostRaceMenuClick);
    JoinRaceMenu = item(RaceMenu, "JoinRaceMenu", tr("&Join a Race..."), &TMainForm::JoinRaceMenuClick);

    HelpMenu = bar->addMenu(tr("&Help"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    ContentsMenu = item(HelpMenu, "ContentsMenu", tr("Contents"), &TMainForm::ContentsMenuClick);
    WebSiteMenu = item(HelpMenu, "WebSiteMenu", tr("Gorvane Web Site"), &TMainForm::WebSiteMenuClick);
    HelpMenu->addSeparator();
    ContactUsMenu = item(HelpMenu, "ContactUsMenu", tr("Contact Us"), &TMainForm::ContactUsMenuClick);
    HelpMenu->addSeparator();
    AboutVeltoMenu = item(HelpMenu, "AboutVeltoMenu", tr("About Velto"), &TMainForm::AboutVeltoMenuClick);

    ExitMenu = item(bar, "ExitMenu", tr("&Exit"), &TMainForm::ExitMenuClick);
}

void TMainForm::FormCreate()
{
    // Beside the executable in a build or an unpacked copy; in the user's
    // data folder when installed where nothing may be written.
    DataDir = platform::SettingsFolder(AppDir);
    VersionText = platform::LoadStr(platform::strings::VersionText);

    FreshRun = true;
    HallEntryDone = false;
    InGame = false;

    if (platform::Application* app = platform::Application::instance()) {
        // The deck's hint shows at once.
        app->SetHintPause(0);
        app->SetHelpFile(AppDir + QStringLiteral("Velto.HLP"));
    }

    TSettingsFile settingsFile(DataDir);
    const TGameSettings settings = settingsFile.ReadSettings();
    Scoring = settings.Scoring;
    Decks = settings.Decks;
    Level = settings.Level;
    SoundsOn = settings.SoundsOn;
    AnimateCards = settings.AnimateCards;
    Deck->SetCardBack(static_cast<TLuCardBackType>(settings.CardBack));

    SetComputerPace(core::LevelInterval(Level));

    settingsFile.ReadHallOfFame(HallOfFame);
    Statistics = settingsFile.ReadStatistics();
    RaceRecords = settingsFile.ReadRaceRecords();

    PrepareCardsAtStartUp();
}

void TMainForm::PrepareCardsAtStartUp()
{
    if (Decks != 1) {
        ShowSplash();
        // The splash goes whatever happens: the window must not open behind it.
        struct TSplashCloser {
            ~TSplashCloser() { CloseSplash(); }
        } Closer;
        PrepareDeckSize();
    }
    PrepareFirstDeal(*this);
}

void TMainForm::PrepareDeckSize()
{
    ::PrepareDeckSize(*this, Decks);
}

void TMainForm::PlaySound(const char* Name)
{
    platform::PlaySoundResource(QString::fromLatin1(Name));
}

void TMainForm::Post(unsigned Msg, int WParam)
{
    platform::PostMessage(this, Msg, static_cast<std::uintptr_t>(WParam));
}

void TMainForm::ShowWaitSign(int Side, bool Visible)
{
    TImage* Sign = Side == UserSide ? WaitSign1 : WaitSign2;
    Sign->setVisible(Visible);
    Sign->repaint();
}

void TMainForm::ShowScore(std::int32_t Value)
{
    ScoreLabel->setText(QString::number(Value));
    ScoreLabel->adjustSize();
}

void TMainForm::StartComputer()
{
    Timer->start();
}

void TMainForm::StopComputer()
{
    Timer->stop();
}

bool TMainForm::ComputerRunning() const
{
    return Timer->isActive();
}

void TMainForm::SetComputerPace(int Milliseconds)
{
    Timer->setInterval(Milliseconds);
}

void TMainForm::EnableHelpMenu(bool Enabled)
{
    HelpMenu->menuAction()->setEnabled(Enabled);
}

void TMainForm::ShowPauseButton(bool Visible)
{
    PauseBtn->setVisible(Visible);
}

void TMainForm::ShowMessage(const QString& Text)
{
    platform::MessageDlg(Text, platform::MsgType::Information, platform::MsgButtons::Ok);
}

bool TMainForm::AskYesNo(const QString& Text, platform::MsgType Type)
{
    return platform::MessageDlg(Text, Type, platform::MsgButtons::YesNo) == platform::MsgResult::Yes;
}

bool TMainForm::SideCanPlay(int Side)
{
    return Game.Rules.SideCanPlay(Side);
}

TTableMode& TMainForm::Mode()
{
    if (NetRace->Active())
        return *NetRace;
    return Game;
}

void TMainForm::Play1Card1CardClick(TLuCardGroup* Sender, TLuSingleCard*, int, bool& PlayIt, TLuTablePos&, bool&,
                                    Qt::MouseButton)
{
    // The rules play the card themselves, the group nothing.
    PlayIt = false;
    Mode().Click(Sender);
}

void TMainForm::FormKeyPress(QChar& Key)
{
    Mode().Key(Key);
}

void TMainForm::RefillUserSlot(int slot)
{
    Game.Rules.RefillSlot(UserSide, slot);
}

void TMainForm::RefillComputerSlot(int slot)
{
    Game.Rules.RefillSlot(ComputerSide, slot);
}

void TMainForm::Stalemate()
{
    Game.Rules.Stalemate();
}

void TMainForm::TimerTimer()
{
    Game.Computer.Tick();
}

void TMainForm::DealMenuClick()
{
    Mode().Deal();
}

// A race against another player replaces the race against the computer: a
// deal in progress waits while the race is set up, is given up (and counted
// so) when the race begins, and goes on as it was when the setting up is
// cancelled.
void TMainForm::HostRaceMenuClick()
{
    if (NetRace->Active() || !Game.Flow.AskToLeave(tr("Quit game and race?")))
        return;
    NetRace->HostRace(true, DefaultPlayerName(), 0);
    if (!NetRace->Active())
        Game.Flow.Resume(); // cancelled, or over already: a given-up deal stays given up
}

void TMainForm::JoinRaceMenuClick()
{
    if (NetRace->Active() || !Game.Flow.AskToLeave(tr("Quit game and race?")))
        return;
    NetRace->JoinRace(true, DefaultPlayerName(), QString());
    if (!NetRace->Active())
        Game.Flow.Resume(); // cancelled, or over already: a given-up deal stays given up
}

void TMainForm::HostRace(const QString& Name, quint16 Port, const QString& AcceptName)
{
    NetRace->HostRace(false, Name, Port, AcceptName);
}

void TMainForm::JoinRace(const QString& Name, const QString& Address)
{
    NetRace->JoinRace(false, Name, Address);
}

void TMainForm::GameOver()
{
    Game.Flow.GameOver();
}

void TMainForm::EnterHallOfFame()
{
    gamedialogs::EnterHallOfFame(*this);
}

void TMainForm::ShowHallOfFame()
{
    gamedialogs::ShowHallOfFame(*this, RaceRecords, *this);
}

bool TMainForm::ShowOptions()
{
    return gamedialogs::ShowOptions(*this, *this, *this);
}

void TMainForm::OptionsMenuClick()
{
    bool RestartNeeded = false;
    Game.Flow.OverTheTable([this, &RestartNeeded] { RestartNeeded = ShowOptions(); });
    if (RestartNeeded)
        DealMenuClick();
}

void TMainForm::ScoresMenuClick()
{
    Game.Flow.OverTheTable([this] { ShowHallOfFame(); });
}

void TMainForm::ContentsMenuClick()
{
    // From where the program is installed: a bare name would be looked for
    // in whatever folder the program happened to be started from.
    platform::ShellExecute(QStringLiteral("Open"), platform::HelpDocumentPath(AppDir));
}

void TMainForm::WebSiteMenuClick()
{
    platform::ShellExecute(QStringLiteral("Open"), QString::fromLatin1(MakerWebSite) + QStringLiteral("/?Velto"));
}

void TMainForm::ContactUsMenuClick()
{
    platform::ShellExecute(QStringLiteral("Open"),
                           QString::fromLatin1(MakerWebSite) + QStringLiteral("/ContactUs.htm"));
}

void TMainForm::AboutVeltoMenuClick()
{
    ShowAbout(VersionText);
}

void TMainForm::ExitMenuClick()
{
    close();
}

void TMainForm::PauseBtnClick()
{
    // The button is only ever shown disabled: pausing has no behaviour.
}

void TMainForm::FormCloseQuery(bool& CanClose)
{
    CanClose = Mode().CloseQuery();
}

void TMainForm::FormClose()
{
    // One replacement of the file for the settings, all twenty tables and
    // the statistics and the races' records: a failed write leaves the old
    // file whole.
    TSettingsFile settingsFile(DataDir);
    const TGameSettings settings{Scoring, Decks, Level, SoundsOn, static_cast<std::int32_t>(Deck->CardBack()),
                                 AnimateCards};
    settingsFile.WriteAll(settings, HallOfFame, Statistics, RaceRecords);
}

void TMainForm::Terminate()
{
    if (FClosed)
        return;
    FClosed = true;
    Timer->stop();
    NetRace->Terminate();
    Game.Flow.Terminate(gamedialogs::UnaskedName(*this));
    FormClose();
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == platform::PostedMessageEvent::EventType()) {
        const platform::Message& m = static_cast<platform::PostedMessageEvent*>(event)->message();
        switch (m.Msg) {
        case MsgRefillUser:
            RefillUserSlot(static_cast<int>(m.WParam));
            return true;
        case MsgRefillComputer:
            RefillComputerSlot(static_cast<int>(m.WParam));
            return true;
        case MsgGameOver:
            GameOver();
            return true;
        default:
            return true;
        }
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // The event passes from the focused control up through its parents; only
    // its first stop (the focused control, or the window itself when nothing
    // has the focus) counts, so FormKeyPress sees each key once.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : widget->window();
        if (widget == first && widget->window() == this) {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            const QString text = keyEvent->text();
            if (text.size() == 1) {
                QChar key = text.front();
                FormKeyPress(key);
                if (key.isNull())
                    return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (FClosed) {
        event->accept();
        return;
    }
    bool canClose = false;
    FormCloseQuery(canClose);
    if (!canClose) {
        event->ignore();
        return;
    }
    FClosed = true;
    FormClose();
    event->accept();
}
