#pragma once
// The options page: the window colour group and the USB state group.

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
