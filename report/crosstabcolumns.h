#pragma once

#include <QString>
#include <QStringList>

namespace orbista::report {

class ReportLayout;

// The columns of a department or doctor income cross table, built when the report is
// previewed because the fee groups depend on the period.
struct CrossTabColumns {
    QStringList groupNames;  // fee groups in the order of the result's name1 … nameN
    QString nameColumn;      // the row heading column: "fydoctor" or "fydepa"
    QString firstCaption;    // its caption: "部门" or "医生"
};

// Geometry of the run-time columns, in report pixels from the band's left edge.
namespace crosstab {
constexpr int kHeadingX = 1;
constexpr int kGroupStep = 100;         // group k sits at k × 100
constexpr int kTotalAfterGroups = 200;  // the total sits 200 right of group n's slot
constexpr int kTop = 10;
constexpr double kFontSize = 11;
inline const QString kFontFamily = QStringLiteral("宋体");
inline const QString kMask = QStringLiteral("###,###,###.##");
}  // namespace crosstab

// Removes the run-time items of an earlier build, then creates on the column-header, detail
// and summary bands (created if missing): the heading caption and name field at 1; the
// "总计" caption, the "total" field and "sum(total)" at 100 × n + 200; for k = 1 … n the
// k-th group name, the field "name" + k and "sum(name" + k + ")" at 100 × k. Every item sits
// 10 below its band's top in 宋体 11; amounts use the mask "###,###,###.##".
void buildCrossTabColumns(ReportLayout& layout, const CrossTabColumns& columns);

}  // namespace orbista::report
