// The window program as bench_player measures it: started as main() starts it,
// then playing the show named on the command line as an operator would, in
// "Автомат" mode. Usage: bench_window_play SHOW.kvl
#include <QAction>
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <csignal>
#include <memory>

#include "app/AppShell.h"
#include "core/Engine.h"
#include "support/ScriptedDialogs.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/rightcolumn/RateModeGroup.h"
#include "ui/windows/HandScanForm.h"
#include "ui/windows/StaticForm.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    std::signal(SIGTERM, [](int) { QCoreApplication::quit(); });
    QTemporaryDir companions; // no settings of the operator's are read or written

    auto engine = std::make_unique<korvanel::Engine>();
    TBaseForm form(*engine);
    THandScanForm handScan(form, *form.mainMenu());
    TStaticForm staticPictures(form, *form.mainMenu(), *form.faderPage(), *form.showFiles(), *form.sequencerTab(),
                               *form.radioGroupRate());
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs->fileNames.push_back(QString::fromLocal8Bit(argv[1]));
    form.setDialogs(std::move(dialogs));
    AppShell shell(*engine, form, companions.filePath("korvanel"), companions.filePath("data"));
    shell.FormCreate();
    form.show();
    form.radioGroupRate()->setItemIndex(1);
    form.control<QAction>("OpenItem")->trigger();
    form.control<QToolButton>("SpeedButtonPlay")->click();
    const int code = app.exec();
    shell.FormClose();
    return code;
}
