#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The simulator's end of the line: a pseudo-terminal where the system has
// them, a TCP port (as a serial-to-network bridge offers) everywhere.
class SimLine : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // False with a reason when the line cannot be offered.
    virtual bool open(QString *error) = 0;
    // What a program opens to reach the simulator.
    virtual QString path() const = 0;
    virtual void write(const QByteArray &bytes) = 0;
    // Gone from the line at once, as an unplugged cable; safe while the
    // line is emitting.
    virtual void close() = 0;

signals:
    void received(const QByteArray &bytes);
};
