#include <QApplication>
#include <QStandardPaths>
#include <memory>

#include "app/AppShell.h"
#include "core/Engine.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/windows/HandScanForm.h"
#include "ui/windows/StaticForm.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    AppShell::configureApplication();

    auto engine = std::make_unique<korvanel::Engine>();
    TBaseForm form(*engine);
    THandScanForm handScan(form, *form.mainMenu(), *form.faderPage());
    TStaticForm staticPictures(form, *form.mainMenu(), *form.faderPage(), *form.showFiles(), *form.sequencerTab(),
                               *form.RadioGroupRate);
    AppShell shell(*engine, form, QCoreApplication::applicationFilePath(),
                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    shell.FormCreate();
    form.show();
    return app.exec();
}
