#include "dialogs/racesetupform.h"

#include "dialogs/namevalidator.h"
#include "dialogs/plainlabel.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/playername.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Where the address row and the buttons go below the list of races.
constexpr int ListedShift = TRaceSetupForm::ListedHeight - TRaceSetupForm::ClientHeight;
// The list, from under its label to a gap above the address row.
constexpr int ListHeight = 48 + ListedShift - 64 - 10;

} // namespace

TRaceSetupForm::TRaceSetupForm(bool Joining, const QString& Name, const QString& Where, QWidget* Parent,
                               TRaceList* Races)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , FJoining(Joining)
    , FRaces(Joining ? Races : nullptr)
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

    if (FRaces)
        MakeRaceList();

    (Joining && Name.isEmpty() ? NameEdit : Joining ? WhereEdit : NameEdit)->setFocus();
}

void TRaceSetupForm::MakeRaceList()
{
    setFixedSize(ClientWidth, ListedHeight);
    for (QWidget* Below : std::initializer_list<QWidget*>{WhereLabel, WhereEdit, OkBtn, CancelBtn})
        Below->move(Below->x(), Below->y() + ListedShift);

    RacesLabel = MakePlainLabel(this, "RacesLabel", tr("&Races on this network:"), QRect(12, 46, 276, 16));
    RacesView = new QTreeWidget(this);
    RacesView->setObjectName(QStringLiteral("RacesView"));
    RacesView->setGeometry(12, 64, 276, ListHeight);
    RacesView->setColumnCount(2);
    RacesView->setHeaderLabels({tr("Host"), tr("Address")});
    RacesView->setColumnWidth(0, 120);
    RacesView->setRootIsDecorated(false);
    RacesView->setUniformRowHeights(true);
    RacesView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RacesView->setSelectionMode(QAbstractItemView::SingleSelection);
    RacesLabel->setBuddy(RacesView);
    setTabOrder(NameEdit, RacesView);
    setTabOrder(RacesView, WhereEdit);

    // Over the list while it is empty, saying why.
    const int HeaderHeight = RacesView->header()->sizeHint().height();
    RacesNote = MakePlainLabel(this, "RacesNote", QString(),
                               QRect(18, 64 + HeaderHeight + 4, 264, ListHeight - HeaderHeight - 8));
    RacesNote->setWordWrap(true);
    RacesNote->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // A row chosen fills in its address; a double click joins it. Enter
    // in the list chooses too, and then presses the default button, Join.
    connect(RacesView, &QTreeWidget::currentItemChanged, this, [this] { Choose(); });
    connect(RacesView, &QTreeWidget::itemActivated, this, [this] { Choose(); });
    connect(RacesView, &QTreeWidget::itemDoubleClicked, this, [this] {
        Choose();
        OkBtnClick();
    });
    // An address typed over a chosen one: the row is no longer the choice.
    connect(WhereEdit, &QLineEdit::textEdited, this, [this] {
        const QTreeWidgetItem* Current = RacesView->currentItem();
        if (Current && Current->data(1, Qt::UserRole).toString() != Where()) {
            FShowing = true;
            RacesView->setCurrentItem(nullptr);
            RacesView->clearSelection();
            FShowing = false;
        }
    });
    connect(FRaces, &TRaceList::Changed, this, [this] { ShowRaces(); });
    ShowRaces();
}

void TRaceSetupForm::ShowRaces()
{
    if (!FRaces)
        return;
    FShowing = true;
    RacesView->clear();
    QTreeWidgetItem* Chosen = nullptr;
    for (const TListedRace& Race : FRaces->Races()) {
        // Checked where they were found; shown as names are, all the same.
        const QString Address = platform::CleanName(Race.Address);
        auto* Row = new QTreeWidgetItem(RacesView, {platform::CutName(platform::CleanName(Race.Name)), Address});
        Row->setData(1, Qt::UserRole, Address);
        if (!Chosen && Address == Where())
            Chosen = Row;
    }
    // The row whose address is in the box stays chosen as the list changes.
    RacesView->setCurrentItem(Chosen);
    if (!Chosen)
        RacesView->clearSelection();
    FShowing = false;

    const bool Empty = RacesView->topLevelItemCount() == 0;
    switch (FRaces->State()) {
    case TRaceList::TState::Looking:
        RacesNote->setText(tr("Looking for races on this network..."));
        break;
    case TRaceList::TState::Ready:
        RacesNote->setText(tr("No race is being hosted on this network. You can type the host's address below."));
        break;
    case TRaceList::TState::NoDaemon:
        RacesNote->setText(tr("Races cannot be looked for here: no Avahi daemon runs on this computer. "
                              "You can type the host's address below."));
        break;
    case TRaceList::TState::Failed:
        RacesNote->setText(tr("Races cannot be looked for here (%1). You can type the host's address below.")
                               .arg(platform::CleanName(FRaces->Error())));
        break;
    }
    RacesNote->setVisible(Empty);
}

void TRaceSetupForm::Choose()
{
    const QTreeWidgetItem* Current = RacesView->currentItem();
    if (FShowing || !Current)
        return;
    WhereEdit->setText(Current->data(1, Qt::UserRole).toString());
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
