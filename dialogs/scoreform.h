#pragma once
// The Hall of Fame window: the twenty tables, one under the other, in a list
// with a fixed-pitch font so that the names line up under the heading.
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

    // Replaces the list's lines by those of the table.
    void Fill(const THallOfFameTable& Table);
};

// Shows the Hall of Fame window modally, listing the twenty tables of Table.
void ShowScores(const THallOfFameTable& Table);
