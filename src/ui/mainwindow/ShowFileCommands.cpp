#include "ui/mainwindow/ShowFileCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>
#include <cstring>

#include "core/Engine.h"
#include "editing/GraphZoom.h"
#include "files/ShowFile.h"
#include "files/ShowNames.h"
#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {

std::string localPath(const QString &name) { return QFile::encodeName(name).toStdString(); }

} // namespace

ShowFileCommands::ShowFileCommands(WindowServices &window, const MainMenu &menu, const ConveyorGroup &conveyor)
    : QObject(&window.mainWindow()), m_window(window), m_conveyor(conveyor)
{
    setObjectName(QStringLiteral("ShowFileCommands"));
    m_timerAvtoSave.setObjectName(QStringLiteral("TimerAvtoSave"));
    m_timerAvtoSave.setInterval(AutoSaveIntervalMs);
    connect(&m_timerAvtoSave, &QTimer::timeout, this, &ShowFileCommands::TimerAvtoSaveTimer);

    connect(menu.items().NewItem, &QAction::triggered, this, &ShowFileCommands::NewItemClick);
    connect(menu.items().OpenItem, &QAction::triggered, this, &ShowFileCommands::OpenItemClick);
    connect(menu.items().SaveItem, &QAction::triggered, this, &ShowFileCommands::SaveItemClick);
    connect(menu.items().SaveAsItem, &QAction::triggered, this, &ShowFileCommands::SaveAsItemClick);
    m_saved.take(window.engine());
}

const QString &ShowFileCommands::showFileFilter()
{
    static const QString filter = tr("Файлы DMX Korvanel  (*.kvl)");
    return filter;
}

QString ShowFileCommands::errorText(const FileResult &result, const QString &fileName)
{
    const QString system =
        result.systemError != 0 ? QString::fromLocal8Bit(std::strerror(result.systemError)) : QString();
    switch (result.error) {
    case FileError::None:
        return {};
    case FileError::ShortFile:
        return QStringLiteral("Read beyond end of file");
    case FileError::NotFound:
        return tr("Файл ШОУ не найден ");
    case FileError::NotAFile:
        return tr("%1 — не файл, его нельзя открыть как Шоу").arg(fileName);
    case FileError::OpenFailed:
        return tr("Не удалось открыть файл %1\n%2").arg(fileName, system);
    case FileError::ReadFailed:
        return tr("Ошибка чтения файла %1\n%2").arg(fileName, system);
    case FileError::WriteFailed:
        return tr("Не удалось записать файл %1\n%2").arg(fileName, system);
    }
    return {};
}

ShowFileCommands::Load ShowFileCommands::BlocOpenFile()
{
    const QString name = m_window.openDialogFileName();
    Engine &engine = m_window.engine();
    const FileResult result = loadShowFile(engine, localPath(name));
    if (result.error == FileError::NotFound) {
        m_window.OutStatus(tr("Файл ШОУ не найден "));
        m_window.disableUndo();
        return Load::NotFound;
    }
    if (!result.ok()) {
        // Caption, save name and undo stay as they were: the show did not change.
        m_window.dialogs().error(&m_window.mainWindow(), errorText(result, name));
        return Load::Failed;
    }
    showLoaded(name);
    return Load::Loaded;
}

void ShowFileCommands::showLoaded(const QString &name)
{
    Engine &engine = m_window.engine();
    // The output follows the loaded show's current scene at once.
    RaschetAdr(engine, engine.currentScene());
    m_window.announceShowReplaced();
    m_window.setSaveDialogFileName(name);
    showIsSaved();
    m_window.disableUndo();
}

QString ShowFileCommands::openAtStart(const QString &name)
{
    const FileResult result = loadShowFile(m_window.engine(), localPath(name));
    if (result.error == FileError::NotFound)
        return tr("Файл ШОУ не найден: %1").arg(QDir::toNativeSeparators(name));
    if (!result.ok())
        return errorText(result, name);
    m_window.setOpenDialogFileName(name);
    showLoaded(name);
    Engine &engine = m_window.engine();
    engine.graph = graphViewForZoom(graphZoomForLastScene(engine.sys(SysLastScene)));
    return {};
}

bool ShowFileCommands::SaveFile()
{
    Engine &engine = m_window.engine();
    const QString name = m_window.saveDialogFileName();
    if (storeTypedText)
        storeTypedText();
    stampShowHeader(engine);
    showCaption();
    const FileResult result = writeShowFile(engine, localPath(name), borrowedRows);
    if (!result.ok()) {
        m_window.dialogs().error(&m_window.mainWindow(), errorText(result, name));
        return false;
    }
    showIsSaved();
    return true;
}

ShowFileCommands::Save ShowFileCommands::SaveFileAs()
{
    const QString name = chooseSaveFileName(m_window.dialogs(), &m_window.mainWindow(), tr("Сохранить Шоу как ..."),
                                            dialogFolder(), showFileFilter(), QStringLiteral("kvl"));
    if (name.isEmpty())
        return Save::Cancelled;
    m_window.setSaveDialogFileName(name);
    return SaveFile() ? Save::Saved : Save::Failed;
}

ShowFileCommands::Save ShowFileCommands::saveShow()
{
    if (m_window.saveDialogFileName().isEmpty())
        return SaveFileAs();
    return SaveFile() ? Save::Saved : Save::Failed;
}

bool ShowFileCommands::showModified()
{
    if (storeTypedText)
        storeTypedText();
    checkForEdits();
    return m_modified;
}

void ShowFileCommands::checkForEdits()
{
    // Once seen, an edit stays until the show is saved or replaced: no need to look again.
    if (!m_modified)
        m_modified = m_saved.differs(m_window.engine(), borrowedRows);
    // The caption also takes up a new prefix (the link's state) within the second.
    showCaption();
}

void ShowFileCommands::showIsSaved()
{
    m_saved.take(m_window.engine(), borrowedRows);
    m_modified = false;
    showCaption();
}

void ShowFileCommands::showCaption()
{
    const QString name = m_window.saveDialogFileName();
    m_window.mainWindow().setWindowTitle(m_window.captionPrefix() + (name.isEmpty() ? tr(" Нет имени файла ") : name) +
                                         (m_modified ? QStringLiteral("*") : QString()));
}

bool ShowFileCommands::mayDropShow()
{
    if (!showModified())
        return true;
    const QString name = QFileInfo(m_window.saveDialogFileName()).fileName();
    const QString question =
        name.isEmpty() ? tr("Сохранить изменения в новом шоу?") : tr("Сохранить изменения в шоу «%1»?").arg(name);
    return mayDropEdits(m_window.dialogs(), &m_window.mainWindow(), programTitle(), question,
                        [this] { return saveShow() == Save::Saved; });
}

QString ShowFileCommands::recoveryFileName() const
{
    const std::string &autoSave = m_window.engine().files.AutoSaveFileName;
    if (autoSave.empty())
        return {};
    const QFileInfo beside(QFile::decodeName(autoSave.c_str()));
    const QString show = m_window.saveDialogFileName();
    const QString stem = show.isEmpty() ? beside.completeBaseName() : QFileInfo(show).completeBaseName();
    return beside.dir().filePath(stem + QStringLiteral(".recovered.kvl"));
}

void ShowFileCommands::keepEditsAside()
{
    if (!showModified())
        return;
    const QString target = recoveryFileName();
    if (target.isEmpty()) {
        m_window.OutStatus(tr(" Правки шоу не сохранены: нет папки автосохранения "));
        return;
    }
    // No box: a conveyor key during a show must act at once.
    const FileResult result = writeShowFile(m_window.engine(), localPath(target), borrowedRows);
    if (result.ok())
        m_window.OutStatus(tr(" Несохранённые правки шоу записаны в %1 ").arg(QDir::toNativeSeparators(target)));
    else
        m_window.OutStatus(
            tr(" Правки шоу не сохранены: ") +
            errorText(result, QDir::toNativeSeparators(target)).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

QString ShowFileCommands::notLoadedText(const QString &showName) { return tr("%1 не загружен").arg(showName); }

void ShowFileCommands::ManualLoad()
{
    keepEditsAside();
    const Load load = BlocOpenFile();
    if (load == Load::Failed)
        return;
    Engine &engine = m_window.engine();
    engine.setSys(SysCurrentScene, 0);
    RaschetAdr(engine, 0);
    ConvertorFileName();
    m_conveyor.labelKonveyr()->setText(load == Load::Loaded ? KonveyrShowName : notLoadedText(KonveyrShowName));
    m_window.ReturnPageControlAll();
}

void ShowFileCommands::ConvertorFileName()
{
    KonveyrShowName = QString::fromUtf8(korvanel::ConvertorFileName(localPath(m_window.openDialogFileName())));
}

void ShowFileCommands::NewItemClick()
{
    // Unsaved edits get their own question; a show its file holds loses nothing but a slip of the key.
    if (showModified()) {
        if (!mayDropShow())
            return;
    } else if (!m_window.dialogs().askYesNo(&m_window.mainWindow(), programTitle(), tr("Создать новое ШОУ?"))) {
        return;
    }
    m_window.ClearAll();
    // The new show has no file yet: Save asks for one rather than writing over the old show's.
    m_window.setSaveDialogFileName({});
    showIsSaved();
    m_window.ReturnPageControlAll();
}

void ShowFileCommands::OpenItemClick()
{
    const QString name =
        m_window.dialogs().openFileName(&m_window.mainWindow(), tr("Открыть Шоу"), dialogFolder(), showFileFilter());
    if (name.isEmpty() || !mayDropShow())
        return;
    m_window.setOpenDialogFileName(name);
    if (BlocOpenFile() == Load::Failed)
        return;
    m_window.TempStatus();
    Engine &engine = m_window.engine();
    engine.graph = graphViewForZoom(graphZoomForLastScene(engine.sys(SysLastScene)));
    m_window.ReturnPageControlAll();
}

void ShowFileCommands::SaveItemClick() { saveShow(); }

void ShowFileCommands::SaveAsItemClick()
{
    if (SaveFileAs() == Save::Failed)
        return;
    // A cancelled dialog shifts the colour too: each Save As gives the window another colour.
    if (m_colorAvto == nullptr || !m_colorAvto->isChecked())
        return;
    Engine &engine = m_window.engine();
    engine.setSys(SysRed, static_cast<std::uint8_t>(engine.sys(SysRed) + 103));
    engine.setSys(SysGreen, static_cast<std::uint8_t>(engine.sys(SysGreen) + 43));
    engine.setSys(SysBlue, static_cast<std::uint8_t>(engine.sys(SysBlue) + 223));
    emit windowColourChanged();
}

void ShowFileCommands::TimerAvtoSaveTimer()
{
    // While the box about the last failure is open, the next tick does not stack another.
    if (m_autoSaveErrorOpen)
        return;
    const QString saveName = m_window.saveDialogFileName();
    if (!saveName.isEmpty())
        m_window.OutStatus(tr("Автосохранение файла ") + QFileInfo(saveName).fileName());
    const std::string &target = m_window.engine().files.AutoSaveFileName;
    if (target.empty())
        return;
    const FileResult result = writeShowFile(m_window.engine(), target, borrowedRows);
    if (!result.ok()) {
        m_autoSaveErrorOpen = true;
        m_window.dialogs().error(&m_window.mainWindow(), errorText(result, QFile::decodeName(target.c_str())));
        m_autoSaveErrorOpen = false;
    }
}

QString ShowFileCommands::dialogFolder() const
{
    for (const QString &name : {m_window.saveDialogFileName(), m_window.openDialogFileName()}) {
        const QFileInfo info(name);
        if (!name.isEmpty() && info.absoluteDir().exists())
            return info.absolutePath();
    }
    return {};
}

} // namespace korvanel
