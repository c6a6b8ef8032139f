#include "ui/rightcolumn/ChannelColorTab.h"

#include <algorithm>

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "core/Engine.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/FaderPage.h"
#include "ui/widgets/ColorShape.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/GoboImages.h"

namespace korvanel {

namespace {

constexpr int NameColorMinimum = 128;

ColorTable &nameTable(ChannelColors &colors, int component)
{
    switch (component) {
    case 0:
        return colors.NameColorRed;
    case 1:
        return colors.NameColorGreen;
    default:
        return colors.NameColorBlue;
    }
}

} // namespace

ChannelColorTab::ChannelColorTab(WindowServices &window, QTabWidget &pageControlTemp, QWidget &page, FaderPage &faders)
    : QObject(&window.mainWindow()), m_window(window), m_faders(faders), m_engine(window.engine())
{
    setObjectName(QStringLiteral("ChannelColorTab"));
    buildControls(page);
    const int tab = pageControlTemp.indexOf(&page);
    pageControlTemp.setTabToolTip(tab, tr("Для установки цвета канала двойной клик на поле измения"));

    for (int k = 1; k <= static_cast<int>(FaderCount); ++k)
        faders.edit(k)->installEventFilter(this);
    // The hint panel follows the fader last touched.
    connect(&faders, &FaderPage::faderTouched, m_hintChannel, &QScrollBar::setValue);
    faders.UpdateColorEditAll = [this] { UpdateColorEditAll(); };
}

void ChannelColorTab::buildControls(QWidget &page)
{
    auto *grid = new QGridLayout(&page);
    // The tab shares the scene control group's height with the sequencer tab.
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    const char *names[] = {"ScrollBar31", "ScrollBar32", "ScrollBar33"};
    const QString captions[] = {tr("R"), tr("G"), tr("B")};
    const int start[] = {230, 238, 245};
    for (int i = 0; i < 3; ++i) {
        QScrollBar *bar = makeScrollBar(
            &page,
            {names[i], Qt::Horizontal, NameColorMinimum, 255, 16, start[i], tr("Цвет пля для ввода имени канала ")});
        m_rgb[static_cast<std::size_t>(i)] = bar;
        grid->addWidget(new QLabel(captions[i], &page), i, 0);
        grid->addWidget(bar, i, 1);
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int position) { NameColorSliderChange(i, position); });
    }
    m_swatch = new ColorShape(QColor(start[0], start[1], start[2]), &page);
    m_swatch->setObjectName(QStringLiteral("ShapeCltrey"));
    m_swatch->setFixedSize(32, 48);
    grid->addWidget(m_swatch, 0, 2, 3, 1, Qt::AlignCenter);

    m_label = makeLabel(&page, "LabelEditColor", tr("Нет выбранного"));
    QToolButton *off = makeSpeedButton(
        &page, {"SpeedButton21", tr("Выключить изменение цвета"), QStyle::SP_CustomBase, QStringLiteral("OFF")});
    grid->addWidget(m_label, 3, 0, 1, 2);
    grid->addWidget(off, 3, 2);
    connect(off, &QToolButton::clicked, this, &ChannelColorTab::SpeedButton21Click);

    m_hintChannel = makeScrollBar(
        &page, {"ScrollBar35", Qt::Horizontal, 1, 255, 10, 1, tr("Выбор канала для графической подсказки")});
    m_hintPicture = makeScrollBar(&page,
                                  {"ScrollBar36", Qt::Horizontal, 0, 255, 10, 0,
                                   tr("Установка типа изображения сопоставимого с типом регулировки прибора")});
    // The picture being chosen, so the number need not be learnt by heart.
    m_picturePreview = new QLabel(&page);
    m_picturePreview->setFixedSize(GoboImageSize + 2, GoboImageSize + 2);
    m_picturePreview->setAlignment(Qt::AlignCenter);
    m_picturePreview->setPixmap(goboImage(0));
    m_picturePreview->setToolTip(goboImageName(0));
    QToolButton *setColor = makeSpeedButton(
        &page,
        {"SpeedButton22", tr("Устанвить выбранный Цвет группы"), QStyle::SP_CustomBase, QStringLiteral("setColor")});
    grid->addWidget(new QLabel(tr("Канал"), &page), 4, 0);
    grid->addWidget(m_hintChannel, 4, 1);
    grid->addWidget(setColor, 4, 2);
    grid->addWidget(new QLabel(tr("Тип"), &page), 5, 0);
    grid->addWidget(m_hintPicture, 5, 1);
    grid->addWidget(m_picturePreview, 5, 2, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
    connect(m_hintChannel, &QScrollBar::valueChanged, this, &ChannelColorTab::ScrollBar35Change);
    connect(m_hintPicture, &QScrollBar::valueChanged, this, &ChannelColorTab::ScrollBar36Change);
    connect(setColor, &QToolButton::clicked, this, &ChannelColorTab::SpeedButton22Click);
}

std::size_t ChannelColorTab::offset() const { return std::min(load(m_engine.FaderPageOffset), MaxFaderPageOffset); }

QColor ChannelColorTab::fieldColor(int k) const { return m_faders.edit(k)->palette().color(QPalette::Base); }

void ChannelColorTab::paintField(int k, std::size_t channel)
{
    const ChannelColors &colors = m_engine.colors;
    const QColor color(colors.NameColorRed[channel], colors.NameColorGreen[channel], colors.NameColorBlue[channel]);
    QLineEdit *field = m_faders.edit(k);
    QPalette palette = field->palette();
    if (palette.color(QPalette::Base) == color && field->testAttribute(Qt::WA_SetPalette))
        return;
    palette.setColor(QPalette::Base, color);
    field->setPalette(palette);
}

void ChannelColorTab::UpdateColorEditAll()
{
    const std::size_t first = offset();
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k)
        paintField(k, first + static_cast<std::size_t>(k));
}

void ChannelColorTab::UstColorEditOne(int channel)
{
    const int k = channel - static_cast<int>(offset());
    if (k >= 1 && k <= static_cast<int>(FaderCount))
        paintField(k, static_cast<std::size_t>(channel));
}

void ChannelColorTab::UpdateScrollRGBtxt(int k)
{
    if (k < 1 || k > static_cast<int>(FaderCount))
        return;
    const std::size_t channel = offset() + static_cast<std::size_t>(k);
    m_colorEditChannel = static_cast<int>(channel);
    ChannelColors &colors = m_engine.colors;
    const std::uint8_t stored[] = {colors.NameColorRed[channel], colors.NameColorGreen[channel],
                                   colors.NameColorBlue[channel]};
    for (std::size_t i = 0; i < 3; ++i) {
        const QSignalBlocker quiet(m_rgb[i]);
        m_rgb[i]->setValue(stored[i]); // a component below the slider's minimum comes up to it
    }
    // Stored like a slider move, whether or not the slider had to move.
    for (int i = 0; i < 3; ++i)
        NameColorSliderChange(i, m_rgb[static_cast<std::size_t>(i)]->value());
    m_label->setText(QString::number(channel));
}

void ChannelColorTab::NameColorSliderChange(int component, int position)
{
    m_swatch->setBrushColor(QColor(m_rgb[0]->value(), m_rgb[1]->value(), m_rgb[2]->value()));
    if (m_colorEditChannel < 0 || m_colorEditChannel > 512)
        return;
    nameTable(m_engine.colors, component)[static_cast<std::size_t>(m_colorEditChannel)] =
        static_cast<std::uint8_t>(position);
    UstColorEditOne(m_colorEditChannel);
}

void ChannelColorTab::SpeedButton21Click()
{
    m_colorEditChannel = NoColorEditChannel;
    m_label->setText(tr("Нет выбора"));
}

void ChannelColorTab::showHintSelection()
{
    m_label->setText(tr("Канал: ") + QString::number(m_hintChannel->value()) + tr(" - N: ") +
                     QString::number(m_hintPicture->value()));
}

void ChannelColorTab::ScrollBar35Change(int) { showHintSelection(); }

void ChannelColorTab::ScrollBar36Change(int position)
{
    showHintSelection();
    m_engine.colors.GraphHint[static_cast<std::size_t>(m_hintChannel->value())] = static_cast<std::uint8_t>(position);
    m_picturePreview->setPixmap(goboImage(position));
    m_picturePreview->setToolTip(goboImageName(position));
}

void ChannelColorTab::SpeedButton22Click()
{
    ChannelColors &colors = m_engine.colors;
    const auto channel = static_cast<std::size_t>(m_hintChannel->value());
    colors.SplitColorRed[channel] = static_cast<std::uint8_t>(m_rgb[0]->value());
    colors.SplitColorGreen[channel] = static_cast<std::uint8_t>(m_rgb[1]->value());
    colors.SplitColorBlue[channel] = static_cast<std::uint8_t>(m_rgb[2]->value());
}

bool ChannelColorTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const FaderPage &faders = m_faders;
        for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
            if (faders.edit(k) == watched) {
                UpdateScrollRGBtxt(k);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace korvanel
