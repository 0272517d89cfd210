#include "dialogs/statisticsform.h"

#include "dialogs/statisticstext.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/modal.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TStatisticsForm::TStatisticsForm(TGameStatistics& Statistics, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , FStatistics(Statistics)
{
    setObjectName(QStringLiteral("StatisticsForm"));
    setWindowTitle(tr("Statistics"));
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(ClientWidth, ClientHeight);

    Label1 = new QLabel(tr("Statistics"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(platform::MakeFont(QStringLiteral("Comic Sans MS"), 16, true));
    QPalette Palette = Label1->palette();
    Palette.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(Palette);
    Label1->adjustSize();
    Label1->move((ClientWidth - Label1->width()) / 2, 1);

    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setGeometry(14, 25, ClientWidth - 28, 287);
    List->setFont(platform::MakeFixedPitchFont(13));

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
    List->clear();
    const QFontMetrics Metrics(List->font());
    for (const QString& Line : StatisticsLines(FStatistics)) {
        auto* Item = new QListWidgetItem(Line, List);
        Item->setSizeHint(QSize(Metrics.horizontalAdvance(Line), LineHeight));
    }
}

bool TStatisticsForm::Reset()
{
    if (platform::MessageDlg(tr("Reset all statistics?"), platform::MsgType::Confirmation,
                             platform::MsgButtons::YesNo)
        != platform::MsgResult::Yes)
        return false;
    FStatistics.Clear();
    Fill();
    return true;
}

void ShowStatistics(TGameStatistics& Statistics, QWidget* Parent)
{
    TStatisticsForm Form(Statistics, Parent);
    platform::ExecModal(Form);
}
