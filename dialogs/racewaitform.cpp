#include "dialogs/racewaitform.h"

#include "platform/fonts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

TRaceWaitForm::TRaceWaitForm(const QString& Title, const QStringList& Lines, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("RaceWaitForm"));
    setWindowTitle(Title);
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    Text = new QLabel(this);
    Text->setObjectName(QStringLiteral("Text"));
    // The lines carry addresses, a router's words and what the player
    // typed: never markup.
    Text->setTextFormat(Qt::PlainText);
    Text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setDefault(true);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    SetLines(Lines);
}

void TRaceWaitForm::SetLines(const QStringList& Lines)
{
    // A word (an address above all) is never broken: the window widens for
    // the longest one it can; lines of words are broken between words to
    // the width. The label itself does not wrap, so that it needs the room
    // of its literal text, whatever the text holds.
    const QFontMetrics Metrics(Text->font());
    int Widest = 0;
    for (const QString& Line : Lines)
        for (const QString& Word : Line.split(u' '))
            Widest = std::max(Widest, Metrics.horizontalAdvance(Word));
    const int Width = std::clamp(Widest + 32, ClientWidth, MaxClientWidth);
    QStringList Shown;
    for (const QString& Line : Lines) {
        QString Current;
        for (const QString& Word : Line.split(u' ')) {
            const QString Longer = Current.isEmpty() ? Word : Current + u' ' + Word;
            if (!Current.isEmpty() && Metrics.horizontalAdvance(Longer) > Width - 24) {
                Shown << Current;
                Current = Word;
            } else {
                Current = Longer;
            }
        }
        Shown << Current;
    }
    Text->setText(Shown.join(u'\n'));
    const int TextHeight = std::max(16, Metrics.lineSpacing()) * static_cast<int>(Shown.size());
    setFixedSize(Width, TextHeight + 64);
    Text->setGeometry(12, 12, Width - 24, TextHeight);
    CancelBtn->setGeometry((Width - 75) / 2, TextHeight + 28, 75, 25);
}

TRaceWaitForm::~TRaceWaitForm() = default;
