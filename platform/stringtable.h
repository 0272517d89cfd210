#pragma once
// The program's own string table.
#include <QString>

namespace platform {

// The string with this id, or an empty string for an id that has none.
QString LoadStr(int id);

} // namespace platform
