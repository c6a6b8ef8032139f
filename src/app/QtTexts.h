#pragma once
// Qt's own texts (file dialogs, the buttons of message boxes) in the
// program's language, from the catalogue built into the program: nothing
// outside it is needed at run time.

#include <QTranslator>
#include <memory>

// Installed for the application while the returned translator lives; empty
// when the catalogue could not be read.
std::unique_ptr<QTranslator> installQtTexts();
