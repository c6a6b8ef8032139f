#pragma once
// The program's language: its own texts (Russian in the sources, English from
// the built-in catalogue) and Qt's (dialogs, message box buttons). A change
// while the program runs puts every text a window shows now into the new
// language at once: the texts set from the catalogue are found again by what
// they read, and whoever composes a text of numbers and words hears
// `languageChanged` and composes it again.

#include <QHash>
#include <QObject>
#include <QTranslator>
#include <memory>
#include <vector>

#include "core/InterfaceLanguage.h"

namespace korvanel {

class InterfaceTexts : public QObject {
    Q_OBJECT
public:
    // The one the program uses; Russian and uninstalled until `install`.
    static InterfaceTexts &instance();

    // Installs the catalogues for the language; the first call is the start-up's.
    void install(InterfaceLanguage language);
    InterfaceLanguage language() const { return m_language; }
    bool english() const { return m_language == InterfaceLanguage::English; }

    // The operator's choice, kept in the settings file; applied at once.
    LanguageChoice choice() const { return m_choice; }
    void choose(LanguageChoice choice);

    // Where a text came from: the catalogue's context and source.
    struct Source {
        QByteArray context;
        QByteArray text;
        QByteArray disambiguation;
    };
    // Every source whose translation in either language reads `shown`, by number.
    const std::vector<int> *sourcesOf(const QString &shown) const;
    const Source &source(int number) const { return m_all[std::size_t(number)]; }

signals:
    void languageChanged();

private:
    class Recorder;
    explicit InterfaceTexts(QObject *parent = nullptr);
    ~InterfaceTexts() override;
    void record(const QString &shown, const char *context, const char *source, const char *disambiguation);

    InterfaceLanguage m_language = InterfaceLanguage::Russian;
    LanguageChoice m_choice = LanguageChoice::Auto;
    bool m_installed = false;
    std::unique_ptr<QTranslator> m_program; // English only: the sources are Russian
    std::unique_ptr<QTranslator> m_qt;      // Russian only: Qt's own are English
    std::unique_ptr<Recorder> m_recorder;
    std::vector<Source> m_all;
    QHash<QByteArray, int> m_numbers; // context, source and disambiguation, NUL between

    QHash<QString, std::vector<int>> m_sources;
};

// Puts the texts of every widget of the application that came from the
// catalogue into the language now installed. Operator data (channel and show
// names) is never touched: it is not in the catalogue, and a widget that
// shows only such data carries the property `operatorData`.
void retranslateAllWidgets(const InterfaceTexts &texts);

} // namespace korvanel
