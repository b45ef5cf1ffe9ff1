#include "resultset.h"

#include "database.h"

#include <QSqlError>
#include <QSqlRecord>

#include <bit>
#include <cmath>
#include <cstdio>

namespace orbista {

namespace {

constexpr int kFetchBatch = 256;
constexpr int kLengthBits = 20;
constexpr std::int64_t kMaxTextLength = (std::int64_t{1} << kLengthBits) - 1;

}  // namespace

ResultSet::ResultSet() = default;

ResultSet::~ResultSet() {
    detach();
}

int ResultSet::columnIndex(QStringView name) const {
    for (int i = 0; i < columnCount(); ++i) {
        if (columns_[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QStringList ResultSet::columnNames() const {
    QStringList names;
    for (const Column& c : columns_) {
        names << c.name;
    }
    return names;
}

int ResultSet::index(QStringView column) const {
    const int i = columnIndex(column);
    if (i < 0) {
        throw DbError(QStringLiteral("结果中没有字段 %1").arg(column));
    }
    return i;
}

void ResultSet::attach(std::unique_ptr<QSqlQuery> query, Database* owner) {
    query_ = std::move(query);
    owner_ = owner;
    const QSqlRecord record = query_->record();
    columns_.resize(record.count());
    for (int i = 0; i < record.count(); ++i) {
        columns_[i].name = record.fieldName(i);
    }
    if (!query_->isSelect()) {
        detach();
    }
    fetchMore(kFetchBatch);
    current_ = rowCount_ > 0 ? 0 : -1;
    bof_ = true;
    eof_ = rowCount_ == 0;
}

void ResultSet::detach() {
    if (query_) {
        query_->finish();
        query_.reset();
    }
    if (owner_ && owner_->pendingFetch_ == this) {
        owner_->pendingFetch_ = nullptr;
    }
    owner_ = nullptr;
}

int ResultSet::fetchMore(int rows) {
    if (!query_) {
        return 0;
    }
    if (owner_) {
        owner_->pendingFetch_ = this;
    }
    int arrived = 0;
    while (arrived < rows) {
        if (!query_->next()) {
            const QSqlError error = query_->lastError();
            detach();
            if (error.isValid() && error.type() != QSqlError::NoError) {
                throw DbError(error.text());
            }
            break;
        }
        appendRow(*query_);
        ++arrived;
    }
    return arrived;
}

void ResultSet::fetchAll() {
    while (query_) {
        fetchMore(1 << 16);
    }
}

int ResultSet::recordCount() {
    fetchAll();
    return rowCount_;
}

bool ResultSet::isEmpty() {
    return rowCount_ == 0 && !ensureRow(0);
}

bool ResultSet::ensureRow(int row) {
    while (row >= rowCount_ && query_) {
        fetchMore(kFetchBatch);
    }
    return row < rowCount_;
}

void ResultSet::appendRow(const QSqlQuery& query) {
    for (int i = 0; i < columnCount(); ++i) {
        appendValue(columns_[i], query.value(i));
    }
    ++rowCount_;
}

namespace {

// "yyyy-mm-dd hh:nn:ss" as yyyymmddhhnnss, or -1 when the text has another shape.
std::int64_t packDateTime(const QString& t) {
    if (t.size() != 19 || t[4] != u'-' || t[7] != u'-' || t[10] != u' ' || t[13] != u':' ||
        t[16] != u':') {
        return -1;
    }
    std::int64_t packed = 0;
    for (qsizetype i = 0; i < 19; ++i) {
        if (i == 4 || i == 7 || i == 10 || i == 13 || i == 16) {
            continue;
        }
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        packed = packed * 10 + (c - u'0');
    }
    const std::int64_t month = packed / 100000000 % 100;
    const std::int64_t day = packed / 1000000 % 100;
    if (month < 1 || month > 12 || day < 1 || day > 31 || packed / 10000 % 100 > 23 ||
        packed / 100 % 100 > 59 || packed % 100 > 59) {
        return -1;
    }
    return packed;
}

QString unpackDateTime(std::int64_t p) {
    char buffer[32];
    std::snprintf(
        buffer, sizeof buffer, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld",
        static_cast<long long>(p / 10000000000), static_cast<long long>(p / 100000000 % 100),
        static_cast<long long>(p / 1000000 % 100), static_cast<long long>(p / 10000 % 100),
        static_cast<long long>(p / 100 % 100), static_cast<long long>(p % 100));
    return QString::fromLatin1(buffer, 19);
}

QDateTime dateTimeOfPacked(std::int64_t p) {
    return QDateTime(QDate(static_cast<int>(p / 10000000000), static_cast<int>(p / 100000000 % 100),
                           static_cast<int>(p / 1000000 % 100)),
                     QTime(static_cast<int>(p / 10000 % 100), static_cast<int>(p / 100 % 100),
                           static_cast<int>(p % 100)));
}

constexpr int kShortTextMax = 3;

}  // namespace

void ResultSet::appendValue(Column& column, const QVariant& value) {
    Storage storage = Storage::Null;
    std::int64_t data = 0;
    if (!value.isNull() && value.isValid()) {
        switch (value.typeId()) {
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Char:
            case QMetaType::UChar:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
                storage = Storage::Integer;
                data = value.toLongLong();
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                storage = Storage::Real;
                data = std::bit_cast<std::int64_t>(value.toDouble());
                break;
            case QMetaType::QDateTime:
            case QMetaType::QDate:
                storage = Storage::DateTimeMs;
                data = value.toDateTime().toMSecsSinceEpoch();
                break;
            default: {
                const QString text = value.toString();
                const std::int64_t length = text.size() & kMaxTextLength;
                if (const std::int64_t packed = packDateTime(text); packed >= 0) {
                    storage = Storage::PackedDateTime;
                    data = packed;
                } else if (length <= kShortTextMax) {
                    storage = Storage::ShortText;
                    data = length;
                    for (qsizetype i = 0; i < length; ++i) {
                        data |= static_cast<std::int64_t>(text[i].unicode()) << (2 + 16 * i);
                    }
                } else if (column.lastText >= 0 && (column.lastText & kMaxTextLength) == length &&
                           std::equal(text.utf16(), text.utf16() + length,
                                      column.chars.data() + (column.lastText >> kLengthBits))) {
                    storage = Storage::ArenaText;
                    data = column.lastText;
                } else {
                    storage = Storage::ArenaText;
                    const auto offset = static_cast<std::int64_t>(column.chars.size());
                    column.chars.insert(column.chars.end(), text.utf16(), text.utf16() + length);
                    data = (offset << kLengthBits) | length;
                    column.lastText = data;
                }
                break;
            }
        }
    }
    if (storage == Storage::Null && column.kinds.empty()) {
        ++column.leadingNulls;
        return;
    }
    column.kinds.push_back(storage);
    column.data.push_back(data);
}

void ResultSet::first() {
    ensureRow(0);
    current_ = rowCount_ > 0 ? 0 : -1;
    bof_ = true;
    eof_ = rowCount_ == 0;
}

void ResultSet::last() {
    fetchAll();
    current_ = rowCount_ - 1;
    bof_ = rowCount_ == 0;
    eof_ = true;
}

void ResultSet::next() {
    if (rowCount_ == 0 && !ensureRow(0)) {
        eof_ = true;
        return;
    }
    if (ensureRow(current_ + 1)) {
        ++current_;
        bof_ = false;
        eof_ = false;
    } else {
        eof_ = true;
    }
}

void ResultSet::prior() {
    if (current_ > 0) {
        --current_;
        bof_ = false;
        eof_ = false;
    } else {
        bof_ = true;
    }
}

void ResultSet::moveTo(int row) {
    if (row < 0 || !ensureRow(row)) {
        row = std::min(std::max(row, 0), rowCount_ - 1);
    }
    current_ = row;
    bof_ = rowCount_ == 0;
    eof_ = rowCount_ == 0;
}

ResultSet::Storage ResultSet::storage(int row, int column) const {
    if (row < 0 || row >= rowCount_) {
        throw DbError(QStringLiteral("没有当前记录"));
    }
    const Column& c = columns_[column];
    return row < c.leadingNulls ? Storage::Null : c.kinds[row - c.leadingNulls];
}

std::int64_t ResultSet::cell(int row, int column) const {
    const Column& c = columns_[column];
    return row < c.leadingNulls ? 0 : c.data[row - c.leadingNulls];
}

ResultSet::Kind ResultSet::kind(int row, int column) const {
    switch (storage(row, column)) {
        case Storage::Null:
            return Kind::Null;
        case Storage::Integer:
            return Kind::Integer;
        case Storage::Real:
            return Kind::Real;
        case Storage::DateTimeMs:
        case Storage::PackedDateTime:
            return Kind::DateTime;
        case Storage::ShortText:
        case Storage::ArenaText:
            break;
    }
    return Kind::Text;
}

QString ResultSet::text(int row, int column) const {
    const Column& c = columns_[column];
    const std::int64_t d = cell(row, column);
    switch (storage(row, column)) {
        case Storage::Null:
            return {};
        case Storage::Integer:
            return QString::number(d);
        case Storage::Real:
            return QString::number(std::bit_cast<double>(d), 'g', 15);
        case Storage::DateTimeMs:
            return QDateTime::fromMSecsSinceEpoch(d).toString(
                QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        case Storage::PackedDateTime:
            return unpackDateTime(d);
        case Storage::ShortText: {
            QString t;
            for (std::int64_t i = 0; i < (d & 3); ++i) {
                t += QChar(static_cast<char16_t>((d >> (2 + 16 * i)) & 0xFFFF));
            }
            return t;
        }
        case Storage::ArenaText:
            return textOf(c, d);
    }
    return {};
}

std::int64_t ResultSet::integer(int row, int column) const {
    const std::int64_t d = cell(row, column);
    switch (storage(row, column)) {
        case Storage::Integer:
            return d;
        case Storage::Real:
            return std::llround(std::bit_cast<double>(d));
        case Storage::ShortText:
        case Storage::ArenaText:
            return text(row, column).trimmed().toLongLong();
        default:
            return 0;
    }
}

Money ResultSet::money(int row, int column) const {
    const std::int64_t d = cell(row, column);
    switch (storage(row, column)) {
        case Storage::Integer:
            return Money::fromYuan(d);
        case Storage::Real:
            return Money::fromDouble(std::bit_cast<double>(d));
        case Storage::ShortText:
        case Storage::ArenaText:
            return Money::parse(text(row, column)).value_or(Money());
        default:
            return Money();
    }
}

std::optional<Money> ResultSet::moneyOrNull(QStringView column) const {
    const int i = index(column);
    if (isNull(current_, i)) {
        return std::nullopt;
    }
    return money(current_, i);
}

QDateTime ResultSet::dateTime(int row, int column) const {
    const std::int64_t d = cell(row, column);
    switch (storage(row, column)) {
        case Storage::DateTimeMs:
            return QDateTime::fromMSecsSinceEpoch(d);
        case Storage::PackedDateTime:
            return dateTimeOfPacked(d);
        case Storage::ShortText:
        case Storage::ArenaText:
            return parseDateTime(text(row, column));
        default:
            return {};
    }
}

QVariant ResultSet::value(int row, int column) const {
    const std::int64_t d = cell(row, column);
    switch (storage(row, column)) {
        case Storage::Null:
            return {};
        case Storage::Integer:
            return QVariant::fromValue<qlonglong>(d);
        case Storage::Real:
            return std::bit_cast<double>(d);
        case Storage::DateTimeMs:
            return QDateTime::fromMSecsSinceEpoch(d);
        case Storage::PackedDateTime:
        case Storage::ShortText:
        case Storage::ArenaText:
            break;
    }
    return text(row, column);
}

QString ResultSet::textOf(const Column& column, std::int64_t cell) {
    const auto* begin = column.chars.data() + (cell >> kLengthBits);
    return QString(reinterpret_cast<const QChar*>(begin),
                   static_cast<qsizetype>(cell & kMaxTextLength));
}

QDateTime ResultSet::parseDateTime(const QString& text) {
    const QString t = text.trimmed();
    static const QStringList formats = {
        QStringLiteral("yyyy-MM-dd hh:mm:ss"), QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"),
        QStringLiteral("yyyy-MM-ddThh:mm:ss"), QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz"),
        QStringLiteral("yyyy-MM-dd hh:mm"),    QStringLiteral("yyyy-MM-dd"),
    };
    for (const QString& f : formats) {
        const QDateTime dt = QDateTime::fromString(t, f);
        if (dt.isValid()) {
            return dt;
        }
    }
    // SQL Server may hand back more fraction digits than Qt reads.
    if (t.size() > 23 && t[19] == u'.') {
        return parseDateTime(t.left(23));
    }
    return {};
}

std::unique_ptr<ResultSet> ResultSet::readAll(QSqlQuery& query) {
    auto result = std::make_unique<ResultSet>();
    const QSqlRecord record = query.record();
    result->columns_.resize(record.count());
    for (int i = 0; i < record.count(); ++i) {
        result->columns_[i].name = record.fieldName(i);
    }
    while (query.next()) {
        result->appendRow(query);
    }
    if (query.lastError().isValid() && query.lastError().type() != QSqlError::NoError) {
        throw DbError(query.lastError().text());
    }
    result->current_ = result->rowCount_ > 0 ? 0 : -1;
    result->bof_ = true;
    result->eof_ = result->rowCount_ == 0;
    return result;
}

std::unique_ptr<ResultSet> ResultSet::fromRows(const QStringList& columns,
                                               const QList<QVariantList>& rows) {
    auto result = std::make_unique<ResultSet>();
    result->columns_.resize(columns.size());
    for (int i = 0; i < columns.size(); ++i) {
        result->columns_[i].name = columns[i];
    }
    for (const QVariantList& row : rows) {
        for (int i = 0; i < columns.size(); ++i) {
            result->appendValue(result->columns_[i], row.value(i));
        }
        ++result->rowCount_;
    }
    result->current_ = result->rowCount_ > 0 ? 0 : -1;
    result->bof_ = true;
    result->eof_ = result->rowCount_ == 0;
    return result;
}

}  // namespace orbista
