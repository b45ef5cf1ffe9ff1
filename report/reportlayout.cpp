#include "reportlayout.h"

#include <algorithm>
#include <cmath>

namespace orbista::report {

QSizeF paperSizeMm(PageSize size) {
    switch (size) {
        case PageSize::A4:
            return {210.0, 297.0};
        case PageSize::Letter:
            return {215.9, 279.4};
        case PageSize::B5:
            // The printers' "B5" of the Windows paper list is the JIS size.
            return {182.0, 257.0};
        case PageSize::Custom:
            break;
    }
    return {};
}

// --- items ---

ReportItem::ReportItem(ItemKind kind, Unit unit, double x, double y, double width, double height)
    : kind_(kind), unit_(unit), x_(x), y_(y), width_(width), height_(height) {}

ReportItem& ReportItem::name(const QString& itemName) {
    name_ = itemName;
    return *this;
}
ReportItem& ReportItem::caption(const QString& text) {
    caption_ = text;
    return *this;
}
ReportItem& ReportItem::column(const QString& columnName) {
    column_ = columnName;
    return *this;
}
ReportItem& ReportItem::expression(const QString& text) {
    expression_ = text;
    return *this;
}
ReportItem& ReportItem::mask(const QString& pattern) {
    mask_ = pattern;
    return *this;
}
ReportItem& ReportItem::font(const QString& family, double pointSize, bool isBold) {
    font_ = {family, pointSize, isBold};
    return *this;
}
ReportItem& ReportItem::bold(bool on) {
    font_.bold = on;
    return *this;
}
ReportItem& ReportItem::align(Qt::Alignment alignment) {
    alignment_ = alignment;
    return *this;
}
ReportItem& ReportItem::frame(Sides sides, double lineWidthMm) {
    frame_ = sides;
    lineWidth_ = lineWidthMm;
    return *this;
}
ReportItem& ReportItem::lineWidth(double mm) {
    lineWidth_ = mm;
    return *this;
}
ReportItem& ReportItem::onPrint(PrintHandler handler) {
    handler_ = std::move(handler);
    return *this;
}

// --- bands ---

ReportItem& Band::add(std::unique_ptr<ReportItem> item) {
    items_.push_back(std::move(item));
    return *items_.back();
}

ReportItem& Band::label(const QString& name, double x, double y, double w, double h) {
    return add(std::make_unique<ReportItem>(ItemKind::Label, Unit::Mm, x, y, w, h)).name(name);
}

ReportItem& Band::text(const QString& caption, double x, double y, double w, double h) {
    return add(std::make_unique<ReportItem>(ItemKind::Label, Unit::Mm, x, y, w, h))
        .caption(caption);
}

ReportItem& Band::field(const QString& column, double x, double y, double w, double h) {
    return add(std::make_unique<ReportItem>(ItemKind::Field, Unit::Mm, x, y, w, h)).column(column);
}

ReportItem& Band::expression(const QString& expr, double x, double y, double w, double h) {
    return add(std::make_unique<ReportItem>(ItemKind::Expression, Unit::Mm, x, y, w, h))
        .expression(expr);
}

ReportItem& Band::system(SystemData data, double x, double y, double w, double h) {
    ReportItem& item = add(std::make_unique<ReportItem>(ItemKind::System, Unit::Mm, x, y, w, h));
    item.system_ = data;
    return item;
}

ReportItem& Band::rectangle(double x, double y, double w, double h) {
    ReportItem& item = add(std::make_unique<ReportItem>(ItemKind::Shape, Unit::Mm, x, y, w, h));
    item.shape_ = ShapeKind::Rectangle;
    return item;
}

ReportItem& Band::hline(double x, double y, double w) {
    ReportItem& item = add(std::make_unique<ReportItem>(ItemKind::Shape, Unit::Mm, x, y, w, 0));
    item.shape_ = ShapeKind::HorizontalLine;
    return item;
}

ReportItem& Band::vline(double x, double y, double h) {
    ReportItem& item = add(std::make_unique<ReportItem>(ItemKind::Shape, Unit::Mm, x, y, 0, h));
    item.shape_ = ShapeKind::VerticalLine;
    return item;
}

ReportItem& Band::addRuntime(ItemKind kind, double xPx, double yPx) {
    // No size: the classic engine sizes run-time items to their text.
    ReportItem& item = add(std::make_unique<ReportItem>(kind, Unit::Px, xPx, yPx, 0, 0));
    item.runtime_ = true;
    return item;
}

ReportItem& Band::runtimeLabel(const QString& caption, double xPx, double yPx) {
    return addRuntime(ItemKind::Label, xPx, yPx).caption(caption);
}

ReportItem& Band::runtimeField(const QString& column, double xPx, double yPx) {
    return addRuntime(ItemKind::Field, xPx, yPx).column(column);
}

ReportItem& Band::runtimeExpression(const QString& expr, double xPx, double yPx) {
    return addRuntime(ItemKind::Expression, xPx, yPx).expression(expr);
}

int Band::removeRuntimeItems() {
    const auto before = items_.size();
    std::erase_if(items_, [](const std::unique_ptr<ReportItem>& i) { return i->isRuntime(); });
    return static_cast<int>(before - items_.size());
}

ReportItem* Band::find(const QString& name) const {
    for (const auto& i : items_) {
        if (!name.isEmpty() && i->itemName() == name) {
            return i.get();
        }
    }
    return nullptr;
}

// --- layout ---

ReportLayout::ReportLayout() = default;
ReportLayout::~ReportLayout() = default;

ReportLayout& ReportLayout::page(PageSize size, Orientation orientation) {
    pageSize_ = size;
    orientation_ = orientation;
    return *this;
}

ReportLayout& ReportLayout::customPage(double widthMm, double heightMm, Orientation orientation) {
    pageSize_ = PageSize::Custom;
    customMm_ = QSizeF(widthMm, heightMm);
    orientation_ = orientation;
    return *this;
}

ReportLayout& ReportLayout::margins(double allMm) {
    return margins(allMm, allMm, allMm, allMm);
}

ReportLayout& ReportLayout::margins(double left, double top, double right, double bottom) {
    margins_ = {left, top, right, bottom};
    return *this;
}

QSizeF ReportLayout::paperMm() const {
    const QSizeF portrait = pageSize_ == PageSize::Custom ? customMm_ : paperSizeMm(pageSize_);
    return orientation_ == Orientation::Landscape ? portrait.transposed() : portrait;
}

int ReportLayout::bandLeftPx() const {
    return static_cast<int>(std::lround(mmToPx(margins_.left)));
}

Band& ReportLayout::band(BandKind kind, double heightMm) {
    auto& slot = bands_[static_cast<int>(kind)];
    if (!slot) {
        slot = std::make_unique<Band>(kind, heightMm);
    } else {
        slot->height(heightMm);
    }
    return *slot;
}

Band* ReportLayout::findBand(BandKind kind) const {
    return bands_[static_cast<int>(kind)].get();
}

ReportItem* ReportLayout::item(const QString& name) const {
    for (const auto& b : bands_) {
        if (b) {
            if (ReportItem* found = b->find(name)) {
                return found;
            }
        }
    }
    return nullptr;
}

bool ReportLayout::setCaption(const QString& name, const QString& text) {
    ReportItem* found = item(name);
    if (!found) {
        return false;
    }
    found->caption(text);
    return true;
}

int ReportLayout::removeRuntimeItems() {
    int removed = 0;
    for (const auto& b : bands_) {
        if (b) {
            removed += b->removeRuntimeItems();
        }
    }
    return removed;
}

ReportLayout& ReportLayout::bind(ResultSet* rows) {
    rows_ = rows;
    return *this;
}

ReportLayout& ReportLayout::title(const QString& windowTitle) {
    title_ = windowTitle;
    return *this;
}

ReportLayout& ReportLayout::printIfEmpty(bool on) {
    printIfEmpty_ = on;
    return *this;
}

ReportLayout& ReportLayout::zoom(int percent) {
    zoom_ = std::clamp(percent, 10, 400);
    return *this;
}

ReportLayout& ReportLayout::onAfterPrint(std::function<void()> callback) {
    afterPrint_ = std::move(callback);
    return *this;
}

void ReportLayout::notifyPrinted() const {
    if (afterPrint_) {
        afterPrint_();
    }
}

ReportLayout& ReportLayout::setRecordContext(QString screen, QString printout,
                                             QMap<QString, QString> filters) {
    recordContext_ = RecordContext{std::move(screen), std::move(printout), std::move(filters)};
    return *this;
}

}  // namespace orbista::report
