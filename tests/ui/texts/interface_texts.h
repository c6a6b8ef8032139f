#pragma once
// What a person reads in a window: every caption, title, item, hint and
// heading, operator data (channel and show names) aside.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>

#include "ui/texts/InterfaceTexts.h"

// The locale of a session, set before any window is built.
template <const char *Lang>
struct SessionLocale {
    SessionLocale()
    {
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            qunsetenv(name);
        qputenv("LANG", Lang);
        korvanel::InterfaceTexts::instance().choose(korvanel::LanguageChoice::Auto);
    }
    // The tests after it in the same process read the program's first language.
    ~SessionLocale() { korvanel::InterfaceTexts::instance().install(korvanel::InterfaceLanguage::Russian); }
};
inline constexpr char EnglishLocale[] = "en_US.UTF-8";
inline constexpr char RussianLocale[] = "ru_RU.UTF-8";

inline QStringList textsOf(const QWidget &root)
{
    QStringList texts;
    const auto named = [&texts](const QObject *o, const QString &what, const QString &text) {
        if (!text.trimmed().isEmpty())
            texts << (o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName()) +
                    "." + what + ": " + text;
    };
    QList<const QWidget *> widgets{&root};
    for (const QWidget *w : root.findChildren<QWidget *>())
        widgets << w;
    for (const QWidget *w : widgets) {
        if (w->property("operatorData").toBool())
            continue;
        named(w, "toolTip", w->toolTip());
        if (w->isWindow())
            named(w, "title", w->windowTitle());
        if (const auto *label = qobject_cast<const QLabel *>(w))
            named(w, "text", label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            named(w, "text", button->text());
        if (const auto *group = qobject_cast<const QGroupBox *>(w))
            named(w, "title", group->title());
        if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            named(w, "placeholder", edit->placeholderText());
        if (const auto *spin = qobject_cast<const QSpinBox *>(w))
            named(w, "suffix", spin->prefix() + spin->suffix());
        if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(w))
            named(w, "special", spin->specialValueText());
        if (const auto *browser = qobject_cast<const QTextBrowser *>(w))
            named(w, "page", browser->toPlainText());
        if (const auto *combo = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                named(w, "item", combo->itemText(i));
        if (const auto *tabs = qobject_cast<const QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                named(w, "tab", tabs->tabText(i) + " " + tabs->tabToolTip(i));
        if (const auto *table = qobject_cast<const QTableWidget *>(w))
            for (int i = 0; i < table->columnCount(); ++i)
                if (const QTableWidgetItem *item = table->horizontalHeaderItem(i))
                    named(w, "heading", item->text());
        if (const auto *menu = qobject_cast<const QMenu *>(w))
            named(w, "title", menu->title());
        for (const QAction *a : w->actions())
            named(a, "action", a->text() + " " + a->toolTip());
    }
    texts.removeDuplicates();
    return texts;
}

inline QStringList russianOf(const QStringList &texts)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return texts.filter(cyrillic);
}
