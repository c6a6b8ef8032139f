#include "app/AppShell.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTabWidget>
#include <QToolButton>
#include <stdexcept>

#include "app/CompanionLocation.h"
#include "app/DiskLabels.h"
#include "core/ShowLayout.h"
#include "output/FrameAssembly.h"
#include "playback/Tempo.h"
#include "ui/BaseForm.h"

using namespace korvanel;

namespace {

template <typename T>
T *need(QObject &root, const char *name)
{
    if (auto *found = root.findChild<T *>(QString::fromLatin1(name)))
        return found;
    throw std::logic_error(std::string("main window has no control ") + name);
}

} // namespace

AppShell::AppShell(Engine &engine, TBaseForm &form, QString programPath, QString dataFolder)
    : m_engine(engine), m_form(form), m_programPath(std::move(programPath)), m_dataFolder(std::move(dataFolder)),
      m_status(need<QLabel>(form, "StatusPanel0"))
{
    connect(need<QTabWidget>(form, "PageControlInput"), &QTabWidget::currentChanged, this,
            &AppShell::PageControlInputChange);
    connect(need<QAction>(form, "ExitItem"), &QAction::triggered, this, &AppShell::ExitItemClick);
    connect(&form, &TBaseForm::closing, this, &AppShell::FormClose);
}

AppShell::~AppShell() { m_ticker.stop(); }

void AppShell::setPageRefresh(int page, std::function<void()> refresh)
{
    if (page >= 0 && page < static_cast<int>(m_pageRefresh.size()))
        m_pageRefresh[static_cast<std::size_t>(page)] = std::move(refresh);
}

void AppShell::FormCreate()
{
    // 1. USB link: enumerate the devices and start polling.
    // 2. Companion file names.
    m_engine.files = locateCompanionFiles(m_programPath, m_dataFolder);
    // 3. USB enumeration texts.
    // 4. Name-field colour tables.
    // 5-7. Identity recoding, empty names, generator tempos.
    initialiseAtStart(m_engine);
    // 8. Names on the fader page.
    // 9. Disk texts.
    showDiskLabels();
    // 10. Clear the show, so the first frame is all zeros.
    ClearAll();
    // 11. From here on frames flow.
    armOutput();
    // 12. Settings file.
    // 13. The show last saved.
    // 14. Page refresh.
    ReturnPageControlAll();
    // 15. The link's status text; whether the output runs without real-time priority.
    QString first;
    if (m_ticker.priority() == OutputTicker::Priority::Normal)
        first = tr(" Вывод DMX без приоритета реального времени ");
    OutStatus(first);
    // 16. Colour file.
    // 17. Recoding table, loaded last: the first frames go out with the identity.
}

void AppShell::showDiskLabels()
{
    const QStorageInfo disk(QDir::currentPath());
    need<QLabel>(m_form, "LabelDiskFree")->setText(diskFreeText(disk.bytesAvailable()));
    need<QLabel>(m_form, "LabelDiskSize")->setText(diskSizeText(disk.bytesTotal()));
}

void AppShell::armOutput()
{
    Engine &engine = m_engine;
    m_ticker.start([&engine] { buildFrame(engine); });
}

void AppShell::ClearAll()
{
    korvanel::ClearAll(m_engine);
    for (const char *name : {"SpeedButtonUndo1", "SpeedButtonUndo3", "SpeedButtonUndo4", "SpeedButtonUndo5"})
        need<QToolButton>(m_form, name)->setEnabled(false);
    m_form.setWindowTitle(CaptionPrefix + tr(" Нет имени файла "));
    need<QScrollBar>(m_form, "ScrolbarVertPos")->setValue(0);
    store(m_engine.FaderPageOffset, 0);
    need<QTabWidget>(m_form, "PageControlInput")->setCurrentIndex(0);
    need<QTabWidget>(m_form, "PageControlUst")->setCurrentIndex(2);
    need<QTabWidget>(m_form, "PageControlTemp")->setCurrentIndex(0);
    TempStatus();
}

void AppShell::TempStatus()
{
    const int interval = sequencerIntervalMs(m_engine.sys(SysTempo));
    need<QLabel>(m_form, "LabelTemp")->setText(QString::number(scenesPerMinute(interval)) + tr("  Сцен/мин "));
}

void AppShell::ReturnDataSystem()
{
    if (!SaveDialogFileName.isEmpty())
        m_form.setWindowTitle(CaptionPrefix + SaveDialogFileName);
    else if (!OpenDialogFileName.isEmpty())
        m_form.setWindowTitle(CaptionPrefix + OpenDialogFileName);

    need<QScrollBar>(m_form, "ScrollBarTemp")->setValue(m_engine.sys(SysTempo));
    TempStatus();

    const int current = m_engine.sys(SysCurrentScene);
    const int last = m_engine.sys(SysLastScene);
    need<QLabel>(m_form, "LabelStep")->setText(QString::number(current + 1));
    auto *step = need<QScrollBar>(m_form, "ScrollBarStep");
    step->setMaximum(last + 1);
    step->setValue(current);
    need<QLabel>(m_form, "LabelCoda")->setText(QString::number(last + 1));
}

void AppShell::ReturnPageControlAll()
{
    ReturnDataSystem();
    ReturnDataSystem();
    const int page = need<QTabWidget>(m_form, "PageControlInput")->currentIndex();
    if (page >= 0 && page < static_cast<int>(m_pageRefresh.size()) && m_pageRefresh[static_cast<std::size_t>(page)])
        m_pageRefresh[static_cast<std::size_t>(page)]();
}

void AppShell::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    // 1. Colour file.
    // 2. Frames stop before the device is closed and the settings are written.
    m_ticker.stop();
    // 3. Close the USB device.
    // 4. Settings file, written last.
}

void AppShell::ExitItemClick() { m_form.close(); }
