#include "ui/pages/copy/NameBlockCopyGroup.h"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "core/Engine.h"
#include "editing/NameBlockCopy.h"
#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/SceneCommands.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

NameBlockCopyGroup::NameBlockCopyGroup(WindowServices &window, SceneCommands &commands, FaderPage &faders,
                                       QWidget *parent)
    : QGroupBox(tr("Имен "), parent), m_window(window), m_faders(faders), m_commands(commands)
{
    setObjectName(QStringLiteral("GroupBoxNameBloc"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);

    m_first = addSpin("SpinEditNameFirst", tr("С канала"), 1, 254, 1);
    m_last = addSpin("SpinEditNameLast", tr("По канал"), 1, 255, 3);
    m_from = addSpin("SpinEditNameFrom", tr("В канал"), 1, 254, 4);
    m_repeat = addSpin("SpinEditRepeatName", tr("Колво приборов"), 1, 32, 32);
    m_digit = addSpin("SpinEditFifsrtDigit", tr("Первая цифра"), 1, 250, 2);
    limitOnFinishedNumbers({m_first, m_last, m_from});

    m_numberPlus = makeCheckBox(this, "CheckBoxNamePlus", tr("+ Namber Name"), {}, true);
    m_markFirst = makeCheckBox(this, "CheckBoxbEGcH", tr("Отмечать первый канал"), {}, true);
    m_link = makeCheckBox(this, "CheckBoxTogmame", tr("Связать"), {}, true);
    int row = grid->rowCount();
    for (QCheckBox *box : {m_numberPlus, m_markFirst, m_link})
        grid->addWidget(box, row++, 0, 1, 2);
    QToolButton *copy = makeSpeedButton(
        this, {"SpeedButtonNameBlocCopy", tr("Выполнить копирование"), QStyle::SP_ArrowRight, tr("Копировать")});
    grid->addWidget(copy, row, 0, 1, 2, Qt::AlignRight);

    connect(m_first, &QSpinBox::valueChanged, this, &NameBlockCopyGroup::SpinEditNameFirstChange);
    connect(m_last, &QSpinBox::valueChanged, this, &NameBlockCopyGroup::SpinEditNameLastChange);
    connect(m_from, &QSpinBox::valueChanged, this, &NameBlockCopyGroup::SpinEditNameFromChange);
    connect(copy, &QToolButton::clicked, this, &NameBlockCopyGroup::SpeedButtonNameBlocCopyClick);
}

QSpinBox *NameBlockCopyGroup::addSpin(const char *name, const QString &caption, int minimum, int maximum, int value)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    const int row = grid->rowCount() == 1 && grid->count() == 0 ? 0 : grid->rowCount();
    auto *box = new QSpinBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, maximum);
    box->setValue(value);
    grid->addWidget(new QLabel(caption, this), row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

void NameBlockCopyGroup::SpinEditNameFirstChange(int first)
{
    if (first >= m_last->value())
        m_last->setValue(first);
}

void NameBlockCopyGroup::SpinEditNameLastChange(int)
{
    if (m_first->value() >= m_last->value())
        m_last->setValue(m_first->value());
    raiseTargetAboveLast();
}

void NameBlockCopyGroup::SpinEditNameFromChange(int) { raiseTargetAboveLast(); }

void NameBlockCopyGroup::raiseTargetAboveLast()
{
    if (m_link->isChecked() && m_last->value() + 1 >= m_from->value())
        m_from->setValue(m_last->value() + 1);
}

void NameBlockCopyGroup::SpeedButtonNameBlocCopyClick()
{
    takeTypedNumbers({m_first, m_last, m_from, m_repeat, m_digit});
    m_commands.ToMemoryUndo();
    const auto fits = [](const NameBlock &block) { return block.last - block.first + block.to <= 255; };
    if (!fits({m_first->value(), m_last->value(), m_from->value()})) {
        m_window.dialogs().warning(&m_window.mainWindow(), programTitle(),
                                   tr(" Копирование не выполнено: Максимальное число имен > 256 ! "));
        m_faders.ReturnName();
        return;
    }

    // The target field cannot hold 255, so the running target is kept here as well.
    int to = m_from->value();
    const int repetitions = m_repeat->value();
    for (int r = 1; r <= repetitions; ++r) {
        const NameBlock block{m_first->value(), m_last->value(), to};
        // A later fixture that would reach past channel 255 ends the run.
        if (!fits(block)) {
            m_window.OutStatus(tr(" Копирование имен остановлено: нет каналов после 255 "));
            break;
        }
        if (!copyNameBlock(m_window.engine(), block,
                           {r, m_numberPlus->isChecked(), m_digit->value(), m_markFirst->isChecked()}))
            break;
        const int next = to + block.last - block.first + 1;
        m_from->setValue(next);
        m_digit->setValue(m_digit->value() + 1);
        to = std::max(m_from->value(), next);
    }
    m_faders.ReturnName();
}

} // namespace korvanel
