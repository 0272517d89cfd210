#pragma once
// The program's own string table.
#include <QString>

namespace platform {

// The string with this id in the user's language, or an empty string for an
// id that has none.
QString LoadStr(int id);
// The string with this id as written, in every language: for text that is
// data (the section names of the settings file), not interface.
QString LoadUntranslatedStr(int id);

} // namespace platform
