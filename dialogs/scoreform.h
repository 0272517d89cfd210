#pragma once
// The Hall of Fame window: the twenty tables, one under the other, in a list
// with a fixed-pitch font so that the names line up under the heading.
#include "dialogs/gamestatistics.h"
#include "dialogs/halloffametable.h"

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

    // Replaces the list's lines by those of the table.
    void Fill(const THallOfFameTable& Table);
    // The statistics the button opens (and may reset); none hides the button.
    void SetStatistics(TGameStatistics* Statistics);

private:
    TGameStatistics* FStatistics = nullptr;
};

// Shows the Hall of Fame window modally, listing the twenty tables of Table;
// its Statistics button opens Statistics.
void ShowScores(const THallOfFameTable& Table, TGameStatistics& Statistics);
