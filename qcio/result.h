#pragma once

#include <string>
#include <utility>
#include <variant>

namespace moltherm::qcio {

// The message side of a Result, for construction: `return Failure{"water.log: no geometry"};`.
struct Failure {
    std::string message;
};

// A value or a one-line message saying why there is none. It has the interface of the project's
// Expected<T, std::string>, so that this header can become an alias of it.
template <class T>
class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT
    Result(Failure failure)                                                // NOLINT
        : state_(std::in_place_index<1>, std::move(failure.message)) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const std::string& error() const { return std::get<1>(state_); }

  private:
    std::variant<T, std::string> state_;
};

}  // namespace moltherm::qcio
