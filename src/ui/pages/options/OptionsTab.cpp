#include "ui/pages/options/OptionsTab.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

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
    colorLayout->addWidget(makeLabel(color, "LabelKeySp", tr("Клавиатура ?")));

    // The link labels are filled from the enumeration at start-up, the disk
    // labels from the drive the program runs from.
    auto *usb = new QGroupBox(tr("Состояние шины USB "), content);
    auto *usbLayout = new QVBoxLayout(usb);
    // Device texts, the library in use (a path, with any library found but
    // refused), the write faults the link recovered from, the disk: all wrap.
    for (const char *name : {"LabelKolvoUSB", "LabelUSBnomber", "LabelTipFtdi", "LabelUsbLibrary", "LabelUsbWriteFault",
                             "LabelDiskFree", "LabelDiskSize"}) {
        auto *label = new WrappingLabel(usb);
        label->setObjectName(QString::fromLatin1(name));
        usbLayout->addWidget(label);
    }
    // Why the system refuses the interface, and which priority the output thread got.
    for (const char *name : {"LabelUsbAccess", "LabelOutputPriority"}) {
        auto *label = new WrappingLabel(usb);
        label->setObjectName(QString::fromLatin1(name));
        usbLayout->addWidget(label);
    }
    usbLayout->addWidget(makeCheckBox(usb, "CheckBoxNoUSBconnect", tr("Работа в DEMO режиме"), {}, false));

    // Output to the OLA daemon, beside the USB link or instead of it; OlaGroup drives it.
    auto *ola = new QGroupBox(tr("Вывод через OLA (olad)"), content);
    ola->setObjectName(QStringLiteral("GroupBoxOla"));
    auto *olaLayout = new QVBoxLayout(ola);
    auto *olaRow = new QHBoxLayout;
    olaRow->addWidget(makeCheckBox(ola, "CheckBoxOla", tr("Выводить кадры в OLA"),
                                   tr("Каждый кадр уходит также во вселенную OLA — вместе с USB или вместо него"),
                                   false));
    olaRow->addStretch();
    olaRow->addWidget(makeLabel(ola, "LabelOlaUniverse", tr("Вселенная")));
    auto *universe = new QSpinBox(ola);
    universe->setObjectName(QStringLiteral("SpinEditOlaUniverse"));
    universe->setRange(1, 65535);
    universe->setValue(1);
    limitOnFinishedNumbers({universe});
    olaRow->addWidget(universe);
    olaLayout->addLayout(olaRow);
    auto *olaStatus = new WrappingLabel(ola);
    olaStatus->setObjectName(QStringLiteral("LabelOlaStatus"));
    olaLayout->addWidget(olaStatus);

    m_layout = new QVBoxLayout(content);
    m_layout->setContentsMargins(4, 4, 4, 4);
    m_layout->addWidget(color);
    m_layout->addWidget(usb);
    m_layout->addWidget(ola);
    m_layout->addStretch();
}

void OptionsTab::addGroup(QWidget *group) { m_layout->insertWidget(m_layout->count() - 1, group); }

} // namespace korvanel
