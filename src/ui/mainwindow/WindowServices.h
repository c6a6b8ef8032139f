#pragma once
// What the main window lends to the pages, groups and windows it builds: the
// engine, the dialogs, the status line, the show-level refresh and the file
// names the caption follows. They include this, never the window's own header,
// so that each constructor lists what else of the window it touches.

#include <QString>
#include <functional>

class Dialogs;
class QObject;
class QWidget;

namespace korvanel {

class ControlLayer;
struct Engine;

// The pages of PageControlInput, in their order on the tab bar.
enum class InputPage { Faders, Graph, Beam, Copy, Generators, Options, Coder };
inline constexpr int InputPageCount = static_cast<int>(InputPage::Coder) + 1;

// The window's design size: every page is laid out for it.
inline constexpr int DesignWidth = 895;
inline constexpr int DesignHeight = 658;

class WindowServices {
public:
    // The caption is the prefix and the show's file name; the dialogs start from the names.
    virtual QString captionPrefix() const = 0;
    virtual void setCaptionPrefix(const QString &prefix) = 0;
    virtual QString openDialogFileName() const = 0;
    virtual void setOpenDialogFileName(const QString &name) = 0;
    virtual QString saveDialogFileName() const = 0;
    virtual void setSaveDialogFileName(const QString &name) = 0;

    virtual Engine &engine() const = 0;
    // Where every input sends its commands.
    virtual ControlLayer &control() const = 0;
    virtual Dialogs &dialogs() const = 0;
    // The main window: parent of message boxes, owner of the caption and the palette.
    virtual QWidget &mainWindow() = 0;

    virtual void OutStatus(const QString &text) = 0;
    // A message of OutStatus is on the status line and has time left.
    virtual bool statusMessageShowing() const = 0;
    virtual void ClearAll() = 0;
    virtual void ReturnPageControlAll() = 0;
    virtual void TempStatus() = 0;
    // Scene label, step slider and last-scene label mirror the show without stepping it.
    virtual void showSceneReadouts() = 0;
    // A show loaded or cleared leaves nothing for the undo and redo buttons to bring back.
    virtual void disableUndo() = 0;
    // Each page of PageControlInput registers how it rereads the show.
    virtual void setPageRefresh(InputPage page, std::function<void()> refresh) = 0;
    // The page of PageControlInput on screen.
    virtual InputPage currentPage() const = 0;

    // Another show replaced the one in memory (loaded or cleared).
    virtual void announceShowReplaced() = 0;
    virtual void onShowReplaced(QObject *receiver, std::function<void()> handler) = 0;
    // The window is about to close; said once.
    virtual void onClosing(QObject *receiver, std::function<void()> handler) = 0;

protected:
    ~WindowServices() = default;
};

} // namespace korvanel
