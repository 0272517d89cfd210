// The join window's list of the races hosted on the local network: it says
// why it is empty, shows every name and address as plain text, keeps the
// chosen row across changes, fills in the address of the row chosen, joins
// on a double click, and never stands in the way of an address typed.
#include "dialogs/racesetupform.h"
#include "platform/playername.h"
#include "tests/dialogs/fakeracelist.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using TState = TRaceList::TState;

const TListedRace Ann{QStringLiteral("Ann"), QStringLiteral("192.168.1.20:47251")};
const TListedRace Bo{QStringLiteral("Bo"), QStringLiteral("[2001:db8::5]:5000")};
const TListedRace Cy{QStringLiteral("Cy"), QStringLiteral("10.0.0.3:47251")};

QStringList Rows(const TRaceSetupForm& Form, int Column)
{
    QStringList Out;
    for (int I = 0; I < Form.RacesView->topLevelItemCount(); ++I)
        Out << Form.RacesView->topLevelItem(I)->text(Column);
    return Out;
}

TEST(RaceSetupFormList, TheEmptyListSaysWhyAndTheRowsShowPlainNames)
{
    TFakeRaceList Races;
    TRaceSetupForm Form(true, QStringLiteral("Zoe"), QString(), nullptr, &Races);
    ASSERT_NE(Form.RacesView, nullptr);
    EXPECT_EQ(Form.height(), TRaceSetupForm::ListedHeight);
    EXPECT_EQ(Form.RacesNote->textFormat(), Qt::PlainText);
    // No control of the window covers another (the note lies over the empty
    // list on purpose), and all lie inside it.
    const QList<QWidget*> Controls = Form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* A : Controls) {
        EXPECT_TRUE(Form.rect().contains(A->geometry())) << A->objectName().toStdString();
        for (const QWidget* B : Controls) {
            if (A < B && A != Form.RacesNote && B != Form.RacesNote) {
                EXPECT_FALSE(A->geometry().intersects(B->geometry()))
                    << A->objectName().toStdString() << " and " << B->objectName().toStdString();
            }
        }
    }
    EXPECT_TRUE(Form.RacesView->geometry().contains(Form.RacesNote->geometry()));
    const struct {
        const char* what;
        TState state;
        QString error;
        const char* says; // a piece of the note
    } cases[] = {
        {"looking", TState::Looking, {}, "Looking for races"},
        {"none hosted", TState::Ready, {}, "No race is being hosted"},
        {"no daemon", TState::NoDaemon, QStringLiteral("Daemon not running"), "no Avahi daemon runs"},
        {"another failure", TState::Failed, QStringLiteral("Access denied\u202E<b>"), "(Access denied <b>)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Races.Failure = c.error;
        Races.Set(c.state);
        EXPECT_TRUE(Form.RacesNote->isVisibleTo(&Form));
        EXPECT_TRUE(Form.RacesNote->text().contains(QString::fromUtf8(c.says))) << Form.RacesNote->text().toStdString();
        EXPECT_TRUE(platform::IsCleanName(Form.RacesNote->text()));
        EXPECT_EQ(Form.RacesView->topLevelItemCount(), 0);
        // The address box and Join stay there to type into.
        EXPECT_TRUE(Form.WhereEdit->isEnabled());
        EXPECT_TRUE(Form.OkBtn->isEnabled());
    }

    // What the list was given is shown as text, never read as anything
    // else, and cleaned and cut again whatever gave it.
    Races.Set(TState::Ready, {{QStringLiteral("<b>Ann</b>"), Ann.Address},
                              {QStringLiteral("Mal\u202Eexe\u200B") + QString(30, u'x'), Cy.Address}});
    EXPECT_FALSE(Form.RacesNote->isVisibleTo(&Form));
    const QStringList Names = Rows(Form, 0);
    ASSERT_EQ(Names.size(), 2);
    EXPECT_EQ(Names[0], QStringLiteral("<b>Ann</b>"));
    EXPECT_EQ(Names[1], QStringLiteral("Mal exe ") + QString(12, u'x'));
    EXPECT_EQ(Rows(Form, 1), QStringList({Ann.Address, Cy.Address}));
}

TEST(RaceSetupFormList, AChosenRowFillsInItsAddressAndStaysChosenAsTheListChanges)
{
    TFakeRaceList Races;
    TRaceSetupForm Form(true, QStringLiteral("Zoe"), QString(), nullptr, &Races);
    Races.Set(TState::Ready, {Ann, Bo});
    EXPECT_EQ(Form.RacesView->currentItem(), nullptr); // nothing chosen for the player
    EXPECT_EQ(Form.Where(), QString());

    Form.RacesView->setCurrentItem(Form.RacesView->topLevelItem(1));
    EXPECT_EQ(Form.Where(), Bo.Address);

    const struct {
        const char* what;
        std::vector<TListedRace> now;
        const char* chosen; // the name of the current row; empty: none
    } steps[] = {
        {"a race comes before it", {Cy, Ann, Bo}, "Bo"},
        {"another goes", {Cy, Bo}, "Bo"},
        {"the chosen race goes", {Cy}, ""},
        {"it comes back", {Cy, Bo}, "Bo"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        Races.Set(TState::Ready, s.now);
        const QTreeWidgetItem* Current = Form.RacesView->currentItem();
        EXPECT_EQ(Current ? Current->text(0) : QString(), QString::fromUtf8(s.chosen));
        // A change of the list never changes what the box holds.
        EXPECT_EQ(Form.Where(), Bo.Address);
    }

    // Typing over the chosen address: the row is no longer chosen, and the
    // typed address is the one joined.
    Form.WhereEdit->selectAll();
    QTest::keyClicks(Form.WhereEdit, QStringLiteral("10.9.8.7:6000"));
    EXPECT_EQ(Form.RacesView->currentItem(), nullptr);
    Races.Set(TState::Ready, {Ann, Bo, Cy});
    EXPECT_EQ(Form.RacesView->currentItem(), nullptr);
    Form.OkBtn->click();
    EXPECT_EQ(Form.result(), QDialog::Accepted);
    EXPECT_EQ(Form.Where(), QStringLiteral("10.9.8.7:6000"));
}

TEST(RaceSetupFormList, ADoubleClickJoinsTheRace)
{
    TFakeRaceList Races;
    TRaceSetupForm Form(true, QStringLiteral("Zoe"), QStringLiteral("typed.example:1"), nullptr, &Races);
    Races.Set(TState::Ready, {Ann, Cy});
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
    const QRect Row = Form.RacesView->visualItemRect(Form.RacesView->topLevelItem(1));
    ASSERT_FALSE(Row.isEmpty());
    // The press chooses the row, the second click of the pair joins it.
    QTest::mouseClick(Form.RacesView->viewport(), Qt::LeftButton, {}, Row.center());
    EXPECT_EQ(Form.Where(), Cy.Address);
    EXPECT_EQ(Form.result(), 0);
    QTest::mouseDClick(Form.RacesView->viewport(), Qt::LeftButton, {}, Row.center());
    EXPECT_EQ(Form.result(), QDialog::Accepted);
    EXPECT_EQ(Form.Where(), Cy.Address);
}

TEST(RaceSetupFormList, WithoutAListTheWindowsAreAsBefore)
{
    TFakeRaceList Races;
    const struct {
        const char* what;
        bool joining;
        TRaceList* races;
    } cases[] = {
        {"joining by address alone", true, nullptr},
        {"hosting, even given a list", false, &Races},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TRaceSetupForm Form(c.joining, QStringLiteral("Zoe"), QStringLiteral("47251"), nullptr, c.races);
        EXPECT_EQ(Form.RacesView, nullptr);
        EXPECT_EQ(Form.height(), TRaceSetupForm::ClientHeight);
    }
}

} // namespace
