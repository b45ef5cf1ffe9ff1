#pragma once

#include "reportlayout.h"

#include <QString>
#include <Qt>

#include <vector>

namespace orbista::report {

// The pieces most printouts share, so a screen lays out a ruled statement in a few lines:
//
//   const std::vector<TableColumn> columns = {
//       {QStringLiteral("医生名称"), QStringLiteral("fydoctor"), 30},
//       {QStringLiteral("费用金额（￥）"), QStringLiteral("fyprice"), 35, kMoneyMask, true,
//        Qt::AlignRight}};
//   Band& header = layout.band(BandKind::ColumnHeader, 32);
//   titleLine(header, QStringLiteral("cap1"), QStringLiteral("门诊医生收入明细表"));
//   periodLine(header, QStringLiteral("日期："), QStringLiteral("djdate"), 0, 13);
//   makerLine(header, QStringLiteral("djy"), 130, 13);
//   captionRow(header, columns, 0, 22, 9);
//   detailRow(layout.band(BandKind::Detail, 8), columns, 0, 8);
//   summaryRow(layout.band(BandKind::Summary, 10), columns, 0, 2, 7);
//
// and, just before printing, fillTitle / fillPeriod / fillMaker from a PrintContext.

// The amount mask of the money columns.
inline const QString kMoneyMask = QStringLiteral("###,###,##0.00");
// Report titles: 宋体 14 pt bold.
constexpr double kReportTitlePoints = 14;
// Height of a caption-and-label line (period, maker).
constexpr double kInfoLineHeightMm = 6;

// The run-time texts every printout takes from the session and the screen's range.
struct PrintContext {
    QString hospitalName{};
    QString operatorName{};
    QString startDay{};  // "yyyy-mm-dd"
    QString endDay{};
};

// One column of a ruled table: caption in the framed caption row, the field (column of
// the bound result) in the framed detail cell, its width in mm, a display mask ("" none),
// and whether the summary band prints SUM(field) under it. A column without a field is a
// blank framed cell in the detail row (a column filled in by hand on the paper).
// Every member has an initializer, so a column can be written with its leading members only.
struct TableColumn {
    QString caption{};
    QString field{};
    double widthMm = 30;
    QString mask{};
    bool sums = false;
    Qt::Alignment alignment = Qt::AlignLeft;  // money columns pass Qt::AlignRight
    QString itemName{};                       // optional item name for the detail field
};

// The width in mm a fixed caption takes in the default 10 pt font, with a little room after
// it: 4.5 mm a full-width character, half that for others.
double captionWidthMm(const QString& caption);

// A centred title label named `name` whose caption is "<report name>" until filled;
// fillTitle sets it (and the layout's window title) to hospital name + report name.
ReportItem& titleLine(Band& band, const QString& name, const QString& reportName, double y = 2,
                      double widthMm = 190, double heightMm = 9);
void fillTitle(ReportLayout& layout, const QString& name, const QString& hospitalName,
               const QString& reportName);

// A caption followed by a label named `name` for the period; returns the label.
ReportItem& periodLine(Band& band, const QString& caption, const QString& name, double x, double y,
                       double labelWidthMm = 70);
// Writes start + separator + end into the period label `name`.
void fillPeriod(ReportLayout& layout, const QString& name, const PrintContext& context,
                const QString& separator = QStringLiteral("--"));

// A "制表人：" caption followed by a label named `name` for the maker; returns the label,
// which runs 42 mm.
ReportItem& makerLine(Band& band, const QString& name, double x, double y,
                      const QString& caption = QStringLiteral("制表人："));
// Writes the operator's name into the maker label `name`.
void fillMaker(ReportLayout& layout, const QString& name, const PrintContext& context);

// The framed caption row at (x, y) of `band`, one centred cell per column, heights in mm.
void captionRow(Band& band, const std::vector<TableColumn>& columns, double x, double y,
                double heightMm);
// The framed detail cells of one row at (x, 0), one per column, with masks and alignment.
void detailRow(Band& band, const std::vector<TableColumn>& columns, double x, double heightMm);
// Under each summing column, an expression "SUM(field)" with the column's mask, right
// aligned, named "sum_" + field.
void summaryRow(Band& band, const std::vector<TableColumn>& columns, double x, double y,
                double heightMm);
// The columns' widths added up: the width of the ruled table.
double tableWidth(const std::vector<TableColumn>& columns);

}  // namespace orbista::report
