#pragma once

#include <QString>

#include <stdexcept>

namespace orbista::report {

// A layout that cannot be run (unknown column, bad expression) or output that cannot be
// produced (no printer, unwritable file). message() is the text the operator sees.
class ReportError : public std::runtime_error {
  public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace orbista::report
