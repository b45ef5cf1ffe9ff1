#include "resultset.h"

#include "database.h"

#include <QSqlError>
#include <QSqlRecord>

#include <bit>
#include <cmath>

namespace orbista {

namespace {

constexpr int kFetchBatch = 256;

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
        appendRow(query_->record());
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

void ResultSet::appendRow(const QSqlRecord& record) {
    for (int i = 0; i < columnCount(); ++i) {
        appendValue(columns_[i], record.value(i));
    }
    ++rowCount_;
}

void ResultSet::appendValue(Column& column, const QVariant& value) {
    Kind kind = Kind::Null;
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
                kind = Kind::Integer;
                data = value.toLongLong();
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                kind = Kind::Real;
                data = std::bit_cast<std::int64_t>(value.toDouble());
                break;
            case QMetaType::QDateTime:
            case QMetaType::QDate:
                kind = Kind::DateTime;
                data = value.toDateTime().toMSecsSinceEpoch();
                break;
            default: {
                kind = Kind::Text;
                const QString text = value.toString();
                auto it = column.stringIds.constFind(text);
                if (it == column.stringIds.constEnd()) {
                    it = column.stringIds.insert(text, static_cast<int>(column.strings.size()));
                    column.strings.append(text);
                }
                data = it.value();
                break;
            }
        }
    }
    column.kinds.push_back(kind);
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

ResultSet::Kind ResultSet::kind(int row, int column) const {
    if (row < 0 || row >= rowCount_) {
        throw DbError(QStringLiteral("没有当前记录"));
    }
    return columns_[column].kinds[row];
}

QString ResultSet::text(int row, int column) const {
    const Column& c = columns_[column];
    switch (kind(row, column)) {
        case Kind::Null:
            return {};
        case Kind::Integer:
            return QString::number(c.data[row]);
        case Kind::Real:
            return QString::number(std::bit_cast<double>(c.data[row]), 'g', 15);
        case Kind::DateTime:
            return QDateTime::fromMSecsSinceEpoch(c.data[row])
                .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        case Kind::Text:
            return c.strings[c.data[row]];
    }
    return {};
}

std::int64_t ResultSet::integer(int row, int column) const {
    const Column& c = columns_[column];
    switch (kind(row, column)) {
        case Kind::Integer:
            return c.data[row];
        case Kind::Real:
            return std::llround(std::bit_cast<double>(c.data[row]));
        case Kind::Text:
            return c.strings[c.data[row]].trimmed().toLongLong();
        default:
            return 0;
    }
}

Money ResultSet::money(int row, int column) const {
    const Column& c = columns_[column];
    switch (kind(row, column)) {
        case Kind::Integer:
            return Money::fromYuan(c.data[row]);
        case Kind::Real:
            return Money::fromDouble(std::bit_cast<double>(c.data[row]));
        case Kind::Text:
            return Money::parse(c.strings[c.data[row]]).value_or(Money());
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
    const Column& c = columns_[column];
    switch (kind(row, column)) {
        case Kind::DateTime:
            return QDateTime::fromMSecsSinceEpoch(c.data[row]);
        case Kind::Text:
            return parseDateTime(c.strings[c.data[row]]);
        default:
            return {};
    }
}

QVariant ResultSet::value(int row, int column) const {
    const Column& c = columns_[column];
    switch (kind(row, column)) {
        case Kind::Null:
            return {};
        case Kind::Integer:
            return QVariant::fromValue<qlonglong>(c.data[row]);
        case Kind::Real:
            return std::bit_cast<double>(c.data[row]);
        case Kind::DateTime:
            return QDateTime::fromMSecsSinceEpoch(c.data[row]);
        case Kind::Text:
            return c.strings[c.data[row]];
    }
    return {};
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
        result->appendRow(query.record());
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
