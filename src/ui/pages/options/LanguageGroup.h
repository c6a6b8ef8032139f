#pragma once
// The interface language on the options page: follow the system, English or
// Russian. A choice takes effect at once and is kept in the settings file.

#include <QGroupBox>

class QComboBox;
class QLabel;

namespace korvanel {

class InterfaceTexts;

class LanguageGroup : public QGroupBox {
    Q_OBJECT
public:
    LanguageGroup(InterfaceTexts &texts, QWidget *parent = nullptr);
    QComboBox *comboBoxLanguage() const { return m_choice; }

private:
    void showFollowSystem();

    InterfaceTexts &m_texts;
    QComboBox *m_choice = nullptr;
    QLabel *m_note = nullptr;
};

} // namespace korvanel
