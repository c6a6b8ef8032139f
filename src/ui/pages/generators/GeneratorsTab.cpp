#include "ui/pages/generators/GeneratorsTab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "core/Engine.h"
#include "ui/widgets/ChannelName.h"
#include "ui/widgets/ColorShape.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {

QByteArray named(const char *stem, int number, const char *tail = "")
{
    return QByteArray(stem) + QByteArray::number(number) + tail;
}

const QColor Lime(0, 255, 0);

} // namespace

GeneratorGroup::GeneratorGroup(Engine &engine, int number, QWidget *parent)
    : QGroupBox(parent), m_engine(engine), m_number(number),
      m_phases(number == 1 ? Generator1Phases : Generator2Phases),
      m_running(number == 1 ? engine.Avtomat1Running : engine.Avtomat2Running),
      m_out(number == 1 ? engine.Avtomat1Out : engine.Avtomat2Out)
{
    setTitle(number == 1 ? tr("Автомат 1  четырех канальный ") : tr("Автомат 2  четырех канальный "));

    m_timer.setObjectName(QString::fromLatin1(named("TimerTempAvtomat", number)));
    m_timer.setInterval(1000); // until the tempo is first applied
    connect(&m_timer, &QTimer::timeout, this, &GeneratorGroup::TimerTempAvtomatTimer);
    m_timer.start();

    m_tempo = makeScrollBar(this,
                            {named("ScrollBarTempAvtomat", number).constData(), Qt::Horizontal, MinGeneratorTempo,
                             MaxGeneratorTempo, 5, 10, tr("Скорость переключения автомата")});
    m_tempoLabel = makeLabel(this, named("LabelTempAvtomat", number).constData(), tr("Скорость переключения"));
    m_channel =
        makeScrollBar(this,
                      {named("ScrollBarChannelAvtomat", number).constData(), Qt::Horizontal, 0, MaxAvtomatChannel, 10,
                       0, tr("Установка первого канала, с которого будет работать автомат бегушки")});
    m_channels = makeLabel(this, named("LabelSeq", number, "Ch").constData(), tr("Каналы  1+2+3+4"));
    m_channelName = makeLabel(this, named("LabelSeq", number, "ChName").constData(), tr("Каналы  1+2+3+4"));
    m_bright = makeScrollBar(this,
                             {named("ScrollBarBrightAvtomat", number).constData(), Qt::Vertical, 0, 255, 16, 127,
                              tr("Максимальная яркость автомата")});
    m_dark = makeScrollBar(this,
                           {named("ScrollBarDarkAvtomat", number).constData(), Qt::Vertical, 0, 255, 16, 127,
                            tr("Минимальная яркость автомата")});
    m_alone = makeCheckBox(this, named("CheckBoxAvtomat", number).constData(), tr("Пуск самостоятельно"),
                           tr("Запусить автомат постоянно"), false);
    m_withSequencer = makeCheckBox(this, named("CheckBoxTogethe", number).constData(), tr("С основным"),
                                   tr("Установленный флажок будет запускать автомат вместе с секвенсером 1"), false);
    m_stepLabel = makeLabel(this, named("LabelStepAvtomat", number).constData(), tr("Step = 1"));
    m_blink = new ColorShape(Qt::red, this);
    m_blink->setObjectName(QString::fromLatin1(named("ShapeAvtomat", number)));

    const QString hints[4] = {tr("Выбор эффекта один бегущий огонек"), tr("Выбор эффекта два бегущих огонька"),
                              tr("Выбор эффекта бегущая тень"), tr("Выбор эффекта код с наполнением")};
    const QStyle::StandardPixmap icons[4] = {QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward,
                                             QStyle::SP_MediaSeekBackward, QStyle::SP_ArrowUp};
    m_patterns = new QButtonGroup(this);
    auto *patternRow = new QHBoxLayout;
    for (int mode = 1; mode <= 4; ++mode) {
        QToolButton *button = makeSpeedButton(
            this,
            {named("SpeedButtonAvto", number, QByteArray("Mode" + QByteArray::number(mode)).constData()).constData(),
             hints[mode - 1],
             icons[mode - 1],
             {},
             true});
        m_patterns->addButton(button, mode);
        patternRow->addWidget(button);
    }
    m_patterns->button(1)->setChecked(true);
    patternRow->addStretch();

    auto *outputs = new QHBoxLayout;
    outputs->addWidget(m_blink);
    for (std::size_t i = 0; i < 4; ++i) {
        m_outputs[i] = new ColorShape(Qt::black, this);
        m_outputs[i]->setObjectName(QString::fromLatin1(
            named("ShapeAvt", number, QByteArray("Seq" + QByteArray::number(static_cast<int>(i + 1))).constData())));
        m_outputs[i]->setMinimumSize(28, 28);
        outputs->addWidget(m_outputs[i]);
    }
    outputs->addWidget(m_stepLabel);
    outputs->addStretch();

    auto *levels = new QHBoxLayout;
    levels->addWidget(m_bright);
    levels->addWidget(m_dark);
    m_bright->setMinimumHeight(160);
    m_dark->setMinimumHeight(160);

    auto *grid = new QGridLayout;
    int row = 0;
    grid->addWidget(m_tempoLabel, row++, 0, 1, 2);
    grid->addWidget(m_tempo, row++, 0, 1, 2);
    grid->addWidget(m_channels, row++, 0, 1, 2);
    grid->addWidget(m_channelName, row++, 0, 1, 2);
    grid->addWidget(m_channel, row++, 0, 1, 2);
    grid->addLayout(patternRow, row++, 0, 1, 2);
    grid->addLayout(outputs, row++, 0, 1, 2);
    grid->addWidget(m_alone, row, 0);
    grid->addWidget(m_withSequencer, row++, 1);
    grid->addWidget(new QLabel(tr("Яркость"), this), row++, 0);
    grid->addLayout(levels, row++, 0);
    grid->setRowStretch(row, 1);
    setLayout(grid);

    connect(m_tempo, &QScrollBar::valueChanged, this, [this](int t) {
        m_engine.setSys(sys(SysAvtomat1Tempo), static_cast<std::uint8_t>(t));
        TempAvtomatStatus();
    });
    connect(m_channel, &QScrollBar::valueChanged, this, [this](int p) {
        m_engine.setSys(sys(SysAvtomat1Channel), static_cast<std::uint8_t>(p));
        m_engine.live.avtomatChannel.set(static_cast<std::size_t>(m_number - 1), static_cast<std::uint8_t>(p));
        showChannels();
    });
    connect(m_bright, &QScrollBar::valueChanged, this,
            [this](int v) { m_engine.setSys(sys(SysAvtomat1Bright), static_cast<std::uint8_t>(255 - v)); });
    connect(m_dark, &QScrollBar::valueChanged, this,
            [this](int v) { m_engine.setSys(sys(SysAvtomat1Dark), static_cast<std::uint8_t>(255 - v)); });
    connect(m_patterns, &QButtonGroup::idClicked, this,
            [this](int mode) { m_engine.setSys(sys(SysAvtomat1Mode), static_cast<std::uint8_t>(mode)); });
    m_engine.live.avtomatChannel.set(static_cast<std::size_t>(m_number - 1), 0);
    // Switched off: its levels leave the wire now, not at its next step.
    for (QCheckBox *box : {m_alone, m_withSequencer})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!switchedOn())
                store(m_running, 0);
            else if (!m_timer.isActive())
                m_timer.start();
        });
}

std::size_t GeneratorGroup::sys(std::size_t generator1Position) const
{
    return m_number == 1 ? generator1Position : generator1Position + (SysAvtomat2Tempo - SysAvtomat1Tempo);
}

int GeneratorGroup::pattern() const
{
    const int mode = m_patterns->checkedId();
    return mode < 1 ? 1 : mode;
}

void GeneratorGroup::TempAvtomatStatus()
{
    const int interval = generatorIntervalMs(m_engine.sys(sys(SysAvtomat1Tempo)));
    // Setting the interval restarts a running timer: a page refresh would hold the chase still.
    if (m_timer.interval() != interval)
        m_timer.setInterval(interval);
    m_tempoLabel->setText(QString::number(60000 / interval) + tr(" Flash/мин "));
}

void GeneratorGroup::showChannels()
{
    const int p = m_engine.sys(sys(SysAvtomat1Channel));
    m_channels->setText(tr(" Каналы ") + QString::number(p + 1) + "  " + QString::number(p + 2) + "  " +
                        QString::number(p + 3) + "  " + QString::number(p + 4));
    m_channelName->setText(tr(" Начиная от - ") + channelName(m_engine, static_cast<std::size_t>(p + 1)));
}

void GeneratorGroup::returnSettings()
{
    m_dark->setValue(255 - m_engine.sys(sys(SysAvtomat1Dark)));
    m_bright->setValue(255 - m_engine.sys(sys(SysAvtomat1Bright)));
    m_channel->setValue(m_engine.sys(sys(SysAvtomat1Channel)));
    showChannels();
    m_tempo->setValue(m_engine.sys(sys(SysAvtomat1Tempo)));
    const int mode = m_engine.sys(sys(SysAvtomat1Mode));
    if (mode >= 1 && mode <= 4)
        m_patterns->button(mode)->setChecked(true);
}

void GeneratorGroup::DisplayAvtomat()
{
    for (std::size_t i = 0; i < 4; ++i) {
        const int level = m_out.get(i);
        m_outputs[i]->setBrushColor(QColor(level, level, level));
    }
}

bool GeneratorGroup::switchedOn() const { return m_alone->isChecked() || m_withSequencer->isChecked(); }

void GeneratorGroup::showEvent(QShowEvent *event)
{
    QGroupBox::showEvent(event);
    if (!m_timer.isActive())
        m_timer.start();
}

void GeneratorGroup::TimerTempAvtomatTimer()
{
    // Switched off and out of sight, a step would only blink unseen: the timer
    // waits for the page or a switch.
    if (!isVisible() && !switchedOn()) {
        store(m_running, 0);
        m_timer.stop();
        return;
    }
    m_blink->setBrushColor(m_blink->brushColor() == QColor(Qt::red) ? Lime : QColor(Qt::red));
    store(m_running, 0);
    if (load(m_engine.live.blackout) != 0)
        return;
    if (!m_alone->isChecked() && !(m_withSequencer->isChecked() && load(m_engine.PlayMode) == 1))
        return;
    JobAvtomat(m_state, m_phases, pattern(), m_engine.sys(sys(SysAvtomat1Bright)), m_engine.sys(sys(SysAvtomat1Dark)),
               m_running, m_out);
    setReadoutText(*m_stepLabel, tr("Step = ") + QString::number(m_state.step + 1));
    DisplayAvtomat();
}

GeneratorsTab::GeneratorsTab(Engine &engine, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheetVisual"));
    m_one = new GeneratorGroup(engine, 1, this);
    m_two = new GeneratorGroup(engine, 2, this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_one);
    layout->addWidget(m_two);
}

void GeneratorsTab::ReturnAvtomat()
{
    m_one->TempAvtomatStatus();
    m_two->TempAvtomatStatus();
    m_one->returnSettings();
    m_two->returnSettings();
}

void GeneratorsTab::refresh()
{
    ReturnAvtomat();
    m_one->DisplayAvtomat();
    m_two->DisplayAvtomat();
}

} // namespace korvanel
