#include "printrecord.h"

#include "reportoutput.h"

#include "prompts.h"
#include "session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <exception>

namespace orbista::report {

namespace {

QString& printLogDirectory() {
    static QString dir;
    return dir;
}

// A JSON string literal: quotes, backslashes and control characters escaped, everything else
// (Chinese included) kept as it is, to be written as UTF-8.
QString jsonString(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'"':
                out += QStringLiteral("\\\"");
                break;
            case u'\\':
                out += QStringLiteral("\\\\");
                break;
            case u'\n':
                out += QStringLiteral("\\n");
                break;
            case u'\r':
                out += QStringLiteral("\\r");
                break;
            case u'\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20) {
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
                } else {
                    out += c;
                }
        }
    }
    out += u'"';
    return out;
}

QString jsonLine(const PrintRecord& record) {
    const QDateTime at = record.at.isValid() ? record.at : QDateTime::currentDateTime();
    QStringList filters;
    for (auto it = record.filters.cbegin(); it != record.filters.cend(); ++it) {
        filters << jsonString(it.key()) + u':' + jsonString(it.value());
    }
    const QStringList members{
        QStringLiteral("\"time\":") +
            jsonString(at.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss"))),
        QStringLiteral("\"operator\":") + jsonString(record.operatorName),
        QStringLiteral("\"screen\":") + jsonString(record.screen),
        QStringLiteral("\"printout\":") + jsonString(record.printout),
        QStringLiteral("\"filters\":{") + filters.join(u',') + u'}',
        QStringLiteral("\"pages\":") + QString::number(record.pages),
        QStringLiteral("\"total\":") + jsonString(record.grandTotal),
        QStringLiteral("\"output\":") + jsonString(record.output),
    };
    return u'{' + members.join(u',') + QStringLiteral("}\n");
}

// "orbista::Tfrmmz_query_cost_total" -> "Tfrmmz_query_cost_total".
QString screenClassOf(const QWidget* parent) {
    if (!parent) {
        return {};
    }
    const QString name = QString::fromLatin1(parent->window()->metaObject()->className());
    const qsizetype colons = name.lastIndexOf(QStringLiteral("::"));
    return colons < 0 ? name : name.mid(colons + 2);
}

QMap<QString, QString> printFiltersOf(const QWidget* parent) {
    QMap<QString, QString> filters;
    if (!parent) {
        return filters;
    }
    const QVariantMap values = parent->window()->property("printFilters").toMap();
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QVariant& v = it.value();
        filters.insert(it.key(), v.typeId() == QMetaType::QStringList ? v.toStringList().join(u',')
                                                                      : v.toString());
    }
    return filters;
}

}  // namespace

void setPrintLogDirectory(const QString& dir) {
    printLogDirectory() = dir;
}

QString printLogPath() {
    const QString& dir = printLogDirectory();
    const QDir folder = dir.isEmpty() ? QDir::current() : QDir(dir);
    return folder.absoluteFilePath(QString::fromLatin1(kPrintLogFileName));
}

QString appendPrintRecord(const PrintRecord& record) {
    QString path;
    try {
        path = printLogPath();
        const QByteArray line = jsonLine(record).toUtf8();
        QFile file(path);
        // Unbuffered: the line goes out in one write, so lines of two clients appending to the
        // same log do not interleave.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            return QStringLiteral("无法写入打印记录 %1：%2")
                .arg(QDir::toNativeSeparators(path), file.errorString());
        }
        if (file.write(line) != line.size()) {
            return QStringLiteral("无法写入打印记录 %1：%2")
                .arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return {};
    } catch (const std::exception& e) {
        return QStringLiteral("无法写入打印记录 %1：%2")
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return QStringLiteral("无法写入打印记录 %1").arg(QDir::toNativeSeparators(path));
    }
}

QString grandTotalText(const ReportLayout& layout, const ReportDocument& document) {
    const Band* summary = layout.findBand(BandKind::Summary);
    if (!summary || document.pages.empty()) {
        return {};
    }
    QString name = QStringLiteral("total");
    if (!summary->find(name)) {
        name.clear();
        for (const auto& item : summary->items()) {
            if (item->itemName().startsWith(QStringLiteral("sum_"))) {
                name = item->itemName();
            }
        }
        if (name.isEmpty()) {
            return {};
        }
    }
    // The summary prints once, on the last page.
    const std::vector<PageText>& texts = document.pages.back().texts;
    for (auto it = texts.crbegin(); it != texts.crend(); ++it) {
        if (it->item == name) {
            return it->text;
        }
    }
    return {};
}

QString directPrintOutput() {
    const QString pdfPath = qEnvironmentVariable(kPrintToPdfVariable);
    if (pdfPath.isEmpty()) {
        return QStringLiteral("printer");
    }
    return QStringLiteral("pdf: ") +
           QDir::toNativeSeparators(QFileInfo(pdfPath).absoluteFilePath());
}

PrintRecord printRecordFor(QWidget* parent, const ReportLayout& layout,
                           const ReportDocument& document, const QString& output) {
    PrintRecord record;
    record.at = QDateTime::currentDateTime();
    record.operatorName = Session::current().operatorName;
    record.screen = screenClassOf(parent);
    record.printout = layout.titleText();
    if (const auto& context = layout.recordContext()) {
        if (!context->screen.isEmpty()) {
            record.screen = context->screen;
        }
        if (!context->printout.isEmpty()) {
            record.printout = context->printout;
        }
        record.filters = context->filters;
    } else {
        record.filters = printFiltersOf(parent);
    }
    record.pages = document.pageCount();
    record.grandTotal = grandTotalText(layout, document);
    record.output = output;
    return record;
}

void recordPrint(QWidget* parent, const ReportLayout& layout, const ReportDocument& document,
                 const QString& output, QWidget* warningParent) {
    const QString failure = appendPrintRecord(printRecordFor(parent, layout, document, output));
    if (!failure.isEmpty()) {
        prompter().messageBox(warningParent ? warningParent : parent, failure,
                              QStringLiteral("系统提示"), PromptIcon::Warning, PromptButtons::Ok);
    }
}

}  // namespace orbista::report
