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

private:
    QVBoxLayout *m_colorArea = nullptr;
};

} // namespace korvanel
