#include "app/CompanionLocation.h"

#include <QDir>
#include <QFileInfo>

#include "files/CompanionFiles.h"

korvanel::CompanionFiles locateCompanionFiles(const QString &programPath, const QString &dataFolder)
{
    const QFileInfo program(programPath);
    const QFileInfo folder(program.absolutePath());
    QString base = QString::fromStdString(korvanel::getFileNameNoExt(programPath.toStdString()));
    if (!folder.isDir() || !folder.isWritable()) {
        QDir().mkpath(dataFolder);
        const QString name = QFileInfo(base).fileName();
        base = QDir(dataFolder).filePath(name);
    }
    return korvanel::companionFilesFor(base.toStdString());
}
