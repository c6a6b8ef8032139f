#include "app/QtTexts.h"

#include <QCoreApplication>

std::unique_ptr<QTranslator> installQtTexts()
{
    auto texts = std::make_unique<QTranslator>();
    if (!texts->load(QStringLiteral(":/i18n/qtbase_ru.qm")) || !QCoreApplication::installTranslator(texts.get()))
        return {};
    return texts;
}
