#include "crosstabcolumns.h"

#include "reportlayout.h"

namespace orbista::report {

namespace {

Band& bandOrDefault(ReportLayout& layout, BandKind kind, double heightPx) {
    if (Band* existing = layout.findBand(kind)) {
        return *existing;
    }
    return layout.band(kind, pxToMm(heightPx));
}

}  // namespace

void buildCrossTabColumns(ReportLayout& layout, const CrossTabColumns& columns) {
    using namespace crosstab;
    layout.removeRuntimeItems();
    // Heights of the classic cross-table layout when a screen did not lay the bands out.
    Band& header = bandOrDefault(layout, BandKind::ColumnHeader, 31);
    Band& detail = bandOrDefault(layout, BandKind::Detail, 34);
    Band& summary = bandOrDefault(layout, BandKind::Summary, 35);

    auto styled = [](ReportItem& item) -> ReportItem& { return item.font(kFontFamily, kFontSize); };

    styled(header.runtimeLabel(columns.firstCaption, kHeadingX, kTop));
    styled(detail.runtimeField(columns.nameColumn, kHeadingX, kTop));

    const auto n = static_cast<int>(columns.groupNames.size());
    const int totalX = kGroupStep * n + kTotalAfterGroups;
    styled(header.runtimeLabel(QStringLiteral("总计"), totalX, kTop));
    styled(detail.runtimeField(QStringLiteral("total"), totalX, kTop)).mask(kMask);
    styled(summary.runtimeExpression(QStringLiteral("sum(total)"), totalX, kTop)).mask(kMask);

    for (int k = 1; k <= n; ++k) {
        const int x = kGroupStep * k;
        const QString column = QStringLiteral("name") + QString::number(k);
        styled(header.runtimeLabel(columns.groupNames[k - 1], x, kTop));
        styled(detail.runtimeField(column, x, kTop)).mask(kMask);
        styled(summary.runtimeExpression(QStringLiteral("sum(") + column + u')', x, kTop))
            .mask(kMask);
    }
}

}  // namespace orbista::report
