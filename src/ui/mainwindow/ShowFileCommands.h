#pragma once
// The show file commands of the "Шоу" menu: New, Open, Save, Save As; the
// load that start-up and the conveyor use; the autosave every three minutes.

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "files/FileResult.h"
#include "files/ShowFile.h"

class QCheckBox;

namespace korvanel {

class ConveyorGroup;
class MainMenu;
class WindowServices;

class ShowFileCommands : public QObject {
    Q_OBJECT
public:
    enum class Load { Loaded, NotFound, Failed };

    // While a window borrows rows of the show, this puts them back into every
    // image written, so no file ever holds the borrowed contents.
    std::function<void(ShowImage &)> borrowedRows;
    enum class Save { Saved, Cancelled, Failed };

    static constexpr int AutoSaveIntervalMs = 180000;

    // The conveyor shows the loaded show's name.
    ShowFileCommands(WindowServices &window, const MainMenu &menu, const ConveyorGroup &conveyor);
    // The options page's switch that lets Save As give the window another colour; none: never.
    void setColorAvtoSwitch(const QCheckBox *avto) { m_colorAvto = avto; }

    // Loads the file of the open name into the show; does not refresh the window.
    Load BlocOpenFile();
    // Stamps the header and writes the show to the save name.
    bool SaveFile();
    // Asks for a save name, then writes to it.
    Save SaveFileAs();
    // The show a conveyor key names (set as the open name first), from scene 0.
    void ManualLoad();
    // KonveyrShowName from the open name.
    void ConvertorFileName();

    // Short name of the show last loaded or chosen for the conveyor.
    // The conveyor label of a slot whose show could not be loaded.
    static QString notLoadedText(const QString &showName);
    QString KonveyrShowName;

    // Runs from start-up to exit; start-up starts it.
    QTimer &TimerAvtoSave() { return m_timerAvtoSave; }

    // The message for a failed read or write of `fileName`.
    static QString errorText(const FileResult &result, const QString &fileName);
    static const QString &showFileFilter();

public slots:
    void NewItemClick();
    void OpenItemClick();
    void SaveItemClick();
    void SaveAsItemClick();
    void TimerAvtoSaveTimer();

signals:
    // Save As moved the window colour in the show; whoever paints the window applies it.
    void windowColourChanged();

private:
    QString dialogFolder() const;

    WindowServices &m_window;
    const ConveyorGroup &m_conveyor;
    const QCheckBox *m_colorAvto = nullptr;
    QTimer m_timerAvtoSave;
    bool m_autoSaveErrorOpen = false;
};

} // namespace korvanel
