// The demo generator's output depends on the seed and the span only.

#include "database.h"
#include "demogenerator.h"
#include "schema.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace orbista;

namespace {

// What two runs are compared on: rows per table and the money totals of the fee ledgers.
struct Fingerprint {
    QList<qint64> rows;
    Money charges;
    Money wardFees;
    QByteArray bytes;
};

Fingerprint generate(const QTemporaryDir& dir, std::uint64_t seed) {
    demo::DemoOptions options;
    options.directory = dir.path();
    options.days = 3;
    options.seed = seed;
    options.end = QDate(2023, 11, 30);
    demo::generateDemo(options);

    Fingerprint print;
    const QString path = dir.filePath(QStringLiteral("orbista.db"));
    {
        Database db;
        db.openSqlite(path);
        for (const schema::TableDef& table : schema::tables()) {
            print.rows.append(
                db.query(QStringLiteral("select count(*) as n from %1").arg(table.name))
                    ->integer(u"n"));
        }
        print.charges =
            db.query(QStringLiteral("select sum(fyprice) as s from mz_cost"))->money(u"s");
        print.wardFees =
            db.query(QStringLiteral("select sum(fyprice*fynum) as s from zy_cost"))->money(u"s");
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        print.bytes = file.readAll();
    }
    return print;
}

}  // namespace

class DemoDeterminismTest : public QObject {
    Q_OBJECT

  private slots:
    void sameSeedGivesTheSameDatabase();
    void anotherSeedGivesOtherData();
};

void DemoDeterminismTest::sameSeedGivesTheSameDatabase() {
    QTemporaryDir first;
    QTemporaryDir second;
    const Fingerprint a = generate(first, 1);
    const Fingerprint b = generate(second, 1);
    QCOMPARE(a.rows, b.rows);
    QCOMPARE(a.charges, b.charges);
    QCOMPARE(a.wardFees, b.wardFees);
    QVERIFY(a.charges > Money::fromYuan(100000));
    QVERIFY(a.wardFees > Money::fromYuan(10000));
    QVERIFY(!a.bytes.isEmpty());
    QVERIFY2(a.bytes == b.bytes, "the two database files differ");
}

void DemoDeterminismTest::anotherSeedGivesOtherData() {
    QTemporaryDir first;
    QTemporaryDir second;
    const Fingerprint a = generate(first, 1);
    const Fingerprint b = generate(second, 2);
    // The reference tables are the same for every seed; the records are not.
    qsizetype reference = 0;
    while (schema::tables()[reference].name.startsWith(QLatin1String("data_"))) {
        ++reference;
    }
    QVERIFY(reference >= 10);
    QCOMPARE(a.rows.mid(0, reference), b.rows.mid(0, reference));
    QVERIFY(a.rows != b.rows);
    QVERIFY(a.charges != b.charges);
    QVERIFY(a.wardFees != b.wardFees);
}

QTEST_GUILESS_MAIN(DemoDeterminismTest)
#include "tst_demodeterminism.moc"
