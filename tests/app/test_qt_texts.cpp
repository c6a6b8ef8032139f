// Qt's own texts come out in the program's language, from the catalogue built in.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include "app/QtTexts.h"

TEST(QtTexts, MessageBoxButtonsAndTheFileDialogSpeakTheProgramsLanguage)
{
    {
        const std::unique_ptr<QTranslator> texts = installQtTexts();
        ASSERT_TRUE(texts) << "the built-in catalogue";
        QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8("Отмена"));
        EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')), QString::fromUtf8("Да"));
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const auto *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
        ASSERT_NE(lookIn, nullptr);
        EXPECT_FALSE(lookIn->text().contains(QLatin1String("Look in"))) << lookIn->text().toStdString();
    }
    // Gone with its translator: the tests' other boxes keep Qt's untranslated texts.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}
