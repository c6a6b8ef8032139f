#include "ui/pages/options/OptionsTab.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <utility>

#include "ui/pages/options/LanguageGroup.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/WrappingLabel.h"

namespace korvanel {

OptionsTab::OptionsTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));

    // Groups below one another; the page scrolls rather than making the window taller than its design height.
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *content = new QWidget(scroll);
    scroll->setWidget(content);
    auto *pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(scroll);

    auto *color = new QGroupBox(tr("Цвет формы"), content);
    color->setObjectName(QStringLiteral("GroupBoxColor"));
    auto *colorLayout = new QVBoxLayout(color);
    m_colorArea = new QVBoxLayout;
    colorLayout->addLayout(m_colorArea);
    m_keySp = makeLabel(color, "LabelKeySp", tr("Клавиатура ?"));
    colorLayout->addWidget(m_keySp);

    // The link labels are filled from the enumeration at start-up, the disk
    // labels from the drive the program runs from.
    auto *usb = new QGroupBox(tr("Состояние шины USB "), content);
    auto *usbLayout = new QVBoxLayout(usb);
    // Device texts, the library in use (a path, with any library found but
    // refused), the write faults the link recovered from, the disk, why the
    // system refuses the interface, the output thread's priority: all wrap.
    const std::pair<QLabel **, const char *> labels[] = {{&m_kolvoUsb, "LabelKolvoUSB"},
                                                         {&m_usbNomber, "LabelUSBnomber"},
                                                         {&m_tipFtdi, "LabelTipFtdi"},
                                                         {&m_usbLibrary, "LabelUsbLibrary"},
                                                         {&m_usbWriteFault, "LabelUsbWriteFault"},
                                                         {&m_diskFree, "LabelDiskFree"},
                                                         {&m_diskSize, "LabelDiskSize"},
                                                         {&m_usbAccess, "LabelUsbAccess"},
                                                         {&m_outputPriority, "LabelOutputPriority"}};
    for (const auto &[kept, name] : labels) {
        *kept = new WrappingLabel(usb);
        (*kept)->setObjectName(QString::fromLatin1(name));
        usbLayout->addWidget(*kept);
    }
    m_noUsb = makeCheckBox(usb, "CheckBoxNoUSBconnect", tr("Работа в DEMO режиме"), {}, false);
    usbLayout->addWidget(m_noUsb);

    // Output to the OLA daemon, beside the USB link or instead of it; OlaGroup drives it.
    auto *ola = new QGroupBox(tr("Вывод через OLA (olad)"), content);
    ola->setObjectName(QStringLiteral("GroupBoxOla"));
    auto *olaLayout = new QVBoxLayout(ola);
    auto *olaRow = new QHBoxLayout;
    m_ola = makeCheckBox(ola, "CheckBoxOla", tr("Выводить кадры в OLA"),
                         tr("Каждый кадр уходит также во вселенную OLA — вместе с USB или вместо него"), false);
    olaRow->addWidget(m_ola);
    olaRow->addStretch();
    olaRow->addWidget(makeLabel(ola, "LabelOlaUniverse", tr("Вселенная")));
    m_olaUniverse = new QSpinBox(ola);
    m_olaUniverse->setObjectName(QStringLiteral("SpinEditOlaUniverse"));
    m_olaUniverse->setRange(1, 65535);
    m_olaUniverse->setValue(1);
    limitOnFinishedNumbers({m_olaUniverse});
    olaRow->addWidget(m_olaUniverse);
    olaLayout->addLayout(olaRow);
    m_olaStatus = new WrappingLabel(ola);
    m_olaStatus->setObjectName(QStringLiteral("LabelOlaStatus"));
    olaLayout->addWidget(m_olaStatus);

    m_layout = new QVBoxLayout(content);
    m_layout->setContentsMargins(4, 4, 4, 4);
    m_language = new LanguageGroup(InterfaceTexts::instance(), content);
    m_layout->addWidget(m_language);
    m_layout->addWidget(color);
    m_layout->addWidget(usb);
    m_layout->addWidget(ola);
    m_layout->addStretch();
}

void OptionsTab::addGroup(QWidget *group) { m_layout->insertWidget(m_layout->count() - 1, group); }

} // namespace korvanel
