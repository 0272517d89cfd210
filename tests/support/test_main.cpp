// Every test program runs with the game's own application object on the
// offscreen platform, so widgets, timers, the event loop and the silent abort
// behave as in the game, with no display.
#include "platform/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
