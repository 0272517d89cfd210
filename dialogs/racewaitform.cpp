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
    Question = new QLabel(this);
    Question->setObjectName(QStringLiteral("Question"));
    // A name from the other machine: plain text, whatever it holds.
    Question->setTextFormat(Qt::PlainText);
    Question->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont Bold = font();
    Bold.setBold(true);
    Question->setFont(Bold);
    AcceptBtn = new QPushButton(tr("&Accept"), this);
    AcceptBtn->setObjectName(QStringLiteral("AcceptBtn"));
    RefuseBtn = new QPushButton(tr("&Refuse"), this);
    RefuseBtn->setObjectName(QStringLiteral("RefuseBtn"));
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setDefault(true);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(AcceptBtn, &QPushButton::clicked, this, [this] {
        ClearQuestion();
        Q_EMIT Answered(true);
    });
    connect(RefuseBtn, &QPushButton::clicked, this, [this] {
        ClearQuestion();
        Q_EMIT Answered(false);
    });
    Question->hide();
    AcceptBtn->hide();
    RefuseBtn->hide();
    SetLines(Lines);
}

TRaceWaitForm::~TRaceWaitForm() = default;

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
    FLinesWidth = std::clamp(Widest + 32, ClientWidth, MaxClientWidth);
    FWidth = FLinesWidth;
    QStringList Shown;
    for (const QString& Line : Lines) {
        QString Current;
        for (const QString& Word : Line.split(u' ')) {
            const QString Longer = Current.isEmpty() ? Word : Current + u' ' + Word;
            if (!Current.isEmpty() && Metrics.horizontalAdvance(Longer) > FWidth - 24) {
                Shown << Current;
                Current = Word;
            } else {
                Current = Longer;
            }
        }
        Shown << Current;
    }
    Text->setText(Shown.join(u'\n'));
    FTextHeight = std::max(16, Metrics.lineSpacing()) * static_cast<int>(Shown.size());
    Layout();
}

void TRaceWaitForm::Ask(const QString& Text)
{
    Question->setText(Text);
    Question->show();
    AcceptBtn->show();
    RefuseBtn->show();
    // Enter lets nobody in by chance: it answers nothing while a stranger waits.
    CancelBtn->setDefault(false);
    AcceptBtn->setFocus();
    Layout();
}

void TRaceWaitForm::ClearQuestion()
{
    Question->clear();
    Question->hide();
    AcceptBtn->hide();
    RefuseBtn->hide();
    CancelBtn->setDefault(true);
    Layout();
}

bool TRaceWaitForm::Asking() const
{
    return !Question->isHidden();
}

void TRaceWaitForm::Layout()
{
    // A question with a long name widens the window as far as it may.
    FWidth = FLinesWidth;
    if (Asking())
        FWidth = std::clamp(QFontMetrics(Question->font()).horizontalAdvance(Question->text()) + 32, FLinesWidth,
                            MaxClientWidth);
    int Y = 12;
    Text->setGeometry(12, Y, FWidth - 24, FTextHeight);
    Y += FTextHeight + 16;
    if (Asking()) {
        Question->setGeometry(12, Y, FWidth - 24, 18);
        Y += 26;
        const int Width = 85, Gap = 12;
        AcceptBtn->setGeometry(FWidth / 2 - Gap / 2 - Width, Y, Width, 25);
        RefuseBtn->setGeometry(FWidth / 2 + Gap / 2, Y, Width, 25);
        Y += 37;
    }
    CancelBtn->setGeometry((FWidth - 75) / 2, Y, 75, 25);
    setFixedSize(FWidth, Y + 36);
}
