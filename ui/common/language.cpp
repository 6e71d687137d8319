#include "ui/common/language.h"

#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

namespace {

// Built into the program (see ui/CMakeLists.txt).
const QString OwnTranslations = QStringLiteral(":/i18n");

// Qt's own translations: the system's on Linux, where Debian installs them
// with the toolkit; built into the program on Windows, whose Qt is the
// program's own.
QString qtTranslations()
{
#ifdef Q_OS_WIN
    return QStringLiteral(":/i18n/qt");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace

QString speakUsersLanguage(QCoreApplication& application)
{
    auto* own = new QTranslator(&application);
    QString chosen = QStringLiteral("en");
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        // English, and C, are what the windows are written in.
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        // "pt-BR" is file name pt_BR; a language whose region has no file
        // of its own ("de_AT") takes the one named by the language alone.
        // Asked by name, as QTranslator would otherwise fall back by itself
        // and not say to which file.
        const QString region = language.name();
        for (const QString& file : { region, region.section(u'_', 0, 0) }) {
            const QString path = QStringLiteral("%1/ludrix_%2.qm").arg(OwnTranslations, file);
            if (QFile::exists(path) && own->load(path)) {
                chosen = file;
                break;
            }
        }
        if (!own->isEmpty())
            break;
    }
    if (own->isEmpty()) {
        delete own;
        return chosen;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + chosen, qtTranslations())
        || qt->load(QStringLiteral("qtbase_") + chosen.section(u'_', 0, 0), qtTranslations()))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QGuiApplication::setLayoutDirection(QLocale(chosen).textDirection());
    return chosen;
}

} // namespace ui
