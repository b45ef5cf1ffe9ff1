#pragma once

#include <QString>

namespace orbista {

// The process-wide values the login fills and the screens read. One instance for the run;
// all empty at start. Only the user-interface thread touches them.
struct Session {
    // The current operator: the logged-in data_oper row (grade trimmed of blanks).
    QString operatorCode;
    QString operatorName;
    QString operatorPassword;
    QString operatorGrade;

    QString hospitalName;         // neirong of the first data_xtconfig row
    QString loginDepartmentCode;  // "01" after every successful login

    // Nothing in this client fills these three; the screens that read them see "".
    QString pharmacyCode;
    QString drugStoreKind;
    QString stockDepartmentCode;

    static Session& current();
    void clear() { *this = Session(); }
};

}  // namespace orbista
