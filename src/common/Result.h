#pragma once

#include "common/ZepError.h"

#include <optional>
#include <utility>

// What a reader gives back: the value it read, or the error that kept it from reading.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(ZepError error) : m_error(std::move(error)) {}

    bool isError() const { return m_error.isError(); }
    const ZepError &error() const { return m_error; }
    // Only when there is no error.
    const T &value() const & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    // For a read whose failure means "nothing there yet".
    T valueOr(T fallback) const & { return m_value ? *m_value : std::move(fallback); }

private:
    std::optional<T> m_value;
    ZepError m_error;
};
