#include "ui/texts/ModuleRefusalWords.h"

#include <QCoreApplication>
#include <QFile>

namespace korvanel {

QString moduleRefusalWords(const ModuleRefusalFacts &facts)
{
    const QString path = QFile::decodeName(facts.path.c_str());
    const QString name = path.section(QLatin1Char('/'), -1);
    switch (facts.reason) {
    case ModuleRefusal::None:
        break;
    case ModuleRefusal::NotLoaded:
    case ModuleRefusal::NoEntry:
        return QCoreApplication::translate("ModuleRefusal", "%1 не загружается: %2")
            .arg(path, QString::fromLocal8Bit(facts.loaderError.c_str()));
    case ModuleRefusal::NoInfo:
    case ModuleRefusal::OtherKind:
        return QCoreApplication::translate(
                   "ModuleRefusal",
                   "%1 от другой версии программы (модуль не описывает себя), переустановите программу")
            .arg(name);
    case ModuleRefusal::OtherInterface:
        return QCoreApplication::translate(
                   "ModuleRefusal", "%1 от другой версии программы (интерфейс %2, нужен %3), переустановите программу")
            .arg(name)
            .arg(facts.found)
            .arg(facts.wanted);
    case ModuleRefusal::OtherBuild:
        return QCoreApplication::translate("ModuleRefusal", "%1 от другой сборки программы, переустановите программу")
            .arg(name);
    }
    return {};
}

} // namespace korvanel
