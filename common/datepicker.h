#pragma once

#include <QDateTimeEdit>

namespace orbista {

// A date picker that shows "yyyy-mm-dd" but, like the hospital's old pickers, carries a time
// of day with its date: picking another day keeps the time, and value() returns both.
class DatePicker : public QDateTimeEdit {
    Q_OBJECT
  public:
    explicit DatePicker(const QDateTime& value, QWidget* parent = nullptr);

    QDateTime value() const { return value_; }
    void setValue(const QDateTime& value);

  private:
    QDateTime value_;
};

}  // namespace orbista
