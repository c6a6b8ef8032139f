#pragma once
// Start-up, page refresh, status line and shutdown of the main window, in the
// order the rest of the program relies on.

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "core/Engine.h"
#include "output/OutputTicker.h"
#include "ui/StatusLine.h"

class TBaseForm;

class AppShell : public QObject {
    Q_OBJECT
public:
    // dataFolder: where companion files go when the program's folder is read-only.
    AppShell(korvanel::Engine &engine, TBaseForm &form, QString programPath, QString dataFolder);
    ~AppShell() override;

    void FormCreate();
    void ClearAll();
    void ReturnDataSystem();
    void ReturnPageControlAll();
    void TempStatus();
    void OutStatus(const QString &text) { m_status.OutStatus(text); }
    bool FormCloseQuery() const { return true; }   // closing never asks: autosave is the safety net
    void FormClose();

    // Each tab of the main page control registers how it rereads the show.
    void setPageRefresh(int page, std::function<void()> refresh);

    QString CaptionPrefix = QStringLiteral("KORVANEL ");
    // File names of the open and save dialogs; the caption follows them.
    QString OpenDialogFileName;
    QString SaveDialogFileName;

    StatusLine &statusLine() { return m_status; }
    korvanel::OutputTicker &ticker() { return m_ticker; }

public slots:
    void PageControlInputChange(int) { ReturnPageControlAll(); }
    void ExitItemClick();

private:
    void showDiskLabels();
    void armOutput();

    korvanel::Engine &m_engine;
    TBaseForm &m_form;
    QString m_programPath;
    QString m_dataFolder;
    StatusLine m_status;
    korvanel::OutputTicker m_ticker;
    std::array<std::function<void()>, 7> m_pageRefresh;
    bool m_closed = false;
};
