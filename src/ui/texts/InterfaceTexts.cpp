#include "ui/texts/InterfaceTexts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <algorithm>
#include <cstdlib>

namespace korvanel {

// Asks the catalogues of the language and notes every text it hands out,
// translated or not, with where it came from.
class InterfaceTexts::Recorder : public QTranslator {
public:
    explicit Recorder(InterfaceTexts &owner) : m_owner(owner) {}

    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override
    {
        QString out;
        for (const QTranslator *catalogue : {m_owner.m_program.get(), m_owner.m_qt.get()})
            if (catalogue != nullptr && out.isEmpty())
                out = catalogue->translate(context, source, disambiguation, n);
        // The remote page's thread may ask too; only the window's texts are found again.
        if (source != nullptr && context != nullptr && QThread::currentThread() == m_owner.thread())
            m_owner.record(out.isEmpty() ? QString::fromUtf8(source) : out, context, source, disambiguation);
        return out;
    }
    bool isEmpty() const override { return false; }

private:
    InterfaceTexts &m_owner;
};

InterfaceTexts &InterfaceTexts::instance()
{
    static InterfaceTexts *texts = new InterfaceTexts; // lives as long as the application's translators
    return *texts;
}

InterfaceTexts::InterfaceTexts(QObject *parent) : QObject(parent), m_recorder(std::make_unique<Recorder>(*this)) {}

InterfaceTexts::~InterfaceTexts() = default;

void InterfaceTexts::record(const QString &shown, const char *context, const char *source, const char *disambiguation)
{
    const QByteArray c(context), s(source), d(disambiguation ? disambiguation : "");
    const QByteArray key = c + '\0' + s + '\0' + d;
    auto number = m_numbers.constFind(key);
    if (number == m_numbers.constEnd()) {
        number = m_numbers.insert(key, static_cast<int>(m_all.size()));
        m_all.push_back({c, s, d});
    }
    std::vector<int> &numbers = m_sources[shown];
    if (std::find(numbers.begin(), numbers.end(), number.value()) == numbers.end())
        numbers.push_back(number.value());
}

const std::vector<int> *InterfaceTexts::sourcesOf(const QString &shown) const
{
    const auto found = m_sources.constFind(shown);
    return found == m_sources.constEnd() ? nullptr : &found.value();
}

void InterfaceTexts::install(InterfaceLanguage language)
{
    const bool change = m_installed && language != m_language;
    if (m_installed && !change)
        return;
    m_language = language;
    m_program.reset();
    m_qt.reset();
    if (language == InterfaceLanguage::English) {
        m_program = std::make_unique<QTranslator>();
        if (!m_program->load(QStringLiteral(":/i18n/korvanel_en.qm")))
            m_program.reset();
    } else {
        m_qt = std::make_unique<QTranslator>();
        if (!m_qt->load(QStringLiteral(":/i18n/qtbase_ru.qm")))
            m_qt.reset();
    }
    if (!m_installed)
        QCoreApplication::installTranslator(m_recorder.get());
    m_installed = true;
    if (change) {
        // Qt's own widgets (button boxes, file dialogs) retranslate themselves on the event.
        QEvent event(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
        retranslateAllWidgets(*this);
        emit languageChanged();
    }
}

void InterfaceTexts::choose(LanguageChoice choice)
{
    m_choice = choice;
    install(resolveLanguage(choice, [](const char *name) -> const char * { return std::getenv(name); }));
}

} // namespace korvanel
