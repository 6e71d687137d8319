// The language the windows speak: the first of the user's interface
// languages that Ludrix has, else English. Numbers follow the locale apart
// from this, so LANGUAGE=en under a German locale gives English words and
// German numbers.
#pragma once

#include <QString>

class QCoreApplication;

namespace ui {

// Installs Ludrix's translation and Qt's own (the notice's button, the line
// edits' menu) for that language, and lays the windows out right to left
// where it is written so. Returns the language's name ("de", "pt_BR"), or
// "en" when the windows keep their English.
QString speakUsersLanguage(QCoreApplication& application);

} // namespace ui
