#include "ui/rightcolumn/ConveyorGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <utility>

#include "ui/widgets/Controls.h"

namespace korvanel {

ConveyorGroup::ConveyorGroup(QWidget *parent) : QGroupBox(tr("Конвейр потоков Шоу "), parent)
{
    setObjectName(QStringLiteral("GroupBoxKonveyr"));

    m_jobLabel = makeLabel(this, "LabelKonveyr", QStringLiteral("No job"));
    m_keys = makeCheckBox(this, "CheckBoxKeyKonveyr", tr("Вкл"), tr("Включить горячие кнопки клавиатуру"), true);
    auto *keys = new QHBoxLayout;
    keys->addWidget(m_jobLabel, 1);
    keys->addWidget(new QLabel(tr("Клавиатура"), this));
    keys->addWidget(m_keys);

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
    const std::pair<QToolButton **, SpeedButtonSettings> modes[] = {
        {&m_hand,
         {"SpeedButtonKonvHand",
          tr("Остановить Шоу   и  разрешить проигрывание выбранного Шоу"),
          QStyle::SP_MediaPause,
          {},
          true}},
        {&m_off,
         {"SpeedButtonKonvOff",
          tr("Остановить конвейр и разрешить набор конвейра Шоу"),
          QStyle::SP_MediaStop,
          {},
          true}},
        {&m_listFromStart,
         {"SpeedButtonKonvSpisBegin",
          tr("Запустить Конвейр Шоу  с первой активной кнопки"),
          QStyle::SP_MediaSkipBackward,
          {},
          true}},
        {&m_list,
         {"SpeedButtonKonvSpis", tr("Запустить конвейр Шоу  с текущей позиции "), QStyle::SP_MediaPlay, {}, true}},
    };
    m_modes = new QButtonGroup(this);
    m_modes->setExclusive(true);
    auto *row = new QHBoxLayout;
    for (const auto &[kept, settings] : modes) {
        *kept = makeSpeedButton(this, settings);
        m_modes->addButton(*kept);
        row->addWidget(*kept);
    }
    m_hand->setChecked(true);
    row->addStretch();
    m_clear = makeSpeedButton(this, {"SpeedButtonKonvNew", tr("Очистить конвейр Шоу"), QStyle::SP_DialogDiscardButton});
    row->addWidget(m_clear);
    return row;
}

} // namespace korvanel
