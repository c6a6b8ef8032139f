#pragma once
// The options page: the interface language, the window colour group, the USB state group and the
// OLA output group.

#include <QWidget>

class QCheckBox;
class QLabel;
class QSpinBox;
class QVBoxLayout;

namespace korvanel {

class LanguageGroup;

class OptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit OptionsTab(QWidget *parent = nullptr);

    // Where the window colour controls go, above LabelKeySp.
    QVBoxLayout *colorArea() const { return m_colorArea; }
    // Another group, below the others.
    void addGroup(QWidget *group);

    QLabel *labelKeySp() const { return m_keySp; }
    // The USB state group: enumeration, library, faults, access, disk, output priority, demo mode.
    QLabel *labelKolvoUSB() const { return m_kolvoUsb; }
    QLabel *labelUSBnomber() const { return m_usbNomber; }
    QLabel *labelTipFtdi() const { return m_tipFtdi; }
    QLabel *labelUsbLibrary() const { return m_usbLibrary; }
    QLabel *labelUsbWriteFault() const { return m_usbWriteFault; }
    QLabel *labelDiskFree() const { return m_diskFree; }
    QLabel *labelDiskSize() const { return m_diskSize; }
    QLabel *labelUsbAccess() const { return m_usbAccess; }
    QLabel *labelOutputPriority() const { return m_outputPriority; }
    QCheckBox *checkBoxNoUSBconnect() const { return m_noUsb; }
    // The OLA output group.
    QCheckBox *checkBoxOla() const { return m_ola; }
    QSpinBox *spinEditOlaUniverse() const { return m_olaUniverse; }
    QLabel *labelOlaStatus() const { return m_olaStatus; }
    LanguageGroup *languageGroup() const { return m_language; }

private:
    QVBoxLayout *m_colorArea = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QLabel *m_keySp = nullptr;
    QLabel *m_kolvoUsb = nullptr;
    QLabel *m_usbNomber = nullptr;
    QLabel *m_tipFtdi = nullptr;
    QLabel *m_usbLibrary = nullptr;
    QLabel *m_usbWriteFault = nullptr;
    QLabel *m_diskFree = nullptr;
    QLabel *m_diskSize = nullptr;
    QLabel *m_usbAccess = nullptr;
    QLabel *m_outputPriority = nullptr;
    QCheckBox *m_noUsb = nullptr;
    QCheckBox *m_ola = nullptr;
    QSpinBox *m_olaUniverse = nullptr;
    QLabel *m_olaStatus = nullptr;
    LanguageGroup *m_language = nullptr;
};

} // namespace korvanel
