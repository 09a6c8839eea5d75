#pragma once

#include <QString>

// Error numbers the start-up and load handlers dispatch on. The serial and
// file numbers are the ones the tester's service staff know from the
// original tool; the others are stable numbers of our own.
namespace ErrorNumber {
constexpr int InvalidProcedureCall = 5;
constexpr int FileNotFound = 53;
constexpr int InvalidPropertyValue = 380;
constexpr int InvalidPortNumber = 8002;
constexpr int PortAlreadyOpen = 8005;
constexpr int DeviceNotOpen = 8012;
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
