#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Световой пульт DMX512 для USB-интерфейсов на FTDI"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("show"),
        QCoreApplication::translate("CommandLine", "Файл шоу (.kvl), открываемый вместо последнего"),
        QStringLiteral("[show.kvl]"));
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = CommandLine::Action::Refuse;
        line.message = parser.errorText();
        return line;
    }
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        line.message = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        line.message = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion();
        return line;
    }
    const QStringList shows = parser.positionalArguments();
    if (shows.size() > 1) {
        line.action = CommandLine::Action::Refuse;
        line.message =
            QCoreApplication::translate("CommandLine", "Можно открыть только одно шоу, а названо %1").arg(shows.size());
        return line;
    }
    if (!shows.isEmpty())
        line.show = QFileInfo(shows.front()).absoluteFilePath();
    return line;
}
