#pragma once
// The exit status of namewright-cli.

namespace namewright::cli {

enum class ExitStatus : int {
    Success = 0,
    DatabaseUnavailable = 1, ///< the naming database cannot be opened (or lacks the table asked for)
    BadInput = 2,            ///< bad arguments, an impossible date or a year outside 1881..2060
};

constexpr int exitCode(ExitStatus status) {
    return static_cast<int>(status);
}

} // namespace namewright::cli
