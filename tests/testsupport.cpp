#include "testsupport.h"

#include <QtGlobal>

namespace orbista::test {

QString freshDir(QTemporaryDir& dir) {
    Q_ASSERT(dir.isValid());
    return dir.path();
}

QString sourceDir() {
    return qEnvironmentVariable("ORBISTA_SOURCE_DIR");
}

}  // namespace orbista::test
