#pragma once

#include "OrvaError.h"

#include <utility>
#include <variant>

// A value, or the error that prevented it. What every function that can fail
// returns; exceptions only unwind a whole operation (see "Errors" in
// docs/ARCHITECTURE.md).
template <typename T = void> class Result
{
public:
    Result(T value)
        : m_value(std::move(value))
    {}
    Result(OrvaError error)
        : m_value(std::move(error))
    {}

    bool ok() const { return m_value.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T &value() const { return std::get<0>(m_value); }
    T &value() { return std::get<0>(m_value); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    const OrvaError &error() const { return std::get<1>(m_value); }

private:
    std::variant<T, OrvaError> m_value;
};

template <> class Result<void>
{
public:
    Result() = default;
    Result(OrvaError error)
        : m_error(std::move(error))
        , m_failed(true)
    {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const OrvaError &error() const { return m_error; }

private:
    OrvaError m_error{0, QString()};
    bool m_failed = false;
};
