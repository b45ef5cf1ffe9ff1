#include "udl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QStringConverter>
#include <QStringDecoder>

namespace orbista {

namespace {

[[noreturn]] void fail(const QString& fileName, const QString& problem) {
    throw DbError(fileName.isEmpty() ? problem : QStringLiteral("%1: %2").arg(fileName, problem));
}

// ---- The file: encoding and lines -------------------------------------------------------

QString decodeUdl(const QByteArray& bytes, const QString& fileName) {
    // Windows writes UTF-16LE with a BOM; editors write UTF-8 with or without one.
    auto encoding = QStringConverter::encodingForData(bytes);
    if (!encoding) {
        const bool looksUtf16Le = bytes.size() >= 2 && bytes[0] != '\0' && bytes[1] == '\0';
        encoding = looksUtf16Le ? QStringConverter::Utf16LE : QStringConverter::Utf8;
    }
    QStringDecoder decoder(*encoding);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        fail(fileName, QStringLiteral("is neither UTF-16 nor UTF-8 text"));
    }
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') {
            fail(fileName, QStringLiteral("is not a text file (control characters)"));
        }
    }
    return text;
}

// The one line that is neither blank, nor "[oledb]", nor a ";" comment.
QString initStringLine(const QString& text, const QString& fileName) {
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = normalized.split(u'\n');
    QString initString;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u';') ||
            line.compare(QStringLiteral("[oledb]"), Qt::CaseInsensitive) == 0) {
            continue;
        }
        // Lines are not quoted in messages: they may hold a password.
        if (line.startsWith(u'[')) {
            fail(fileName, QStringLiteral("line %1: unexpected section header").arg(i + 1));
        }
        if (!initString.isEmpty()) {
            fail(fileName, QStringLiteral("line %1: a second init string line (the init string "
                                          "must be on one line)")
                               .arg(i + 1));
        }
        initString = line;
    }
    if (initString.isEmpty()) {
        fail(fileName, QStringLiteral("holds no init string"));
    }
    return initString;
}

// ---- The init string: key=value pairs ----------------------------------------------------

// Lower case, single blanks, and one name for each family of synonyms.
QString canonicalKey(const QString& key) {
    static const QHash<QString, QString> synonyms = {
        {QStringLiteral("server"), QStringLiteral("data source")},
        {QStringLiteral("database"), QStringLiteral("initial catalog")},
        {QStringLiteral("uid"), QStringLiteral("user id")},
        {QStringLiteral("user"), QStringLiteral("user id")},
        {QStringLiteral("pwd"), QStringLiteral("password")},
    };
    const QString lower = key.simplified().toLower();
    return synonyms.value(lower, lower);
}

bool isPasswordKey(const QString& canonical) {
    return canonical == QStringLiteral("password");
}

using InitKeys = QHash<QString, QString>;  // canonical key -> last value

class InitStringReader {
  public:
    InitStringReader(const QString& text, const QString& fileName)
        : text_(text), fileName_(fileName) {}

    InitKeys read() {
        InitKeys keys;
        while (pos_ < text_.size()) {
            readSegment(keys);
        }
        return keys;
    }

  private:
    void readSegment(InitKeys& keys) {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u'=' && text_[pos_] != u';') {
            ++pos_;
        }
        const QString rawKey = text_.mid(start, pos_ - start).trimmed();
        if (pos_ >= text_.size() || text_[pos_] == u';') {
            ++pos_;
            if (!rawKey.isEmpty()) {
                malformed(rawKey);
            }
            return;
        }
        if (rawKey.isEmpty()) {
            malformed(text_.mid(start, segmentEnd(pos_) - start).trimmed());
        }
        ++pos_;  // past '='
        const QString key = canonicalKey(rawKey);
        keys.insert(key, readValue(rawKey));
        previousKey_ = key;
    }

    QString readValue(const QString& rawKey) {
        skipBlanks();
        if (pos_ < text_.size() && (text_[pos_] == u'\'' || text_[pos_] == u'"')) {
            QString value = readQuoted(rawKey);
            skipBlanks();
            if (pos_ < text_.size() && text_[pos_] != u';') {
                fail(fileName_,
                     QStringLiteral("text after the closing quote of the value of %1").arg(rawKey));
            }
            ++pos_;
            return value;
        }
        const qsizetype end = segmentEnd(pos_);
        const QString value = text_.mid(pos_, end - pos_).trimmed();
        pos_ = end + 1;
        return value;
    }

    // A value in '…' or "…"; the quote char doubled stands for itself.
    QString readQuoted(const QString& rawKey) {
        const QChar quote = text_[pos_++];
        QString value;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_++];
            if (c != quote) {
                value += c;
            } else if (pos_ < text_.size() && text_[pos_] == quote) {
                value += quote;
                ++pos_;
            } else {
                return value;
            }
        }
        fail(fileName_, QStringLiteral("the value of %1 has no closing quote").arg(rawKey));
    }

    [[noreturn]] void malformed(const QString& segment) const {
        // Right after a password, the stray text is most likely the rest of an unquoted
        // password holding ";": never show it.
        if (isPasswordKey(previousKey_)) {
            fail(fileName_, QStringLiteral("malformed init string after the password (a value "
                                           "holding \";\" must be quoted)"));
        }
        fail(fileName_, QStringLiteral("malformed init string segment \"%1\" (expected key=value)")
                            .arg(segment));
    }

    qsizetype segmentEnd(qsizetype from) const {
        const qsizetype end = text_.indexOf(u';', from);
        return end < 0 ? text_.size() : end;
    }

    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_].isSpace()) {
            ++pos_;
        }
    }

    const QString& text_;
    const QString& fileName_;
    qsizetype pos_ = 0;
    QString previousKey_;
};

// ---- ODBC connection strings ---------------------------------------------------------------

// A value in braces, with "}" doubled, as ODBC wants it for any text.
QString braced(const QString& value) {
    QString escaped = value;
    escaped.replace(u'}', QStringLiteral("}}"));
    return u'{' + escaped + u'}';
}

// Braces only where a plain value would be misread.
QString odbcValue(const QString& value) {
    const bool plain = !value.contains(u';') && !value.contains(u'{') && !value.contains(u'}') &&
                       !value.contains(u'=') && value == value.trimmed();
    return plain ? value : braced(value);
}

// Keys of an ODBC connection string (upper case -> value); "{…}" values unwrapped.
QHash<QString, QString> odbcKeys(const QString& connectionString) {
    QHash<QString, QString> keys;
    qsizetype pos = 0;
    const qsizetype size = connectionString.size();
    while (pos < size) {
        const qsizetype equals = connectionString.indexOf(u'=', pos);
        const qsizetype semicolon = connectionString.indexOf(u';', pos);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            pos = semicolon < 0 ? size : semicolon + 1;
            continue;
        }
        const QString key = connectionString.mid(pos, equals - pos).trimmed().toUpper();
        pos = equals + 1;
        while (pos < size && connectionString[pos].isSpace()) {
            ++pos;
        }
        QString value;
        if (pos < size && connectionString[pos] == u'{') {
            ++pos;
            while (pos < size) {
                const QChar c = connectionString[pos++];
                if (c == u'}' && pos < size && connectionString[pos] == u'}') {
                    value += c;
                    ++pos;
                } else if (c == u'}') {
                    break;
                } else {
                    value += c;
                }
            }
            const qsizetype end = connectionString.indexOf(u';', pos);
            pos = end < 0 ? size : end + 1;
        } else {
            const qsizetype end = connectionString.indexOf(u';', pos);
            value = connectionString.mid(pos, (end < 0 ? size : end) - pos).trimmed();
            pos = end < 0 ? size : end + 1;
        }
        keys.insert(key, value);
    }
    return keys;
}

bool isIntegratedSecurity(const InitKeys& keys) {
    const QString integrated = keys.value(QStringLiteral("integrated security")).trimmed();
    const QString trusted = keys.value(QStringLiteral("trusted_connection")).trimmed();
    const auto yes = [](const QString& v) {
        return v.compare(QStringLiteral("sspi"), Qt::CaseInsensitive) == 0 ||
               v.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0 ||
               v.compare(QStringLiteral("yes"), Qt::CaseInsensitive) == 0;
    };
    return yes(integrated) || yes(trusted);
}

// ---- SQL Server through an ODBC driver ---------------------------------------------------

struct ServerAddress {
    QString host;
    QString instance;  // named instance; the SQL Browser on the host resolves its port
    int port = 0;      // 0: not given
};

ServerAddress parseDataSource(const QString& dataSource, const QString& fileName) {
    QString text = dataSource.trimmed();
    if (text.startsWith(QStringLiteral("tcp:"), Qt::CaseInsensitive)) {
        text = text.mid(4).trimmed();
    }
    ServerAddress address;
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0) {
        bool ok = false;
        address.port = text.mid(comma + 1).trimmed().toInt(&ok);
        if (!ok || address.port < 1 || address.port > 65535) {
            fail(fileName,
                 QStringLiteral("Data Source \"%1\" has an invalid port").arg(dataSource));
        }
        text = text.left(comma).trimmed();
    }
    const qsizetype backslash = text.indexOf(u'\\');
    if (backslash >= 0) {
        address.instance = text.mid(backslash + 1).trimmed();
        text = text.left(backslash).trimmed();
    }
    if (text.isEmpty()) {
        fail(fileName, QStringLiteral("Data Source \"%1\" names no host").arg(dataSource));
    }
    const bool local = text == QStringLiteral(".") ||
                       text.compare(QStringLiteral("(local)"), Qt::CaseInsensitive) == 0;
    address.host = local ? QStringLiteral("127.0.0.1") : text;
    return address;
}

QString odbcDriverName() {
    const QString configured = qEnvironmentVariable("ORBISTA_ODBC_DRIVER").trimmed();
    return configured.isEmpty() ? QStringLiteral("FreeTDS") : configured;
}

DataLink sqlServerSpec(const InitKeys& keys, const QString& fileName) {
    const QString dataSource = keys.value(QStringLiteral("data source")).trimmed();
    if (dataSource.isEmpty()) {
        fail(fileName, QStringLiteral("names no Data Source (the server)"));
    }
    ServerAddress address = parseDataSource(dataSource, fileName);
    if (address.port == 0 && address.instance.isEmpty()) {
        address.port = 1433;
    }
    const QString driver = odbcDriverName();
    const bool freeTds = driver.compare(QStringLiteral("FreeTDS"), Qt::CaseInsensitive) == 0;

    DataLink link;
    link.driver = DataLink::Driver::Odbc;
    link.dialect = Dialect::SqlServer;
    // A port given with an instance wins: the Browser is not asked then.
    const QString server = address.port != 0
                               ? QStringLiteral("%1,%2").arg(address.host).arg(address.port)
                               : QStringLiteral("%1\\%2").arg(address.host, address.instance);
    link.endpoint = QStringLiteral("SQL Server ") + server;
    link.database = keys.value(QStringLiteral("initial catalog")).trimmed();

    QString odbc = QStringLiteral("DRIVER=%1;").arg(braced(driver));
    if (!freeTds) {
        // Microsoft's drivers take "host,port" and "host\instance" in SERVER itself.
        odbc += QStringLiteral("SERVER=%1;").arg(odbcValue(server));
    } else if (address.port != 0) {
        odbc += QStringLiteral("SERVER=%1;Port=%2;").arg(odbcValue(address.host)).arg(address.port);
    } else {
        // FreeTDS does not reliably split "host\instance" itself.
        odbc += QStringLiteral("SERVER=%1;Instance=%2;")
                    .arg(odbcValue(address.host), odbcValue(address.instance));
    }
    if (!link.database.isEmpty()) {
        odbc += QStringLiteral("DATABASE=%1;").arg(odbcValue(link.database));
    }
    if (!isIntegratedSecurity(keys)) {
        // FreeTDS has no integrated security: without credentials it tries the login as is.
        link.user = keys.value(QStringLiteral("user id"));
        if (!link.user.isEmpty() || keys.contains(QStringLiteral("password"))) {
            odbc += QStringLiteral("UID=%1;PWD=%2;")
                        .arg(braced(link.user), braced(keys.value(QStringLiteral("password"))));
        }
    }
    if (freeTds) {
        odbc += QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8;");
    }
    link.odbcConnectionString = odbc;
    return link;
}

// ---- ODBC through MSDASQL ----------------------------------------------------------------

DataLink msdasqlSpec(const InitKeys& keys, const QString& fileName) {
    QString odbc = keys.value(QStringLiteral("extended properties")).trimmed();
    if (odbc.isEmpty()) {
        QString dsn = keys.value(QStringLiteral("dsn")).trimmed();
        if (dsn.isEmpty()) {
            dsn = keys.value(QStringLiteral("data source")).trimmed();
        }
        if (dsn.isEmpty()) {
            fail(fileName, QStringLiteral("names neither an ODBC DSN nor Extended Properties "
                                          "for MSDASQL"));
        }
        odbc = QStringLiteral("DSN=%1").arg(odbcValue(dsn));
    }
    if (!odbc.endsWith(u';')) {
        odbc += u';';
    }
    QHash<QString, QString> odbcParts = odbcKeys(odbc);
    const QString user = keys.value(QStringLiteral("user id"));
    // Credentials entered in the data-link dialog sit beside the ODBC string, not in it.
    if (!isIntegratedSecurity(keys) && !user.isEmpty() &&
        !odbcParts.contains(QStringLiteral("UID"))) {
        odbc += QStringLiteral("UID=%1;").arg(braced(user));
        odbcParts.insert(QStringLiteral("UID"), user);
        if (!odbcParts.contains(QStringLiteral("PWD"))) {
            odbc += QStringLiteral("PWD=%1;").arg(braced(keys.value(QStringLiteral("password"))));
        }
    }

    DataLink link;
    link.driver = DataLink::Driver::Odbc;
    link.dialect = Dialect::SqlServer;
    link.odbcConnectionString = odbc;
    const QString dsn = odbcParts.value(QStringLiteral("DSN"));
    const QString server = odbcParts.value(QStringLiteral("SERVER"));
    link.endpoint = !dsn.isEmpty()      ? QStringLiteral("ODBC data source ") + dsn
                    : !server.isEmpty() ? QStringLiteral("ODBC server ") + server
                                        : QStringLiteral("ODBC connection");
    link.database = odbcParts.value(QStringLiteral("DATABASE"),
                                    keys.value(QStringLiteral("initial catalog")).trimmed());
    link.user = odbcParts.value(QStringLiteral("UID"));
    return link;
}

// ---- Our own SQLite provider -------------------------------------------------------------

DataLink sqliteSpec(const InitKeys& keys, const QString& baseDir, const QString& fileName) {
    QString path = keys.value(QStringLiteral("data source")).trimmed();
    if (path.isEmpty()) {
        fail(fileName, QStringLiteral("names no Data Source (the SQLite file)"));
    }
    // A file written on Windows may say ".\orbista.db".
    path.replace(u'\\', u'/');
    DataLink link;
    link.driver = DataLink::Driver::Sqlite;
    link.dialect = Dialect::Sqlite;
    link.sqliteFile = QDir::cleanPath(QDir(baseDir).absoluteFilePath(path));
    link.endpoint = QStringLiteral("SQLite file ") + QDir::toNativeSeparators(link.sqliteFile);
    return link;
}

bool isSqlServerProvider(const QString& provider) {
    return provider == QStringLiteral("SQLOLEDB") ||
           provider.startsWith(QStringLiteral("SQLOLEDB.")) ||
           provider.startsWith(QStringLiteral("SQLNCLI")) ||
           provider.startsWith(QStringLiteral("MSOLEDBSQL"));
}

bool isMsdasqlProvider(const QString& provider) {
    return provider == QStringLiteral("MSDASQL") || provider.startsWith(QStringLiteral("MSDASQL."));
}

}  // namespace

QString DataLink::describe() const {
    QString text = endpoint;
    if (text.isEmpty()) {
        text = driver == Driver::Sqlite ? QStringLiteral("SQLite file ") + sqliteFile
                                        : QStringLiteral("ODBC connection");
    }
    if (!database.isEmpty()) {
        text += QStringLiteral(" database ") + database;
    }
    if (!user.isEmpty()) {
        text += QStringLiteral(" (user %1)").arg(user);
    }
    return text;
}

DataLink parseInitString(const QString& initString, const QString& baseDir,
                         const QString& fileName) {
    const InitKeys keys = InitStringReader(initString, fileName).read();
    const QString provider = keys.value(QStringLiteral("provider")).trimmed();
    if (provider.isEmpty()) {
        fail(fileName, QStringLiteral("names no Provider"));
    }
    const QString upper = provider.toUpper();
    if (upper == QStringLiteral("SQLITE")) {
        return sqliteSpec(keys, baseDir, fileName);
    }
    if (isMsdasqlProvider(upper)) {
        return msdasqlSpec(keys, fileName);
    }
    if (isSqlServerProvider(upper)) {
        return sqlServerSpec(keys, fileName);
    }
    fail(fileName, QStringLiteral("unknown provider \"%1\" (expected SQLOLEDB, SQLNCLI*, "
                                  "MSOLEDBSQL*, MSDASQL or SQLite)")
                       .arg(provider));
}

DataLink readUdlFile(const QString& path) {
    const QFileInfo info(path);
    const QString fileName = QStringLiteral("data-link file \"%1\"")
                                 .arg(QDir::toNativeSeparators(info.absoluteFilePath()));
    if (!info.exists()) {
        fail(fileName, QStringLiteral("not found"));
    }
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        fail(fileName, QStringLiteral("cannot be read: %1").arg(file.errorString()));
    }
    const QString text = decodeUdl(file.readAll(), fileName);
    return parseInitString(initStringLine(text, fileName), info.absolutePath(), fileName);
}

}  // namespace orbista
