#pragma once
// The command-line companion run as a separate process: its exit status and what it wrote to
// each of its outputs.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tc::testkit {

struct Clirun {
    int status = -1; // the exit code, -1 when it did not exit by itself
    std::string out, err;
};

// Runs the companion with `args` (shell words), from the folder `cwd` when one is given.
inline Clirun Cli(const std::string& args, const std::filesystem::path& cwd = {}) {
    const std::string errfile = (std::filesystem::temp_directory_path() /
                                 ("tintcipher_cli_" + std::to_string(getpid()) + ".err"))
                                    .string();
    std::string command = std::string("'") + TINTCIPHER_CLI + "' " + args + " 2>'" + errfile + "'";
    if (!cwd.empty()) command = "cd '" + cwd.string() + "' && " + command;
    Clirun r;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errfile);
    std::stringstream ss;
    ss << in.rdbuf();
    r.err = ss.str();
    std::filesystem::remove(errfile);
    return r;
}

} // namespace tc::testkit
