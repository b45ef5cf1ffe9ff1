#pragma once

// What a screen includes to lay out, fill, preview and print its reports:
//   ReportLayout r;                                   the layout, band by band (reportlayout.h)
//   buildCrossTabColumns(r, {...});                   run-time columns (crosstabcolumns.h)
//   previewReport / printReport / askThenPreview /
//   chooseAndPreview / PrintedFlagFlow                the print flows (reportflows.h)
//   ReportPreviewSession                              the preview as the prompts see it
//   formatNumber / formatDate                         display masks for handlers (displaymask.h)

#include "crosstabcolumns.h"
#include "displaymask.h"
#include "reporterror.h"
#include "reportflows.h"
#include "reportlayout.h"
#include "reportpreviewsession.h"
