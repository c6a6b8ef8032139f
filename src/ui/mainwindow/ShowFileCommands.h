#pragma once
// The show file commands of the "Шоу" menu: New, Open, Save, Save As; the
// load that start-up and the conveyor use; the autosave every three minutes;
// whether the show has edits its file does not hold, shown in the caption.

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
    // Puts text being typed into the show (a name field that still has the focus).
    std::function<void()> storeTypedText;
    enum class Save { Saved, Cancelled, Failed };

    static constexpr int AutoSaveIntervalMs = 180000;

    // The conveyor shows the loaded show's name.
    ShowFileCommands(WindowServices &window, const MainMenu &menu, const ConveyorGroup &conveyor);
    // The options page's switch that lets Save As give the window another colour; none: never.
    void setColorAvtoSwitch(const QCheckBox *avto) { m_colorAvto = avto; }

    // Loads the file of the open name into the show; does not refresh the window.
    Load BlocOpenFile();
    // A show named when the program starts, loaded as Open loads it. A file that
    // cannot be read changes nothing, the open name included; the message Open
    // would show is returned, empty once loaded.
    QString openAtStart(const QString &name);
    // Stamps the header and writes the show to the save name.
    bool SaveFile();
    // Asks for a save name, then writes to it.
    Save SaveFileAs();
    // Writes to the save name; a show without one asks for it first.
    Save saveShow();

    // The show has edits that its file (or, before any save, the new show) does not hold.
    bool showModified();
    // Before the show is replaced or the program ends: unsaved edits are saved,
    // dropped or kept, as the operator answers. False: keep the show (cancelled, or the save failed).
    bool mayDropShow();
    // Before a conveyor load, which never asks: unsaved edits go to a recovery
    // copy beside the autosave file, and the status line says where.
    void keepEditsAside();
    // Where keepEditsAside writes; empty without an autosave file.
    QString recoveryFileName() const;
    // The show in memory is what its file holds: just loaded, saved or cleared.
    void showIsSaved();
    // Prefix, the file a save writes to, and a star while there are unsaved edits.
    void showCaption();
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
    // Puts the star in the caption once the show differs from its file; the window's once-a-second timer.
    void checkForEdits();

signals:
    // Save As moved the window colour in the show; whoever paints the window applies it.
    void windowColourChanged();

private:
    QString dialogFolder() const;
    void showLoaded(const QString &name);

    WindowServices &m_window;
    const ConveyorGroup &m_conveyor;
    const QCheckBox *m_colorAvto = nullptr;
    QTimer m_timerAvtoSave;
    bool m_autoSaveErrorOpen = false;
    ShowBaseline m_saved;
    bool m_modified = false;
};

} // namespace korvanel
