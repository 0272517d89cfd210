#include "game/commandline.h"

#include <QCoreApplication>

TCommandLine TCommandLine::Parse(const QStringList& Arguments)
{
    TCommandLine C;
    for (qsizetype I = 0; I < Arguments.size(); ++I) {
        const QString& A = Arguments[I];
        const bool HasNext = I + 1 < Arguments.size() && !Arguments[I + 1].startsWith(u'-');
        if (A == u"--host") {
            C.Host = true;
            if (HasNext) {
                bool Ok = false;
                const uint Port = Arguments[I + 1].toUInt(&Ok, 10);
                if (!Ok || Port == 0 || Port > 65535) {
                    C.Error = tr("--host takes a port from 1 to 65535, not \"%1\"").arg(Arguments[I + 1]);
                    return C;
                }
                C.Port = static_cast<quint16>(Port);
                ++I;
            }
        } else if (A == u"--join" || A == u"--name" || A == u"--accept") {
            if (!HasNext) {
                C.Error = tr("%1 needs a value").arg(A);
                return C;
            }
            (A == u"--join" ? C.Join : A == u"--name" ? C.Name : C.Accept) = Arguments[++I].trimmed();
        }
    }
    if (C.Host && !C.Join.isEmpty())
        C.Error = tr("--host and --join cannot be given together");
    return C;
}
