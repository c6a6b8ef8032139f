#include "ui/mainwindow/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "ui/widgets/Controls.h"

bool QtDialogs::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::warning(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
        QMessageBox::Yes;
}

Dialogs::Unsaved QtDialogs::askSaveChanges(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("SaveChangesBox"));
    QPushButton *save = box.addButton(QCoreApplication::translate("Dialogs", "Сохранить"), QMessageBox::AcceptRole);
    QPushButton *discard =
        box.addButton(QCoreApplication::translate("Dialogs", "Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QCoreApplication::translate("Dialogs", "Отмена"), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("ButtonSaveChanges"));
    discard->setObjectName(QStringLiteral("ButtonDiscardChanges"));
    cancel->setObjectName(QStringLiteral("ButtonCancelChanges"));
    box.setDefaultButton(save);
    // Escape and the box's close button keep everything as it was.
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Unsaved::Save;
    if (box.clickedButton() == discard)
        return Unsaved::Discard;
    return Unsaved::Cancel;
}

void QtDialogs::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

void QtDialogs::error(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, korvanel::programTitle(), text, QMessageBox::Ok);
}

QString QtDialogs::openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter,
                                const QString &defaultSuffix)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString chooseSaveFileName(Dialogs &dialogs, QWidget *parent, const QString &caption, const QString &folder,
                           const QString &filter, const QString &suffix)
{
    for (;;) {
        QString name = dialogs.saveFileName(parent, caption, folder, filter, suffix);
        if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
            return name;
        // The dialog checked the name as typed, not the one that will be written;
        // a No brings the dialog back, as the dialog's own question does.
        name += QLatin1Char('.') + suffix;
        if (!QFileInfo::exists(name) ||
            dialogs.askYesNo(parent, caption,
                             QCoreApplication::translate("Dialogs", "Файл %1 уже существует.\nЗаменить его?")
                                 .arg(QDir::toNativeSeparators(name))))
            return name;
    }
}

bool mayDropEdits(Dialogs &dialogs, QWidget *parent, const QString &title, const QString &question,
                  const std::function<bool()> &save)
{
    switch (dialogs.askSaveChanges(parent, title, question)) {
    case Dialogs::Unsaved::Save:
        return save();
    case Dialogs::Unsaved::Discard:
        return true;
    case Dialogs::Unsaved::Cancel:
        break;
    }
    return false;
}
