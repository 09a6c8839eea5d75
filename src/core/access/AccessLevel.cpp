#include "AccessLevel.h"

#include <QCryptographicHash>

namespace {
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
        return QStringLiteral("  (PW = Administrator)");
    case AccessLevel::Dealer:
        return QStringLiteral("  (PW = rivenditore)");
    case AccessLevel::Technician:
        return QStringLiteral("  (PW = tecnico)");
    case AccessLevel::Unknown:
        break;
    }
    return QStringLiteral("  (PW = sconosciuta)");
}

QString Access::levelName(AccessLevel level)
{
    switch (level) {
    case AccessLevel::Administrator:
        return QStringLiteral("Administrator");
    case AccessLevel::Dealer:
        return QStringLiteral("dealer");
    case AccessLevel::Technician:
        return QStringLiteral("technician");
    case AccessLevel::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}
