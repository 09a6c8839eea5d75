#include "Passwords.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AccessLevel)
};

// SHA-256 of each level's password: the program carries no password text.
constexpr char AdministratorDigest[] =
    "a0380cc454ba3136fdfddb567f93df2fe9e4b425e17f40ecae8a6a85e39db15e";
constexpr char DealerDigest[] = "363ec273028566c65503e8d7df1668fefef7d8629873508249021ea85056f83d";
constexpr char TechnicianDigest[] =
    "e2fedfcc5ae4a7bec5b282ffcc05291580ee4a592d62494dcb3ea62d08af7fab";
} // namespace

AccessLevel Access::levelFor(const QString &password)
{
    const QByteArray digest =
        QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha256).toHex();
    if (digest == AdministratorDigest)
        return AccessLevel::Administrator;
    if (digest == DealerDigest)
        return AccessLevel::Dealer;
    if (digest == TechnicianDigest)
        return AccessLevel::Technician;
    return AccessLevel::Unknown;
}

QString Access::captionSuffix(AccessLevel level)
{
    switch (level) {
    case AccessLevel::Administrator:
        return Texts::tr("  (PW = Administrator)");
    case AccessLevel::Dealer:
        return Texts::tr("  (PW = rivenditore)");
    case AccessLevel::Technician:
        return Texts::tr("  (PW = tecnico)");
    case AccessLevel::Unknown:
        break;
    }
    return Texts::tr("  (PW = sconosciuta)");
}

QString Access::levelShown(AccessLevel level)
{
    return QCoreApplication::translate("AccessLevel", levelName(level).toLatin1().constData());
}

std::optional<AccessLevel> Access::levelFrom(const QString &name)
{
    for (const AccessLevel level : {AccessLevel::Administrator, AccessLevel::Dealer,
                                    AccessLevel::Technician, AccessLevel::Unknown})
        if (levelName(level) == name)
            return level;
    return std::nullopt;
}

QString Access::levelName(AccessLevel level)
{
    switch (level) {
    case AccessLevel::Administrator:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("AccessLevel", "Administrator"));
    case AccessLevel::Dealer:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("AccessLevel", "dealer"));
    case AccessLevel::Technician:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("AccessLevel", "technician"));
    case AccessLevel::Unknown:
        break;
    }
    return QString::fromLatin1(QT_TRANSLATE_NOOP("AccessLevel", "unknown"));
}
