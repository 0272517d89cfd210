#pragma once
// The game window: a card table of fixed size on which the user (bottom row)
// races the computer (top row). It owns every component on the table, the
// game state and the menus; the rules, the computer and the flow of a deal
// are its methods and work on the state below.
#include "dialogs/halloffametable.h"
#include "platform/application.h"
#include "platform/windowmessages.h"

#include <QMainWindow>
#include <QString>
#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class TBevel;
class TImage;

// Messages the window posts to itself; posted, never sent, so each runs after
// the handler that posted it, in posting order, before the next timer tick.
constexpr unsigned MsgRefillUser = platform::WM_USER + 1;     // wParam: the user's hand slot just played
constexpr unsigned MsgRefillComputer = platform::WM_USER + 2; // wParam: the computer's hand slot just played
constexpr unsigned MsgGameOver = platform::WM_USER + 3;

class TMainForm : public QMainWindow {
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

    // Game state.
    bool SoundsOn = true;
    bool InGame = false;
    std::int32_t Scoring = 0;     // 0 normal, 1 Las Vegas
    std::int32_t Decks = 1;       // 1 single deck, 2 double deck
    std::int32_t Level = 2;       // 0 "Unbeatable" .. 4 "Easy"
    std::int32_t TargetCount = 0; // cards a side must play to win; set by each deal
    std::int32_t UserPlayed = 0;
    std::int32_t ComputerPlayed = 0;
    std::int32_t Score = 0;
    bool FreshRun = true;
    bool HallEntryDone = false;
    bool UserStuck = false;
    bool ComputerStuck = false;
    bool Pile1Busy = false;
    bool Pile2Busy = false;
    bool UserWon = false;
    bool ComputerWon = false;
    THallOfFameTable HallOfFame;

    // The card back chosen in the settings (0..11). It belongs to the visual
    // deck, which the card layout adds to this window: from then on the value
    // read at start-up goes to the deck and the deck's back is written at close.
    std::int32_t CardBackSetting = 0;

    // Score := Score + 1, then show it.
    void UpdateScoreLabel();

    // Menu handlers.
    void DealMenuClick();
    void OptionsMenuClick();
    void ScoresMenuClick();
    void ContentsMenuClick();
    void WebSiteMenuClick();
    void ContactUsMenuClick();
    void AboutVeltoMenuClick();
    void ExitMenuClick();
    void PauseBtnClick();

    // The close query: true when the window may close. Stops the timer first;
    // during a deal it asks "Quit game and exit?" and restarts the timer on No.
    void FormCloseQuery(bool& CanClose);
    // Writes the settings, then the Hall of Fame, back to the settings file.
    void FormClose();

protected:
    // Start-up, run once by the constructor after the components exist.
    void FormCreate();
    // The card steps of start-up, run as its last step: the double-deck
    // preparation when Decks is not 1, then the preparation of the deck for
    // the first deal. They come with the card components of the table.
    void PrepareCardsAtStartUp();

    // Every character typed while this window is active arrives here before
    // the focused control; setting Key to a null character swallows it.
    virtual void FormKeyPress(QChar& Key);
    // One computer move at most per tick.
    virtual void TimerTimer();
    // Handlers of the posted messages.
    virtual void RefillUserSlot(int slot);
    virtual void RefillComputerSlot(int slot);
    virtual void GameOver();

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateComponents();
    void CreateMenu();
    void CentreOnScreen();

    QWidget* FClient = nullptr;
    bool FClosed = false;
};
