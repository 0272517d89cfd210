#pragma once
// The program's command line: "--host [PORT]" hosts a race at once,
// "--join HOST[:PORT]" joins one, "--name NAME" is the player's name in it,
// and "--accept NAME" lets the guest of that name in without asking (for
// scripts; anyone else is still asked about).
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

struct TCommandLine {
    Q_DECLARE_TR_FUNCTIONS(TCommandLine)

public:
    bool Host = false;
    quint16 Port = 0; // 0: the default port
    QString Join;     // the address to join, empty for none
    QString Name;     // empty: the login name
    QString Accept;   // the guest let in unasked, empty for none
    QString Error;    // what is wrong with the command line, empty when nothing

    // Reads the arguments after the program's name. Unknown arguments are
    // left to Qt (it takes -platform and its kind); a race option without
    // its value, a port that is not 1..65535 or both --host and --join is
    // an error.
    static TCommandLine Parse(const QStringList& Arguments);
};
