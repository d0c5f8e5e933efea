#pragma once

#include <string>
#include <utility>
#include <variant>

namespace grill {

// Why an operation made no change: the message the user is shown.
struct Refusal {
  std::string message;
};

// The value an operation produced, or its refusal.
template <typename T>
class Result {
 public:
  Result(T value) : outcome_(std::move(value)) {}            // NOLINT: a value converts
  Result(Refusal refusal) : outcome_(std::move(refusal)) {}  // NOLINT: so does a refusal

  explicit operator bool() const { return std::holds_alternative<T>(outcome_); }
  T& operator*() { return std::get<T>(outcome_); }
  const T& operator*() const { return std::get<T>(outcome_); }
  T* operator->() { return &std::get<T>(outcome_); }
  const T* operator->() const { return &std::get<T>(outcome_); }
  // The refusal's message; only for a refused result.
  const std::string& Message() const { return std::get<Refusal>(outcome_).message; }

 private:
  std::variant<T, Refusal> outcome_;
};

}  // namespace grill
