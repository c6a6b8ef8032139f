#pragma once
// Dialogs whose answers a test sets beforehand; every box shown is recorded.

#include <QStringList>
#include <deque>

#include "ui/mainwindow/Dialogs.h"

class ScriptedDialogs : public Dialogs {
public:
    std::deque<bool> yesNoAnswers;          // empty: answer No
    std::deque<QString> fileNames;          // empty: cancelled
    std::deque<Unsaved> saveChangesAnswers; // empty: Discard, as a No
    QStringList shown;                      // "kind: text" of every box, in order

    bool askYesNo(QWidget *, const QString &, const QString &text) override
    {
        shown << "question: " + text;
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    Unsaved askSaveChanges(QWidget *, const QString &, const QString &text) override
    {
        shown << "save changes: " + text;
        if (saveChangesAnswers.empty())
            return Unsaved::Discard;
        const Unsaved answer = saveChangesAnswers.front();
        saveChangesAnswers.pop_front();
        return answer;
    }
    void warning(QWidget *, const QString &, const QString &text) override { shown << "warning: " + text; }
    void error(QWidget *, const QString &text) override { shown << "error: " + text; }
    QString openFileName(QWidget *, const QString &caption, const QString &, const QString &) override
    {
        return nextFile("open: " + caption);
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &, const QString &, const QString &) override
    {
        return nextFile("save: " + caption);
    }

private:
    QString nextFile(const QString &what)
    {
        shown << what;
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};
