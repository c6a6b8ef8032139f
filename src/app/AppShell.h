#pragma once
// Start-up and shutdown of the program in the order the rest relies on: the
// show is cleared before frames flow, settings are read after the output is
// armed, and frames stop before the device is closed.

#include <QObject>
#include <QString>

#include "core/Engine.h"
#include "output/OutputTicker.h"

class TBaseForm;

class AppShell : public QObject {
    Q_OBJECT
public:
    // dataFolder: where companion files go when the program's folder is read-only.
    AppShell(korvanel::Engine &engine, TBaseForm &form, QString programPath, QString dataFolder);
    ~AppShell() override;

    void FormCreate();
    bool FormCloseQuery() const { return true; }   // closing never asks: autosave is the safety net
    void FormClose();

    korvanel::OutputTicker &ticker() { return m_ticker; }

public slots:
    void ExitItemClick();

private:
    void showDiskLabels();
    void armOutput();

    korvanel::Engine &m_engine;
    TBaseForm &m_form;
    QString m_programPath;
    QString m_dataFolder;
    korvanel::OutputTicker m_ticker;
    bool m_closed = false;
};
