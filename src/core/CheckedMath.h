#pragma once

#include <cstddef>
#include <optional>

// Size arithmetic on values that came from outside. Each returns nothing on overflow, so the
// caller turns the overflow into its own error instead of a wrapped-around size.
template <typename T>
std::optional<T> CheckedMul(T a, T b) {
    T result{};
    if (__builtin_mul_overflow(a, b, &result)) return std::nullopt;
    return result;
}

template <typename T>
std::optional<T> CheckedAdd(T a, T b) {
    T result{};
    if (__builtin_add_overflow(a, b, &result)) return std::nullopt;
    return result;
}
