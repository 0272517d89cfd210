// Every test program runs with the game's own application object on the
// offscreen platform, so widgets, timers, the event loop and the silent abort
// behave as in the game, with no display.
#include "platform/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Hosting never asks the machine's real router from a test: a test that
    // needs a router puts in a stand-in of its own.
    qputenv("VELTO_NO_PORT_MAPPING", "1");
    platform::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
