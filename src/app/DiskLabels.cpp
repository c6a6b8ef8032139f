#include "app/DiskLabels.h"

#include <QCoreApplication>

QString diskFreeText(qint64 freeBytes)
{
    return QCoreApplication::translate("BaseForm", "Свободно на диске") + QLatin1Char(' ') +
        QString::number(freeBytes / 1000000) + " Mb";
}

QString diskSizeText(qint64 totalBytes)
{
    return QCoreApplication::translate("BaseForm", "Размер диска  ") + QString::number(totalBytes / 1000000) + " Mb";
}
