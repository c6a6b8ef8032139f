#include "ui/rightcolumn/ConveyorGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "ui/widgets/Controls.h"

namespace korvanel {

ConveyorGroup::ConveyorGroup(QWidget *parent) : QGroupBox(tr("Конвейр потоков Шоу "), parent)
{
    setObjectName(QStringLiteral("GroupBoxKonveyr"));

    auto *keys = new QHBoxLayout;
    keys->addWidget(makeLabel(this, "LabelKonveyr", QStringLiteral("No job")), 1);
    keys->addWidget(new QLabel(tr("Клавиатура"), this));
    keys->addWidget(
        makeCheckBox(this, "CheckBoxKeyKonveyr", tr("Вкл"), tr("Включить горячие кнопки клавиатуру"), true));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    layout->addLayout(buildSlots());
    layout->addLayout(buildModes());
    layout->addLayout(keys);
}

QLayout *ConveyorGroup::buildSlots()
{
    auto *grid = new QGridLayout;
    grid->setSpacing(0);
    const QString hint = tr("Имя введенного файла на кнопке  -  вводить Имя правой кнопкой");
    for (int n = 1; n <= SlotCount; ++n) {
        const QByteArray name = "SpeedButton" + QByteArray::number(n);
        // Each slot is a toggle of its own: down marks it active for the list modes.
        QToolButton *button =
            makeSpeedButton(this, {name.constData(), hint, QStyle::SP_CustomBase, tr("(пусто)"), true});
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setFixedHeight(16); // twenty slots share the bottom of the right column
        // Red caption: the slot holds no show file.
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, Qt::red);
        button->setPalette(palette);
        m_slots[static_cast<std::size_t>(n - 1)] = button;
        grid->addWidget(button, (n - 1) % 10, (n - 1) / 10);
    }
    return grid;
}

QLayout *ConveyorGroup::buildModes()
{
    const SpeedButtonSettings modes[] = {
        {"SpeedButtonKonvHand",
         tr("Остановить Шоу   и  разрешить проигрывание выбранного Шоу"),
         QStyle::SP_MediaPause,
         {},
         true},
        {"SpeedButtonKonvOff", tr("Остановить конвейр и разрешить набор конвейра Шоу"), QStyle::SP_MediaStop, {}, true},
        {"SpeedButtonKonvSpisBegin",
         tr("Запустить Конвейр Шоу  с первой активной кнопки"),
         QStyle::SP_MediaSkipBackward,
         {},
         true},
        {"SpeedButtonKonvSpis", tr("Запустить конвейр Шоу  с текущей позиции "), QStyle::SP_MediaPlay, {}, true},
    };
    m_modes = new QButtonGroup(this);
    m_modes->setExclusive(true);
    auto *row = new QHBoxLayout;
    for (const SpeedButtonSettings &settings : modes) {
        QToolButton *button = makeSpeedButton(this, settings);
        m_modes->addButton(button);
        row->addWidget(button);
    }
    m_modes->buttons().first()->setChecked(true);
    row->addStretch();
    row->addWidget(
        makeSpeedButton(this, {"SpeedButtonKonvNew", tr("Очистить конвейр Шоу"), QStyle::SP_DialogDiscardButton}));
    return row;
}

} // namespace korvanel
