#pragma once
// The clear commands of the "Установки" menu (names, name colours, pictures,
// group colours) and the colour file that keeps the colours and pictures of
// the installation from one run to the next.

#include <QObject>
#include <QString>

#include "files/ColorFile.h"

namespace korvanel {

class FaderPage;
class MainMenu;
class WindowColorGroup;
class WindowServices;

class ChannelColorCommands : public QObject {
    Q_OBJECT
public:
    // The group colours take the window colour sliders of the options page.
    ChannelColorCommands(WindowServices &window, const MainMenu &menu, FaderPage &faders,
                         const WindowColorGroup &windowColor);

    // Reads the colour file; a missing one is written from the tables as they
    // are. A short or unreadable file leaves the tables unchanged.
    void LoadColorEdit(const QString &fileName);
    bool SaveColorEdit(const QString &fileName);
    // At exit. Colours changed in this run that cannot go to `fileName` (a file
    // that is kept because it was not read, or a failed write) are not dropped
    // without a word: the box says why and offers another file.
    void saveColorsAtExit(const QString &fileName);

    // The message for a failed read or write of the colour file.
    static QString errorText(const FileResult &result, const QString &fileName);

public slots:
    void ClearNameChannelItemClick();
    void itemColorClick();
    void itemGrafHintClick();
    void itemColSplitClick();

private:
    bool ask(const QString &question);
    // Why the colours did not go to fileName, as the exit says it.
    static QString notSavedText(const FileResult &result, const QString &fileName);

    WindowServices &m_window;
    FaderPage &m_faders;
    const WindowColorGroup &m_windowColor;
    // The colours as last read or written: what the exit compares with.
    ColorFileImage m_saved{};
};

} // namespace korvanel
