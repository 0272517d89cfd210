#include "dialogs/nameform.h"

#include "dialogs/namevalidator.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/modal.h"
#include "platform/stringtable.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


TNameForm::TNameForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("NameForm"));
    setWindowTitle(tr("Name"));
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(ClientWidth, ClientHeight);

    Label1 = new QLabel(tr("Enter your name for the Hall of Fame"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(platform::MakeFont(QStringLiteral("Comic Sans MS"), 13, true));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setGeometry(4, 16, 246, 18);

    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setGeometry(66, 48, 121, 21);
    Edit->setValidator(new TNameValidator(MaxNameLength, Edit));

    Button1 = new QPushButton(tr("&Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(89, 88, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    Edit->setFocus();
}

TNameForm::~TNameForm() = default;

void TNameForm::Button1Click()
{
    if (Edit->text().isEmpty()) {
        platform::MessageDlg(platform::LoadStr(platform::strings::EnterName), platform::MsgType::Error,
                             platform::MsgButtons::Ok);
        Edit->setFocus();
        return;
    }
    accept();
}

std::optional<QString> AskName()
{
    TNameForm NameForm;
    if (platform::ExecModal(NameForm) != QDialog::Accepted)
        return std::nullopt;
    return NameForm.Edit->text();
}
