#include "cardlib/lubusy.h"

#include "cardlib/lucustomgraphiccontrol.h"

namespace {

std::uint32_t Count = 0;

} // namespace

void BeginBusy()
{
    ++Count;
}

void EndBusy()
{
    if (Count > 0)
        --Count;
}

bool Busy()
{
    return Count > 0;
}

std::uint32_t BusyCount()
{
    return Count;
}

TLuUpdateGuard::TLuUpdateGuard(TLuCustomGraphicControl& Control, bool Flush)
    : FControl(Control), FFlush(Flush)
{
    FControl.BeginUpdate();
}

TLuUpdateGuard::~TLuUpdateGuard()
{
    FControl.EndUpdate();
    if (!FFlush)
        return;
    try {
        FControl.FlushBuffer();
    } catch (...) {
        // Cleanup must not throw; the next paint shows the Buffer anyway.
    }
}
