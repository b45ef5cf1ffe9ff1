#include "reportkit.h"

namespace orbista::report {

namespace {

constexpr double kFullWidthCharMm = 4.5;
constexpr double kMakerLabelWidthMm = 42;

}  // namespace

double captionWidthMm(const QString& caption) {
    double width = 0;
    for (const QChar c : caption) {
        width += c.unicode() < 0x2E80 ? kFullWidthCharMm / 2 : kFullWidthCharMm;
    }
    return width;
}

ReportItem& titleLine(Band& band, const QString& name, const QString& reportName, double y,
                      double widthMm, double heightMm) {
    return band.label(name, 0, y, widthMm, heightMm)
        .caption(reportName)
        .font(QStringLiteral("宋体"), kReportTitlePoints, true)
        .alignCenter();
}

void fillTitle(ReportLayout& layout, const QString& name, const QString& hospitalName,
               const QString& reportName) {
    const QString title = hospitalName + reportName;
    layout.title(title);
    layout.setCaption(name, title);
}

ReportItem& periodLine(Band& band, const QString& caption, const QString& name, double x, double y,
                       double labelWidthMm) {
    const double captionWidth = captionWidthMm(caption);
    band.text(caption, x, y, captionWidth, kInfoLineHeightMm);
    return band.label(name, x + captionWidth, y, labelWidthMm, kInfoLineHeightMm);
}

void fillPeriod(ReportLayout& layout, const QString& name, const PrintContext& context,
                const QString& separator) {
    layout.setCaption(name, context.startDay + separator + context.endDay);
}

ReportItem& makerLine(Band& band, const QString& name, double x, double y, const QString& caption) {
    const double captionWidth = captionWidthMm(caption);
    band.text(caption, x, y, captionWidth, kInfoLineHeightMm);
    return band.label(name, x + captionWidth, y, kMakerLabelWidthMm, kInfoLineHeightMm);
}

void fillMaker(ReportLayout& layout, const QString& name, const PrintContext& context) {
    layout.setCaption(name, context.operatorName);
}

void captionRow(Band& band, const std::vector<TableColumn>& columns, double x, double y,
                double heightMm) {
    for (const TableColumn& c : columns) {
        band.text(c.caption, x, y, c.widthMm, heightMm).frame(Side::All).alignCenter();
        x += c.widthMm;
    }
}

void detailRow(Band& band, const std::vector<TableColumn>& columns, double x, double heightMm) {
    for (const TableColumn& c : columns) {
        if (c.field.isEmpty()) {
            band.rectangle(x, 0, c.widthMm, heightMm);
        } else {
            ReportItem& cell = band.field(c.field, x, 0, c.widthMm, heightMm)
                                   .mask(c.mask)
                                   .align(c.alignment)
                                   .frame(Side::All);
            if (!c.itemName.isEmpty()) {
                cell.name(c.itemName);
            }
        }
        x += c.widthMm;
    }
}

void summaryRow(Band& band, const std::vector<TableColumn>& columns, double x, double y,
                double heightMm) {
    for (const TableColumn& c : columns) {
        if (c.sums && !c.field.isEmpty()) {
            band.expression(QStringLiteral("SUM(") + c.field + u')', x, y, c.widthMm, heightMm)
                .name(QStringLiteral("sum_") + c.field)
                .mask(c.mask)
                .alignRight();
        }
        x += c.widthMm;
    }
}

double tableWidth(const std::vector<TableColumn>& columns) {
    double width = 0;
    for (const TableColumn& c : columns) {
        width += c.widthMm;
    }
    return width;
}

}  // namespace orbista::report
