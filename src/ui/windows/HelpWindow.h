#pragma once
// The help window: the help file beside the program when there is one,
// otherwise the built-in help page in the interface language.

#include <QDialog>

class QTextBrowser;

namespace korvanel {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const QString &helpFileName, QWidget *parent = nullptr);

    QTextBrowser *browser() const { return m_browser; }
    bool showsOwnFile() const { return m_ownFile; }

private:
    QTextBrowser *m_browser;
    bool m_ownFile = false;
};

} // namespace korvanel
