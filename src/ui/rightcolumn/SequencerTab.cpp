#include "ui/rightcolumn/SequencerTab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/widgets/ColorShape.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/PaneFill.h"

namespace korvanel {

SequencerTab::SequencerTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheetAvtomat"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    layout->addLayout(buildTempoRow());
    m_tempo = makeScrollBar(
        this, {"ScrollBarTemp", Qt::Horizontal, 10, 170, 10, 44, tr("Установка времени перехода на следующую сцену")});
    layout->addWidget(m_tempo);

    // The clocks change every second, so each costs as little as a text can:
    // the row and its two labels have fixed sizes (the width follows the page,
    // see resizeEvent), so a new text relays out nothing; and the row paints
    // the pane's own colour, so the group and the page control behind it are
    // not repainted with it.
    m_clocks = new QWidget(this);
    auto *clocks = new QHBoxLayout(m_clocks);
    clocks->setContentsMargins(0, 0, 0, 0);
    clocks->setSpacing(layout->spacing());
    for (QLabel *clock : {makeLabel(m_clocks, "LabelTimeShou", tr("Время в Шоу ?")),
                          makeLabel(m_clocks, "LabelTimePause", tr("Время  Паузы  "))}) {
        clocks->addWidget(clock);
        m_clockLabels.push_back(clock);
    }
    m_clocks->setFixedHeight(clocks->sizeHint().height());
    keepFilledLikePane(*this, {m_clocks});
    layout->addWidget(m_clocks);

    layout->addLayout(buildStepRow());
    layout->addLayout(buildSceneButtons());
    layout->addLayout(buildPresetRow());
    layout->addStretch();

    connect(m_scenHand, &QScrollBar::valueChanged, this, &SequencerTab::ScrollBarScenHandChange);
}

QLayout *SequencerTab::buildTempoRow()
{
    // The hints name the keys that really start and stop: "=/+" plays, "-" stops.
    m_play = makeSpeedButton(
        this, {"SpeedButtonPlay", tr("Запустить Шоу - горячая кнопка /+/ "), QStyle::SP_MediaPlay, {}, true});
    m_stop = makeSpeedButton(
        this, {"SpeedButtonStop", tr("Остановить Шоу - горячая кнопка /-/ "), QStyle::SP_MediaStop, {}, true});
    m_playStop = new QButtonGroup(this);
    m_playStop->setExclusive(true);
    m_playStop->addButton(m_play);
    m_playStop->addButton(m_stop);
    m_stop->setChecked(true);

    m_tempoShape = new ColorShape(palette().color(QPalette::Button), this);
    m_tempoShape->setObjectName(QStringLiteral("shpTempClikc1"));
    m_tempoShape->setFixedSize(12, 12);
    m_tempoLabel = makeLabel(this, "LabelTemp", tr("120 сцен/мин"));
    m_tap = makeSpeedButton(this,
                            {"SpeedButtonTap", tr("Темп ударами: 3..8 нажатий в ритме шагов - горячая кнопка /9/ "),
                             QStyle::SP_CustomBase, tr("Тап")});

    auto *row = new QHBoxLayout;
    row->addWidget(m_play);
    row->addWidget(m_stop);
    row->addWidget(m_tempoShape);
    row->addWidget(m_tempoLabel, 1);
    row->addWidget(m_tap);
    return row;
}

QLayout *SequencerTab::buildStepRow()
{
    // Made in the row's order, which Tab follows.
    m_ring = makeCheckBox(this, "CheckBoxRepeat", tr("Кольцо"),
                          tr("При наличии флажка сцены повторяются по кругу безконечно"), true);
    m_step = makeScrollBar(this, {"ScrollBarStep", Qt::Horizontal, 0, 2, 1, 0, tr("Установка текущей сцены")});
    m_stepLabel = makeLabel(this, "LabelStep", QStringLiteral("1"));
    m_lastLabel = makeLabel(this, "LabelCoda", QStringLiteral("2"));

    auto *row = new QHBoxLayout;
    row->addWidget(m_ring);
    row->addWidget(m_stepLabel);
    row->addWidget(m_step, 1);
    row->addWidget(m_lastLabel);
    return row;
}

QLayout *SequencerTab::buildSceneButtons()
{
    const std::pair<QToolButton **, SpeedButtonSettings> buttons[] = {
        {&m_newScene, {"SpeedButtonNewScena", tr("Создать новую сцену после текущей"), QStyle::SP_FileDialogNewFolder}},
        {&m_copyScene, {"SpeedButtonScenaCopy", tr("Копировать текущую сцену в буфер"), QStyle::SP_FileLinkIcon}},
        {&m_newScenePaste,
         {"SpeedButtonNewScenaPaste", tr("Создать новую сцену после текущей и скопировать в нее сцену из буфера"),
          QStyle::SP_FileDialogStart}},
        {&m_pasteScene,
         {"ButtonScenaPaste", tr("Заменить текущую сцену Сценой  из буфера"), QStyle::SP_DialogResetButton}},
        {&m_deleteScene, {"SpeedButtonScenaDelete", tr("Удалить текущую сцену"), QStyle::SP_TrashIcon}},
    };
    auto *row = new QHBoxLayout;
    for (const auto &[kept, settings] : buttons) {
        *kept = makeSpeedButton(this, settings);
        row->addWidget(*kept);
    }
    row->addStretch();

    // Nothing to paste until a scene has been copied.
    m_newScenePaste->setEnabled(false);
    m_pasteScene->setEnabled(false);
    return row;
}

QLayout *SequencerTab::buildPresetRow()
{
    m_scenHand = makeScrollBar(
        this,
        {"ScrollBarScenHand", Qt::Horizontal, 0, 255, 50, 1, tr("Выбор предварительной  установка начальной сцены ")});
    m_scenHandLabel = makeLabel(this, "LabelScenHand", tr("Уст 1"), tr("Предварительный выбор сцены"));
    QToolButton *set = makeSpeedButton(
        this,
        {"SpeedButtonScenHand", tr("Предварительная  установка начальной сцены "), QStyle::SP_CustomBase, tr("Уст")});
    connect(set, &QToolButton::clicked, this, &SequencerTab::SpeedButtonScenHandClick);

    auto *row = new QHBoxLayout;
    row->addWidget(m_scenHand, 1);
    row->addWidget(m_scenHandLabel);
    row->addWidget(set);
    return row;
}

void SequencerTab::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Fitting loads fonts: done for the width the page has once it is shown.
    if (isVisible())
        fitClocks();
}

void SequencerTab::fitClocks()
{
    const QMargins margins = layout()->contentsMargins();
    const int width = std::max(0, contentsRect().width() - margins.left() - margins.right());
    if (m_clocks->minimumWidth() != width || m_clocks->maximumWidth() != width)
        m_clocks->setFixedWidth(width);
    const int spacing = m_clocks->layout()->spacing();
    const int each = std::max(0, (width - spacing) / 2);
    // Two clocks at their longest (23 h 59 min 59 s) do not fit the row in the
    // page's font: both take the largest size that does, so no time is cut.
    // Each size tried loads a font, so the size is worked out, not searched,
    // and only for a width the row has not had yet.
    if (each == m_clockFitWidth)
        return;
    m_clockFitWidth = each;
    QFont font = m_clocks->font();
    const auto widest = [&](const QFont &f) {
        const QFontMetrics metrics(f);
        int most = 0;
        for (const QString &text : m_longestClocks)
            most = std::max(most, metrics.horizontalAdvance(text));
        return most;
    };
    if (const int needed = widest(font); needed > each && font.pointSizeF() > 0) {
        qreal size = std::max(5.0, std::floor(font.pointSizeF() * each / needed * 4) / 4);
        font.setPointSizeF(size);
        while (size > 5 && widest(font) > each)
            font.setPointSizeF(size -= 0.25);
    }
    for (QLabel *clock : m_clockLabels) {
        if (clock->font() != font)
            clock->setFont(font);
        if (clock->minimumSize() != QSize(each, m_clocks->height()) || clock->maximumSize() != clock->minimumSize())
            clock->setFixedSize(each, m_clocks->height());
    }
}

void SequencerTab::setLongestClockTexts(const QStringList &texts)
{
    m_longestClocks = texts;
    m_clockFitWidth = -1;
    if (isVisible())
        fitClocks();
}

void SequencerTab::showEvent(QShowEvent *event)
{
    fitClocks();
    QWidget::showEvent(event);
}

void SequencerTab::ScrollBarScenHandChange(int position)
{
    m_scenHandLabel->setText(tr("Уст ") + QString::number(position + 1));
}

void SequencerTab::SpeedButtonScenHandClick()
{
    // A preset past the end of the show lands on the slider's last position
    // (one past the last scene) instead of failing.
    m_step->setValue(m_scenHand->value());
}

} // namespace korvanel
