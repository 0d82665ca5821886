// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

namespace vindel {

// The one failure type of Vindel. Every failure is raised as an Exception (or
// one of its kinds) carrying the text the operator sees in the error box.
class Exception : public std::exception {
  public:
    explicit Exception(std::u16string message);

    const std::u16string& Message() const noexcept { return message_; }
    // The message as UTF-8, for logs and test output.
    const char* what() const noexcept override { return utf8_.c_str(); }

  private:
    std::u16string message_;
    std::string utf8_;
};

// Dropped silently by the application's failure route.
class EAbort final : public Exception {
  public:
    using Exception::Exception;
};

class EConvertError final : public Exception {
  public:
    using Exception::Exception;
};

class EStringListError final : public Exception {
  public:
    using Exception::Exception;
};

// The switch's answers show that a run failed: the login was refused, or a
// command rejected.
class ESwitchRefusal final : public Exception {
  public:
    using Exception::Exception;
};

// Failures of reading and writing files.
class EStreamError : public Exception {
  public:
    using Exception::Exception;
};

class EFCreateError final : public EStreamError {
  public:
    using EStreamError::EStreamError;
};

class EFOpenError final : public EStreamError {
  public:
    using EStreamError::EStreamError;
};

class EWriteError final : public EStreamError {
  public:
    using EStreamError::EStreamError;
};

}  // namespace vindel
