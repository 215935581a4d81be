#pragma once
// The year warning (年份警告) of the calendar engine.

#include <functional>

namespace namewright {

/// Called, on the thread that asked for a conversion, when the year lies outside 1881..2060 or the date does not
/// exist (2011-02-30, month 13). The program shows the message box "数据出错" / "请输入正确日期：\r1881年----2060年"
/// and returns once the user pressed OK; an empty handler does nothing. The conversion carries on afterwards whatever
/// the handler did.
using YearWarningHandler = std::function<void()>;

} // namespace namewright
