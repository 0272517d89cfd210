#pragma once
// The Statistics window, opened from the Hall of Fame window: the lines of
// StatisticsLines in a fixed-pitch list like the Hall of Fame's, with a
// button that clears every record once the player has said Yes. The races'
// statistics follow the computer's once a race has been counted, and the
// reset clears them too.
#include "dialogs/gamestatistics.h"
#include "dialogs/netracerecords.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class TStatisticsForm : public QDialog
{
    Q_OBJECT
public:
    // The least width: wider when a language's tables need it (FitWidth).
    static constexpr int ClientWidth = 520;
    static constexpr int ClientHeight = 360;
    static constexpr int LineHeight = 16;
    static constexpr int ListMargin = 14; // beside the list, left and right

    explicit TStatisticsForm(TGameStatistics& Statistics, TNetRaceRecords* Races = nullptr, QWidget* Parent = nullptr);
    ~TStatisticsForm() override;

    QLabel* Label1 = nullptr;        // "Statistics"
    QListWidget* List = nullptr;     // the lines of StatisticsLines, 16 pixels each
    QPushButton* ResetBtn = nullptr; // asks, then clears every record
    QPushButton* OkBtn = nullptr;    // default and cancel button

    // Replaces the list's lines by those of the statistics.
    void Fill();
    // Asks "Reset all statistics?"; on Yes clears them and shows the empty
    // tables. True when they were cleared.
    bool Reset();

private:
    // Widens the window until every line fits the list uncut.
    void FitWidth(const QStringList& Lines);

    TGameStatistics& FStatistics;
    TNetRaceRecords* FRaces;
};

// Shows the Statistics window modally; its reset changes Statistics.
void ShowStatistics(TGameStatistics& Statistics, TNetRaceRecords* Races = nullptr, QWidget* Parent = nullptr);
