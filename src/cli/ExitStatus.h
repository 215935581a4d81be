#pragma once
// The exit status of namewright-cli.

namespace namewright::cli {

enum class ExitStatus : int {
    Success = 0,
    DatabaseUnavailable = 1, ///< the naming database (or its table asked for) or the knowledge file cannot be read
    OutputFailed = 1,        ///< a write to standard output, or its final flush, failed
    ResultsFull = 1,         ///< generate filled the result store and stopped there
    BadInput = 2,            ///< bad arguments, an impossible date or a year outside the command's range
};

constexpr int exitCode(ExitStatus status) {
    return static_cast<int>(status);
}

} // namespace namewright::cli
