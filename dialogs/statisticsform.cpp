#include "dialogs/statisticsform.h"

#include "dialogs/listwindowparts.h"
#include "dialogs/statisticstext.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/modal.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

TStatisticsForm::TStatisticsForm(TGameStatistics& Statistics, TNetRaceRecords* Races, QWidget* Parent)
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

    List = MakeFixedPitchList(this, QRect(ListMargin, 25, ClientWidth - 2 * ListMargin, 287));

    ResetBtn = new QPushButton(tr("&Reset"), this);
    ResetBtn->setObjectName(QStringLiteral("ResetBtn"));
    ResetBtn->setGeometry(ListMargin, 326, 75, 25);
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
    FitWidth(Lines);
}

void TStatisticsForm::FitWidth(const QStringList& Lines)
{
    // A line wider than the list is elided by the list ("Las Veg…"): the
    // tables are as wide as their headings and values in the user's
    // language, so the window grows to them instead (it never shrinks
    // while open, and is centred by the size it shows with).
    const QFontMetrics Metrics(List->font());
    int Widest = 0;
    for (const QString& Line : Lines)
        Widest = std::max(Widest, Metrics.horizontalAdvance(Line));
    QStyle* Style = List->style();
    // The room an item's text leaves on each side, the list's frame and its
    // scroll bar, always there with the tables longer than the list.
    const int TextMargin = Style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, List) + 1;
    const int ScrollBar = Style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, List->verticalScrollBar());
    // Advances are whole pixels and the text's real width is not: the list
    // elides a line that misses its room by a fraction.
    const int Rounding = 2;
    const int ListWidth = Widest + Rounding + 2 * TextMargin + 2 * List->frameWidth() + ScrollBar;
    const int Width = std::max(ListWidth + 2 * ListMargin, ClientWidth);
    if (Width <= width())
        return;
    setFixedSize(Width, ClientHeight);
    List->resize(Width - 2 * ListMargin, List->height());
    Label1->move((Width - Label1->width()) / 2, Label1->y());
    OkBtn->move((Width - OkBtn->width()) / 2, OkBtn->y());
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

void ShowStatistics(TGameStatistics& Statistics, TNetRaceRecords* Races, QWidget* Parent)
{
    TStatisticsForm Form(Statistics, Races, Parent);
    platform::ExecModal(Form);
}
