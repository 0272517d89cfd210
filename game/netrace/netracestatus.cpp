#include "game/netrace/netracestatus.h"

#include "dialogs/plainlabel.h"
#include "platform/fonts.h"

#include <algorithm>

namespace {

// Between the centre piles and the player's row, clear of the Pause button.
const QRect Place(140, 292, 420, 24);

} // namespace

TNetRaceStatus::TNetRaceStatus(QWidget* Table)
    : FTable(Table)
{
}

TNetRaceStatus::~TNetRaceStatus()
{
    // The label belongs to the table, which may be gone first.
    if (FLabel)
        FLabel->deleteLater();
}

void TNetRaceStatus::Show(const QString& Text)
{
    if (!FTable)
        return;
    if (!FLabel) {
        FLabel = MakePlainLabel(FTable, "NetRaceStatus", QString(), Place);
        FLabel->setAlignment(Qt::AlignCenter);
        FLabel->setFont(platform::MakeFont(QStringLiteral("Arial"), 14, true));
        FLabel->setAutoFillBackground(true);
        QPalette P = FLabel->palette();
        P.setColor(QPalette::Window, QColor(255, 255, 225));
        P.setColor(QPalette::WindowText, QColor(0, 0, 0));
        FLabel->setPalette(P);
        FLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    FLabel->setText(Text);
    FLabel->raise();
    FLabel->show();
}

void TNetRaceStatus::Hide()
{
    if (FLabel)
        FLabel->hide();
}

bool TNetRaceStatus::Visible() const
{
    return FLabel && FLabel->isVisible();
}

QString TNetRaceStatus::Text() const
{
    return FLabel ? FLabel->text() : QString();
}

QString TNetRaceStatus::Clock(int Seconds)
{
    const int S = std::max(0, Seconds);
    return QStringLiteral("%1:%2").arg(S / 60).arg(S % 60, 2, 10, QLatin1Char('0'));
}
