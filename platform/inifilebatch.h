#pragma once
// The engine behind IniFile::WriteStrings, apart from the one-key writes it
// must match byte for byte, which stay as the plain reference it is tested
// against. Internal to IniFile; nothing else should include this.
#include "platform/inifile.h"

#include <QByteArray>
#include <QList>

namespace platform::ini {

// The file's bytes once the writes are made, in order, to original (empty
// for a missing file). The names must already be cleaned and accepted the
// way WriteString cleans and accepts them; values are flattened here.
QByteArray batchEdited(const QByteArray& original, const QList<IniFile::KeyValue>& writes);

} // namespace platform::ini
