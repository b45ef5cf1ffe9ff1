#include "exportcommand.h"

#include "Unitdm1.h"
#include "admincommands.h"
#include "database.h"
#include "operatorlogin.h"
#include "paginator.h"
#include "printjob.h"
#include "printrecord.h"
#include "reporterror.h"
#include "reportexport.h"
#include "reportoutput.h"
#include "screenregistry.h"
#include "screens.h"
#include "session.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace orbista::admin {

namespace {

constexpr int kWritten = 0;
constexpr int kNothing = 1;
constexpr int kUsage = 2;

const QString kUsageText = QStringLiteral(
    "  export --list                  every screen's printouts and the values they take\n"
    "  export CLASS [PRINTOUT] --from yyyy-mm-dd --to yyyy-mm-dd [--set NAME=VALUE]...\n"
    "         (--pdf FILE | --xlsx FILE | --csv FILE) [--operator CODE]\n"
    "                                 fills the screen's printout as its preview shows it\n"
    "                                 and writes the file, in the database orbista.udl names\n");

// A refusal: the message for standard error and the exit status.
struct Refusal {
    int status;
    QString message;
};

struct Request {
    QString className;
    QString printout;
    QString from;
    QString to;
    FilterValues values;
    QString format;  // "pdf", "xlsx", "csv"
    QString file;
    QString operatorCode;
};

bool isDay(const QString& text) {
    const QDate day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return day.isValid() && day.toString(QStringLiteral("yyyy-MM-dd")) == text;
}

// Reads the options; a refusal names what is wrong.
std::variant<Request, Refusal> parse(const QStringList& options) {
    Request r;
    QStringList positional;
    for (int i = 0; i < options.size(); ++i) {
        const QString& o = options[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= options.size()) {
                return std::nullopt;
            }
            return options[++i];
        };
        if (o == u"--from" || o == u"--to" || o == u"--set" || o == u"--pdf" || o == u"--xlsx" ||
            o == u"--csv" || o == u"--operator") {
            const std::optional<QString> v = value();
            if (!v) {
                return Refusal{kUsage, o + QStringLiteral(" 后缺少取值")};
            }
            if (o == u"--from") {
                r.from = *v;
            } else if (o == u"--to") {
                r.to = *v;
            } else if (o == u"--operator") {
                r.operatorCode = *v;
            } else if (o == u"--set") {
                const qsizetype eq = v->indexOf(u'=');
                if (eq <= 0) {
                    return Refusal{kUsage, QStringLiteral("--set 须写成 NAME=VALUE：") + *v};
                }
                r.values.insert(v->left(eq), v->mid(eq + 1));
            } else {
                if (!r.format.isEmpty()) {
                    return Refusal{kUsage, QStringLiteral("只能指定一个输出文件")};
                }
                r.format = o.mid(2);
                r.file = *v;
            }
        } else if (o.startsWith(u"--")) {
            return Refusal{kUsage, QStringLiteral("不认识的选项：") + o};
        } else {
            positional << o;
        }
    }
    if (positional.isEmpty() || positional.size() > 2) {
        return Refusal{kUsage, QStringLiteral("请指定一个窗口类名（可再指定一个打印表名）")};
    }
    r.className = positional.value(0);
    r.printout = positional.value(1);
    if (!isDay(r.from) || !isDay(r.to)) {
        return Refusal{kUsage, QStringLiteral("--from 和 --to 须为 yyyy-mm-dd 日期")};
    }
    if (r.format.isEmpty()) {
        return Refusal{kUsage, QStringLiteral("请用 --pdf、--xlsx 或 --csv 指定输出文件")};
    }
    return r;
}

void list(QTextStream& out) {
    for (const ScreenRecord& screen : registeredScreens()) {
        for (const Printout& p : screen.printouts) {
            out << screen.className << ' ' << p.name << '\n';
            for (const FilterSpec& f : p.filters) {
                out << "    " << f.name << "  " << f.meaning;
                if (!f.defaultValue.isEmpty()) {
                    out << QStringLiteral("（默认 ") << f.defaultValue << QStringLiteral("）");
                }
                out << '\n';
            }
        }
    }
}

std::variant<const Printout*, Refusal> printoutOf(const Request& r) {
    const ScreenRecord* screen = findScreen(r.className);
    if (!screen) {
        return Refusal{kUsage, QStringLiteral("没有这个窗口：") + r.className +
                                   QStringLiteral("（export --list 列出全部）")};
    }
    QStringList names;
    for (const Printout& p : screen->printouts) {
        names << p.name;
        if (p.name == r.printout || (r.printout.isEmpty() && screen->printouts.size() == 1)) {
            return &p;
        }
    }
    if (names.isEmpty()) {
        return Refusal{kUsage, r.className + QStringLiteral(" 没有打印表")};
    }
    return Refusal{kUsage, (r.printout.isEmpty() ? QStringLiteral("请指定打印表：")
                                                 : QStringLiteral("没有这个打印表：") + r.printout +
                                                       QStringLiteral("；可选：")) +
                               names.join(QStringLiteral(", "))};
}

// The period and every value given, checked against what the printout takes, defaults filled.
std::variant<FilterValues, Refusal> valuesOf(const Request& r, const Printout& p) {
    FilterValues values;
    for (auto it = r.values.begin(); it != r.values.end(); ++it) {
        if (!p.takes(it.key()) || it.key() == u"start" || it.key() == u"end") {
            return Refusal{kUsage, p.name + QStringLiteral(" 不接受取值 ") + it.key()};
        }
    }
    for (const FilterSpec& f : p.filters) {
        values.insert(f.name, r.values.value(f.name, f.defaultValue));
    }
    values.insert(QStringLiteral("start"), r.from);
    values.insert(QStringLiteral("end"), r.to);
    return values;
}

// The session the screens would have after a login: hospital name, operator, department "01".
std::optional<Refusal> logIn(Database& db, const QString& operatorCode) {
    Session& s = Session::current();
    s.clear();
    auto hospital = db.query(hospitalNameStatement());
    s.hospitalName = hospital->isEmpty() ? QString() : hospital->text(0, 0);
    if (!operatorCode.isEmpty()) {
        const std::optional<OperatorRow> row = OperatorLogin(db).lookup(operatorCode);
        if (!row) {
            return Refusal{kUsage, QStringLiteral("没有这个操作员：") + operatorCode};
        }
        s.operatorCode = row->code;
        s.operatorName = row->name;
        s.operatorGrade = row->grade.trimmed();
    }
    s.loginDepartmentCode = QStringLiteral("01");
    return std::nullopt;
}

// Writes beside the target and renames over it, so a failed run never leaves half a file.
void writeWhole(const QString& file, const std::function<void(const QString& path)>& write) {
    const QString part = file + QStringLiteral(".part");
    QFile::remove(part);
    try {
        write(part);
    } catch (...) {
        QFile::remove(part);
        throw;
    }
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(file).constData()) !=
        0) {
        QFile::remove(part);
        throw report::ReportError(QStringLiteral("无法写入 ") + file);
    }
}

int exportOne(const Request& r, const Printout& p, const FilterValues& values, QTextStream& err) {
    Database& db = Database::shared();
    try {
        db.ensureOpen();
        if (const auto refused = logIn(db, r.operatorCode)) {
            err << refused->message << '\n';
            return refused->status;
        }
    } catch (const DbError& e) {
        err << e.message() << '\n';
        return kUsage;
    }
    try {
        err << QStringLiteral("正在查询 %1 %2 …\n").arg(r.className, p.name);
        err.flush();
        std::unique_ptr<PrintJob> job = p.fill(db, values);
        if (job->refused()) {
            err << job->refusal() << '\n';
            return kNothing;
        }
        report::ReportLayout& layout = job->layout();
        const report::ReportDocument document = report::paginate(layout);
        err << QStringLiteral("排版完成，共 %1 页\n").arg(document.pageCount());
        err.flush();
        const QString file = QFileInfo(r.file).absoluteFilePath();
        writeWhole(file, [&](const QString& path) {
            if (r.format == u"pdf") {
                report::writePdf(document, path);
                return;
            }
            // A sheet without rows (a one-page summary) exports its printed texts.
            std::unique_ptr<ResultSet> texts;
            ResultSet* rows = layout.boundRows();
            if (!rows) {
                QList<QVariantList> lines;
                for (const report::Page& page : document.pages) {
                    for (const report::PageText& t : page.texts) {
                        lines.append({t.text});
                    }
                }
                texts = ResultSet::fromRows({QStringLiteral("text")}, lines);
                rows = texts.get();
            }
            if (r.format == u"xlsx") {
                report::exportXlsx(*rows, path, layout.titleText());
            } else {
                report::exportCsv(*rows, path);
            }
        });
        err << QStringLiteral("已写入 ") << file << '\n';

        report::PrintRecord record;
        record.operatorName = Session::current().operatorName;
        record.screen = r.className;
        record.printout = p.name;
        record.filters = values;
        record.pages = document.pageCount();
        record.grandTotal = report::grandTotalText(layout, document);
        record.output = r.format + QStringLiteral(": ") + file;
        const QString unrecorded = report::appendPrintRecord(record);
        if (!unrecorded.isEmpty()) {
            err << unrecorded << '\n';  // the file is written all the same
        }
        return kWritten;
    } catch (const DbError& e) {
        err << e.message() << '\n';
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << '\n';
    }
    return kNothing;
}

}  // namespace

int runExport(const QStringList& options, QTextStream& out, QTextStream& err) {
    registerAllScreens();
    if (options == QStringList{QStringLiteral("--list")}) {
        list(out);
        return kWritten;
    }
    const auto request = parse(options);
    if (const auto* refused = std::get_if<Refusal>(&request)) {
        err << refused->message << '\n' << "usage:\n" << kUsageText;
        return refused->status;
    }
    const Request& r = std::get<Request>(request);
    const auto printout = printoutOf(r);
    if (const auto* refused = std::get_if<Refusal>(&printout)) {
        err << refused->message << '\n';
        return refused->status;
    }
    const Printout& p = *std::get<const Printout*>(printout);
    const auto values = valuesOf(r, p);
    if (const auto* refused = std::get_if<Refusal>(&values)) {
        err << refused->message << '\n';
        return refused->status;
    }
    return exportOne(r, p, std::get<FilterValues>(values), err);
}

void registerExportCommand() {
    addCommand(QStringLiteral("export"), kUsageText, runExport);
}

}  // namespace orbista::admin
