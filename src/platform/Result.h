#pragma once

// The one error type of the processing core. A failure carries a code that says what kind of
// thing went wrong and a message written for the person who has to act on it; the message is
// complete ("cannot open \"fp.txt\": No such file or directory") so that front ends only present
// it. Codes:
//   Io     - the operating system refused an open, read, write, flush, rename or copy;
//   Format - a file's content cannot be taken apart (an unreadable aircraft number, a table entry
//            without its name, a World AI line without its marker).

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace fw {

enum class ErrorCode { Io, Format };

struct Error {
  ErrorCode Code;
  std::string Message;
};

// A value or the error that prevented it; a small stand-in for C++23's std::expected.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
  Result(Error error) : m_state(std::in_place_index<1>, std::move(error)) {}

  bool ok() const { return m_state.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & {
    assert(ok());
    return std::get<0>(m_state);
  }
  T&& value() && {
    assert(ok());
    return std::get<0>(std::move(m_state));
  }
  const T& value() const& {
    assert(ok());
    return std::get<0>(m_state);
  }
  const Error& error() const {
    assert(!ok());
    return std::get<1>(m_state);
  }

 private:
  std::variant<T, Error> m_state;
};

template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : m_error(std::move(error)), m_failed(true) {}

  bool ok() const { return !m_failed; }
  explicit operator bool() const { return ok(); }
  const Error& error() const {
    assert(m_failed);
    return m_error;
  }

 private:
  Error m_error{ErrorCode::Io, {}};
  bool m_failed = false;
};

inline Error IoError(std::string message) {
  return Error{ErrorCode::Io, std::move(message)};
}
inline Error FormatError(std::string message) {
  return Error{ErrorCode::Format, std::move(message)};
}

// Quotes a file name for a message: fp.txt -> "fp.txt".
inline std::string Quoted(std::string_view name) {
  std::string quoted;
  quoted.reserve(name.size() + 2);
  quoted += '"';
  quoted += name;
  quoted += '"';
  return quoted;
}

}  // namespace fw
