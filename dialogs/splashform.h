#pragma once
// The splash window: shows how far the start-up has got while it prepares a
// double deck. Frameless, on top of other windows, centred on the screen.
#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;

class TSplashForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 291;
    static constexpr int ClientHeight = 109;
    // One step for each item pair the double-deck preparation appends.
    static constexpr int StepCount = 26;

    explicit TSplashForm(QWidget* Parent = nullptr);
    ~TSplashForm() override;

    QFrame* Panel1 = nullptr;     // fills the window: single border, lowered inner bevel
    QLabel* TitleLabel = nullptr; // "Velto"
    QLabel* Label1 = nullptr;     // "A game of Skill!"
    QProgressBar* ProgressBar1 = nullptr;
};

// The splash window while one exists, else null.
extern TSplashForm* SplashForm;

// Creates the splash window, stores it in SplashForm, shows it without
// waiting and paints it at once (the start-up does not run the event loop
// while the deck is prepared, so it would otherwise stay blank).
void ShowSplash();
// Moves the bar one step and paints it at once; a null Splash is ignored.
void StepSplash(TSplashForm* Splash);
// Destroys the splash window and empties SplashForm.
void CloseSplash();
