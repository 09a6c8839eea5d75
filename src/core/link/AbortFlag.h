#pragma once

#include <QObject>

// AbortRequested: set by the Abort buttons, read by every wait for the tester.
class AbortFlag : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    bool isSet() const { return m_set; }
    void set()
    {
        m_set = true;
        emit raised();
    }
    void clear() { m_set = false; }

signals:
    void raised();

private:
    bool m_set = false;
};
