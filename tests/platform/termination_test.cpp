// A termination request from outside closes the windows through their close
// query instead of killing the program: a window that refuses stays open.
#include "platform/termination.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <csignal>

namespace {

class RefusingWindow : public QWidget {
public:
    bool Refuse = false;
    int Queries = 0;

protected:
    void closeEvent(QCloseEvent* Event) override
    {
        ++Queries;
        if (Refuse)
            Event->ignore();
        else
            Event->accept();
    }
};

void WaitForRequests(const platform::TerminationRequests& Requests, int Count)
{
    QElapsedTimer Waited;
    Waited.start();
    while (Requests.Count() < Count && Waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

TEST(TerminationRequests, EachSignalClosesTheWindowsThroughTheirCloseQuery)
{
    const platform::TerminationRequests Requests;
    int Count = 0;
    for (const int Signal : {SIGTERM, SIGHUP, SIGINT}) {
        RefusingWindow Window;
        Window.show();
        Window.Refuse = Signal == SIGHUP; // a deal the player keeps
        ASSERT_EQ(std::raise(Signal), 0);
        WaitForRequests(Requests, ++Count);
        EXPECT_EQ(Requests.Count(), Count) << Signal;
        EXPECT_EQ(Window.Queries, 1) << Signal;
        EXPECT_EQ(Window.isVisible(), Window.Refuse) << Signal;
    }
}

} // namespace
