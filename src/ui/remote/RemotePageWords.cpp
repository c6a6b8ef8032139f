#include "ui/remote/RemotePageWords.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace korvanel {

QJsonObject remotePageWords()
{
    // Each call spelled out, so that the translation tools find every word; //: is a note for the translator.
    return {
        //: The page's language code (ru, en): the browser hyphenates and reads aloud by it.
        {QStringLiteral("lang"), QCoreApplication::translate("RemotePage", "ru")},
        {QStringLiteral("title"), QCoreApplication::translate("RemotePage", "KORVANEL — пульт")},
        {QStringLiteral("connecting"), QCoreApplication::translate("RemotePage", "Подключаюсь…")},
        {QStringLiteral("linked"), QCoreApplication::translate("RemotePage", "Связь есть")},
        {QStringLiteral("lost"), QCoreApplication::translate("RemotePage", "Нет связи, подключаюсь…")},
        {QStringLiteral("renewed"),
         QCoreApplication::translate("RemotePage", "Ключ доступа сменён: откройте новый адрес с пульта")},
        {QStringLiteral("play"), QCoreApplication::translate("RemotePage", "Пуск")},
        {QStringLiteral("playHint"), QCoreApplication::translate("RemotePage", "Запустить Шоу")},
        {QStringLiteral("stop"), QCoreApplication::translate("RemotePage", "Стоп")},
        {QStringLiteral("stopHint"), QCoreApplication::translate("RemotePage", "Остановить Шоу")},
        {QStringLiteral("blackout"), QCoreApplication::translate("RemotePage", "BlackOut")},
        {QStringLiteral("back"), QCoreApplication::translate("RemotePage", "Предыдущая сцена")},
        {QStringLiteral("fwd"), QCoreApplication::translate("RemotePage", "Следующая сцена")},
        //: %1: the current scene, %2: the last one.
        {QStringLiteral("scene"), QCoreApplication::translate("RemotePage", "Сцена %1 из %2")},
        {QStringLiteral("tempo"), QCoreApplication::translate("RemotePage", "Время перехода на следующую сцену")},
        {QStringLiteral("pictures"), QCoreApplication::translate("RemotePage", "Статические картинки")},
        {QStringLiteral("latch"),
         QCoreApplication::translate("RemotePage", "Фиксация (как с Ctrl): отпущенная картинка остаётся")},
        {QStringLiteral("conveyor"), QCoreApplication::translate("RemotePage", "Конвейр потоков Шоу")},
        {QStringLiteral("handOnly"),
         QCoreApplication::translate("RemotePage", "Выбор Шоу кнопкой конвейра — только в ручном режиме конвейра.")},
        {QStringLiteral("pad"), QCoreApplication::translate("RemotePage", "Ручное управление лучем сканера")},
        {QStringLiteral("priority"), QCoreApplication::translate("RemotePage", "Приоритет")},
        {QStringLiteral("padNote"),
         QCoreApplication::translate("RemotePage",
                                     "Поле управляет двумя каналами, начиная с первой отметки в столбце «Выбор».")},
        {QStringLiteral("faders"), QCoreApplication::translate("RemotePage", "Фэйдера")},
        //: %1: the channels on the page, as 1–27.
        {QStringLiteral("channels"), QCoreApplication::translate("RemotePage", "Каналы %1")},
        {QStringLiteral("select"), QCoreApplication::translate("RemotePage", "Выбор")},
    };
}

QByteArray withRemotePageWords(const QByteArray &page, const QJsonObject &words)
{
    const qsizetype at = page.indexOf(RemotePageWordsPlace);
    if (at < 0)
        return page;
    QByteArray json = QJsonDocument(words).toJson(QJsonDocument::Compact);
    // These stand only inside JSON strings, where \u escapes mean the same: a "</script>"
    // or "<!--" in a word would end the script, U+2028/U+2029 end a line in older JavaScript.
    json.replace("<", "\\u003c").replace(">", "\\u003e").replace("&", "\\u0026");
    json.replace("\u2028", "\\u2028").replace("\u2029", "\\u2029");
    return QByteArray(page).replace(at, qsizetype(sizeof RemotePageWordsPlace) - 1, json);
}

} // namespace korvanel
