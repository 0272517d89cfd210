#include "dialogs/scoreform.h"

#include "dialogs/halloffame.h"
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

    Label1 = new QLabel(QStringLiteral("Hall of Fame"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(platform::MakeFont(QStringLiteral("Comic Sans MS"), 16, true));
    QPalette Palette = Label1->palette();
    Palette.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(Palette);
    // Where the English title stands, and a translation centred on the same line.
    Label1->adjustSize();
    const int EnglishWidth = Label1->width();
    Label1->setText(tr("Hall of Fame"));
    Label1->adjustSize();
    Label1->move(154 + (EnglishWidth - Label1->width()) / 2, 1);

    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setGeometry(14, 25, 379, 239);
    List->setFont(platform::MakeFixedPitchFont(13));

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
            ShowStatistics(*FStatistics, this);
    });
}

void TScoreForm::SetStatistics(TGameStatistics* Statistics)
{
    FStatistics = Statistics;
    StatisticsBtn->setVisible(Statistics != nullptr);
}

TScoreForm::~TScoreForm() = default;

void TScoreForm::Fill(const THallOfFameTable& Table)
{
    List->clear();
    const QFontMetrics Metrics(List->font());
    for (const QString& Line : HallOfFameLines(Table)) {
        auto* Item = new QListWidgetItem(Line, List);
        Item->setSizeHint(QSize(Metrics.horizontalAdvance(Line), LineHeight));
    }
}

void ShowScores(const THallOfFameTable& Table, TGameStatistics& Statistics)
{
    TScoreForm ScoreForm;
    ScoreForm.Fill(Table);
    ScoreForm.SetStatistics(&Statistics);
    platform::ExecModal(ScoreForm);
}
