#include "dialogs/racesetupform.h"

#include "dialogs/namevalidator.h"
#include "dialogs/plainlabel.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/playername.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TRaceSetupForm::TRaceSetupForm(bool Joining, const QString& Name, const QString& Where, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , FJoining(Joining)
{
    setObjectName(QStringLiteral("RaceSetupForm"));
    setWindowTitle(Joining ? tr("Join a Race") : tr("Host a Race"));
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(ClientWidth, ClientHeight);

    NameLabel = MakePlainLabel(this, "NameLabel", tr("Your name:"), QRect(12, 14, 110, 16));
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setGeometry(126, 12, 162, 21);
    // The name given (from the command line, or kept from the last race)
    // passes the limit like a typed one.
    NameEdit->setValidator(new TNameValidator(platform::MaxPlayerNameLength, NameEdit));
    NameEdit->setText(Name);

    WhereLabel = MakePlainLabel(this, "WhereLabel", Joining ? tr("Host's address:") : tr("Port:"), QRect(12, 48, 110, 16));
    WhereEdit = new QLineEdit(Where, this);
    WhereEdit->setObjectName(QStringLiteral("WhereEdit"));
    WhereEdit->setGeometry(126, 46, 162, 21);
    if (!Joining)
        WhereEdit->setInputMask(QStringLiteral("00000"));

    OkBtn = new QPushButton(Joining ? tr("&Join") : tr("&Host"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(64, 94, 75, 25);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });

    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(161, 94, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    (Joining && Name.isEmpty() ? NameEdit : Joining ? WhereEdit : NameEdit)->setFocus();
}

TRaceSetupForm::~TRaceSetupForm() = default;

QString TRaceSetupForm::Name() const
{
    return NameEdit->text().trimmed();
}

QString TRaceSetupForm::Where() const
{
    return WhereEdit->text().trimmed();
}

void TRaceSetupForm::OkBtnClick()
{
    if (Name().isEmpty()) {
        platform::MessageDlg(tr("Please enter your name"), platform::MsgType::Error, platform::MsgButtons::Ok);
        NameEdit->setFocus();
        return;
    }
    if (FJoining && Where().isEmpty()) {
        platform::MessageDlg(tr("Please enter the host's address"), platform::MsgType::Error, platform::MsgButtons::Ok);
        WhereEdit->setFocus();
        return;
    }
    accept();
}
