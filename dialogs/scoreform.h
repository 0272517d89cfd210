#pragma once
// The Hall of Fame window: the twenty tables, one under the other, in a list
// with a fixed-pitch font so that the names line up under the heading; below
// them the races' two tables, once a race has entered one.
#include "dialogs/gamestatistics.h"
#include "dialogs/halloffametable.h"
#include "dialogs/netracerecords.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class TScoreForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 407;
    static constexpr int ClientHeight = 312;
    static constexpr int LineHeight = 16;

    explicit TScoreForm(QWidget* Parent = nullptr);
    ~TScoreForm() override;

    QLabel* Label1 = nullptr;     // "Hall of Fame"
    QListWidget* List = nullptr;  // the lines of HallOfFameLines, 16 pixels each
    QPushButton* OkBtn = nullptr; // default and cancel button: Enter and Esc close the window
    // Opens the Statistics window over this one; shown only once there are
    // statistics to open (SetStatistics).
    QPushButton* StatisticsBtn = nullptr;

    // Replaces the list's lines by those of the table, and of the races'
    // tables when they have an entry.
    void Fill(const THallOfFameTable& Table, const TNetRaceRecords* Races = nullptr);
    // The statistics the button opens (and may reset), with the races'
    // when given; none hides the button.
    void SetStatistics(TGameStatistics* Statistics, TNetRaceRecords* Races = nullptr);

private:
    TGameStatistics* FStatistics = nullptr;
    TNetRaceRecords* FRaces = nullptr;
};

// Shows the Hall of Fame window modally, listing the twenty tables of Table
// and the races' tables; its Statistics button opens Statistics and the
// races' statistics.
void ShowScores(const THallOfFameTable& Table, TGameStatistics& Statistics, TNetRaceRecords& Races);
