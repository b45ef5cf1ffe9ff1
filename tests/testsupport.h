#pragma once

#include <QString>
#include <QTemporaryDir>

namespace orbista::test {

// A fresh folder for one test; removed afterwards.
QString freshDir(QTemporaryDir& dir);
// The repository's root folder (for checked-in files the tests read).
QString sourceDir();

}  // namespace orbista::test
