#pragma once

#include <QString>

// "Свободно на диске 12345 Mb": megabytes of 1,000,000 bytes.
QString diskFreeText(qint64 freeBytes);
QString diskSizeText(qint64 totalBytes);
