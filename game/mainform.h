#pragma once
// The game window: a card table of fixed size on which the user (bottom row)
// races the computer (top row). It owns every component on the table, the
// game state and the menus, and is the race's host (gamehost.h). Its
// handlers are thin: the race itself (racegame.h: the rules of a move, the
// computer, the flow of a deal) works on the state and the cards and asks the
// window only through the host; the card layout is in cardlayout.h, the
// bridges to the small windows in gamedialogs.h.
#include "cardlib/lutypes.h"
#include "game/table/cardcomponents.h"
#include "game/table/gamehost.h"
#include "dialogs/netracerecords.h"
#include "game/table/gamestate.h"
#include "game/solo/sologame.h"
#include "platform/application.h"

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <memory>

class QAction;
class TLuCardGroup;
class TLuCardTable;
class TLuSingleCard;
class QLabel;
class QMenu;
class TNetRaceWindow;
class QPushButton;
class QTimer;
class TBevel;
class TImage;

class TMainForm : public QMainWindow, public TGameState, public TCardComponents, public TGameHost {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 572;
    static constexpr int ClientHeight = 448;
    // The maker's web site; the Help menu opens pages on it.
    static constexpr const char* MakerWebSite = "https://www.gorvane.com";

    // appDir is the folder the program runs from, ending in '/'; the settings
    // live in its "Data" folder. Tests pass a folder of their own.
    explicit TMainForm(const QString& appDir = platform::Application::ExeDir(), QWidget* parent = nullptr);
    ~TMainForm() override;

    // The table's surface (572 x 448, below the menu): every component of the
    // window lies on it, placed in its coordinates.
    QWidget* ClientArea() const { return FClient; }

    // Components, in the order they are created (later ones lie in front).
    TBevel* Bevel1 = nullptr; // computer's row, left to right: pile, hand slots 1..4
    TBevel* Bevel2 = nullptr;
    TBevel* Bevel3 = nullptr;
    TBevel* Bevel4 = nullptr;
    TBevel* Bevel5 = nullptr;
    TBevel* Bevel6 = nullptr; // user's row, left to right: pile, hand slots 1..4
    TBevel* Bevel7 = nullptr;
    TBevel* Bevel8 = nullptr;
    TBevel* Bevel9 = nullptr;
    TBevel* Bevel10 = nullptr;
    TImage* Image2 = nullptr; // ring around the left centre pile's top card
    TImage* Image1 = nullptr; // ring around the right centre pile's top card
    TImage* WaitSign1 = nullptr; // red light: the user cannot play
    TImage* WaitSign2 = nullptr; // red light: the computer cannot play
    QLabel* Label9 = nullptr;
    QLabel* ScoreLabel = nullptr;
    QLabel* GamePausedLabel = nullptr;
    QPushButton* PauseBtn = nullptr;
    QTimer* Timer = nullptr; // the computer's pace; runs only during a deal

    // Menu.
    QAction* DealMenu = nullptr;
    QAction* OptionsMenu = nullptr;
    QAction* ScoresMenu = nullptr;
    QMenu* RaceMenu = nullptr; // a race against another player, on another machine
    QAction* HostRaceMenu = nullptr;
    QAction* JoinRaceMenu = nullptr;
    QMenu* HelpMenu = nullptr; // enable or disable through HelpMenu->menuAction()
    QAction* ContentsMenu = nullptr;
    QAction* WebSiteMenu = nullptr;
    QAction* ContactUsMenu = nullptr;
    QAction* AboutVeltoMenu = nullptr;
    QAction* ExitMenu = nullptr;

    // Folders and version, set at start-up. AppDir ends with '/'.
    QString AppDir;
    QString DataDir;
    QString VersionText;

    // The game state (TGameState) and the card components (TCardComponents)
    // are this window's too, by the names the rules use.

    // Races against another player count here, never in the game's own tables.
    TNetRaceRecords RaceRecords;
    // The race on this window's state and cards, with this window as its host.
    TSoloGame Game{*this, *this, *this};
    // A race against another player over the network, when there is one.
    std::unique_ptr<TNetRaceWindow> NetRace;

    // The rules of a move (racerules.h).
    bool SideCanPlay(int Side);
    void Play1Card1CardClick(TLuCardGroup* Sender, TLuSingleCard* Card, int Position, bool& PlayIt,
                             TLuTablePos& TablePos, bool& FaceDown, Qt::MouseButton Button);
    void Stalemate();
    // The piles and the virtual deck made to fit Decks (cardlayout.h).
    void PrepareDeckSize();

    // The small windows (gamedialogs.h).
    void ShowHallOfFame();
    // True when a saved change needs a new deal.
    bool ShowOptions();

    // What the race asks of its window (TGameHost).
    void PlaySound(const char* Name) override;
    void Post(unsigned Msg, int WParam = 0) override;
    // Shows or hides the side's red light and repaints it at once.
    void ShowWaitSign(int Side, bool Visible) override;
    void ShowScore(std::int32_t Value) override;
    void StartComputer() override;
    void StopComputer() override;
    bool ComputerRunning() const override;
    void SetComputerPace(int Milliseconds) override;
    void EnableHelpMenu(bool Enabled) override;
    void ShowPauseButton(bool Visible) override;
    void EnterHallOfFame() override;
    void ShowMessage(const QString& Text) override;
    bool AskYesNo(const QString& Text, platform::MsgType Type) override;

    // Menu handlers.
    void DealMenuClick();
    void OptionsMenuClick();
    void ScoresMenuClick();
    void HostRaceMenuClick();
    void JoinRaceMenuClick();
    // The command line's way in: hosting or joining at once, no questions.
    // AcceptName: the guest let in without asking (empty: everyone is asked about).
    void HostRace(const QString& Name, quint16 Port, const QString& AcceptName = QString());
    void JoinRace(const QString& Name, const QString& Address);
    void ContentsMenuClick();
    void WebSiteMenuClick();
    void ContactUsMenuClick();
    void AboutVeltoMenuClick();
    void ExitMenuClick();
    void PauseBtnClick();

    // The close query: true when the window may close. Stops the timer first;
    // during a deal it asks "Quit game and exit?" and restarts the timer on No.
    void FormCloseQuery(bool& CanClose);
    // Writes the settings, then the Hall of Fame, back to the settings file in one replacement of it.
    void FormClose();
    // The program ends on a request from outside (a termination signal),
    // wherever it stands and asking nothing: a running deal or race is
    // given up and counted (the other player is told), a win waiting for
    // its name keeps its entry, and the file is written as at a close. The
    // caller then ends the process. Nothing is done twice: after the
    // window's own close (which wrote the file) it does nothing.
    void Terminate();

    // Every character typed while this window is active arrives here before
    // the focused control; setting Key to a null character swallows it.
    virtual void FormKeyPress(QChar& Key);
    // One computer move at most per tick.
    virtual void TimerTimer();
    // Handlers of the posted messages; the slot is 1..4.
    virtual void RefillUserSlot(int slot);
    virtual void RefillComputerSlot(int slot);
    virtual void GameOver();


protected:
    // Start-up, run once by the constructor after the components exist.
    void FormCreate();
    // The card steps of start-up, run as its last step: the double-deck
    // preparation behind the splash window when Decks is not 1, then the
    // preparation of the deck for the first deal.
    void PrepareCardsAtStartUp();
    // What the first frame does not need, run once it is on the screen.
    void AfterFirstFrame();

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The race the player's hand is in now: the network race while one is
    // set up or running, else the game against the computer.
    TTableMode& Mode();
    void CreateComponents();
    void CreateMenu();

    QWidget* FClient = nullptr;
    bool FClosed = false;
};
