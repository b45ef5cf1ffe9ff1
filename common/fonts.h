#pragma once

namespace orbista {

// Maps the Windows font names the layouts use ("宋体", "SimSun", "黑体", "楷体_GB2312",
// "Arial", "MS Sans Serif" …) to installed fonts, so Chinese text renders on screen and in PDF.
void installReportFonts();

}  // namespace orbista
