// The texts of the widgets on screen, put into the language now installed.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

#include "ui/texts/InterfaceTexts.h"

namespace korvanel {

namespace {

// Whether `owner` or one of its parents is of the class named `context`:
// a text's context is the class whose code set it.
bool madeBy(const QObject *owner, const QByteArray &context)
{
    for (const QObject *o = owner; o != nullptr; o = o->parent())
        for (const QMetaObject *m = o->metaObject(); m != nullptr; m = m->superClass())
            if (context == m->className())
                return true;
    return false;
}

class Retranslation {
public:
    explicit Retranslation(const InterfaceTexts &texts) : m_texts(texts) {}

    // The text `shown` in the language now installed; `shown` itself when it
    // did not come from the catalogue. `kept` names the property of `owner`
    // that remembers which source it was, for the next change.
    QString again(const QString &shown, QObject *owner, const QByteArray &kept) const
    {
        if (shown.isEmpty())
            return shown;
        const std::vector<int> *numbers = m_texts.sourcesOf(shown);
        if (numbers == nullptr)
            return shown;
        // One text may come from two sources ("Выход": exit or output; two
        // Russian words with one English one): the source this very text came
        // from last time, else the class that made the widget, tells which.
        int chosen = numbers->front();
        const QVariant last = owner->property(kept.constData());
        if (last.isValid() && std::find(numbers->begin(), numbers->end(), last.toInt()) != numbers->end()) {
            chosen = last.toInt();
        } else {
            for (int n : *numbers)
                if (madeBy(owner, m_texts.source(n).context)) {
                    chosen = n;
                    break;
                }
        }
        owner->setProperty(kept.constData(), chosen);
        const InterfaceTexts::Source &source = m_texts.source(chosen);
        return QCoreApplication::translate(source.context.constData(), source.text.constData(),
                                           source.disambiguation.isEmpty() ? nullptr
                                                                           : source.disambiguation.constData());
    }

    template <typename Get, typename Set>
    void redo(QObject *owner, const char *what, Get get, Set set, int item = -1) const
    {
        const QString shown = get();
        QByteArray kept = QByteArrayLiteral("_textSource.") + what;
        if (item >= 0)
            kept += '.' + QByteArray::number(item);
        const QString next = again(shown, owner, kept);
        if (next != shown)
            set(next);
    }

    void widget(QWidget *w)
    {
        redo(
            w, "toolTip", [w] { return w->toolTip(); }, [w](const QString &t) { w->setToolTip(t); });
        redo(
            w, "statusTip", [w] { return w->statusTip(); }, [w](const QString &t) { w->setStatusTip(t); });
        redo(
            w, "whatsThis", [w] { return w->whatsThis(); }, [w](const QString &t) { w->setWhatsThis(t); });
        if (w->isWindow())
            redo(
                w, "windowTitle", [w] { return w->windowTitle(); }, [w](const QString &t) { w->setWindowTitle(t); });
        if (auto *label = qobject_cast<QLabel *>(w))
            redo(
                w, "text", [label] { return label->text(); }, [label](const QString &t) { label->setText(t); });
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            redo(
                w, "text", [button] { return button->text(); }, [button](const QString &t) { button->setText(t); });
        if (auto *group = qobject_cast<QGroupBox *>(w))
            redo(
                w, "title", [group] { return group->title(); }, [group](const QString &t) { group->setTitle(t); });
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            redo(
                w, "placeholder", [edit] { return edit->placeholderText(); },
                [edit](const QString &t) { edit->setPlaceholderText(t); });
        if (auto *spin = qobject_cast<QSpinBox *>(w)) {
            redo(
                w, "suffix", [spin] { return spin->suffix(); }, [spin](const QString &t) { spin->setSuffix(t); });
            redo(
                w, "prefix", [spin] { return spin->prefix(); }, [spin](const QString &t) { spin->setPrefix(t); });
        }
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
            redo(
                w, "special", [spin] { return spin->specialValueText(); },
                [spin](const QString &t) { spin->setSpecialValueText(t); });
        if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                redo(
                    w, "item", [combo, i] { return combo->itemText(i); },
                    [combo, i](const QString &t) { combo->setItemText(i, t); }, i);
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i) {
                redo(
                    w, "tab", [tabs, i] { return tabs->tabText(i); },
                    [tabs, i](const QString &t) { tabs->setTabText(i, t); }, i);
                redo(
                    w, "tabToolTip", [tabs, i] { return tabs->tabToolTip(i); },
                    [tabs, i](const QString &t) { tabs->setTabToolTip(i, t); }, i);
            }
        if (auto *table = qobject_cast<QTableWidget *>(w)) {
            for (int i = 0; i < table->columnCount(); ++i)
                if (QTableWidgetItem *item = table->horizontalHeaderItem(i))
                    redo(
                        w, "column", [item] { return item->text(); }, [item](const QString &t) { item->setText(t); },
                        i);
            for (int i = 0; i < table->rowCount(); ++i)
                if (QTableWidgetItem *item = table->verticalHeaderItem(i))
                    redo(
                        w, "row", [item] { return item->text(); }, [item](const QString &t) { item->setText(t); }, i);
        }
        if (auto *menu = qobject_cast<QMenu *>(w))
            action(menu->menuAction());
        for (QAction *a : w->actions())
            action(a);
    }

    void action(QAction *a)
    {
        if (a == nullptr || m_actions.contains(a))
            return;
        m_actions.insert(a);
        redo(
            a, "text", [a] { return a->text(); }, [a](const QString &t) { a->setText(t); });
        redo(
            a, "iconText", [a] { return a->iconText(); }, [a](const QString &t) { a->setIconText(t); });
        redo(
            a, "toolTip", [a] { return a->toolTip(); }, [a](const QString &t) { a->setToolTip(t); });
        redo(
            a, "statusTip", [a] { return a->statusTip(); }, [a](const QString &t) { a->setStatusTip(t); });
    }

private:
    const InterfaceTexts &m_texts;
    QSet<QAction *> m_actions;
};

} // namespace

void retranslateAllWidgets(const InterfaceTexts &texts)
{
    Retranslation retranslation(texts);
    for (QWidget *w : QApplication::allWidgets())
        if (!w->property("operatorData").toBool())
            retranslation.widget(w);
}

} // namespace korvanel
