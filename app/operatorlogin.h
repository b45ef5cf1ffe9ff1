#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orbista {

class Database;

struct OperatorRow {
    QString code;
    QString name;
    QString password;
    QString grade;  // as stored; the login trims it
};

// The login's statements on data_oper. Code and password take part only as bound values, so
// a quote or "%" in either matches exactly or fails.
class OperatorLogin {
  public:
    enum class Outcome { Admitted, NoSuchCode, WrongPassword, GradeRefused };

    explicit OperatorLogin(Database& db) : db_(db) {}

    // "select * from data_oper where code=:a1": the first row for the code.
    std::optional<OperatorRow> lookup(const QString& code);
    // The code and password matched together; nullopt when the password does not match.
    std::optional<OperatorRow> match(const QString& code, const QString& password);
    // The grades the finance client admits, after trimming.
    static bool isAdmittedGrade(const QString& trimmedGrade);
    // The statement texts sent, for the T-SQL syntax check.
    static QStringList statements();

  private:
    Database& db_;
};

}  // namespace orbista
