#include "ui/midi/MidiGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>
#include <QToolButton>

#include "midi/MidiModule.h"
#include "ui/midi/MidiLearn.h"
#include "ui/midi/MidiLink.h"
#include "ui/midi/MidiSurface.h"
#include "ui/midi/MidiWords.h"
#include "ui/texts/InterfaceTexts.h"
#include "ui/texts/ModuleRefusalWords.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {

QComboBox *makePortBox(QWidget *parent, const char *name, const QString &hint)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(hint);
    // A long port name must not widen the page.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(32);
    return box;
}

// The box's items: none, the ports listed now, and the chosen one while it is away.
void fillPortBox(QComboBox &box, const std::vector<std::string> &listed, const std::string &chosen)
{
    const QSignalBlocker quiet(&box);
    box.clear();
    box.addItem(MidiGroup::tr("нет"), QString());
    bool there = chosen.empty();
    for (const std::string &name : listed) {
        box.addItem(QString::fromStdString(name), QString::fromStdString(name));
        there = there || name == chosen;
    }
    if (!there)
        box.addItem(MidiGroup::tr("%1 (не подключён)").arg(QString::fromStdString(chosen)),
                    QString::fromStdString(chosen));
    // A port found again under other numbers is the one chosen.
    const int at = box.findData(QString::fromStdString(chosen));
    box.setCurrentIndex(at >= 0 ? at : 0);
}

QString portStatus(bool input, const std::string &wanted, bool open, const std::string &error)
{
    const QString name = QString::fromStdString(wanted);
    if (wanted.empty())
        return input ? MidiGroup::tr("Вход не выбран") : MidiGroup::tr("Выход не выбран");
    if (open)
        return input ? MidiGroup::tr("Вход «%1» открыт").arg(name) : MidiGroup::tr("Выход «%1» открыт").arg(name);
    if (!error.empty())
        return (input ? MidiGroup::tr("Вход «%1» не открывается: %2") : MidiGroup::tr("Выход «%1» не открывается: %2"))
            .arg(name, QString::fromStdString(error));
    return input ? MidiGroup::tr("Вход «%1» не подключён: откроется, как только появится").arg(name)
                 : MidiGroup::tr("Выход «%1» не подключён: откроется, как только появится").arg(name);
}

QString lineNumbers(const std::vector<int> &lines)
{
    QStringList numbers;
    for (std::size_t i = 0; i < lines.size() && i < 10; ++i)
        numbers << QString::number(lines[i]);
    if (lines.size() > 10)
        numbers << QStringLiteral("…");
    return numbers.join(QStringLiteral(", "));
}

} // namespace

MidiGroup::MidiGroup(MidiLink &link, MidiSurface &surface, MidiLearn &learn, QWidget *parent)
    : QGroupBox(tr("MIDI-контроллер"), parent), m_link(link), m_surface(surface), m_learn(learn)
{
    setObjectName(QStringLiteral("GroupBoxMidi"));
    m_enabled = makeCheckBox(this, "CheckBoxMidi", tr("Включить"),
                             tr("Фейдеры, пэды и кнопки MIDI-контроллера управляют светом"), false);
    m_input = makePortBox(this, "ComboBoxMidiInput", tr("Порт, с которого приходят сообщения контроллера"));
    m_output = makePortBox(this, "ComboBoxMidiOutput",
                           tr("Порт, на который уходят подсветка пэдов и положения моторизованных фейдеров"));
    m_learnButton =
        makeSpeedButton(this,
                        {"SpeedButtonMidiLearn",
                         tr("Обучение: нажмите на элемент окна, затем сдвиньте или нажмите регулятор контроллера"),
                         QStyle::SP_CustomBase, tr("Обучение"), true});
    m_status = makeLabel(this, "LabelMidiStatus", {});
    m_status->setWordWrap(true);
    // Learning needs a controller to learn from.
    m_learnButton->setEnabled(false);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    auto *top = new QHBoxLayout;
    top->addWidget(m_enabled);
    top->addWidget(m_learnButton);
    top->addStretch();
    grid->addLayout(top, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Вход"), this), 1, 0);
    grid->addWidget(m_input, 1, 1);
    grid->addWidget(new QLabel(tr("Выход"), this), 2, 0);
    grid->addWidget(m_output, 2, 1);
    grid->addWidget(m_status, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    connect(m_enabled, &QCheckBox::toggled, this, &MidiGroup::CheckBoxMidiClick);
    connect(m_learnButton, &QToolButton::toggled, this, &MidiGroup::SpeedButtonMidiLearnClick);
    connect(m_input, &QComboBox::activated, this, [this](int index) {
        m_link.setInput(m_input->itemData(index).toString().toStdString());
        fillPorts();
        showStatus();
    });
    connect(m_output, &QComboBox::activated, this, [this](int index) {
        m_link.setOutput(m_output->itemData(index).toString().toStdString());
        fillPorts();
        showStatus();
    });
    connect(&m_link, &MidiLink::changed, this, [this] {
        fillPorts();
        showStatus();
    });
    connect(&m_learn, &MidiLearn::touched, this, [this](const MidiTarget &target) {
        m_surface.learnFor(target);
        m_learnt.reset();
        showStatus();
    });
    connect(&m_surface, &MidiSurface::learnt, this, [this](const MidiBinding &binding, bool kept) {
        m_learnt = binding;
        m_learntKept = kept;
        showStatus();
    });
    connect(&InterfaceTexts::instance(), &InterfaceTexts::languageChanged, this, [this] {
        fillPorts();
        showStatus();
    });
    fillPorts();
    showStatus();
}

void MidiGroup::applySettings(const MidiIni &settings)
{
    m_link.setInput(settings.Input);
    m_link.setOutput(settings.Output);
    fillPorts();
    if (m_enabled->isChecked() == settings.Enabled)
        showStatus();
    else
        m_enabled->setChecked(settings.Enabled);
}

MidiIni MidiGroup::settings() const { return {m_enabled->isChecked(), m_link.input(), m_link.output()}; }

void MidiGroup::CheckBoxMidiClick(bool checked)
{
    if (checked)
        m_surface.loadBindings();
    else
        m_learnButton->setChecked(false);
    m_link.setEnabled(checked);
    m_learnButton->setEnabled(checked);
    fillPorts();
    showStatus();
}

void MidiGroup::SpeedButtonMidiLearnClick(bool checked)
{
    m_surface.setLearning(checked);
    m_learn.setActive(checked);
    m_learnt.reset();
    showStatus();
}

void MidiGroup::fillPorts()
{
    fillPortBox(*m_input, m_link.inputs(), m_link.input());
    fillPortBox(*m_output, m_link.outputs(), m_link.output());
}

void MidiGroup::showStatus()
{
    QStringList lines;
    if (!m_link.enabled()) {
        lines << tr("Выключено");
    } else if (m_link.trouble() == MidiLink::Trouble::NoModule) {
        lines << tr("MIDI недоступен: нет файла %1 рядом с программой, переустановите её")
                     .arg(QLatin1String(MidiModuleName));
    } else if (m_link.trouble() == MidiLink::Trouble::Refused) {
        lines << tr("MIDI недоступен: %1").arg(moduleRefusalWords(m_link.refusal()));
    } else if (m_link.trouble() == MidiLink::Trouble::NoSystem) {
        lines << tr("MIDI недоступен: нет ни сервера JACK, ни секвенсора ALSA. Повтор раз в секунду");
    } else {
        const QString system =
            m_link.system() == MidiPortsApi::System::Jack ? QStringLiteral("JACK") : QStringLiteral("ALSA");
        lines << tr("Работает через %1").arg(system);
        lines << portStatus(true, m_link.input(), m_link.inputOpen(), m_link.inputError());
        lines << portStatus(false, m_link.output(), m_link.outputOpen(), m_link.outputError());
        if (m_link.dropped() > 0)
            lines << tr("Потеряно сообщений: %1").arg(m_link.dropped());
    }
    if (m_link.enabled()) {
        const MidiBindingFile &file = m_surface.bindingFile();
        const QString path = QDir::toNativeSeparators(m_surface.bindingFilePath());
        if (file.state == MidiBindingFile::State::Damaged)
            lines << tr("В файле привязок %1 не поняты строки %2: они не действуют, обученное в файл не записывается")
                         .arg(path, lineNumbers(file.badLines));
        else if (file.state == MidiBindingFile::State::Unreadable)
            lines << tr("Файл привязок %1 не читается: действуют привязки по умолчанию, обученное в файл не "
                        "записывается")
                         .arg(path);
    }
    if (m_surface.learning()) {
        if (m_learnt)
            lines << (m_learntKept ? tr("Привязано: %1 → %2") : tr("Привязано до выхода из программы: %1 → %2"))
                         .arg(midiControlWords(m_learnt->address), midiTargetWords(m_learnt->target));
        else if (const auto &target = m_surface.learnTarget())
            lines << tr("Выбрано: %1. Теперь сдвиньте или нажмите регулятор контроллера").arg(midiTargetWords(*target));
        else
            lines << tr("Обучение: нажмите на фейдер, статическую картинку или кнопку окна");
    }
    m_status->setText(lines.join(QLatin1Char('\n')));
}

} // namespace korvanel
