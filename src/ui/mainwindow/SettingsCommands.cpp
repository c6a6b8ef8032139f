#include "ui/mainwindow/SettingsCommands.h"

#include <QFile>
#include <QToolButton>

#include "core/Engine.h"
#include "files/SettingsFile.h"
#include "files/ShowNames.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/pages/coder/CoderTab.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/ConveyorKeys.h"

namespace korvanel {

void ReadIniFile(TBaseForm &form)
{
    Engine &engine = form.engine();
    const IniSettings settings = korvanel::ReadIniFile(engine.files.IniFileName);
    engine.ConveyorFiles = settings.ConveyorFiles;
    form.OpenDialogFileName = QFile::decodeName(settings.Path.c_str());
    // The recoding table's dialogs both start from the remembered table.
    CoderTab &coder = *form.control<CoderTab>("TabSheet3");
    coder.OpenDialogCoderFileName = QFile::decodeName(settings.Coder.c_str());
    coder.SaveDialogCoderFileName = coder.OpenDialogCoderFileName;

    for (int n = 1; n <= ConveyorGroup::SlotCount; ++n) {
        QToolButton &button = *form.conveyor()->slotButton(n);
        const std::string &file = engine.ConveyorFiles[static_cast<std::size_t>(n - 1)];
        if (file.empty())
            showConveyorKeyEmpty(button, n);
        else
            showConveyorKeyFile(button, n, QString::fromUtf8(shortShowName(file, SettingsKeyNameLength)));
    }
}

bool WriteIniFile(TBaseForm &form)
{
    const Engine &engine = form.engine();
    IniSettings settings;
    settings.ConveyorFiles = engine.ConveyorFiles;
    settings.Path = QFile::encodeName(form.SaveDialogFileName).toStdString();
    settings.Coder = QFile::encodeName(form.control<CoderTab>("TabSheet3")->SaveDialogCoderFileName).toStdString();
    if (korvanel::WriteIniFile(engine.files.IniFileName, settings).ok())
        return true;
    form.dialogs().error(&form, QStringLiteral("Unable to write to %1").arg(QFile::decodeName(engine.files.IniFileName.c_str())));
    return false;
}

} // namespace korvanel
