#include "ui/pages/options/LanguageGroup.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/texts/InterfaceTexts.h"
#include "ui/widgets/WrappingLabel.h"

namespace korvanel {

namespace {
// The items in their order; each language is named in itself.
constexpr LanguageChoice Items[] = {LanguageChoice::Auto, LanguageChoice::English, LanguageChoice::Russian};
} // namespace

LanguageGroup::LanguageGroup(InterfaceTexts &texts, QWidget *parent)
    : QGroupBox(tr("Язык интерфейса"), parent), m_texts(texts)
{
    setObjectName(QStringLiteral("GroupBoxLanguage"));
    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("ComboBoxLanguage"));
    m_choice->addItem(QString());
    m_choice->addItem(QStringLiteral("English"));
    m_choice->addItem(QString::fromUtf8("Русский"));
    m_choice->setProperty("operatorData", true); // the names stay in their own languages
    showFollowSystem();
    for (int i = 0; i < 3; ++i)
        if (Items[i] == texts.choice())
            m_choice->setCurrentIndex(i);

    m_note = new WrappingLabel(this);
    m_note->setObjectName(QStringLiteral("LabelLanguageNote"));
    m_note->setText(tr("Меняется сразу во всех окнах; сообщение, уже стоящее в строке состояния, — со следующим; "
                       "страница пульта для телефона — при следующем запуске программы"));

    auto *row = new QHBoxLayout;
    row->addWidget(m_choice);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_note);

    connect(m_choice, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < 3)
            m_texts.choose(Items[index]);
    });
    connect(&texts, &InterfaceTexts::languageChanged, this, &LanguageGroup::showFollowSystem);
}

void LanguageGroup::showFollowSystem() { m_choice->setItemText(0, tr("Как в системе")); }

} // namespace korvanel
