#include "dialogs/statisticsform.h"

#include "dialogs/listwindowparts.h"
#include "dialogs/statisticstext.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/modal.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TStatisticsForm::TStatisticsForm(TGameStatistics& Statistics, TRaceRecords* Races, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , FStatistics(Statistics)
    , FRaces(Races)
{
    setObjectName(QStringLiteral("StatisticsForm"));
    setWindowTitle(tr("Statistics"));
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(ClientWidth, ClientHeight);

    Label1 = MakeListTitle(this, tr("Statistics"));
    Label1->move((ClientWidth - Label1->width()) / 2, 1);

    List = MakeFixedPitchList(this, QRect(14, 25, ClientWidth - 28, 287));

    ResetBtn = new QPushButton(tr("&Reset"), this);
    ResetBtn->setObjectName(QStringLiteral("ResetBtn"));
    ResetBtn->setGeometry(14, 326, 75, 25);
    ResetBtn->setAutoDefault(false);
    connect(ResetBtn, &QPushButton::clicked, this, [this] { Reset(); });

    OkBtn = new QPushButton(tr("&Ok"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry((ClientWidth - 75) / 2, 326, 75, 25);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    Fill();
}

TStatisticsForm::~TStatisticsForm() = default;

void TStatisticsForm::Fill()
{
    QStringList Lines = StatisticsLines(FStatistics);
    if (FRaces && FRaces->HasStatistics())
        Lines += RaceStatisticsLines(*FRaces);
    FillList(List, Lines, LineHeight);
}

bool TStatisticsForm::Reset()
{
    if (platform::MessageDlg(tr("Reset all statistics?"), platform::MsgType::Confirmation,
                             platform::MsgButtons::YesNo)
        != platform::MsgResult::Yes)
        return false;
    FStatistics.Clear();
    if (FRaces)
        FRaces->ClearStatistics();
    Fill();
    return true;
}

void ShowStatistics(TGameStatistics& Statistics, TRaceRecords* Races, QWidget* Parent)
{
    TStatisticsForm Form(Statistics, Races, Parent);
    platform::ExecModal(Form);
}
