#include "admincommands.h"

#include <QTextStream>

namespace orbista::admin {

int run(const QStringList& arguments) {
    QTextStream err(stderr);
    err << "usage: " << arguments.value(0) << " schema|init|check\n";
    return 2;
}

}  // namespace orbista::admin
