#pragma once
// The window program's command line: at most one show file to open instead of
// the one last saved (a desktop opening a file passes it so), --help, --version.

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    QString show;    // absolute; empty: none named
    QString message; // the help, the version, or why the line is refused
};

// The arguments as QCoreApplication::arguments() gives them, the program's name first.
CommandLine readCommandLine(const QStringList &arguments);
