#pragma once
// The remote page holds no words of its own: the program writes them into it,
// in its own language, as one JSON object where the page's script has its
// placeholder.

#include <QByteArray>
#include <QJsonObject>

namespace korvanel {

// Where the page's script takes its words; a page without it gets none.
inline constexpr char RemotePageWordsPlace[] = "/*WORDS*/{}";

// Every word the page shows, by the name the page knows it by, in the program's language.
QJsonObject remotePageWords();

// The page with words in its place, written so that no word can end or bend the script.
QByteArray withRemotePageWords(const QByteArray &page, const QJsonObject &words);

} // namespace korvanel
