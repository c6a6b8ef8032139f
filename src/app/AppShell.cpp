#include "app/AppShell.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QStorageInfo>

#include "app/CompanionLocation.h"
#include "app/DiskLabels.h"
#include "output/FrameAssembly.h"
#include "ui/BaseForm.h"
#include "ui/FaderPage.h"

using namespace korvanel;

AppShell::AppShell(Engine &engine, TBaseForm &form, QString programPath, QString dataFolder)
    : m_engine(engine), m_form(form), m_programPath(std::move(programPath)), m_dataFolder(std::move(dataFolder))
{
    connect(form.control<QAction>("ExitItem"), &QAction::triggered, this, &AppShell::ExitItemClick);
    connect(&form, &TBaseForm::closing, this, &AppShell::FormClose);
}

AppShell::~AppShell() { m_ticker.stop(); }

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
    m_form.faderPage()->ReturnName();
    // 9. Disk texts.
    showDiskLabels();
    // 10. Clear the show, so the first frame is all zeros.
    m_form.ClearAll();
    // 11. From here on frames flow.
    armOutput();
    // 12. Settings file.
    // 13. The show last saved.
    // 14. Page refresh.
    m_form.ReturnPageControlAll();
    // 15. The link's status text; whether the output runs without real-time priority.
    QString first;
    if (m_ticker.priority() == OutputTicker::Priority::Normal)
        first = tr(" Вывод DMX без приоритета реального времени ");
    m_form.OutStatus(first);
    // 16. Colour file.
    // 17. Recoding table, loaded last: the first frames go out with the identity.
}

void AppShell::showDiskLabels()
{
    const QStorageInfo disk(QDir::currentPath());
    m_form.LabelDiskFree->setText(diskFreeText(disk.bytesAvailable()));
    m_form.LabelDiskSize->setText(diskSizeText(disk.bytesTotal()));
}

void AppShell::armOutput()
{
    Engine &engine = m_engine;
    m_ticker.start([&engine] { buildFrame(engine); });
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
