#pragma once
// Message boxes and file dialogs behind one small interface, so that tests
// script the answers and the program uses the real boxes.

#include <QString>

class QWidget;

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Warning box with Yes and No; true on Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
    // Warning box with one OK button.
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    // The program's generic error box (file errors and the like).
    virtual void error(QWidget *parent, const QString &text) = 0;
    // Empty when the operator cancels.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
};

class QtDialogs : public Dialogs {
public:
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void error(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
};
