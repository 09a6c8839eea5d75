#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

void install(QCoreApplication &app, const QLocale &locale)
{
    static QList<QTranslator *> installed;
    for (QTranslator *old : std::as_const(installed)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    installed.clear();
    const QString own = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const auto &[name, folder] :
         {std::pair{QStringLiteral("orvaps"), own}, std::pair{QStringLiteral("qtbase"), qt}}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            installed.append(translator);
        } else {
            delete translator;
        }
    }
}

QCommandLineOption translated(QCommandLineOption option, const char *context)
{
    option.setDescription(
        QCoreApplication::translate(context, option.description().toLatin1().constData()));
    return option;
}

} // namespace Translations
