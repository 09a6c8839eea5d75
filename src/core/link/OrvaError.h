#pragma once

#include <QString>

// Error numbers the start-up and load handlers dispatch on. The serial and
// file numbers are the ones the tester's service staff know from the
// original tool; the others are stable numbers of our own.
namespace ErrorNumber {
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int InvalidPropertyValue = 380;
constexpr int InvalidPortNumber = 8002;
constexpr int PortAlreadyOpen = 8005;
constexpr int DeviceNotOpen = 8012;
constexpr int CommunicationLost = 8020;
} // namespace ErrorNumber

// An error a handler can report to the user: a number and a description that
// says what happened and what to do.
class OrvaError
{
public:
    OrvaError(int number, QString description)
        : m_number(number)
        , m_description(std::move(description))
    {}

    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// Thrown by a wait when the program is closing: unwinds the running operation
// to the handler that started it, which then simply returns.
class ProgramClosing
{
};
