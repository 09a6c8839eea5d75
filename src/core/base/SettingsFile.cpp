#include "SettingsFile.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

constexpr int FewestMs = 100;
constexpr int MostMs = 600000;
} // namespace

QString SettingsFile::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/orvaps/orvaps.ini");
}

Result<int> SettingsFile::milliseconds(const QSettings &settings, const QString &key, int fallback)
{
    const QString name = QStringLiteral("limits/") + key;
    if (!settings.contains(name))
        return fallback;
    // An unquoted comma makes the value a list ("1,000"): said as it was typed.
    const QVariant value = settings.value(name);
    const QString text = (value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',')
                                                                   : value.toString())
                             .trimmed();
    bool ok = false;
    const int ms = text.toInt(&ok);
    if (ok && ms >= FewestMs && ms <= MostMs)
        return ms;
    return OrvaError(ErrorNumber::InvalidPropertyValue,
                     Texts::tr("The settings file %1 gives [limits] %2=%3: write a number of "
                               "milliseconds from %4 to %5, or remove the line.")
                         .arg(path(), key, text)
                         .arg(FewestMs)
                         .arg(MostMs));
}
