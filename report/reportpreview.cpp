#include "reportpreview.h"

#include "pagepainter.h"
#include "reporterror.h"
#include "reportexport.h"
#include "reportoutput.h"

#include "prompts.h"
#include "resultset.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace orbista::report {

namespace {

constexpr int kFitWidth = 0;  // zoom box entry that fits the page to the window's width
constexpr int kPagePaddingPx = 12;

}  // namespace

// Paints one page at the zoom's scale on white paper with a grey surround.
class PageView : public QWidget {
  public:
    explicit PageView(QWidget* parent) : QWidget(parent) {}

    void show(const Page* page, double pxPerMm) {
        page_ = page;
        pxPerMm_ = pxPerMm;
        QSizeF paper = page && page->style ? page->style->paperMm : QSizeF(210, 297);
        resize(static_cast<int>(std::lround(paper.width() * pxPerMm_)) + 2 * kPagePaddingPx,
               static_cast<int>(std::lround(paper.height() * pxPerMm_)) + 2 * kPagePaddingPx);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        if (!page_ || !page_->style) {
            return;
        }
        const QSizeF paper = page_->style->paperMm;
        const QRectF sheet(kPagePaddingPx, kPagePaddingPx, paper.width() * pxPerMm_,
                           paper.height() * pxPerMm_);
        painter.fillRect(sheet, Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintPage(*page_, painter, sheet);
    }

  private:
    const Page* page_ = nullptr;
    double pxPerMm_ = 1;
};

ReportPreviewDialog::ReportPreviewDialog(const ReportDocument& document, const ReportLayout& layout,
                                         QWidget* parent)
    : QDialog(parent), document_(document), layout_(layout), zoom_(document.zoomPercent) {
    setWindowTitle(document.title.isEmpty() ? QStringLiteral("打印预览") : document.title);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    resize(1000, 760);

    auto* tools = new QHBoxLayout;
    auto button = [&](const QString& text, auto slot) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        connect(b, &QToolButton::clicked, this, slot);
        tools->addWidget(b);
        return b;
    };
    zoomBox_ = new QComboBox(this);
    zoomBox_->addItem(QStringLiteral("适合宽度"), kFitWidth);
    for (int percent : {150, 100, 75, 60, 50}) {
        zoomBox_->addItem(QStringLiteral("%1%").arg(percent), percent);
    }
    tools->addWidget(zoomBox_);
    first_ = button(QStringLiteral("首页"), &ReportPreviewDialog::firstPage);
    previous_ = button(QStringLiteral("上一页"), &ReportPreviewDialog::previousPage);
    pageLabel_ = new QLabel(this);
    tools->addWidget(pageLabel_);
    next_ = button(QStringLiteral("下一页"), &ReportPreviewDialog::nextPage);
    last_ = button(QStringLiteral("末页"), &ReportPreviewDialog::lastPage);
    first_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
    previous_->setShortcut(QKeySequence(Qt::Key_PageUp));
    next_->setShortcut(QKeySequence(Qt::Key_PageDown));
    last_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_End));
    tools->addStretch();
    button(QStringLiteral("打印(&P)"), &ReportPreviewDialog::printWithDialog);
    button(QStringLiteral("导出(&E)"), &ReportPreviewDialog::exportWithDialog);
    button(QStringLiteral("关闭(&C)"), &ReportPreviewDialog::accept);

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new PageView(scroll_);
    scroll_->setWidget(view_);

    auto* column = new QVBoxLayout(this);
    column->addLayout(tools);
    column->addWidget(scroll_, 1);

    const int zoomIndex = zoomBox_->findData(zoom_);
    zoomBox_->setCurrentIndex(zoomIndex >= 0 ? zoomIndex : 2);
    connect(zoomBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int percent = zoomBox_->itemData(index).toInt();
        if (percent == kFitWidth) {
            fitWidth();
        } else {
            setZoomPercent(percent);
        }
    });
    showPage(0);
}

ReportPreviewDialog::~ReportPreviewDialog() = default;

void ReportPreviewDialog::showPage(int index) {
    const int count = document_.pageCount();
    page_ = count == 0 ? 0 : std::clamp(index, 0, count - 1);
    const double pxPerMm = zoom_ / 100.0 * logicalDpiX() / kMmPerInch;
    view_->show(count == 0 ? nullptr : &document_.pages[page_], pxPerMm);
    updateControls();
}

void ReportPreviewDialog::setZoomPercent(int percent) {
    zoom_ = std::clamp(percent, 10, 400);
    showPage(page_);
}

void ReportPreviewDialog::fitWidth() {
    if (!document_.style || document_.style->paperMm.isEmpty()) {
        return;
    }
    const double available = scroll_->viewport()->width() - 2 * kPagePaddingPx;
    const double paperPx = document_.style->paperMm.width() * logicalDpiX() / kMmPerInch;
    setZoomPercent(static_cast<int>(available / paperPx * 100));
}

void ReportPreviewDialog::updateControls() {
    const int count = document_.pageCount();
    pageLabel_->setText(
        QStringLiteral("第 %1 页 / 共 %2 页").arg(count ? page_ + 1 : 0).arg(count));
    first_->setEnabled(page_ > 0);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < count);
    last_->setEnabled(page_ + 1 < count);
}

void ReportPreviewDialog::printWithDialog() {
    try {
        if (qEnvironmentVariableIsSet(kPrintToPdfVariable)) {
            printToDefaultPrinter(document_);
        } else {
            QPrinter printer(QPrinter::HighResolution);
            QPrintDialog dialog(&printer, this);
            if (dialog.exec() != QDialog::Accepted) {
                return;
            }
            printDocument(document_, printer);
        }
        printed_ = true;
        layout_.notifyPrinted();
    } catch (const ReportError& e) {
        printError_ = e.message();
        reject();
    } catch (const std::exception& e) {
        printError_ = QString::fromLocal8Bit(e.what());
        reject();
    }
}

void ReportPreviewDialog::exportTo(const QString& path) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"pdf") {
        writePdf(document_, path);
        return;
    }
    ResultSet* rows = layout_.boundRows();
    if (!rows) {
        throw ReportError(QStringLiteral("报表没有数据可以导出"));
    }
    if (suffix == u"xlsx") {
        exportXlsx(*rows, path, document_.title);
    } else if (suffix == u"csv") {
        exportCsv(*rows, path);
    } else {
        throw ReportError(QStringLiteral("不支持的导出格式: %1").arg(suffix));
    }
}

void ReportPreviewDialog::exportWithDialog() {
    QStringList filters = {QStringLiteral("PDF 文件 (*.pdf)")};
    if (layout_.boundRows()) {
        filters << QStringLiteral("Excel 工作簿 (*.xlsx)") << QStringLiteral("CSV 文件 (*.csv)");
    }
    QString chosenFilter;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出"), document_.title,
                                                filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        const qsizetype star = chosenFilter.indexOf(QStringLiteral("*."));
        path += chosenFilter.mid(star + 1).chopped(1);
    }
    try {
        exportTo(path);
    } catch (const ReportError& e) {
        prompter().messageBox(this, e.message(), QStringLiteral("错误信息"), PromptIcon::Warning,
                              PromptButtons::Ok);
    }
}

}  // namespace orbista::report
