#include "ui/pages/coder/CoderTab.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstring>

#include "core/Engine.h"
#include "files/CoderTableFile.h"
#include "output/CoderTable.h"
#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {

constexpr int MaxWindowStart = 225; // the last window ends at slot 255
constexpr int StepSizes[] = {3, 4, 6, 8, 12, 16};

QByteArray numbered(const char *stem, int k) { return stem + QByteArray::number(k).rightJustified(2, '0'); }

std::string localPath(const QString &path) { return QFile::encodeName(path).toStdString(); }

QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

CoderTab::CoderTab(Engine &engine, WindowServices &window, QWidget *parent)
    : QWidget(parent), m_engine(engine), m_window(window)
{
    setObjectName(QStringLiteral("TabSheet3"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *title = makeLabel(this, "Label33", tr("Таблица перекодировок каналов  строки DMX512. на выходе программы"));
    title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(title);
    layout->addLayout(buildSliders(), 1);
    layout->addLayout(buildButtons());
    // Until the table is loaded at start-up the page shows the identity,
    // without touching the table itself.
    for (int k = 1; k <= SliderCount; ++k) {
        const QSignalBlocker quiet(m_sliders[k]);
        m_sliders[k]->setValue(k);
        m_labels[k]->setText(lineText(k, k));
    }
    tableIsSaved();
}

QString CoderTab::lineText(int source, int slot)
{
    return tr("Канал ") + QString::number(source) + tr(" выводится в канал ") + QString::number(slot);
}

QLayout *CoderTab::buildSliders()
{
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    // Two columns of fifteen rows: slider, then the line that says what it does.
    for (int k = 1; k <= SliderCount; ++k) {
        const QByteArray slider = numbered("ScrollBarCoder", k);
        const QByteArray label = numbered("Labelcoder", k);
        m_sliders[k] = makeScrollBar(this,
                                     {slider.constData(), Qt::Horizontal, 1, 255, 12, 1,
                                      tr("Устанавливаем из какого канала будет пееренаправлятся в какой канал DMX")});
        m_sliders[k]->setMinimumWidth(60);
        m_labels[k] = makeLabel(this, label.constData(), {});
        const int row = (k - 1) % 15;
        const int column = (k - 1) / 15 * 2;
        grid->addWidget(m_sliders[k], row, column);
        grid->addWidget(m_labels[k], row, column + 1);
        connect(m_sliders[k], &QScrollBar::valueChanged, this, [this, k] { ScrollBarCoderChange(k); });
    }
    m_position = makeScrollBar(
        this, {"ScrollBarCoderPos", Qt::Vertical, 0, MaxWindowStart, 20, 0, tr("Установка изменяемого канала")});
    grid->addWidget(m_position, 0, 4, 15, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    connect(m_position, &QScrollBar::valueChanged, this, &CoderTab::ScrollBarCoderPosChange);
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, [this] {
        for (int k = 1; k <= SliderCount; ++k)
            m_labels[k]->setText(lineText(m_sliders[k]->value(), m_position->value() + k));
    });
    return grid;
}

QLayout *CoderTab::buildButtons()
{
    auto *row = new QHBoxLayout;
    // One group, at most one down, all may be up: not Qt's exclusive group.
    m_steps = new QButtonGroup(this);
    m_steps->setExclusive(false);
    for (int step : StepSizes) {
        const QByteArray name = "SpeedButtonCoderCh" + QByteArray::number(step);
        QToolButton *button = makeSpeedButton(
            this, {name.constData(), tr("Измение канала на ..."), QStyle::SP_CustomBase, QString::number(step), true});
        m_steps->addButton(button, step);
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, button, step](bool down) {
            if (down) {
                for (QAbstractButton *other : m_steps->buttons()) {
                    if (other != button)
                        other->setChecked(false);
                }
            }
            SpeedButtonLarge(step);
        });
    }
    m_steps->button(12)->setChecked(true);

    QToolButton *reset = makeSpeedButton(this,
                                         {"SpeedButtonResetCoder", tr("Сбросить все установки 1=1, 2=2 и т.д."),
                                          QStyle::SP_CustomBase, QStringLiteral("R")});
    QToolButton *open =
        makeSpeedButton(this, {"SpeedButtonOpenCoderTab", tr("Загрузить таблицу"), QStyle::SP_DialogOpenButton});
    QToolButton *save =
        makeSpeedButton(this, {"SpeedButtonSaveCoderTab", tr("Сохранить таблицу"), QStyle::SP_DialogSaveButton});
    connect(reset, &QToolButton::clicked, this, &CoderTab::SpeedButtonResetCoderClick);
    connect(open, &QToolButton::clicked, this, &CoderTab::SpeedButtonOpenCoderTabClick);
    connect(save, &QToolButton::clicked, this, &CoderTab::SpeedButtonSaveCoderTabClick);
    m_labelCoder = makeLabel(this, "LabelCoder", tr("Имя Кодера"));
    // A long file name is cut, never widens the window.
    m_labelCoder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    row->addSpacing(8);
    row->addWidget(reset);
    row->addWidget(open);
    row->addWidget(save);
    row->addSpacing(8);
    row->addWidget(m_labelCoder, 1);
    return row;
}

void CoderTab::UpDateDmxCoder()
{
    const int p = m_position->value();
    for (int k = 1; k <= SliderCount; ++k) {
        {
            const QSignalBlocker quiet(m_sliders[k]);
            m_sliders[k]->setValue(m_engine.CoderTable.get(static_cast<std::size_t>(p + k)));
        }
        // Also when the slider did not move: the entry takes the value the
        // slider can show, and the label follows.
        ScrollBarCoderChange(k);
    }
}

void CoderTab::ScrollBarCoderPosChange() { UpDateDmxCoder(); }

void CoderTab::ScrollBarCoderChange(int k)
{
    const int slot = m_position->value() + k;
    const int source = m_sliders[k]->value();
    m_engine.CoderTable.set(static_cast<std::size_t>(slot), static_cast<std::uint16_t>(source));
    m_labels[k]->setText(lineText(source, slot));
}

void CoderTab::SpeedButtonLarge(int step)
{
    for (int k = 1; k <= SliderCount; ++k)
        m_sliders[k]->setPageStep(step);
}

void CoderTab::SpeedButtonResetCoderClick()
{
    coderIdentityFill(m_engine);
    UpDateDmxCoder();
}

namespace {
QString folderOf(const QString &fileName)
{
    return fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath();
}
} // namespace

QString CoderTab::filter() { return tr("Файлы перекодировки Korvanel  (*.kvr)"); }

void CoderTab::SpeedButtonOpenCoderTabClick()
{
    const QString name = m_window.dialogs().openFileName(&m_window.mainWindow(), tr("Загрузить таблицу"),
                                                         folderOf(OpenDialogCoderFileName), filter());
    if (name.isEmpty() || !mayDropTable())
        return;
    OpenDialogCoderFileName = name;
    if (readTable(name)) {
        UpDateDmxCoder();
        tableIsSaved();
    }
}

void CoderTab::SpeedButtonSaveCoderTabClick() { saveTable(); }

bool CoderTab::saveTable()
{
    const QString name = chooseSaveFileName(m_window.dialogs(), &m_window.mainWindow(), tr("Сохранить таблицу"),
                                            folderOf(SaveDialogCoderFileName), filter(), QStringLiteral("kvr"));
    if (name.isEmpty())
        return false;
    SaveDialogCoderFileName = name;
    if (!writeTable(name))
        return false;
    OpenDialogCoderFileName = SaveDialogCoderFileName;
    return true;
}

bool CoderTab::tableModified() const { return coderEntries(m_engine) != m_saved; }

void CoderTab::tableIsSaved() { m_saved = coderEntries(m_engine); }

bool CoderTab::mayDropTable()
{
    if (!tableModified())
        return true;
    const QString question =
        tr("Сохранить изменения таблицы перекодировки «%1»?").arg(QFileInfo(SaveDialogCoderFileName).fileName());
    return mayDropEdits(m_window.dialogs(), &m_window.mainWindow(), programTitle(), question,
                        [this] { return saveTable(); });
}

void CoderTab::loadAtStart(const QString &coderFileName)
{
    bool loaded = true;
    if (!SaveDialogCoderFileName.isEmpty() && QFileInfo::exists(SaveDialogCoderFileName)) {
        loaded = readTable(OpenDialogCoderFileName);
    } else {
        coderIdentityFill(m_engine);
        m_window.OutStatus(tr("Нет файла кодера"));
        writeTable(coderFileName);
        OpenDialogCoderFileName = coderFileName;
        SaveDialogCoderFileName = coderFileName;
    }
    UpDateDmxCoder();
    tableIsSaved();
    // A table that failed to load is not the one in use.
    if (loaded)
        m_labelCoder->setText(QFileInfo(SaveDialogCoderFileName).fileName());
}

bool CoderTab::readTable(const QString &path)
{
    CoderEntries entries{};
    const CoderFileResult result = readCoderTableFile(localPath(path), entries);
    using Kind = CoderFileResult::Kind;
    QString problem;
    switch (result.kind) {
    case Kind::Ok:
        setCoderEntries(m_engine, entries);
        return true;
    case Kind::Missing:
        problem = tr("Файл таблицы перекодировки не найден: %1.").arg(QDir::toNativeSeparators(path));
        break;
    case Kind::TooShort:
        problem = tr("Файл %1 короче 512 байт: это не таблица перекодировки.").arg(QDir::toNativeSeparators(path));
        break;
    default:
        problem =
            tr("Не удалось прочитать файл %1: %2.").arg(QDir::toNativeSeparators(path), systemText(result.systemError));
        break;
    }
    m_window.dialogs().error(&m_window.mainWindow(), problem + tr(" Таблица перекодировки не изменена."));
    return false;
}

bool CoderTab::writeTable(const QString &path)
{
    const CoderEntries entries = coderEntries(m_engine);
    const CoderFileResult result = writeCoderTableFile(localPath(path), entries);
    if (result.ok()) {
        m_saved = entries;
        return true;
    }
    m_window.dialogs().error(
        &m_window.mainWindow(),
        tr("Не удалось записать файл %1: %2.").arg(QDir::toNativeSeparators(path), systemText(result.systemError)));
    return false;
}

} // namespace korvanel
