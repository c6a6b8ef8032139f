#include "app/CompanionLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "files/CompanionFiles.h"

namespace {

using korvanel::CompanionFiles;

// A real try rather than the permission bits: what counts is whether the safe
// save can make its temporary file here, whatever the mount, flags or user.
bool takesNewFiles(const QString &folder)
{
    const QByteArray base =
        QFile::encodeName(QDir(folder).filePath(".korvanel-probe-")) + QByteArray::number(::getpid());
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray name = base + '-' + QByteArray::number(attempt);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(name.constData());
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

QString qt(const std::string &path) { return QFile::decodeName(path.c_str()); }

// The data folder's own copy wins; without one, the file beside the program is
// copied there, so that the exit writes what was read. Where the copy cannot
// be made, the file is used where it is: a later write fails and says so, but
// start values never stand in for a file that is there.
std::string adopt(const std::string &beside, const std::string &data)
{
    const QString from = qt(beside);
    const QString to = qt(data);
    if (QFileInfo::exists(to) || !QFileInfo(from).isFile())
        return data;
    if (!QFile::copy(from, to))
        return beside;
    QFile copy(to);
    copy.setPermissions(copy.permissions() | QFile::WriteOwner | QFile::ReadOwner);
    return data;
}

// Files only read: taken from beside the program while the data folder has none.
std::string readFrom(const std::string &beside, const std::string &data)
{
    return !QFileInfo::exists(qt(data)) && QFileInfo::exists(qt(beside)) ? beside : data;
}

bool installedIn(const QString &folder)
{
    return QFileInfo::exists(folder + QStringLiteral("/../share/applications/korvanel.desktop"));
}

} // namespace

CompanionPlaces locateCompanionFiles(const QString &programPath, const QString &dataFolder)
{
    std::string base = korvanel::getFileNameNoExt(QFile::encodeName(programPath).toStdString());
    const QString folder = QFileInfo(programPath).absolutePath();
    const bool installed = installedIn(folder);
    if (!installed && QFileInfo(folder).isDir() && takesNewFiles(folder))
        return {korvanel::companionFilesFor(base), {}, false};
    if (installed)
        base = QFile::encodeName(QDir::cleanPath(folder + QStringLiteral("/../share/korvanel")) + QLatin1Char('/') +
                                 QFileInfo(qt(base)).fileName())
                   .toStdString();

    QDir().mkpath(dataFolder);
    const QString name = QFileInfo(qt(base)).fileName();
    CompanionPlaces places{
        korvanel::companionFilesFor(QFile::encodeName(QDir(dataFolder).filePath(name)).toStdString()),
        QDir(dataFolder).absolutePath(), installed};
    const CompanionFiles beside = korvanel::companionFilesFor(base);
    CompanionFiles &files = places.files;
    files.IniFileName = adopt(beside.IniFileName, files.IniFileName);
    files.ColFileName = adopt(beside.ColFileName, files.ColFileName);
    files.CoderFileName = readFrom(beside.CoderFileName, files.CoderFileName);
    files.HelpFileName = readFrom(beside.HelpFileName, files.HelpFileName);
    return places;
}
