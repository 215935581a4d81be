// namewright-cli: the naming tool's core on the command line (CommandLine.h).

#include "cli/CommandLine.h"
#include "cli/OutputFile.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

/// hun.mdb in the directory of the running program.
std::filesystem::path defaultDatabase(const char* argv0) {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        program = std::filesystem::absolute(argv0 != nullptr ? argv0 : "", error);
    }
    return program.parent_path() / "hun.mdb";
}

/// A standard descriptor the caller closed is taken by /dev/null, read-only: no file the program opens (a database,
/// the knowledge file) can then get its number and be written by the output, and every write to it still fails
/// (EBADF), so a closed standard output is reported like any other failed write.
void holdClosedStandardDescriptors() {
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(descriptor, F_GETFD) == -1) {
            const int opened = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            if (opened >= 0 && opened != descriptor) {
                ::dup2(opened, descriptor);
                ::close(opened);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    holdClosedStandardDescriptors();
    std::ios::sync_with_stdio(false);
    // Standard output is written through a buffer of our own that keeps the cause of a failed write; SIGPIPE keeps
    // its default, so a reader that goes away still ends the program as it ends any other.
    namewright::cli::OutputFile output(STDOUT_FILENO);
    std::ostream out(&output);
    const std::vector<std::string> words(argv + (argc > 0 ? 1 : 0), argv + argc);
    return namewright::cli::runCommandLine(words, defaultDatabase(argc > 0 ? argv[0] : nullptr), std::cin, out,
                                           std::cerr);
}
