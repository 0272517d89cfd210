#pragma once
// Work that a window's first picture does not need, done once that picture
// is on the screen: the user waits for the window, not for what it will only
// need later.
#include <functional>

class QWidget;

namespace platform {

// Runs Work once, from the event loop, after Window has painted for the
// first time, or after FallbackMs milliseconds if it has not painted by then
// (a window started minimised may not paint for a long time). Work runs at
// most once; nothing runs if Window is gone before.
void AfterFirstPaint(QWidget& Window, std::function<void()> Work, int FallbackMs = 1000);

} // namespace platform
