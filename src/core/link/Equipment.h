#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class AbortFlag;
struct Definition;
class SerialLink;

struct ReadReply
{
    QByteArray bytes;     // empty when the key has no usable definition
    bool noReply = false; // a reply byte did not come in time
    QString address;      // the address that went unanswered
};

struct WriteOutcome
{
    enum Status { Done, Aborted, NoAck } status = Done;
    QString address; // the address whose acknowledge did not come
};

struct PhotodiodeReply
{
    enum Status { Done, Aborted, NoReply } status = Done;
    quint32 reading = 0;
};

// The tester's commands. Every wait goes through LinkWait, so the window
// stays responsive and the Abort buttons reach the flag.
class Equipment
{
public:
    using StatusSink = std::function<void(const QString &)>;
    using PathSource = std::function<QString()>;

    Equipment(SerialLink &link, AbortFlag &abort, StatusSink status, PathSource parameterFile);

    SerialLink &link() { return m_link; }
    AbortFlag &abortFlag() { return m_abort; }

    // The acknowledge byte when the tester answered, otherwise empty.
    QByteArray checkConnection();
    ReadReply readParameter(const QString &key);
    // Mode "0" may replace the caller's text by zeros.
    WriteOutcome writeParameter(QString &value, const QString &key, const QString &mode);
    // The bytes a write of `value` in `mode` sends for one definition; nullopt
    // (with the reason, where there is one) when it sends nothing.
    static std::optional<QByteArray> encode(const Definition &definition, QString &value, int mode,
                                            QString *problem = nullptr);
    // Reads `length` bytes from `start` on, whatever the parameter file says.
    ReadReply readBytes(quint16 start, int length);
    void sendDateTime(const QDateTime &local);
    PhotodiodeReply readPhotodiode(quint8 channel);
    void startPhotodiodeCalibration();

    // Called for every byte read from or acknowledged by the tester.
    std::function<void()> byteDone;

    // Limits for replies the tester never sends.
    int connectionTimeoutMs = 1000;
    int readTimeoutMs = 2000;
    int ackTimeoutMs = 3000;
    int photodiodeTimeoutMs = 5000;

private:
    WriteOutcome sendBytes(quint16 start, const QByteArray &bytes);

    SerialLink &m_link;
    AbortFlag &m_abort;
    StatusSink m_status;
    PathSource m_parameterFile;
};
