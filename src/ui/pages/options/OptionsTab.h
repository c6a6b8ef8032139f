#pragma once
// The options page: the window colour group, the USB state group and the
// OLA output group.

#include <QWidget>

class QVBoxLayout;

namespace korvanel {

class OptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit OptionsTab(QWidget *parent = nullptr);

    // Where the window colour controls go, above LabelKeySp.
    QVBoxLayout *colorArea() const { return m_colorArea; }
    // Another group, below the others.
    void addGroup(QWidget *group);

private:
    QVBoxLayout *m_colorArea = nullptr;
    QVBoxLayout *m_layout = nullptr;
};

} // namespace korvanel
