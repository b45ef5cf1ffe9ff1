#include "reportexport.h"

#include "reporterror.h"
#include "resultset.h"

#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <vector>

namespace orbista::report {

namespace {

QString cannotWrite(const QString& path) {
    return QStringLiteral("无法写入文件 %1").arg(QFileInfo(path).fileName());
}

QString csvField(const QString& value) {
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r')) {
        return value;
    }
    return u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

enum class CellKind { Text, Integer, Amount };

// Amounts come back as reals from some drivers and as decimal texts ("12.3400") from
// others; a text column counts as amounts only when every value is such a decimal.
CellKind columnKind(const ResultSet& rows, int column) {
    bool allDecimalText = true;
    bool anyText = false;
    bool anyReal = false;
    bool anyInteger = false;
    for (int row = 0; row < rows.fetchedCount(); ++row) {
        switch (rows.kind(row, column)) {
            case ResultSet::Kind::Real:
                anyReal = true;
                break;
            case ResultSet::Kind::Integer:
                anyInteger = true;
                break;
            case ResultSet::Kind::Text: {
                anyText = true;
                const QString t = rows.text(row, column);
                if (!t.contains(u'.') || !Money::parse(t)) {
                    allDecimalText = false;
                }
                break;
            }
            case ResultSet::Kind::DateTime:
                return CellKind::Text;
            case ResultSet::Kind::Null:
                break;
        }
    }
    if (anyText) {
        return allDecimalText && !anyInteger ? CellKind::Amount : CellKind::Text;
    }
    if (anyReal) {
        return CellKind::Amount;
    }
    return anyInteger ? CellKind::Integer : CellKind::Text;
}

QString sheetNameFrom(const QString& wanted) {
    QString name = wanted;
    for (QChar bad : {u'[', u']', u':', u'*', u'?', u'/', u'\\'}) {
        name.remove(bad);
    }
    name = name.left(31).trimmed();
    return name.isEmpty() ? QStringLiteral("Sheet1") : name;
}

}  // namespace

void exportCsv(ResultSet& rows, const QString& path) {
    rows.fetchAll();
    QString out;
    out.reserve(64 * (rows.fetchedCount() + 1));
    const int columns = rows.columnCount();
    for (int c = 0; c < columns; ++c) {
        out += (c ? QStringLiteral(",") : QString()) + csvField(rows.columnName(c));
    }
    out += QStringLiteral("\r\n");
    for (int r = 0; r < rows.fetchedCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            if (c) {
                out += u',';
            }
            out += csvField(rows.text(r, c));
        }
        out += QStringLiteral("\r\n");
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw ReportError(cannotWrite(path));
    }
    const QByteArray bom("\xEF\xBB\xBF");
    if (file.write(bom) != bom.size() || file.write(out.toUtf8()) < 0 || !file.flush()) {
        throw ReportError(cannotWrite(path));
    }
}

void exportXlsx(ResultSet& rows, const QString& path, const QString& sheetName) {
    rows.fetchAll();
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook* book = workbook_new(file.constData());
    if (!book) {
        throw ReportError(cannotWrite(path));
    }
    const QByteArray sheetUtf8 = sheetNameFrom(sheetName).toUtf8();
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetUtf8.constData());
    lxw_format* header = workbook_add_format(book);
    format_set_bold(header);
    lxw_format* amount = workbook_add_format(book);
    format_set_num_format(amount, "#,##0.00");

    const int columns = rows.columnCount();
    std::vector<CellKind> kinds;
    for (int c = 0; c < columns; ++c) {
        kinds.push_back(columnKind(rows, c));
        const auto col = static_cast<lxw_col_t>(c);
        worksheet_write_string(sheet, 0, col, rows.columnName(c).toUtf8().constData(), header);
        worksheet_set_column(sheet, col, col, kinds.back() == CellKind::Text ? 18 : 14, nullptr);
    }
    for (int r = 0; r < rows.fetchedCount(); ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (int c = 0; c < columns; ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            if (rows.isNull(r, c)) {
                continue;
            }
            switch (kinds[c]) {
                case CellKind::Amount:
                    worksheet_write_number(sheet, row, col, rows.money(r, c).toDouble(), amount);
                    break;
                case CellKind::Integer:
                    worksheet_write_number(sheet, row, col, static_cast<double>(rows.integer(r, c)),
                                           nullptr);
                    break;
                case CellKind::Text:
                    worksheet_write_string(sheet, row, col, rows.text(r, c).toUtf8().constData(),
                                           nullptr);
                    break;
            }
        }
    }
    if (workbook_close(book) != LXW_NO_ERROR) {
        throw ReportError(cannotWrite(path));
    }
}

}  // namespace orbista::report
