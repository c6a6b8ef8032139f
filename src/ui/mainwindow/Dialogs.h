#pragma once
// Message boxes and file dialogs behind one small interface, so that tests
// script the answers and the program uses the real boxes.

#include <QString>
#include <functional>

class QWidget;

class Dialogs {
public:
    enum class Unsaved { Save, Discard, Cancel };

    virtual ~Dialogs() = default;

    // Warning box with Yes and No; true on Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
    // Before unsaved edits would be lost: Save, Discard ("Не сохранять") or Cancel.
    virtual Unsaved askSaveChanges(QWidget *parent, const QString &title, const QString &text) = 0;
    // Warning box with one OK button.
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    // The program's generic error box (file errors and the like).
    virtual void error(QWidget *parent, const QString &text) = 0;
    // Empty when the operator cancels.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    // defaultSuffix (no dot) is added when the typed name has none, before
    // the dialog asks about replacing an existing file.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter,
                                 const QString &defaultSuffix) = 0;
};

// The name that will really be written: the suffix added when none was typed,
// and the operator asked before an existing file of that name is replaced.
// Empty when cancelled.
QString chooseSaveFileName(Dialogs &dialogs, QWidget *parent, const QString &caption, const QString &folder,
                           const QString &filter, const QString &suffix);

// Asks what becomes of unsaved edits before they would be lost: true when the
// action may go on (saved by `save`, or dropped), false when it is cancelled.
bool mayDropEdits(Dialogs &dialogs, QWidget *parent, const QString &title, const QString &question,
                  const std::function<bool()> &save);

class QtDialogs : public Dialogs {
public:
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    Unsaved askSaveChanges(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void error(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter,
                         const QString &defaultSuffix) override;
};
