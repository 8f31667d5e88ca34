// The options, run on the real binary: they answer without a terminal.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct BinaryRun {
    int status;
    std::string out;
};

BinaryRun runBinary(const std::string& args, const std::string& redirect) {
    std::string command =
        std::string(HITVAULT_BINARY) + " " + args + " " + redirect + " </dev/null";
    FILE* p = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[512];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) out.append(buffer, n);
    int status = ::pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(CommandLine, HelpVersionAndUnknownOptions) {
    struct Case {
        const char* args;
        const char* redirect;  // which stream is read
        int status;
        const char* shows;
    } cases[] = {
        {"--help", "2>/dev/null", 0, "Usage: hitvault [S]"},
        {"S --help", "2>/dev/null", 0, "BROWSER"},
        {"--version", "2>/dev/null", 0, "hitvault 1."},
        {"--frobnicate", "2>&1 >/dev/null", 2, "Usage: hitvault [S]"},
        {"-s", "2>&1 >/dev/null", 2, "--keys"},
    };
    for (const Case& c : cases) {
        BinaryRun r = runBinary(c.args, c.redirect);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(r.out.find(c.shows), std::string::npos) << c.args << ":\n" << r.out;
    }
}

}  // namespace
