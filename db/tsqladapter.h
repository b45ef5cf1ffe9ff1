#pragma once

#include <QString>

namespace orbista {

// Rewrites the T-SQL the screens hold into SQLite's dialect, token by token, so string
// literals and bound parameters are never touched. Forms handled:
//   convert(char|varchar(n), col, 20|120|23|121) -> substr(col,1,n)   (dates are stored as
//                                                   "yyyy-mm-dd hh:nn:ss" text)
//   convert(char(8), col, 112)                   -> yyyymmdd text
//   convert(int|money|decimal(..)|datetime, x)   -> cast(x as ...)
//   isnull(a,b) -> ifnull(a,b);  len(x) -> length(x);  substring -> substr
//   left(x,n) / right(x,n); year/month/day(x); getdate()
//   "delete t" -> "delete from t";  "select top n ..." -> "... limit n"
//   N'text' -> 'text';  dbo.t -> t;  with (nolock) dropped
// Anything else passes through unchanged.
QString adaptTsqlForSqlite(const QString& sql);

}  // namespace orbista
