#pragma once
// What the window shows of the USB link: the enumeration labels, the library
// in use, demo mode, and once a second the caption prefix and status panel 0.

#include <QObject>
#include <QString>
#include <QTimer>

class QCheckBox;
class TBaseForm;

namespace korvanel {

class UsbLink;

class UsbLinkPanel : public QObject {
    Q_OBJECT
public:
    // `library`: the library in use; `notes`: libraries found but refused.
    UsbLinkPanel(TBaseForm &form, UsbLink &link, const QString &library, const QString &notes);

    // Start-up: the enumeration texts into the three labels, once.
    void showEnumerationTexts();
    QString UsbStatusText() const;
    // The once-a-second timer whose tick starts with ShowLinkStatus, then the show clock.
    QTimer &TimerShouClock();

public slots:
    // The link half of the once-a-second refresh.
    void ShowLinkStatus();

private:
    TBaseForm &m_form;
    UsbLink &m_link;
    QCheckBox *m_demo = nullptr;
};

} // namespace korvanel
