#include "ui/rightcolumn/GrandMasterRow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

#include "core/LiveControls.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

GrandMasterRow::GrandMasterRow(LiveControls &live, QWidget *parent) : QWidget(parent), m_live(live)
{
    setObjectName(QStringLiteral("PanelGrandMaster"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(makeLabel(this, "LabelGrandMasterName", tr("Мастер")));
    m_master = makeScrollBar(this,
                             {"ScrollBarGrandMaster", Qt::Horizontal, 0, 100, 10, 100,
                              tr("Общий уровень: все каналы на выходе, 100 % - без изменений")});
    row->addWidget(m_master, 1);
    m_label = makeLabel(this, "LabelGrandMaster", QStringLiteral("100 %"));
    // Room for "100 %" whatever the value, so the fader never jumps.
    m_label->setMinimumWidth(m_label->fontMetrics().horizontalAdvance(QStringLiteral("100 %")) + 2);
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_label);
    connect(m_master, &QScrollBar::valueChanged, this, &GrandMasterRow::show);
}

void GrandMasterRow::followWidthOf(QWidget &column)
{
    m_column = &column;
    column.installEventFilter(this);
    setFixedWidth(std::max(column.width(), column.minimumWidth()));
}

bool GrandMasterRow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_column && event->type() == QEvent::Resize)
        setFixedWidth(m_column->width());
    return QWidget::eventFilter(watched, event);
}

int GrandMasterRow::percent() const { return m_master->value(); }

void GrandMasterRow::setPercent(int percent) { m_master->setValue(std::clamp(percent, 0, 100)); }

void GrandMasterRow::show(int percent)
{
    m_live.grandMaster.store(static_cast<std::uint8_t>(percent), std::memory_order_relaxed);
    m_label->setText(QStringLiteral("%1 %").arg(percent));
}

} // namespace korvanel
