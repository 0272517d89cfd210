#pragma once
// Two game windows racing each other in one process over the loopback, as
// two players on two machines would, set up through the windows' own
// hosting and joining.
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lusinglecard.h"
#include "dialogs/racewaitform.h"
#include "dialogs/settingsfile.h"
#include "game/mainform.h"
#include "game/netrace/netracetable.h"
#include "game/netrace/netracewindow.h"
#include "tests/support/modaldialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace netracetesting {

inline bool WaitFor(const std::function<bool()>& Done, int Ms = 20000)
{
    QElapsedTimer Timer;
    Timer.start();
    while (!Done() && Timer.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return Done();
}

inline quint16 FreePort()
{
    QTcpServer Probe;
    return Probe.listen(QHostAddress::LocalHost, 0) ? Probe.serverPort() : 0;
}

// One player's program: an application folder of its own with its settings.
struct TPlayer {
    QTemporaryDir Dir;
    QString AppDir = Dir.path() + u'/';
    std::unique_ptr<TMainForm> Form;

    explicit TPlayer(bool Animate, const QString& Folder = QString())
    {
        if (!Folder.isEmpty())
            AppDir = Folder + u'/';
        QDir(AppDir).mkdir(QStringLiteral("Data"));
        {
            QFile F(AppDir + QStringLiteral("Data/Config.INI"));
            if (F.open(QIODevice::WriteOnly))
                F.write(QStringLiteral("[Settings]\nDeckSize=1\nPlaySounds=0\nAnimateCards=%1\n").arg(Animate ? 1 : 0).toUtf8());
        }
        Form = std::make_unique<TMainForm>(AppDir);
        Form->show();
    }
    bool Racing() const { return Form->NetRace->Active(); }
    void Press(QChar Key) { Form->FormKeyPress(Key); }
    // Nothing in the air, and the centre piles and the player's own hand on
    // the screen are those of the session's table.
    bool ShowsItsTable() const
    {
        const TNetRaceSession& S = *Form->NetRace->Session();
        if (Form->NetRace->Flights().Count() != 0)
            return false;
        for (int Centre = 0; Centre < core::CentrePiles; ++Centre)
            if (netracetable::CentreTable(*Form, S.OwnSeat(), Centre)->CardTop()->ID()
                != S.Table().CentreTop[static_cast<std::size_t>(Centre)])
                return false;
        const auto Slots = Form->Slots(UserSide);
        for (std::size_t Slot = 0; Slot < Slots.size(); ++Slot) {
            const TLuSingleCard* Card = Slots[Slot]->CardAt(0);
            const int Shown = Card->Empty() ? core::NoCard : Card->ID();
            if (Shown != S.Table().Slots[static_cast<std::size_t>(S.OwnSeat())][Slot])
                return false;
        }
        return true;
    }
    TNetRaceRecords FileRecords() const { return TSettingsFile(AppDir + QStringLiteral("Data/")).ReadRaceRecords(); }
};

// Ann hosts from her window; while her waiting window is open, Bo joins.
// Both then see their start box (which the caller's boxes answer).
inline void Connect(TPlayer& Ann, TPlayer& Bo, testing_support::ScriptedModalDialogs& Modals)
{
    using testing_support::ScriptedModalDialogs;
    const quint16 Port = FreePort();
    ASSERT_NE(Port, 0);
    auto UntilClosed = [](QDialog& Wait) {
        WaitFor([&] { return Wait.result() != 0; });
        return Wait.result();
    };
    Modals.Then(ScriptedModalDialogs::For<TRaceWaitForm>([&Bo, Port, UntilClosed](TRaceWaitForm& Wait) {
        EXPECT_TRUE(Wait.Text->text().contains(QStringLiteral(":%1").arg(Port)));
        Bo.Form->JoinRace(QStringLiteral("Bo"), QStringLiteral("127.0.0.1:%1").arg(Port));
        return UntilClosed(Wait);
    }));
    Modals.Then(ScriptedModalDialogs::For<TRaceWaitForm>(UntilClosed));
    Ann.Form->HostRace(QStringLiteral("Ann"), Port, QStringLiteral("Bo"));
    ASSERT_TRUE(Ann.Racing() && Bo.Racing());
    ASSERT_TRUE(WaitFor([&] {
        return Ann.Form->NetRace->Session()->Running() && Bo.Form->NetRace->Session()->Running();
    }));
}

} // namespace netracetesting
