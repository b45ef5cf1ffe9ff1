#include "paginator.h"

#include "displaymask.h"
#include "reporterror.h"
#include "reportexpression.h"
#include "resultset.h"

#include <cmath>
#include <optional>

namespace orbista::report {

namespace {

constexpr double kMmPerPoint = kMmPerInch / 72.0;
// Height of an item sized to its text, as a multiple of the font size.
constexpr double kLineHeightFactor = 1.3;

const QString kPageOfPagesTemplate = QStringLiteral("第 %1 页 / 共 %2 页");

struct PreparedItem {
    const ReportItem* item = nullptr;
    QRectF rect;      // x on the page, y from the band's top
    QRectF textRect;  // where the text goes: rect less the padding on its framed sides
    int font = 0;
    int column = -1;
    DisplayMask mask;
    std::optional<Expression> expression;
    Qt::Alignment alignment;
    bool needsPageCount = false;
};

struct PreparedBand {
    bool present = false;
    double height = 0;
    std::vector<PreparedItem> items;
};

// Where a "page N of M" text waits for M.
struct Deferred {
    int page;
    std::size_t text;
    const PreparedItem* item;
};

class Paginator {
  public:
    Paginator(const ReportLayout& layout, const PaginationOptions& options)
        : layout_(layout), rows_(layout.boundRows()) {
        style_ = std::make_shared<PageStyle>();
        style_->paperMm = layout.paperMm();
        style_->orientation = layout.orientation();
        dateText_ = options.now.toString(QStringLiteral("yyyy-MM-dd"));
        timeText_ = options.now.toString(QStringLiteral("hh:mm:ss"));
        dateTimeText_ = options.now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        now_ = options.now;
    }

    ReportDocument run() {
        if (rows_) {
            rows_->fetchAll();
            rows_->first();
            rowCount_ = rows_->fetchedCount();
        }
        prepare();
        ReportDocument doc;
        doc.title = layout_.titleText();
        doc.zoomPercent = layout_.zoomPercent();
        if (rowCount_ > 0 || layout_.printsIfEmpty()) {
            layOut();
        }
        for (const Deferred& d : deferred_) {
            QString text = pageText(*d.item, pages_[d.page].number);
            callHandler(*d.item, text);
            pages_[d.page].texts[d.text].text = std::move(text);
        }
        if (rows_ && rowCount_ > 0) {
            rows_->last();  // the classic engine leaves its dataset at the end
        }
        doc.style = style_;
        doc.pages = std::move(pages_);
        return doc;
    }

  private:
    PreparedBand& band(BandKind kind) { return bands_[static_cast<int>(kind)]; }

    int fontIndex(const FontSpec& fontDef) {
        for (std::size_t i = 0; i < style_->fonts.size(); ++i) {
            if (style_->fonts[i] == fontDef) {
                return static_cast<int>(i);
            }
        }
        style_->fonts.push_back(fontDef);
        return static_cast<int>(style_->fonts.size()) - 1;
    }

    void prepare() {
        const double leftMm = layout_.pageMargins().left;
        const double bandLeftPx = layout_.bandLeftPx();
        for (int k = 0; k < kBandKindCount; ++k) {
            const Band* source = layout_.findBand(static_cast<BandKind>(k));
            if (!source) {
                continue;
            }
            PreparedBand& target = bands_[k];
            target.present = true;
            target.height = source->heightMm();
            target.items.reserve(source->items().size());
            for (const auto& owned : source->items()) {
                const ReportItem& item = *owned;
                PreparedItem p;
                p.item = &item;
                p.font = fontIndex(item.fontSpec());
                p.mask = DisplayMask(item.maskPattern());
                if (item.unit() == Unit::Px) {
                    // Run-time items count in report pixels from the band's left, and the
                    // band sits at its own whole-pixel offset on the page.
                    p.rect = QRectF(pxToMm(bandLeftPx + item.x()), pxToMm(item.y()),
                                    pxToMm(item.width()), pxToMm(item.height()));
                } else {
                    p.rect = QRectF(leftMm + item.x(), item.y(), item.width(), item.height());
                }
                if (item.kind() != ItemKind::Shape) {
                    if (p.rect.width() <= 0) {
                        p.rect.setWidth(std::max(1.0, style_->paperMm.width() - p.rect.x()));
                    }
                    if (p.rect.height() <= 0) {
                        p.rect.setHeight(item.fontSpec().pointSize * kMmPerPoint *
                                         kLineHeightFactor);
                    }
                }
                p.alignment = item.alignment();
                if (!(p.alignment & Qt::AlignVertical_Mask)) {
                    p.alignment |= Qt::AlignVCenter;
                }
                p.textRect = textRectOf(p.rect, item.frameSides(), p.alignment);
                if (item.kind() == ItemKind::Field && rows_) {
                    p.column = rows_->columnIndex(item.columnName());
                    if (p.column < 0) {
                        throw ReportError(
                            QStringLiteral("结果中没有字段 %1").arg(item.columnName()));
                    }
                }
                if (item.kind() == ItemKind::Expression) {
                    p.expression = Expression::parse(item.expressionText());
                    p.expression->bind(rows_);
                    p.expression->reset();
                }
                if (item.kind() == ItemKind::System) {
                    p.needsPageCount = item.systemData() == SystemData::PageOfPages ||
                                       (item.systemData() == SystemData::PageNumber &&
                                        item.captionText().contains(QStringLiteral("%2")));
                }
                target.items.push_back(std::move(p));
            }
        }
        for (PreparedBand& b : bands_) {
            for (PreparedItem& p : b.items) {
                if (p.expression && p.expression->hasAggregates()) {
                    totals_.push_back(&*p.expression);
                }
            }
        }
        const Margins& m = layout_.pageMargins();
        top_ = m.top;
        const PreparedBand& footer = band(BandKind::PageFooter);
        footerTop_ = style_->paperMm.height() - m.bottom - (footer.present ? footer.height : 0);
    }

    void layOut() {
        const PreparedBand& detail = band(BandKind::Detail);
        const double detailHeight = detail.present ? detail.height : 0;
        startPage();
        for (int row = 0; row < rowCount_; ++row) {
            if (rowsOnPage_ > 0 && y_ + detailHeight > footerTop_ + 1e-9) {
                finishPage();
                startPage();
            }
            current_ = row;
            for (Expression* e : totals_) {
                e->accumulate(row);
            }
            ++printed_;
            ++rowsOnPage_;
            if (detail.present) {
                place(band(BandKind::Detail), row);
            }
        }
        const PreparedBand& summary = band(BandKind::Summary);
        if (summary.present) {
            if (rowsOnPage_ > 0 && y_ + summary.height > footerTop_ + 1e-9) {
                finishPage();
                startPage();
            }
            place(band(BandKind::Summary), lastRow());
        }
        finishPage();
    }

    int lastRow() const { return rowCount_ > 0 ? rowCount_ - 1 : -1; }
    int rowAhead() const { return printed_ < rowCount_ ? printed_ : lastRow(); }

    void startPage() {
        Page page;
        page.style = style_;
        page.number = static_cast<int>(pages_.size()) + 1;
        page.texts.reserve(textsPerPage_);
        pages_.push_back(std::move(page));
        y_ = top_;
        rowsOnPage_ = 0;
        if (pages_.size() == 1 && band(BandKind::Title).present) {
            place(band(BandKind::Title), rowAhead());
        }
        if (band(BandKind::PageHeader).present) {
            place(band(BandKind::PageHeader), rowAhead());
        }
        if (band(BandKind::ColumnHeader).present) {
            place(band(BandKind::ColumnHeader), rowAhead());
        }
    }

    void finishPage() {
        PreparedBand& footer = band(BandKind::PageFooter);
        if (footer.present) {
            y_ = footerTop_;
            place(footer, current_ >= 0 ? current_ : rowAhead());
        }
        textsPerPage_ = std::max(textsPerPage_, pages_.back().texts.size());
    }

    void callHandler(const PreparedItem& p, QString& text) const {
        if (const PrintHandler& handler = p.item->printHandler()) {
            handler(text);
        }
    }

    QString pageText(const PreparedItem& p, int pageNumber) const {
        const ReportItem& item = *p.item;
        QString pattern = item.captionText();
        if (pattern.isEmpty()) {
            pattern = item.systemData() == SystemData::PageOfPages ? kPageOfPagesTemplate
                                                                   : QStringLiteral("%1");
        }
        QString text = pattern;
        text.replace(QStringLiteral("%1"), QString::number(pageNumber));
        text.replace(QStringLiteral("%2"), QString::number(pages_.size()));
        return text;
    }

    QString fieldText(const PreparedItem& p, int row) const {
        if (!rows_ || p.column < 0 || row < 0) {
            return {};
        }
        const ResultSet::Kind kind = rows_->kind(row, p.column);
        if (kind == ResultSet::Kind::Null) {
            return {};
        }
        if (p.mask.isEmpty()) {
            return rows_->text(row, p.column);
        }
        if (p.mask.isDate()) {
            const QDateTime when = rows_->dateTime(row, p.column);
            return when.isValid() ? p.mask.format(when) : rows_->text(row, p.column);
        }
        switch (kind) {
            case ResultSet::Kind::Integer:
            case ResultSet::Kind::Real:
                return p.mask.format(rows_->money(row, p.column));
            case ResultSet::Kind::Text: {
                QString text = rows_->text(row, p.column);
                if (const auto m = Money::parse(text)) {
                    return p.mask.format(*m);
                }
                return text;
            }
            default:
                return rows_->text(row, p.column);
        }
    }

    QString expressionText(const PreparedItem& p, int row) const {
        const ExprValue v = p.expression->evaluate(row);
        if (p.mask.isEmpty() || v.isNull()) {
            return v.display();
        }
        if (v.kind == ExprValue::Kind::Text && !Money::parse(v.text)) {
            return v.text;
        }
        return p.mask.format(v.toMoney());
    }

    QString systemText(const PreparedItem& p, bool inDetail, int row) const {
        const SystemData data = p.item->systemData();
        switch (data) {
            case SystemData::RowNumber:
                return QString::number(inDetail ? row + 1 : printed_);
            case SystemData::PageNumber:
            case SystemData::PageOfPages:
                return pageText(p, pages_.back().number);
            case SystemData::Date:
                return p.mask.isDate() ? p.mask.format(now_) : dateText_;
            case SystemData::Time:
                return p.mask.isDate() ? p.mask.format(now_) : timeText_;
            case SystemData::DateTime:
                return p.mask.isDate() ? p.mask.format(now_) : dateTimeText_;
        }
        return {};
    }

    void place(PreparedBand& source, int row) {
        Page& page = pages_.back();
        const bool inDetail = &source == &band(BandKind::Detail);
        for (const PreparedItem& p : source.items) {
            const QRectF rect = p.rect.translated(0, y_);
            const ReportItem& item = *p.item;
            if (item.kind() == ItemKind::Shape) {
                placeShape(page, item, rect);
                continue;
            }
            QString text;
            switch (item.kind()) {
                case ItemKind::Label:
                    text = item.captionText();
                    break;
                case ItemKind::Field:
                    text = fieldText(p, row);
                    break;
                case ItemKind::Expression:
                    text = expressionText(p, row);
                    break;
                case ItemKind::System:
                    text = systemText(p, inDetail, row);
                    break;
                case ItemKind::Shape:
                    break;
            }
            if (p.needsPageCount) {
                deferred_.push_back({static_cast<int>(pages_.size()) - 1, page.texts.size(), &p});
            } else {
                callHandler(p, text);
            }
            if (item.frameSides() != Side::None) {
                placeFrameSides(page, item, rect);
            }
            page.texts.push_back({p.textRect.translated(0, y_), std::move(text), p.font,
                                  p.alignment, item.itemName()});
        }
        y_ += source.height;
    }

    // Text in a ruled cell keeps clear of the rules: a left-aligned name starts, and a
    // right-aligned amount ends, kCellPaddingMm inside a framed side. Centred text stays
    // centred on the whole cell.
    static QRectF textRectOf(const QRectF& rect, Sides frame, Qt::Alignment alignment) {
        if (alignment & Qt::AlignHCenter) {
            return rect;
        }
        QRectF inner = rect;
        if (frame & Side::Left) {
            inner.setLeft(inner.left() + kCellPaddingMm);
        }
        if (frame & Side::Right) {
            inner.setRight(inner.right() - kCellPaddingMm);
        }
        return inner.width() > 0 ? inner : rect;  // a sliver of a cell keeps its text where it was
    }

    static void placeShape(Page& page, const ReportItem& item, const QRectF& rect) {
        switch (item.shapeKind()) {
            case ShapeKind::Rectangle:
                page.frames.push_back({rect, item.lineWidthMm()});
                break;
            case ShapeKind::HorizontalLine:
                page.lines.push_back({QLineF(rect.topLeft(), rect.topRight()), item.lineWidthMm()});
                break;
            case ShapeKind::VerticalLine:
                page.lines.push_back(
                    {QLineF(rect.topLeft(), rect.bottomLeft()), item.lineWidthMm()});
                break;
        }
    }

    static void placeFrameSides(Page& page, const ReportItem& item, const QRectF& r) {
        const Sides sides = item.frameSides();
        const double w = item.lineWidthMm();
        if (sides == Side::All) {
            page.frames.push_back({r, w});
            return;
        }
        if (sides & Side::Left) {
            page.lines.push_back({QLineF(r.topLeft(), r.bottomLeft()), w});
        }
        if (sides & Side::Top) {
            page.lines.push_back({QLineF(r.topLeft(), r.topRight()), w});
        }
        if (sides & Side::Right) {
            page.lines.push_back({QLineF(r.topRight(), r.bottomRight()), w});
        }
        if (sides & Side::Bottom) {
            page.lines.push_back({QLineF(r.bottomLeft(), r.bottomRight()), w});
        }
    }

    const ReportLayout& layout_;
    ResultSet* rows_;
    std::shared_ptr<PageStyle> style_;
    PreparedBand bands_[kBandKindCount];
    std::vector<Expression*> totals_;
    std::vector<Page> pages_;
    std::vector<Deferred> deferred_;
    QDateTime now_;
    QString dateText_, timeText_, dateTimeText_;
    int rowCount_ = 0;
    int printed_ = 0;
    int current_ = -1;
    int rowsOnPage_ = 0;
    double top_ = 0;
    double footerTop_ = 0;
    double y_ = 0;
    std::size_t textsPerPage_ = 0;
};

}  // namespace

ReportDocument paginate(const ReportLayout& layout, const PaginationOptions& options) {
    return Paginator(layout, options).run();
}

}  // namespace orbista::report
