#include "dialogs/aboutform.h"

#include "dialogs/plainlabel.h"
#include "platform/fonts.h"
#include "platform/modal.h"

#include <QLabel>
#include <QPushButton>

TAboutForm::TAboutForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Velto"));
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(ClientWidth, ClientHeight);

    Label4 = MakePlainLabel(this, "Label4", QStringLiteral("Velto"), QRect(114, 2, 74, 32));
    Label4->setFont(platform::MakeFont(QStringLiteral("Times New Roman"), 29, true));
    VersionLabel = MakePlainLabel(this, "VersionLabel", QString(), QRect(106, 37, 91, 22));
    VersionLabel->setFont(platform::MakeFont(QStringLiteral("Times New Roman"), 19, true));
    MakerLabel = MakePlainLabel(this, "MakerLabel", QStringLiteral("Gorvane"), QRect(106, 136, 90, 13));

    OkBtn = new QPushButton(tr("&Ok"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(240, 121, 44, 25);
    OkBtn->setDefault(true);
    // Esc closes the box as well (the dialog's own reject).
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutForm::~TAboutForm() = default;

void ShowAbout(const QString& VersionText)
{
    TAboutForm AboutBox;
    AboutBox.VersionLabel->setText(VersionText);
    platform::ExecModal(AboutBox);
}
