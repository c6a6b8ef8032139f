#include "ui/mainwindow/ChannelColorCommands.h"

#include <algorithm>
#include <cstring>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>

#include "core/Engine.h"
#include "editing/NameBlockCopy.h"
#include "files/ColorFile.h"
#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/pages/options/WindowColorGroup.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

ChannelColorCommands::ChannelColorCommands(WindowServices &window, const MainMenu &menu, FaderPage &faders,
                                           const WindowColorGroup &windowColor)
    : QObject(&window.mainWindow()), m_window(window), m_faders(faders), m_windowColor(windowColor)
{
    setObjectName(QStringLiteral("ChannelColorCommands"));
    const MainMenu::Items &menuItems = menu.items();
    const std::pair<QAction *, void (ChannelColorCommands::*)()> items[] = {
        {menuItems.ClearNameChannelItem, &ChannelColorCommands::ClearNameChannelItemClick},
        {menuItems.itemColor, &ChannelColorCommands::itemColorClick},
        {menuItems.itemGrafHint, &ChannelColorCommands::itemGrafHintClick},
        {menuItems.itemColSplit, &ChannelColorCommands::itemColSplitClick},
    };
    for (const auto &[item, handler] : items)
        connect(item, &QAction::triggered, this, handler);
}

bool ChannelColorCommands::ask(const QString &question)
{
    return m_window.dialogs().askYesNo(&m_window.mainWindow(), programTitle(), question);
}

void ChannelColorCommands::ClearNameChannelItemClick()
{
    if (ask(tr("Очистить имена каналов?")))
        clearChannelNames(m_window.engine());
    m_faders.ReturnName();
}

void ChannelColorCommands::itemColorClick()
{
    if (!ask(tr("Очистить цвета имен каналов?")))
        return;
    ChannelColors &colors = m_window.engine().colors;
    colors.NameColorRed.fill(255);
    colors.NameColorGreen.fill(255);
    colors.NameColorBlue.fill(255);
    m_window.ReturnPageControlAll();
}

void ChannelColorCommands::itemGrafHintClick()
{
    if (!ask(tr("Очистить графическую подсказку каналов?")))
        return;
    m_window.engine().colors.GraphHint.fill(NoGraphHint);
    m_window.ReturnPageControlAll();
}

void ChannelColorCommands::itemColSplitClick()
{
    if (!ask(tr("Очистить цветовые границы каналов?")))
        return;
    // The window colour of the sliders, so that the cells blend into the window.
    const auto component = [this](int i) { return static_cast<std::uint8_t>(m_windowColor.slider(i)->value()); };
    ChannelColors &colors = m_window.engine().colors;
    colors.SplitColorRed.fill(component(0));
    colors.SplitColorGreen.fill(component(1));
    colors.SplitColorBlue.fill(component(2));
    m_window.ReturnPageControlAll();
}

namespace {
// The system's words for the error, where it gave one.
QString systemText(const FileResult &result)
{
    return result.systemError != 0 ? QString::fromLocal8Bit(std::strerror(result.systemError)) : QString();
}
} // namespace

QString ChannelColorCommands::errorText(const FileResult &result, const QString &fileName)
{
    const QString system = systemText(result);
    switch (result.error) {
    case FileError::None:
        return {};
    case FileError::ShortFile:
        return tr("Файл цветов каналов %1 короче 16384 байт и не прочитан.\nЦвета и картинки каналов не изменены.")
            .arg(fileName);
    case FileError::NotAFile:
        return tr("%1 — не файл, его нельзя прочитать как файл цветов каналов.").arg(fileName);
    case FileError::NotFound:
    case FileError::OpenFailed:
    case FileError::ReadFailed:
        return tr("Не удалось прочитать файл цветов каналов %1\n%2\nЦвета и картинки каналов не изменены.")
            .arg(fileName, system);
    case FileError::WriteFailed:
        return tr("Не удалось записать файл цветов каналов %1\n%2").arg(fileName, system);
    }
    return {};
}

void ChannelColorCommands::LoadColorEdit(const QString &fileName)
{
    Engine &engine = m_window.engine();
    const FileResult result = readColorFile(QFile::encodeName(fileName).toStdString(), engine.colors);
    m_saved = colorFileImage(engine.colors);
    if (result.error == FileError::NotFound) {
        SaveColorEdit(fileName);
        m_window.OutStatus(tr("Файл -Color- не найден  "));
        return;
    }
    if (!result.ok())
        m_window.dialogs().error(&m_window.mainWindow(), errorText(result, fileName));
}

bool ChannelColorCommands::SaveColorEdit(const QString &fileName)
{
    const ColorFileImage image = colorFileImage(m_window.engine().colors);
    const FileResult result = writeColorFile(QFile::encodeName(fileName).toStdString(), m_window.engine().colors);
    if (!result.ok()) {
        m_window.dialogs().error(&m_window.mainWindow(), errorText(result, fileName));
        return false;
    }
    m_saved = image;
    return true;
}

QString ChannelColorCommands::notSavedText(const FileResult &result, const QString &fileName)
{
    const QString system = systemText(result);
    switch (result.error) {
    case FileError::None:
        return {};
    case FileError::ShortFile:
        return tr("Файл %1 короче 16384 байт: при запуске он не был прочитан, и программа его не перезаписывает.")
            .arg(fileName);
    case FileError::NotAFile:
        return tr("%1 — не файл.").arg(fileName);
    case FileError::NotFound:
    case FileError::OpenFailed:
    case FileError::ReadFailed:
        return tr("Файл %1 не удалось прочитать (%2), и программа его не перезаписывает.").arg(fileName, system);
    case FileError::WriteFailed:
        return errorText(result, fileName);
    }
    return {};
}

void ChannelColorCommands::saveColorsAtExit(const QString &fileName)
{
    const ChannelColors &colors = m_window.engine().colors;
    FileResult result = writeColorFile(QFile::encodeName(fileName).toStdString(), colors);
    // Unchanged colours lose nothing: the start-up has already said why the file was not read.
    if (result.ok() || colorFileImage(colors) == m_saved)
        return;
    QString target = fileName;
    for (;;) {
        if (!ask(tr("Цвета и картинки каналов не сохранены.\n%1\nСохранить их в другой файл?")
                     .arg(notSavedText(result, target))))
            return;
        target = chooseSaveFileName(m_window.dialogs(), &m_window.mainWindow(), tr("Сохранить цвета каналов"),
                                    QFileInfo(fileName).absolutePath(), tr("Файлы цветов каналов  (*.col)"),
                                    QStringLiteral("col"));
        if (target.isEmpty())
            return;
        result = writeColorFile(QFile::encodeName(target).toStdString(), colors);
        if (result.ok())
            return;
    }
}

} // namespace korvanel
