#pragma once
// Start-up and shutdown of the program in the order the rest relies on: the
// show is cleared before frames flow, settings are read after the output is
// armed, and frames stop before the device is closed.

#include <QObject>
#include <QString>
#include <memory>

#include "core/Engine.h"
#include "output/OutputTicker.h"

class TBaseForm;

namespace korvanel {
class FtdiApi;
struct RealtimeKitResult;
class OlaGroup;
class OlaOutput;
class UsbLink;
class UsbLinkPanel;
} // namespace korvanel

class AppShell : public QObject {
    Q_OBJECT
public:
    // dataFolder: where companion files go when the program's folder is read-only.
    AppShell(korvanel::Engine &engine, TBaseForm &form, QString programPath, QString dataFolder);
    ~AppShell() override;

    // Before the first window: the program's name, and no display name that
    // the platform would add to every window's caption.
    static void configureApplication();
    // The name and version alone, for an answer on the command line.
    static void nameApplication();

    // A show named on the command line, opened by FormCreate instead of the one last
    // saved; one that cannot be read is reported once the window is up, and the usual show loads.
    void setStartShow(const QString &showFile) { m_startShow = showFile; }

    void FormCreate();
    void FormClose();

    korvanel::OutputTicker &ticker() { return m_ticker; }
    // Null before FormCreate.
    korvanel::UsbLink *usbLink() const { return m_usb.get(); }
    korvanel::UsbLinkPanel *usbLinkPanel() const { return m_usbPanel.get(); }
    korvanel::OlaOutput *olaOutput() const { return m_ola.get(); }
    korvanel::OlaGroup *olaGroup() const { return m_olaGroup.get(); }

public slots:
    void ExitItemClick();
    // The options page's line on the output thread's priority, from the thread's policy now.
    void recheckOutputPriority();

private:
    void showDiskLabels();
    void loadCoderTable();
    void armOutput();
    void InitUsbDevise();
    void startOlaOutput();

    korvanel::Engine &m_engine;
    TBaseForm &m_form;
    QString m_programPath;
    QString m_dataFolder;
    QString m_startShow;
    // Declared before the ticker, so they outlive the thread that uses them.
    std::unique_ptr<korvanel::FtdiApi> m_usbLibrary;
    std::unique_ptr<korvanel::UsbLink> m_usb;
    std::unique_ptr<korvanel::UsbLinkPanel> m_usbPanel;
    // What RTKit answered when the direct request was refused; null when it was not asked.
    std::unique_ptr<korvanel::RealtimeKitResult> m_kitAnswer;
    std::unique_ptr<korvanel::OlaOutput> m_ola;
    std::unique_ptr<korvanel::OlaGroup> m_olaGroup;
    korvanel::OutputTicker m_ticker;
    bool m_closed = false;
};
