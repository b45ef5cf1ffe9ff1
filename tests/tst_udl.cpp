#include "udl.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using orbista::DataLink;
using orbista::DbError;
using orbista::Dialect;

Q_DECLARE_METATYPE(DataLink::Driver)
Q_DECLARE_METATYPE(orbista::Dialect)

namespace {

const QString kPassword = QStringLiteral("Zq9#topsecret");

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

// The bytes Windows' data-link dialog saves: UTF-16LE with BOM, CRLF line ends.
QByteArray windowsUdlBytes(const QString& initString) {
    const QString text = QStringLiteral(
                             "[oledb]\r\n; Everything after this line is an OLE DB "
                             "initstring\r\n") +
                         initString + QStringLiteral("\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

DataLink parse(const QString& initString) {
    return orbista::parseInitString(initString, QStringLiteral("/srv/orbista"),
                                    QStringLiteral("orbista.udl"));
}

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const DbError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

}  // namespace

class TestUdl : public QObject {
    Q_OBJECT

  private slots:
    void init() { qunsetenv("ORBISTA_ODBC_DRIVER"); }

    void readsFileAsWindowsWritesIt();
    void readsUtf8Files_data();
    void readsUtf8Files();
    void parsesValues_data();
    void parsesValues();
    void recognisesProviders_data();
    void recognisesProviders();
    void buildsFreeTdsStrings_data();
    void buildsFreeTdsStrings();
    void usesConfiguredOdbcDriver();
    void describesWithoutPassword_data();
    void describesWithoutPassword();
    void rejectsBadFiles_data();
    void rejectsBadFiles();
    void rejectsBadInitStrings_data();
    void rejectsBadInitStrings();

  private:
    QTemporaryDir dir_;
};

void TestUdl::readsFileAsWindowsWritesIt() {
    const QString path =
        writeFile(dir_, QStringLiteral("orbista.udl"),
                  windowsUdlBytes(QStringLiteral("Provider=SQLOLEDB.1;Password=") + kPassword +
                                  QStringLiteral(";Persist Security Info=True;User ID=sa;Initial "
                                                 "Catalog=his;Data Source=10.1.1.5")));
    const DataLink link = orbista::readUdlFile(path);
    QCOMPARE(link.driver, DataLink::Driver::Odbc);
    QCOMPARE(link.dialect, Dialect::SqlServer);
    QCOMPARE(link.odbcConnectionString,
             QStringLiteral("DRIVER={FreeTDS};SERVER=10.1.1.5;Port=1433;DATABASE=his;UID={sa};"
                            "PWD={Zq9#topsecret};TDS_Version=7.4;ClientCharset=UTF-8;"));
    QCOMPARE(link.describe(), QStringLiteral("SQL Server 10.1.1.5,1433 database his (user sa)"));
}

void TestUdl::readsUtf8Files_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expectedRelativeFile");

    const QByteArray body =
        "[oledb]\n; Everything after this line is an OLE DB initstring\n"
        "Provider=SQLite;Data Source=demo/orbista.db\n";
    QTest::newRow("LF, no BOM") << body << QStringLiteral("demo/orbista.db");
    QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF") + body << QStringLiteral("demo/orbista.db");
    QTest::newRow("CRLF, blank lines")
        << QByteArray(
               "\r\n[OLEDB]\r\n\r\n; comment\r\n  provider = sqlite ; data source = "
               "x.db  \r\n\r\n")
        << QStringLiteral("x.db");
    QTest::newRow("Windows separators, no header")
        << QByteArray("Provider=SQLite;Data Source=.\\data\\his.db")
        << QStringLiteral("data/his.db");
}

void TestUdl::readsUtf8Files() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expectedRelativeFile);
    const QString path = writeFile(dir_, QStringLiteral("utf8.udl"), bytes);
    const DataLink link = orbista::readUdlFile(path);
    QCOMPARE(link.driver, DataLink::Driver::Sqlite);
    QCOMPARE(link.dialect, Dialect::Sqlite);
    QCOMPARE(link.sqliteFile, QDir::cleanPath(dir_.filePath(expectedRelativeFile)));
    QVERIFY(QDir::isAbsolutePath(link.sqliteFile));
}

void TestUdl::parsesValues_data() {
    QTest::addColumn<QString>("initString");
    QTest::addColumn<QString>("expectedOdbc");

    const QString tail = QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8;");
    QTest::newRow("quoted values with ; and =")
        << QStringLiteral(
               "Provider=SQLOLEDB;Data Source=h;Initial Catalog=\"his;x=1\";"
               "User ID='sa';Password='a;b=c'")
        << QStringLiteral(
               "DRIVER={FreeTDS};SERVER=h;Port=1433;DATABASE={his;x=1};UID={sa};"
               "PWD={a;b=c};") +
               tail;
    QTest::newRow("doubled quote chars")
        << QStringLiteral("Provider=SQLOLEDB;Data Source=h;User ID=sa;Password='it''s \"x\"'")
        << QStringLiteral("DRIVER={FreeTDS};SERVER=h;Port=1433;UID={sa};PWD={it's \"x\"};") + tail;
    QTest::newRow("password holding } and ;")
        << QStringLiteral("Provider=SQLOLEDB;Data Source=h;User ID=s}a;Password=\"p}w;d}\"")
        << QStringLiteral("DRIVER={FreeTDS};SERVER=h;Port=1433;UID={s}}a};PWD={p}}w;d}}};") + tail;
    QTest::newRow("repeated key: last wins")
        << QStringLiteral(
               "Provider=SQLOLEDB;Data Source=first;Initial Catalog=a;Data Source="
               "second;Database=b")
        << QStringLiteral("DRIVER={FreeTDS};SERVER=second;Port=1433;DATABASE=b;") + tail;
    QTest::newRow("keys case-insensitive, blanks, empty segments")
        << QStringLiteral(" PROVIDER = SQLOLEDB ;; data SOURCE = h ; uid = sa ; PWD = x ;")
        << QStringLiteral("DRIVER={FreeTDS};SERVER=h;Port=1433;UID={sa};PWD={x};") + tail;
    QTest::newRow("user without password")
        << QStringLiteral("Provider=SQLOLEDB;Data Source=h;User ID=sa")
        << QStringLiteral("DRIVER={FreeTDS};SERVER=h;Port=1433;UID={sa};PWD={};") + tail;
}

void TestUdl::parsesValues() {
    QFETCH(QString, initString);
    QFETCH(QString, expectedOdbc);
    QCOMPARE(parse(initString).odbcConnectionString, expectedOdbc);
}

void TestUdl::recognisesProviders_data() {
    QTest::addColumn<QString>("initString");
    QTest::addColumn<DataLink::Driver>("driver");
    QTest::addColumn<Dialect>("dialect");
    QTest::addColumn<QString>("expectedTarget");  // ODBC string or SQLite file

    const auto odbc = DataLink::Driver::Odbc;
    const QString freeTds =
        QStringLiteral("DRIVER={FreeTDS};SERVER=h;Port=1433;TDS_Version=7.4;ClientCharset=UTF-8;");
    for (const char* provider :
         {"SQLOLEDB", "SQLOLEDB.1", "sqlncli11", "SQLNCLI10.1", "MSOLEDBSQL", "MSOLEDBSQL19"}) {
        QTest::newRow(provider) << QStringLiteral("Provider=%1;Data Source=h").arg(provider) << odbc
                                << Dialect::SqlServer << freeTds;
    }
    QTest::newRow("MSDASQL with DSN")
        << QStringLiteral("Provider=MSDASQL;DSN=his;User ID=sa;Password=x") << odbc
        << Dialect::SqlServer << QStringLiteral("DSN=his;UID={sa};PWD={x};");
    QTest::newRow("MSDASQL.1 with Data Source as DSN")
        << QStringLiteral("Provider=MSDASQL.1;Persist Security Info=False;Data Source=his") << odbc
        << Dialect::SqlServer << QStringLiteral("DSN=his;");
    QTest::newRow("MSDASQL with Extended Properties")
        << QStringLiteral("Provider=MSDASQL.1;Extended Properties=\"DSN=his;UID=sa;PWD=x\"") << odbc
        << Dialect::SqlServer << QStringLiteral("DSN=his;UID=sa;PWD=x;");
    QTest::newRow("SQLite, relative")
        << QStringLiteral("Provider=SQLite;Data Source=db/his.db") << DataLink::Driver::Sqlite
        << Dialect::Sqlite << QStringLiteral("/srv/orbista/db/his.db");
    QTest::newRow("sqlite, absolute")
        << QStringLiteral("provider=sqlite;data source=/var/lib/his.db") << DataLink::Driver::Sqlite
        << Dialect::Sqlite << QStringLiteral("/var/lib/his.db");
}

void TestUdl::recognisesProviders() {
    QFETCH(QString, initString);
    QFETCH(DataLink::Driver, driver);
    QFETCH(Dialect, dialect);
    QFETCH(QString, expectedTarget);
    const DataLink link = parse(initString);
    QCOMPARE(link.driver, driver);
    QCOMPARE(link.dialect, dialect);
    QCOMPARE(driver == DataLink::Driver::Odbc ? link.odbcConnectionString : link.sqliteFile,
             expectedTarget);
}

void TestUdl::buildsFreeTdsStrings_data() {
    QTest::addColumn<QString>("dataSource");
    QTest::addColumn<QString>("expectedServerPart");

    QTest::newRow("host") << QStringLiteral("hisdb") << QStringLiteral("SERVER=hisdb;Port=1433;");
    QTest::newRow("host,port") << QStringLiteral("10.1.1.5, 2433")
                               << QStringLiteral("SERVER=10.1.1.5;Port=2433;");
    QTest::newRow("host\\instance") << QStringLiteral("hisdb\\SQLEXPRESS")
                                    << QStringLiteral("SERVER=hisdb;Instance=SQLEXPRESS;");
    QTest::newRow("(local)") << QStringLiteral("(local)")
                             << QStringLiteral("SERVER=127.0.0.1;Port=1433;");
    QTest::newRow(".") << QStringLiteral(".") << QStringLiteral("SERVER=127.0.0.1;Port=1433;");
    QTest::newRow(".\\instance") << QStringLiteral(".\\his")
                                 << QStringLiteral("SERVER=127.0.0.1;Instance=his;");
    QTest::newRow("host\\instance,port")
        << QStringLiteral("hisdb\\his,1500") << QStringLiteral("SERVER=hisdb;Port=1500;");
    QTest::newRow("tcp: prefix") << QStringLiteral("tcp:hisdb,1433")
                                 << QStringLiteral("SERVER=hisdb;Port=1433;");
}

void TestUdl::buildsFreeTdsStrings() {
    QFETCH(QString, dataSource);
    QFETCH(QString, expectedServerPart);
    const DataLink link =
        parse(QStringLiteral("Provider=SQLNCLI11;Data Source=%1;Initial Catalog=his;User ID=sa;"
                             "Password=pw")
                  .arg(dataSource));
    QCOMPARE(link.odbcConnectionString,
             QStringLiteral("DRIVER={FreeTDS};") + expectedServerPart +
                 QStringLiteral("DATABASE=his;UID={sa};PWD={pw};TDS_Version=7.4;"
                                "ClientCharset=UTF-8;"));

    // Integrated security: the same server part, no credentials at all.
    const DataLink integrated =
        parse(QStringLiteral("Provider=SQLOLEDB.1;Integrated Security=SSPI;Data Source=%1;"
                             "Initial Catalog=his;User ID=sa;Password=pw")
                  .arg(dataSource));
    QCOMPARE(integrated.odbcConnectionString,
             QStringLiteral("DRIVER={FreeTDS};") + expectedServerPart +
                 QStringLiteral("DATABASE=his;TDS_Version=7.4;ClientCharset=UTF-8;"));
}

void TestUdl::usesConfiguredOdbcDriver() {
    qputenv("ORBISTA_ODBC_DRIVER", "ODBC Driver 18 for SQL Server");
    const QString base =
        QStringLiteral("Provider=MSOLEDBSQL;Initial Catalog=his;User ID=sa;Password=pw;");
    QCOMPARE(parse(base + QStringLiteral("Data Source=hisdb")).odbcConnectionString,
             QStringLiteral("DRIVER={ODBC Driver 18 for SQL Server};SERVER=hisdb,1433;"
                            "DATABASE=his;UID={sa};PWD={pw};"));
    QCOMPARE(parse(base + QStringLiteral("Data Source=hisdb\\his")).odbcConnectionString,
             QStringLiteral("DRIVER={ODBC Driver 18 for SQL Server};SERVER=hisdb\\his;"
                            "DATABASE=his;UID={sa};PWD={pw};"));
}

void TestUdl::describesWithoutPassword_data() {
    QTest::addColumn<QString>("initString");
    QTest::addColumn<QString>("expected");

    const QString pw = QStringLiteral(";Password=") + kPassword;
    QTest::newRow("SQL Server") << QStringLiteral(
                                       "Provider=SQLOLEDB;Data Source=10.1.1.5;Initial "
                                       "Catalog=his;User ID=sa") +
                                       pw
                                << QStringLiteral(
                                       "SQL Server 10.1.1.5,1433 database his (user sa)");
    QTest::newRow("instance, integrated")
        << QStringLiteral("Provider=SQLOLEDB;Data Source=(local)\\his;Integrated Security=SSPI") +
               pw
        << QStringLiteral("SQL Server 127.0.0.1\\his");
    QTest::newRow("DSN") << QStringLiteral("Provider=MSDASQL;DSN=his;User ID=sa") + pw
                         << QStringLiteral("ODBC data source his (user sa)");
    QTest::newRow("Extended Properties")
        << QStringLiteral("Provider=MSDASQL;Extended Properties='DSN=his;DATABASE=h2;UID=u;PWD=") +
               kPassword + QStringLiteral("'")
        << QStringLiteral("ODBC data source his database h2 (user u)");
    QTest::newRow("SQLite") << QStringLiteral("Provider=SQLite;Data Source=/d/his.db") + pw
                            << QStringLiteral("SQLite file /d/his.db");
}

void TestUdl::describesWithoutPassword() {
    QFETCH(QString, initString);
    QFETCH(QString, expected);
    QCOMPARE(parse(initString).describe(), expected);
}

void TestUdl::rejectsBadFiles_data() {
    QTest::addColumn<QByteArray>("bytes");  // empty: the file is not written at all
    QTest::addColumn<QString>("expectedProblem");

    QTest::newRow("missing") << QByteArray() << QStringLiteral("not found");
    QTest::newRow("garbage bytes")
        << QByteArray("\x89PNG\r\n\x1A\n\x00\x00\x00\rIHDR\xC3\x28\xFF", 19)
        << QStringLiteral("neither UTF-16 nor UTF-8");
    QTest::newRow("binary zeros") << QByteArray("Provider\0\0\0\x01", 12)
                                  << QStringLiteral("not a text file");
    QTest::newRow("only comments") << QByteArray("[oledb]\r\n; Everything after this line\r\n")
                                   << QStringLiteral("no init string");
    QTest::newRow("two init lines")
        << QByteArray("Provider=SQLite;Data Source=a.db\nPassword=") + kPassword.toUtf8()
        << QStringLiteral("line 2: a second init string line");
    QTest::newRow("foreign section") << QByteArray("[odbc]\nProvider=SQLite;Data Source=a.db")
                                     << QStringLiteral("line 1: unexpected section");
}

void TestUdl::rejectsBadFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expectedProblem);
    const QString name =
        QStringLiteral("bad-%1.udl").arg(QTest::currentDataTag()).replace(u' ', u'_');
    const QString path = bytes.isEmpty() ? dir_.filePath(name) : writeFile(dir_, name, bytes);
    const QString message = errorOf([&] { orbista::readUdlFile(path); });
    QVERIFY2(message.contains(name), qPrintable(message));
    QVERIFY2(message.contains(expectedProblem), qPrintable(message));
    QVERIFY2(!message.contains(kPassword), qPrintable(message));
}

void TestUdl::rejectsBadInitStrings_data() {
    QTest::addColumn<QString>("initString");
    QTest::addColumn<QString>("expectedProblem");
    QTest::addColumn<QString>("secret");  // must not appear in the message

    const QString pw = QStringLiteral(";Password=") + kPassword;
    QTest::newRow("segment without =")
        << QStringLiteral("Provider=SQLOLEDB;Data Source=h;just words") + pw
        << QStringLiteral("segment \"just words\" (expected key=value)") << kPassword;
    QTest::newRow("unquoted password holding ;")
        << QStringLiteral("Provider=SQLOLEDB;Data Source=h;Password=ab;cd7secret;User ID=sa")
        << QStringLiteral("after the password") << QStringLiteral("cd7secret");
    QTest::newRow("unterminated quote")
        << QStringLiteral("Provider=SQLOLEDB;Data Source=h;Password='") + kPassword
        << QStringLiteral("the value of Password has no closing quote") << kPassword;
    QTest::newRow("text after quote")
        << QStringLiteral("Provider=SQLOLEDB;Password='") + kPassword + QStringLiteral("'x")
        << QStringLiteral("after the closing quote of the value of Password") << kPassword;
    QTest::newRow("unknown provider")
        << QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=h") + pw
        << QStringLiteral("unknown provider \"Microsoft.Jet.OLEDB.4.0\"") << kPassword;
    QTest::newRow("no provider") << QStringLiteral("Data Source=h") + pw
                                 << QStringLiteral("names no Provider") << kPassword;
    QTest::newRow("no server") << QStringLiteral("Provider=SQLOLEDB;User ID=sa") + pw
                               << QStringLiteral("names no Data Source") << kPassword;
    QTest::newRow("no SQLite file") << QStringLiteral("Provider=SQLite") + pw
                                    << QStringLiteral("names no Data Source") << kPassword;
    QTest::newRow("MSDASQL without DSN") << QStringLiteral("Provider=MSDASQL;User ID=sa") + pw
                                         << QStringLiteral("neither an ODBC DSN") << kPassword;
    QTest::newRow("bad port") << QStringLiteral("Provider=SQLOLEDB;Data Source=h,99999") + pw
                              << QStringLiteral("Data Source \"h,99999\" has an invalid port")
                              << kPassword;
}

void TestUdl::rejectsBadInitStrings() {
    QFETCH(QString, initString);
    QFETCH(QString, expectedProblem);
    QFETCH(QString, secret);
    const QString message = errorOf([&] { parse(initString); });
    QVERIFY2(message.startsWith(QStringLiteral("orbista.udl: ")), qPrintable(message));
    QVERIFY2(message.contains(expectedProblem), qPrintable(message));
    QVERIFY2(!message.contains(secret), qPrintable(message));

    // The same through a real file: the message names it.
    const QString path = writeFile(dir_, QStringLiteral("bad.udl"), windowsUdlBytes(initString));
    const QString fileMessage = errorOf([&] { orbista::readUdlFile(path); });
    QVERIFY2(fileMessage.contains(QStringLiteral("bad.udl")), qPrintable(fileMessage));
    QVERIFY2(fileMessage.contains(expectedProblem), qPrintable(fileMessage));
    QVERIFY2(!fileMessage.contains(secret), qPrintable(fileMessage));
}

QTEST_GUILESS_MAIN(TestUdl)
#include "tst_udl.moc"
