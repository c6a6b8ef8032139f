#include <QApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

#include "app/AppShell.h"
#include "app/CommandLine.h"
#include "app/CompanionLocation.h"
#include "core/Engine.h"
#include "files/SettingsFile.h"
#include "output/OlaOutput.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/windows/HandScanForm.h"
#include "ui/windows/StaticForm.h"

namespace {

// The language comes first: every window and message is in it.
QString chooseLanguage()
{
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const CompanionPlaces places = locateCompanionFiles(QCoreApplication::applicationFilePath(), dataFolder);
    korvanel::InterfaceTexts::instance().choose(korvanel::ReadIniFile(places.files.IniFileName).Language);
    return dataFolder;
}

// --help and --version are answered without a display.
bool onlyText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

int answer(const CommandLine &line)
{
    QTextStream(line.action == CommandLine::Action::Refuse ? stderr : stdout) << line.message << '\n';
    return line.action == CommandLine::Action::Refuse ? 2 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (onlyText(argc, argv)) {
        QCoreApplication app(argc, argv);
        AppShell::nameApplication();
        chooseLanguage();
        return answer(readCommandLine(QCoreApplication::arguments()));
    }
    QApplication app(argc, argv);
    AppShell::configureApplication();
    const QString dataFolder = chooseLanguage();
    const CommandLine line = readCommandLine(QCoreApplication::arguments());
    if (line.action != CommandLine::Action::Run)
        return answer(line);

    auto engine = std::make_unique<korvanel::Engine>();
    // The editor pages are built once the window is on screen.
    TBaseForm form(*engine, nullptr, TBaseForm::Build::EditorPagesLater);
    THandScanForm handScan(form, *form.mainMenu());
    TStaticForm staticPictures(form, *form.mainMenu(), *form.faderPage(), *form.showFiles(), *form.sequencerTab(),
                               *form.radioGroupRate());
    AppShell shell(*engine, form, QCoreApplication::applicationFilePath(), dataFolder);
    shell.setStartShow(line.show);
    shell.FormCreate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        form.fitInto(screen->availableGeometry());
    form.show();
    form.buildEditorPagesOnceShown();
    const int code = app.exec();
    // The window's closing has written the settings and the companion files.
    // An OLA worker stuck in OLA's library may still run there: end without
    // running static destructors under it.
    if (const korvanel::OlaOutput *ola = shell.olaOutput(); ola != nullptr && ola->workerLeftRunning()) {
        std::fflush(nullptr);
        _exit(code);
    }
    return code;
}
