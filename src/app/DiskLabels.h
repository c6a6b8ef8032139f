#pragma once

#include <QString>

// "Свободно на диске12345 Mb": megabytes of 1,000,000 bytes, no blank before the number.
QString diskFreeText(qint64 freeBytes);
QString diskSizeText(qint64 totalBytes);
