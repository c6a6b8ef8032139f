#pragma once
// What the window shows of the USB link: the enumeration labels, the library
// in use, demo mode, and once a second the caption prefix, status panel 0 and
// the write faults the link reopened the device for.

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <vector>

#include "output/D2xxLibrary.h"

class QCheckBox;
class QLabel;

namespace korvanel {

class WindowServices;
struct UsbLinkReport;
struct UsbWriteFault;

class OptionsTab;
class SequencerControl;
class UsbLink;

class UsbLinkPanel : public QObject {
    Q_OBJECT
public:
    // `library`: the library in use; `refused`: libraries found but not used.
    // The labels and the demo switch are on the options page; the status panel is the window's first.
    UsbLinkPanel(WindowServices &window, SequencerControl &sequencer, const OptionsTab &options, QLabel &statusPanel,
                 UsbLink &link, const QString &library, const std::vector<D2xxLibrary::Refusal> &refused);

    // Start-up: the enumeration texts into the three labels, once.
    void showEnumerationTexts();
    QString UsbStatusText() const;
    // The status line's text while the link reopens the device after a failed write.
    static QString WriteFaultText();

    // The link's report in the window's words; empty where there is nothing to say.
    static QString deviceCountText(const UsbLinkReport &report);
    static QString serialText(const UsbLinkReport &report);
    static QString descriptionText(const UsbLinkReport &report);
    // The failed call and what went wrong, for the status line.
    static QString statusText(const UsbLinkReport &report);
    // What went wrong with the write the device was reopened for.
    static QString writeFaultPhrase(const UsbWriteFault &fault);
    // Why a library that is there is not used; each refusal ends in a blank, as in the status line.
    static QString refusalText(const D2xxLibrary::Refusal &refusal);
    static QString refusalsText(const std::vector<D2xxLibrary::Refusal> &refused);
    // What to do when the system refuses the listed device (UsbLink::OpenRefused); empty for Ok.
    static QString openRefusedText(std::uint32_t refused);
    // The once-a-second timer whose tick starts with ShowLinkStatus, then the show clock.
    QTimer &TimerShouClock();

public slots:
    // The link half of the once-a-second refresh.
    void ShowLinkStatus();

private:
    WindowServices &m_window;
    SequencerControl &m_sequencer;
    const OptionsTab &m_options;
    QLabel &m_statusPanel;
    UsbLink &m_link;
    QCheckBox *m_demo = nullptr;
    QLabel *m_writeFaultLabel = nullptr;
    QLabel *m_accessLabel = nullptr;
    // The library in use and those refused, worded again at a change of language.
    QString m_library;
    std::vector<D2xxLibrary::Refusal> m_refused;
    void showLibrary();
    std::uint32_t m_writeFaultsSeen = 0;
    // What the link last had to say; none before the first look.
    std::optional<QString> m_lastPanel;
};

} // namespace korvanel
