#include "ui/pages/faders/FaderPage.h"

#include <algorithm>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QToolButton>

#include "control/ControlLayer.h"
#include "core/Engine.h"
#include "files/ChannelNames.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/faders/FaderTab.h"
#include "ui/rightcolumn/ChannelSettingsGroup.h"
#include "ui/rightcolumn/LevelsTab.h"
#include "ui/widgets/ColorShape.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/FocusChain.h"
#include "ui/widgets/NameCodec.h"
#include "ui/widgets/NameValidator.h"
#include "ui/widgets/PaneFill.h"

namespace korvanel {

namespace {
constexpr int RowHeight = 16;
constexpr int InvertRows = 5;
constexpr int InvertGroups = 5; // rows 26 and 27 have no invert button

QByteArray numbered(const char *stem, int k, bool twoDigits = false, const char *suffix = "")
{
    QByteArray number = QByteArray::number(k);
    if (twoDigits && k < 10)
        number.prepend('0');
    return stem + number + suffix;
}

// The heading keeps its caption as text; each column's own heading is drawn
// centred over its column of the rows. The headings are separate texts, so
// that their widths follow the words shown in any language.
class ColumnHeading : public QLabel {
public:
    ColumnHeading(const QString &caption, std::vector<const char *> sources, QGridLayout &grid, QWidget *parent)
        : QLabel(caption, parent), m_sources(std::move(sources)), m_grid(grid)
    {
        retranslate();
    }
    const QStringList &columns() const { return m_columns; }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QLabel::changeEvent(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        const QStringList &words = m_columns;
        // Centred over its column; a heading wider than a narrow column moves
        // right of its left neighbour, and all move left from the right edge.
        constexpr int Gap = 6;
        std::vector<QRect> places;
        int leftBound = 0;
        for (int column = 0; column < words.size(); ++column) {
            const QRect cell = m_grid.cellRect(1, column).translated(-geometry().x(), 0);
            const int w = fontMetrics().horizontalAdvance(words[column]);
            const int x = std::max(cell.center().x() - w / 2, leftBound);
            places.emplace_back(x, 0, w, height());
            leftBound = x + w + Gap;
        }
        int rightBound = width();
        for (auto place = places.rbegin(); place != places.rend(); ++place) {
            if (place->right() >= rightBound)
                place->moveRight(rightBound - 1);
            rightBound = place->left() - Gap;
        }
        for (std::size_t i = 0; i < places.size(); ++i)
            painter.drawText(places[i], Qt::AlignCenter | Qt::TextDontClip, words[static_cast<qsizetype>(i)]);
    }

private:
    // The columns up to the name are at least as wide as their headings; the
    // rate and selection headings may reach over their neighbours' room.
    void retranslate()
    {
        m_columns.clear();
        for (const char *source : m_sources)
            m_columns.push_back(QCoreApplication::translate("korvanel::FaderPage", source));
        for (int column = 0; column < std::min<int>(m_columns.size(), 6); ++column)
            m_grid.setColumnMinimumWidth(column, fontMetrics().horizontalAdvance(m_columns[column]) + 4);
        update();
    }

    std::vector<const char *> m_sources;
    QStringList m_columns;
    QGridLayout &m_grid;
};

// Room for a name of NameSize capitals of average width (names are typed in
// capitals), with the field's margins and its cursor, as QLineEdit lays them out.
int nameFieldWidth(const QLineEdit &field)
{
    static const QString capitals =
        QString::fromUtf8("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ");
    const QFontMetrics metrics = field.fontMetrics();
    const int count = static_cast<int>(capitals.size());
    const int name = (metrics.horizontalAdvance(capitals) * static_cast<int>(NameSize) + count - 1) / count;
    constexpr int margins = 2 * 2 + 1 + 1; // QLineEdit's margin on each side, the cursor, rounding
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    const QSize text(name + margins, metrics.height());
    return field.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &field).width();
}
} // namespace

FaderPage::FaderPage(WindowServices &window, FaderTab &tab, ChannelSettingsGroup &settings)
    : QObject(&tab), m_window(window), m_engine(window.engine())
{
    setObjectName(QStringLiteral("FaderPage"));
    m_manual = settings.levels()->checkBoxManual();
    buildRows(tab);
    buildButtons(tab);

    // After the tab's own handler has stored the offset.
    connect(tab.scrolbarVertPos(), &QScrollBar::valueChanged, this, &FaderPage::ScrolbarVertPosChange);
    window.setPageRefresh(InputPage::Faders, [this] { refresh(); });
}

void FaderPage::buildRows(FaderTab &tab)
{
    QGridLayout *grid = tab.faderRowsLayout();
    QWidget *area = grid->parentWidget();
    grid->setHorizontalSpacing(3);

    auto *header = new ColumnHeading(
        tr("Канал             Уровень             Выход    Тип   Границы   Имя  канала     "
           "         Время изменения     Выбор"),
        {QT_TR_NOOP("Канал"), QT_TR_NOOP("Уровень"), QT_TR_NOOP("Выход"), QT_TR_NOOP("Тип"), QT_TR_NOOP("Границы"),
         QT_TR_NOOP("Имя  канала"), QT_TR_NOOP("Время изменения"), QT_TR_NOOP("Выбор")},
        *grid, area);
    header->setObjectName(QStringLiteral("LabelOpis"));
    header->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(header, 0, 0, 1, 9);

    int nameWidth = 0;
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        Row &row = m_rows[index(k)];
        const QString numberText = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        row.number =
            makeLabel(area, numbered("Label", k, true, "c").constData(), numberText, tr("Номер канала в строке DMX"));
        row.number->setFixedWidth(24);
        row.fader = makeScrollBar(area, {numbered("ScrollBar", k).constData(), Qt::Horizontal, 0, 255, 10, 0});
        row.fader->setFixedHeight(RowHeight - 2);
        row.level = makeLabel(area, numbered("Label", k).constData(), QStringLiteral("255"),
                              tr("Реальный уровень канала DMX на выходе"));
        // Of fixed size, so that a new level repaints the label alone: a label that may
        // resize relays out the page, and the page control then repaints the whole page.
        row.level->setFixedSize(26, row.level->sizeHint().height());
        row.level->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.shape = new ColorShape(area->palette().color(QPalette::Window), area);
        row.shape->setObjectName(QString::fromLatin1(numbered("Shape", k)));
        row.shape->setFixedSize(12, 12);
        row.image = new QLabel(area);
        row.image->setObjectName(QString::fromLatin1(numbered("Image", k)));
        row.image->setFixedSize(16, 16);
        row.name = new QLineEdit(area);
        row.name->setObjectName(QString::fromLatin1(numbered("Edit", k)));
        row.name->setMaxLength(static_cast<int>(NameSize));
        row.name->setValidator(new NameValidator(row.name));
        row.name->setToolTip(tr("Имя канала. Максимальное число символов - 16. Для изменения цвета дабл-клик"));
        // Every field has the same font and style: measured once.
        if (nameWidth == 0)
            nameWidth = nameFieldWidth(*row.name);
        row.name->setFixedSize(nameWidth, RowHeight);
        row.name->installEventFilter(this);
        row.rate = makeScrollBar(area,
                                 {numbered("ScrollBarRate", k, true).constData(), Qt::Horizontal, 0, 7, 2, 5,
                                  tr("Время изменения уровня DMX канала")});
        row.rate->setFixedSize(56, RowHeight - 2);
        row.check = makeCheckBox(area, numbered("CheckBox", k).constData(), {},
                                 k == 1 ? tr("Индивидуальный выбор канала для режимов и блоков: Флэш, Ручной, "
                                             "Уровни, Время")
                                        : tr("Индивидуальный выбор канала "),
                                 false);
        row.check->setFixedHeight(RowHeight);

        int column = 0;
        for (QWidget *w : std::initializer_list<QWidget *>{row.number, row.fader, row.level, row.shape, row.image,
                                                           row.name, row.rate, row.check})
            grid->addWidget(w, k, column++, Qt::AlignVCenter);
        grid->setRowMinimumHeight(k, RowHeight);

        connect(row.fader, &QScrollBar::valueChanged, this, [this, k](int position) { ScrollBarChange(k, position); });
        connect(row.check, &QCheckBox::toggled, this, [this, k](bool checked) { CheckBoxClick(k, checked); });
        m_engine.live.faderPosition.set(static_cast<std::size_t>(k), 0);
        m_engine.live.faderChecked.set(static_cast<std::size_t>(k), 0);
    }
    grid->setColumnStretch(1, 1);
    // The level labels change ten times a second while a show plays: each fills its own background, so that
    // it repaints alone.
    std::vector<QWidget *> levels;
    for (const Row &row : m_rows)
        levels.push_back(row.level);
    keepFilledLikePane(tab, std::move(levels));

    for (int g = 0; g < InvertGroups; ++g) {
        const int first = 1 + g * InvertRows;
        QToolButton *invert = makeSpeedButton(area,
                                              {numbered("SpeedButtonInv", first).constData(),
                                               tr("Инвертирует состояние флажков в поле  Выбор "),
                                               QStyle::SP_CustomBase, QStringLiteral("~")});
        invert->setFixedWidth(18);
        m_buttons.push_back(invert);
        grid->addWidget(invert, first, 8, InvertRows, 1);
        connect(invert, &QToolButton::clicked, this, [this, first] { SpeedButtonInvClick(first); });
    }
}

void FaderPage::buildButtons(FaderTab &tab)
{
    QGridLayout *grid = tab.faderRowsLayout();
    QWidget *area = grid->parentWidget();
    struct Button {
        const char *name;
        QString hint;
        QString caption;
        void (FaderPage::*handler)();
    };
    const Button buttons[] = {
        {"SpeedButtonAllScrl0", tr("Установить уровни все каналов сцены  в '0'"), tr("Все 0"),
         &FaderPage::SpeedButtonAllScrl0Click},
        {"SpeedButtonVis0", tr("Установить уровни видимых каналов в '0' "), QStringLiteral("0"),
         &FaderPage::SpeedButtonVis0Click},
        {"SpeedButtonVis127", tr("Установить уровни видимых каналов в '127' "), QStringLiteral("127"),
         &FaderPage::SpeedButtonVis127Click},
        {"SpeedButtonVis255", tr("Установить уровни видимых каналов в '255' "), QStringLiteral("255"),
         &FaderPage::SpeedButtonVis255Click},
        {"SpeedButtonOnVisCheck", tr("Включить все видимые флажки в столбце Выбор "), QStringLiteral("+"),
         &FaderPage::SpeedButtonOnVisCheckClick},
        {"SpeedButtonOffVisCheck", tr("Сбросить все видимые флажки в столбце Выбор "), QStringLiteral("-"),
         &FaderPage::ButtonResetFlagVyborClick},
        {"SpeedButtonOffAllCheck", tr("Сбросить все флажки в столбце Выбор "), QStringLiteral("--"),
         &FaderPage::SpeedButtonOffAllCheckClick},
    };
    auto *bar = new QHBoxLayout;
    bar->setSpacing(2);
    for (const Button &b : buttons) {
        QToolButton *button = makeSpeedButton(area, {b.name, b.hint, QStyle::SP_CustomBase, b.caption});
        button->setFixedHeight(20);
        m_buttons.push_back(button);
        bar->addWidget(button);
        connect(button, &QToolButton::clicked, this, b.handler);
    }
    bar->addStretch();
    grid->addLayout(bar, static_cast<int>(FaderCount) + 1, 0, 1, 9);
}

std::vector<QWidget *> FaderPage::focusOrder() const
{
    // A column at a time, so that Tab names the rows one after another.
    std::vector<QWidget *> order;
    const auto column = [&](auto Row::*control) {
        for (const Row &row : m_rows)
            order.push_back(row.*control);
    };
    column(&Row::name);
    column(&Row::fader);
    column(&Row::rate);
    column(&Row::check);
    order.insert(order.end(), m_buttons.begin(), m_buttons.end());
    return order;
}

bool FaderPage::playing() const { return load(m_engine.PlayMode) == 1; }

std::size_t FaderPage::offset() const { return std::min(load(m_engine.FaderPageOffset), MaxFaderPageOffset); }

void FaderPage::refresh()
{
    ReturnScrollBars();
    if (ReturnRate)
        ReturnRate();
    ReturnName();
    CheckBoxFromMemory();
    if (UpdateColorEditAll)
        UpdateColorEditAll();
}

void FaderPage::ScrolbarVertPosChange(int position)
{
    m_window.control().apply({WindowSource, command::FaderPage{position}});
}

void FaderPage::showPage()
{
    m_window.ReturnPageControlAll();
    NamberDmx();
}

void FaderPage::NamberDmx()
{
    const std::size_t first = offset();
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k)
        numberLabel(k)->setText(QString::number(first + static_cast<std::size_t>(k)));
}

void FaderPage::ScrollBarChange(int k, int position)
{
    if (m_mirroring) {
        // The row shows the show: the live state follows what it shows.
        m_engine.live.faderPosition.set(static_cast<std::size_t>(k), static_cast<std::uint8_t>(position));
        return;
    }
    m_window.control().apply({WindowSource, command::FaderLevel{static_cast<int>(offset()) + k, position}});
}

void FaderPage::showLevel(int channel)
{
    const int k = channel - static_cast<int>(offset());
    if (k < 1 || k > static_cast<int>(FaderCount))
        return;
    {
        const QScopedValueRollback mirroring(m_mirroring, true);
        scrollBar(k)->setValue(m_engine.live.faderPosition.get(static_cast<std::size_t>(k)));
    }
    emit faderTouched(channel);
}

void FaderPage::CheckBoxClick(int k, bool checked)
{
    if (m_mirroring) {
        m_engine.live.faderChecked.set(static_cast<std::size_t>(k), checked ? 1 : 0);
        return;
    }
    m_window.control().apply({WindowSource, command::SelectChannel{static_cast<int>(offset()) + k, checked}});
}

void FaderPage::showSelection(int channel)
{
    const int k = channel - static_cast<int>(offset());
    if (k < 1 || k > static_cast<int>(FaderCount))
        return;
    const QScopedValueRollback mirroring(m_mirroring, true);
    checkBox(k)->setChecked(m_engine.SceneMemory.get(selectionByte(static_cast<std::size_t>(channel))) == 1);
}

void FaderPage::ReturnScrollBars()
{
    const QScopedValueRollback mirroring(m_mirroring, true);
    const bool manual = m_manual->isChecked();
    const std::size_t first = offset();
    const std::uint8_t scene = m_engine.currentScene();
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        // Under manual control the checked rows hold their manual levels.
        if (manual && checkBox(k)->isChecked())
            continue;
        scrollBar(k)->setValue(m_engine.level(scene, first + static_cast<std::size_t>(k)));
    }
}

void FaderPage::CheckBoxFromMemory()
{
    const QScopedValueRollback mirroring(m_mirroring, true);
    const std::size_t first = offset();
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k)
        checkBox(k)->setChecked(m_engine.SceneMemory.get(selectionByte(first + static_cast<std::size_t>(k))) == 1);
}

void FaderPage::CheckBoxToMemory()
{
    const std::size_t first = offset();
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k)
        m_engine.SceneMemory.set(selectionByte(first + static_cast<std::size_t>(k)), checkBox(k)->isChecked() ? 1 : 0);
}

void FaderPage::ReturnName()
{
    const std::size_t first = offset();
    if (first != m_namesOffset) {
        // Text typed for the page that is being left belongs to that page's channels.
        for (const Row &row : m_rows) {
            if (row.name->isModified()) {
                SaveEditAll();
                break;
            }
        }
    }
    const bool samePage = first == m_namesOffset;
    m_namesOffset = first;
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        const NameBytes bytes = LoadEdit(m_engine, first + static_cast<std::size_t>(k));
        QLineEdit *field = edit(k);
        // A name being typed is stored when the field is left, not overwritten by a scene step.
        if (samePage && field->hasFocus() && field->isModified())
            continue;
        const QString text = NameCodec::instance().decode(bytes);
        if (field->text() != text) {
            field->setText(text);
            // A name wider than its field shows its beginning.
            field->setCursorPosition(0);
        }
    }
}

void FaderPage::SaveEditAll()
{
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        QLineEdit *field = edit(k);
        const std::string bytes = NameCodec::instance().encode(field->text().left(static_cast<qsizetype>(NameSize)));
        SaveEdit(m_engine, m_namesOffset + static_cast<std::size_t>(k), padName(bytes));
        field->setModified(false);
    }
    zeroNameBlanks(m_engine);
}

void FaderPage::storeTypedNames()
{
    // Only typed text: rewriting untouched fields could recode names the codec does not round-trip.
    for (const Row &row : m_rows) {
        if (row.name->isModified()) {
            SaveEditAll();
            return;
        }
    }
}

void FaderPage::restoreName(const QLineEdit &field)
{
    for (int k = 1; k <= static_cast<int>(FaderCount); ++k) {
        if (edit(k) != &field)
            continue;
        const NameBytes bytes = LoadEdit(m_engine, m_namesOffset + static_cast<std::size_t>(k));
        edit(k)->setText(NameCodec::instance().decode(bytes));
        edit(k)->setModified(false);
    }
}

bool FaderPage::eventFilter(QObject *watched, QEvent *event)
{
    // A field losing the focus while the window is torn down is no longer a
    // line edit by then, and its siblings may be gone: nothing to store.
    if (!qobject_cast<QLineEdit *>(watched))
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
            break;
        // Escape drops the typing: the field shows the stored name again and
        // gives the keys back (Enter, which stores it, is the window's).
        auto *field = static_cast<QLineEdit *>(watched);
        restoreName(*field);
        leaveField(*field);
        return true;
    }
    case QEvent::FocusOut:
        SaveEditAll();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FaderPage::setVisibleLevels(std::uint8_t level, const QString &status)
{
    if (playing())
        return;
    m_window.OutStatus(status);
    const std::size_t first = offset();
    const std::uint8_t scene = m_engine.currentScene();
    for (std::size_t k = 1; k <= FaderCount; ++k)
        m_engine.SceneMemory.set(sceneByte(scene, first + k), level);
    ReturnScrollBars();
}

void FaderPage::SpeedButtonAllScrl0Click()
{
    if (playing())
        return;
    m_window.OutStatus(tr(" Вся сцена установлена в 0"));
    const std::size_t row = sceneRow(m_engine.currentScene());
    m_engine.SceneMemory.fill(row, row + RowSize, 0);
    ReturnScrollBars();
}

void FaderPage::SpeedButtonVis0Click() { setVisibleLevels(0, tr(" Установлено в 0 ")); }
void FaderPage::SpeedButtonVis127Click() { setVisibleLevels(127, tr(" Установлено в 127")); }
void FaderPage::SpeedButtonVis255Click() { setVisibleLevels(255, tr(" Установлено в 255")); }

void FaderPage::setVisibleSelection(std::uint8_t value)
{
    const std::size_t first = offset();
    for (std::size_t k = 1; k <= FaderCount; ++k)
        m_engine.SceneMemory.set(selectionByte(first + k), value);
    CheckBoxFromMemory();
}

void FaderPage::SpeedButtonOnVisCheckClick() { setVisibleSelection(1); }
void FaderPage::ButtonResetFlagVyborClick() { setVisibleSelection(0); }

void FaderPage::SpeedButtonOffAllCheckClick()
{
    m_window.OutStatus(tr(" Все флажки Установлены "));
    m_engine.SceneMemory.fill(SelectionOffset, SelectionOffset + RowSize, 0);
    CheckBoxFromMemory();
}

void FaderPage::SpeedButtonInvClick(int first)
{
    for (int k = first; k < first + InvertRows && k <= static_cast<int>(FaderCount); ++k)
        checkBox(k)->setChecked(!checkBox(k)->isChecked());
    CheckBoxToMemory();
}

} // namespace korvanel
