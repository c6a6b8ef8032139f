// The program's save dialog checks the name that will really be written.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

#include "ui/mainwindow/Dialogs.h"

TEST(SaveDialog, ANameTypedWithoutExtensionIsCheckedWithTheDefaultOne)
{
    QTemporaryDir dir;
    QFile existing(dir.filePath("gig.kvl"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    // Types "gig" into the dialog, then answers whatever box comes up; at most 200 rounds.
    QString question;
    int rounds = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QMessageBox *box = nullptr;
        QFileDialog *dialog = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            if (!box)
                box = qobject_cast<QMessageBox *>(w);
            if (!dialog)
                dialog = qobject_cast<QFileDialog *>(w);
        }
        if (box) {
            question = box->text();
            box->button(QMessageBox::No)->click();
        } else if (dialog && (!question.isEmpty() || ++rounds > 200)) {
            dialog->reject();
        } else if (dialog) {
            if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
                edit->setText(QStringLiteral("gig"));
                // Queued: its question box must not run inside this timer.
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            }
        }
    });
    driver.start(20);
    QtDialogs dialogs;
    const QString chosen =
        dialogs.saveFileName(nullptr, QStringLiteral("save"), dir.path(), QStringLiteral("(*.kvl)"), "kvl");
    EXPECT_TRUE(question.contains(QStringLiteral("gig.kvl"))) << question.toStdString();
    EXPECT_TRUE(chosen.isEmpty()) << "No to replacing, then cancelled";
}

TEST(SaveChangesBox, EachButtonGivesItsAnswer)
{
    QtDialogs dialogs;
    QStringList texts;
    std::vector<Dialogs::Unsaved> answers;
    for (const char *name : {"ButtonSaveChanges", "ButtonDiscardChanges", "ButtonCancelChanges"}) {
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (box && box->isVisible() && box->objectName() == "SaveChangesBox") {
                    texts << box->findChild<QAbstractButton *>(name)->text();
                    box->findChild<QAbstractButton *>(name)->click();
                }
            }
        });
        driver.start(10);
        answers.push_back(dialogs.askSaveChanges(nullptr, "Korvanel", "save?"));
    }
    EXPECT_EQ(texts, QStringList({"Сохранить", "Не сохранять", "Отмена"}));
    EXPECT_EQ(answers, std::vector({Dialogs::Unsaved::Save, Dialogs::Unsaved::Discard, Dialogs::Unsaved::Cancel}));
}
