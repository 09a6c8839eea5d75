#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One definition's bytes as a write sent them, and how many of them the
// tester acknowledged: the plan a write carried out, in order, which its
// record and its read-back both go by.
struct WrittenBytes
{
    QString key;
    QString name; // the definition's name in the parameter file
    quint16 start = 0;
    QByteArray bytes;
    QByteArray before; // what the tester held there, as last read or written; empty: unknown
    int acknowledged = 0;

    bool whole() const { return acknowledged == bytes.size(); }
    // What the tester holds there as far as its acknowledges tell: the new
    // bytes up to where it stopped, the old ones after. Empty when the old
    // ones are not known.
    QByteArray held() const;
};

using WritePlan = QList<WrittenBytes>;
