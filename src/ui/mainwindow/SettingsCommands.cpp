#include "ui/mainwindow/SettingsCommands.h"

#include <QFile>
#include <QToolButton>

#include "core/Engine.h"
#include "files/SettingsFile.h"
#include "files/ShowNames.h"
#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/osc/OscGroup.h"
#include "ui/pages/coder/CoderTab.h"
#include "ui/remote/RemoteGroup.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/ConveyorKeys.h"
#include "ui/texts/InterfaceTexts.h"

namespace korvanel {

IniSettings ReadIniFile(WindowServices &window, CoderTab &coder, ConveyorGroup &conveyor, RemoteGroup &remote,
                        OscGroup &osc)
{
    Engine &engine = window.engine();
    const IniSettings settings = korvanel::ReadIniFile(engine.files.IniFileName);
    engine.ConveyorFiles = settings.ConveyorFiles;
    window.setOpenDialogFileName(QFile::decodeName(settings.Path.c_str()));
    // The recoding table's dialogs both start from the remembered table.
    coder.OpenDialogCoderFileName = QFile::decodeName(settings.Coder.c_str());
    coder.SaveDialogCoderFileName = coder.OpenDialogCoderFileName;

    for (int n = 1; n <= ConveyorGroup::SlotCount; ++n) {
        QToolButton &button = *conveyor.slotButton(n);
        const std::string &file = engine.ConveyorFiles[static_cast<std::size_t>(n - 1)];
        if (file.empty())
            showConveyorKeyEmpty(button, n);
        else
            showConveyorKeyFile(button, n, QString::fromUtf8(shortShowName(file, SettingsKeyNameLength)));
    }
    // The remote page's server: switched on here when it was on at the last exit.
    remote.applySettings(ReadRemoteSettings(engine.files.IniFileName));
    osc.applySettings(settings.Osc);
    return settings;
}

bool WriteIniFile(WindowServices &window, const CoderTab &coder, const RemoteGroup &remote, const OscGroup &osc,
                  IniSettings others)
{
    const Engine &engine = window.engine();
    IniSettings settings = std::move(others);
    settings.ConveyorFiles = engine.ConveyorFiles;
    settings.Path = QFile::encodeName(window.saveDialogFileName()).toStdString();
    settings.Coder = QFile::encodeName(coder.SaveDialogCoderFileName).toStdString();
    settings.Remote = remote.settings();
    settings.Osc = osc.settings();
    settings.Language = InterfaceTexts::instance().choice();
    if (korvanel::WriteIniFile(engine.files.IniFileName, settings).ok())
        return true;
    window.dialogs().error(
        &window.mainWindow(),
        QStringLiteral("Unable to write to %1").arg(QFile::decodeName(engine.files.IniFileName.c_str())));
    return false;
}

} // namespace korvanel
