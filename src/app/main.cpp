#include <QApplication>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>
#include <memory>
#include <unistd.h>

#include "app/AppShell.h"
#include "app/CompanionLocation.h"
#include "core/Engine.h"
#include "files/SettingsFile.h"
#include "output/OlaOutput.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/windows/HandScanForm.h"
#include "ui/windows/StaticForm.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    AppShell::configureApplication();
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The language comes first: every window is built in it.
    const CompanionPlaces places = locateCompanionFiles(QCoreApplication::applicationFilePath(), dataFolder);
    korvanel::InterfaceTexts::instance().choose(korvanel::ReadIniFile(places.files.IniFileName).Language);

    auto engine = std::make_unique<korvanel::Engine>();
    // The editor pages are built once the window is on screen.
    TBaseForm form(*engine, nullptr, TBaseForm::Build::EditorPagesLater);
    THandScanForm handScan(form, *form.mainMenu());
    TStaticForm staticPictures(form, *form.mainMenu(), *form.faderPage(), *form.showFiles(), *form.sequencerTab(),
                               *form.radioGroupRate());
    AppShell shell(*engine, form, QCoreApplication::applicationFilePath(), dataFolder);
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
