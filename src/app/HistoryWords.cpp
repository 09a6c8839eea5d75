#include "HistoryWords.h"

#include <QCoreApplication>

QString HistoryWords::shown(const QString &word)
{
    static const char *const words[] = {QT_TRANSLATE_NOOP("HistoryPage", "read"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "send"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "calibration"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "restore"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "done"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "aborted"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "declined"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "incomplete"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "failed"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "imported"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "started"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "verify mismatch"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "unverified"),
                                        QT_TRANSLATE_NOOP("HistoryPage", "interrupted")};
    for (const char *w : words)
        if (word == QLatin1String(w))
            return QCoreApplication::translate("HistoryPage", w);
    return word;
}
