// namewright-cli: the naming tool's core on the command line (CommandLine.h).

#include "cli/CommandLine.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

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

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> words(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status =
        namewright::cli::runCommandLine(words, defaultDatabase(argc > 0 ? argv[0] : nullptr), std::cout, std::cerr);
    std::cout.flush();
    return status;
}
