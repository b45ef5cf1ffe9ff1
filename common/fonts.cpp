#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace orbista {

void installReportFonts() {
    // WenQuanYi Zen Hei keeps PDF text extractable; Noto CJK comes out as radicals when copied.
    const QStringList cjk = {QStringLiteral("WenQuanYi Zen Hei"),
                             QStringLiteral("WenQuanYi Zen Hei Sharp"),
                             QStringLiteral("Noto Sans CJK SC")};
    const QStringList windowsNames = {
        QStringLiteral("宋体"),
        QStringLiteral("SimSun"),
        QStringLiteral("新宋体"),
        QStringLiteral("NSimSun"),
        QStringLiteral("黑体"),
        QStringLiteral("SimHei"),
        QStringLiteral("楷体_GB2312"),
        QStringLiteral("楷体"),
        QStringLiteral("KaiTi"),
        QStringLiteral("仿宋_GB2312"),
        QStringLiteral("仿宋"),
        QStringLiteral("FangSong"),
        QStringLiteral("隶书"),
        QStringLiteral("LiSu"),
        QStringLiteral("幼圆"),
        QStringLiteral("MS Sans Serif"),
        QStringLiteral("Arial"),
        QStringLiteral("Tahoma"),
        QStringLiteral("Times New Roman"),
        QStringLiteral("Courier New"),
    };
    for (const QString& name : windowsNames) {
        QFont::insertSubstitutions(name, cjk);
    }
}

}  // namespace orbista
