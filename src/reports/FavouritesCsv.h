#pragma once
// The favourites as a CSV file for spreadsheet programs: UTF-8 with a byte-order mark (which spreadsheet programs
// take as the sign of UTF-8), CR LF line ends, fields quoted as RFC 4180 says (a field holding a comma, a quote, a CR
// or an LF is quoted, its quotes doubled).
//
// Columns: 姓名 姓 名 分数 天格 人格 地格 外格 总格 三才 五行 星级 备注 收藏时间, one line per favourite in list order.

#include "reports/FavouriteList.h"

#include <string>
#include <string_view>
#include <vector>

namespace namewright {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

/// One CSV line of fields, ending in CR LF.
std::string csvLine(const std::vector<std::string>& fields);

/// The whole file: the mark, the header line and a line per favourite.
std::string favouritesCsv(const FavouriteList& favourites);

} // namespace namewright
