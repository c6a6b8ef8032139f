// Qt's own texts come out in the program's language, from the catalogue built in.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include "ui/texts/InterfaceTexts.h"

using korvanel::InterfaceLanguage;
using korvanel::InterfaceTexts;

TEST(QtTexts, MessageBoxButtonsAndTheFileDialogSpeakTheProgramsLanguage)
{
    const auto cancel = [] {
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        return buttons.button(QDialogButtonBox::Cancel)->text();
    };
    InterfaceTexts::instance().install(InterfaceLanguage::Russian);
    EXPECT_EQ(cancel(), QString::fromUtf8("Отмена"));
    QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')), QString::fromUtf8("Да"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_FALSE(lookIn->text().contains(QLatin1String("Look in"))) << lookIn->text().toStdString();

    InterfaceTexts::instance().install(InterfaceLanguage::English);
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Yes"))
        << "a box already open changes with the language";
    EXPECT_EQ(lookIn->text(), QStringLiteral("Look in:"));
}
