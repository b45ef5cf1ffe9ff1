#pragma once

#include <QFlags>
#include <QMap>
#include <QSizeF>
#include <QString>
#include <Qt>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orbista {
class ResultSet;
}

namespace orbista::report {

// Layout units. Layouts are written in millimetres; items created at run time keep the
// classic engine's report pixels: 96 per inch at 100 % zoom.
constexpr double kMmPerInch = 25.4;
constexpr double kPxPerInch = 96.0;
constexpr double pxToMm(double px) {
    return px * kMmPerInch / kPxPerInch;
}
constexpr double mmToPx(double mm) {
    return mm * kPxPerInch / kMmPerInch;
}

enum class PageSize { A4, Letter, B5, Custom };
enum class Orientation { Portrait, Landscape };
enum class Unit { Mm, Px };

// Bands in the order they print on a page.
enum class BandKind { Title, PageHeader, ColumnHeader, Detail, Summary, PageFooter };
constexpr int kBandKindCount = 6;

enum class ItemKind { Label, Field, Expression, System, Shape };
enum class SystemData { RowNumber, PageNumber, PageOfPages, Date, Time, DateTime };
enum class ShapeKind { Rectangle, HorizontalLine, VerticalLine };

enum class Side { None = 0, Left = 1, Top = 2, Right = 4, Bottom = 8, All = 15 };
Q_DECLARE_FLAGS(Sides, Side)
Q_DECLARE_OPERATORS_FOR_FLAGS(Sides)

struct FontSpec {
    QString family = QStringLiteral("宋体");
    double pointSize = 10;
    bool bold = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Replaces an item's text just before it prints (titles computed while printing, totals
// reformatted). Runs once per printed occurrence.
using PrintHandler = std::function<void(QString& text)>;

// One item on a band: geometry relative to the band's top left corner, in its own unit.
// A width of 0 means "as wide as its text" (run-time items keep that default).
class ReportItem {
  public:
    ReportItem(ItemKind kind, Unit unit, double x, double y, double width, double height);

    // --- builder setters, chainable ---
    ReportItem& name(const QString& itemName);
    ReportItem& caption(const QString& text);
    ReportItem& column(const QString& columnName);
    ReportItem& expression(const QString& text);
    ReportItem& mask(const QString& pattern);
    ReportItem& font(const QString& family, double pointSize, bool bold = false);
    ReportItem& bold(bool on = true);
    ReportItem& align(Qt::Alignment alignment);
    ReportItem& alignLeft() { return align(Qt::AlignLeft); }
    ReportItem& alignRight() { return align(Qt::AlignRight); }
    ReportItem& alignCenter() { return align(Qt::AlignHCenter); }
    ReportItem& frame(Sides sides, double lineWidthMm = 0.2);
    ReportItem& lineWidth(double mm);
    ReportItem& onPrint(PrintHandler handler);

    // --- reading ---
    ItemKind kind() const { return kind_; }
    const QString& itemName() const { return name_; }
    const QString& captionText() const { return caption_; }
    const QString& columnName() const { return column_; }
    const QString& expressionText() const { return expression_; }
    const QString& maskPattern() const { return mask_; }
    const FontSpec& fontSpec() const { return font_; }
    Qt::Alignment alignment() const { return alignment_; }
    Sides frameSides() const { return frame_; }
    double lineWidthMm() const { return lineWidth_; }
    const PrintHandler& printHandler() const { return handler_; }
    Unit unit() const { return unit_; }
    double x() const { return x_; }
    double y() const { return y_; }
    double width() const { return width_; }
    double height() const { return height_; }
    bool isRuntime() const { return runtime_; }
    SystemData systemData() const { return system_; }
    ShapeKind shapeKind() const { return shape_; }

  private:
    friend class Band;
    ItemKind kind_;
    Unit unit_;
    double x_, y_, width_, height_;
    QString name_;
    QString caption_;
    QString column_;
    QString expression_;
    QString mask_;
    FontSpec font_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    Sides frame_ = Side::None;
    double lineWidth_ = 0.2;
    PrintHandler handler_;
    bool runtime_ = false;
    SystemData system_ = SystemData::PageNumber;
    ShapeKind shape_ = ShapeKind::Rectangle;
};

// A horizontal strip of the page with a fixed height, holding items.
class Band {
  public:
    Band(BandKind kind, double heightMm) : kind_(kind), height_(heightMm) {}

    BandKind kind() const { return kind_; }
    double heightMm() const { return height_; }
    Band& height(double mm) {
        height_ = mm;
        return *this;
    }

    // --- items of the layout, geometry in millimetres ---
    // A label the screen fills by name (setCaption) or that keeps the caption given.
    ReportItem& label(const QString& name, double x, double y, double w, double h);
    // A fixed caption.
    ReportItem& text(const QString& caption, double x, double y, double w, double h);
    ReportItem& field(const QString& column, double x, double y, double w, double h);
    ReportItem& expression(const QString& expr, double x, double y, double w, double h);
    ReportItem& system(SystemData data, double x, double y, double w, double h);
    ReportItem& rectangle(double x, double y, double w, double h);
    ReportItem& hline(double x, double y, double w);
    ReportItem& vline(double x, double y, double h);

    // --- items created at run time, in report pixels from the band's own left and top;
    // tagged so that removeRuntimeItems() takes away what an earlier run made ---
    ReportItem& runtimeLabel(const QString& caption, double xPx, double yPx);
    ReportItem& runtimeField(const QString& column, double xPx, double yPx);
    ReportItem& runtimeExpression(const QString& expr, double xPx, double yPx);
    int removeRuntimeItems();

    const std::vector<std::unique_ptr<ReportItem>>& items() const { return items_; }
    ReportItem* find(const QString& name) const;

  private:
    ReportItem& add(std::unique_ptr<ReportItem> item);
    ReportItem& addRuntime(ItemKind kind, double xPx, double yPx);

    BandKind kind_;
    double height_;
    std::vector<std::unique_ptr<ReportItem>> items_;
};

// What the print record says of a layout when the window printing it cannot tell: the
// screen, which of its printouts, the filter values.
struct RecordContext {
    QString screen;
    QString printout;
    QMap<QString, QString> filters;
};

struct Margins {
    double left = 10, top = 10, right = 10, bottom = 10;
};

// A banded page definition bound to one result set. Screens build one band by band, fill
// run-time texts by item name, then hand it to a preview or print flow.
class ReportLayout {
  public:
    ReportLayout();
    ~ReportLayout();
    ReportLayout(const ReportLayout&) = delete;
    ReportLayout& operator=(const ReportLayout&) = delete;

    // --- page ---
    ReportLayout& page(PageSize size, Orientation orientation = Orientation::Portrait);
    ReportLayout& customPage(double widthMm, double heightMm,
                             Orientation orientation = Orientation::Portrait);
    ReportLayout& margins(double allMm);
    ReportLayout& margins(double left, double top, double right, double bottom);
    PageSize pageSize() const { return pageSize_; }
    Orientation orientation() const { return orientation_; }
    const Margins& pageMargins() const { return margins_; }
    // Paper size as printed, orientation applied.
    QSizeF paperMm() const;
    // The band's left edge on the page in report pixels (38 for the 10 mm margin).
    int bandLeftPx() const;

    // --- bands: one of each kind; asking again returns the same band ---
    Band& band(BandKind kind, double heightMm);
    Band* findBand(BandKind kind) const;

    // --- items by name ---
    ReportItem* item(const QString& name) const;
    // Sets a named label's caption; false when no item has that name.
    bool setCaption(const QString& name, const QString& text);
    int removeRuntimeItems();

    // --- data and run-time behaviour ---
    ReportLayout& bind(ResultSet* rows);
    ResultSet* boundRows() const { return rows_; }
    ReportLayout& title(const QString& windowTitle);
    const QString& titleText() const { return title_; }
    ReportLayout& printIfEmpty(bool on);
    bool printsIfEmpty() const { return printIfEmpty_; }
    // Preview zoom in percent (100 on most layouts, 60 on a few).
    ReportLayout& zoom(int percent);
    int zoomPercent() const { return zoom_; }
    // Called after the pages went to a printer (or to the print-to-file path), also when
    // printing starts from the preview window.
    ReportLayout& onAfterPrint(std::function<void()> callback);
    const std::function<void()>& afterPrint() const { return afterPrint_; }
    void notifyPrinted() const;
    // The print record's screen, printout and filters, used instead of the printing window's
    // class and "printFilters" property and the layout's title; an empty screen or printout
    // still comes from those.
    ReportLayout& setRecordContext(QString screen, QString printout,
                                   QMap<QString, QString> filters);
    const std::optional<RecordContext>& recordContext() const { return recordContext_; }

  private:
    PageSize pageSize_ = PageSize::A4;
    Orientation orientation_ = Orientation::Portrait;
    QSizeF customMm_;
    Margins margins_;
    std::unique_ptr<Band> bands_[kBandKindCount];
    ResultSet* rows_ = nullptr;
    QString title_;
    bool printIfEmpty_ = true;
    int zoom_ = 100;
    std::function<void()> afterPrint_;
    std::optional<RecordContext> recordContext_;
};

// Paper size in portrait, millimetres.
QSizeF paperSizeMm(PageSize size);

}  // namespace orbista::report
