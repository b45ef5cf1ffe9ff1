#include "datepicker.h"

namespace orbista {

DatePicker::DatePicker(const QDateTime& value, QWidget* parent)
    : QDateTimeEdit(value, parent), value_(value) {
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setCalendarPopup(true);
    connect(this, &QDateTimeEdit::dateChanged, this,
            [this](QDate day) { value_ = QDateTime(day, value_.time()); });
}

void DatePicker::setValue(const QDateTime& value) {
    value_ = value;
    setDateTime(value);
    value_ = value;  // the edit may have dropped the time of day
}

}  // namespace orbista
