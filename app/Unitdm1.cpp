#include "Unitdm1.h"

#include "database.h"
#include "prompts.h"
#include "session.h"

namespace orbista {

QString hospitalNameStatement() {
    return QStringLiteral("select * from data_xtconfig");
}

bool readHospitalName(QWidget* parent, Database& db) {
    try {
        auto rs = db.query(hospitalNameStatement());
        Session::current().hospitalName = rs->isEmpty() ? QString() : rs->text(u"neirong");
        return true;
    } catch (const DbError& e) {
        prompter().errorBox(parent, e.message());
        return false;
    }
}

}  // namespace orbista
