#pragma once

#include <type_traits>
#include <utility>
#include <variant>

#include "engine/assert.h"

namespace moltherm {

// The error side of an Expected, for construction: `return Unexpected{"Invalid molar mass"};`.
template <class E>
struct Unexpected {
    E error;
};
template <class E>
Unexpected(E) -> Unexpected<E>;

// A value or the reason there is none: the one result type of the project for what a user can
// cause. (GCC 12 has no std::expected.) Reading the side that is not there is a broken invariant.
template <class T, class E>
class [[nodiscard]] Expected {
  public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT
    template <class F>
    Expected(Unexpected<F> e)  // NOLINT
        : state_(std::in_place_index<1>, E(std::move(e.error))) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T& value() {
        MOLTHERM_ASSERT(has_value());
        return std::get<0>(state_);
    }
    const T& value() const {
        MOLTHERM_ASSERT(has_value());
        return std::get<0>(state_);
    }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const E& error() const {
        MOLTHERM_ASSERT(!has_value());
        return std::get<1>(state_);
    }

  private:
    std::variant<T, E> state_;
};

// Success without a value.
struct Done {};

}  // namespace moltherm
