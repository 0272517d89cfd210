#include "game/netrace/netracestatus.h"

#include "dialogs/plainlabel.h"
#include "platform/fonts.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// Between the centre piles and the player's row, clear of the Pause button.
const QRect Place(140, 292, 420, 24);
// Above the other player's hand slots, and below the "Score :" line.
const QRect PeerNamePlace(179, 2, 380, 18);
const QRect PeerScorePlace(392, 226, 174, 16);

QLabel* Made(QWidget* Table, const char* Name, const QRect& Where, Qt::Alignment Align)
{
    QLabel* Label = MakePlainLabel(Table, Name, QString(), Where);
    Label->setAlignment(Align | Qt::AlignVCenter);
    Label->setFont(platform::MakeFont(QStringLiteral("Arial"), 14, true));
    return Label;
}

// The name cut with an ellipsis where the rest would not fit Width.
QString Fitted(const QLabel* Label, const QString& Name, int Width)
{
    return QFontMetrics(Label->font()).elidedText(Name, Qt::ElideRight, Width);
}

} // namespace

TNetRaceStatus::TNetRaceStatus(QWidget* Table)
    : FTable(Table)
{
}

TNetRaceStatus::~TNetRaceStatus()
{
    // The labels belong to the table, which may be gone first.
    for (QLabel* Label : {FLabel.data(), FPeerName.data(), FPeerScore.data()})
        if (Label)
            Label->deleteLater();
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

void TNetRaceStatus::ShowPeer(const QString& Name, int Score)
{
    if (!FTable)
        return;
    if (!FPeerName) {
        FPeerName = Made(FTable, "NetRacePeerName", PeerNamePlace, Qt::AlignLeft);
        // In the table's own font, as the player's "Score :" line above it.
        FPeerScore = Made(FTable, "NetRacePeerScore", PeerScorePlace, Qt::AlignRight);
        FPeerScore->setFont(FTable->font());
    }
    FPeerName->setText(Fitted(FPeerName, Name, PeerNamePlace.width()));
    const QString Points = QStringLiteral(" : %1").arg(Score);
    const int ForName = PeerScorePlace.width() - QFontMetrics(FPeerScore->font()).horizontalAdvance(Points);
    FPeerScore->setText(Fitted(FPeerScore, Name, ForName) + Points);
    FPeerName->show();
    FPeerScore->show();
}

void TNetRaceStatus::HidePeer()
{
    if (FPeerName)
        FPeerName->hide();
    if (FPeerScore)
        FPeerScore->hide();
}

QString TNetRaceStatus::PeerText() const
{
    if (!FPeerName || FPeerName->isHidden())
        return QString();
    return FPeerName->text() + u'|' + FPeerScore->text();
}
