#include "dialogs/scoreform.h"

#include "dialogs/halloffame.h"
#include "dialogs/listwindowparts.h"
#include "dialogs/statisticsform.h"
#include "platform/fonts.h"
#include "platform/modal.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TScoreForm::TScoreForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("ScoreForm"));
    setWindowTitle(tr("Scores"));
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(ClientWidth, ClientHeight);

    // Where the English title stands, and a translation centred on the same line.
    Label1 = MakeListTitle(this, QStringLiteral("Hall of Fame"));
    const int EnglishWidth = Label1->width();
    Label1->setText(tr("Hall of Fame"));
    Label1->adjustSize();
    Label1->move(154 + (EnglishWidth - Label1->width()) / 2, 1);

    List = MakeFixedPitchList(this, QRect(14, 25, 379, 239));

    OkBtn = new QPushButton(tr("&Ok"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(166, 284, 75, 25);
    OkBtn->setDefault(true);
    // Esc closes the window as well (the dialog's own reject).
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    // Right of Ok, its right edge under the list's.
    StatisticsBtn = new QPushButton(tr("S&tatistics"), this);
    StatisticsBtn->setObjectName(QStringLiteral("StatisticsBtn"));
    StatisticsBtn->setGeometry(318, 284, 75, 25);
    StatisticsBtn->setAutoDefault(false);
    StatisticsBtn->hide();
    connect(StatisticsBtn, &QPushButton::clicked, this, [this] {
        if (FStatistics)
            ShowStatistics(*FStatistics, FRaces, this);
    });
}

void TScoreForm::SetStatistics(TGameStatistics* Statistics, TNetRaceRecords* Races)
{
    FStatistics = Statistics;
    FRaces = Races;
    StatisticsBtn->setVisible(Statistics != nullptr);
}

TScoreForm::~TScoreForm() = default;

void TScoreForm::Fill(const THallOfFameTable& Table, const TNetRaceRecords* Races)
{
    QStringList Lines = HallOfFameLines(Table);
    if (Races && Races->HasEntries())
        Lines += RaceHallOfFameLines(*Races);
    FillList(List, Lines, LineHeight);
}

void ShowScores(const THallOfFameTable& Table, TGameStatistics& Statistics, TNetRaceRecords& Races)
{
    TScoreForm ScoreForm;
    ScoreForm.Fill(Table, &Races);
    ScoreForm.SetStatistics(&Statistics, &Races);
    platform::ExecModal(ScoreForm);
}
