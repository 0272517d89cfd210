#include "platform/abort.h"

namespace platform {

void Abort()
{
    throw EAbort();
}

} // namespace platform
