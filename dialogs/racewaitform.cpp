#include "dialogs/racewaitform.h"

#include "platform/fonts.h"

#include <QLabel>
#include <QPushButton>

TRaceWaitForm::TRaceWaitForm(const QString& Title, const QStringList& Lines, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("RaceWaitForm"));
    setWindowTitle(Title);
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    const int TextHeight = 16 * static_cast<int>(Lines.size());
    setFixedSize(ClientWidth, TextHeight + 64);
    Text = new QLabel(Lines.join(u'\n'), this);
    Text->setObjectName(QStringLiteral("Text"));
    // The lines carry addresses and what the player typed: never markup.
    Text->setTextFormat(Qt::PlainText);
    Text->setGeometry(12, 12, ClientWidth - 24, TextHeight);
    Text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry((ClientWidth - 75) / 2, TextHeight + 28, 75, 25);
    CancelBtn->setDefault(true);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TRaceWaitForm::~TRaceWaitForm() = default;
