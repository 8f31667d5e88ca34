// The vote form in a real browser: headless Chromium opens a "vote.htm"
// written from the sample form template, ticks every box and submits the
// form to a listener of this test, which must receive each value exactly as
// the program wrote it. A machine without a working Chromium fails the test.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>

#include "html/page_template.h"
#include "html/vote_form.h"
#include "support/song_lists.h"

namespace hv {

namespace {

using Clock = std::chrono::steady_clock;
// Every wait of the test ends by then: the browser's start, the form's
// arrival, the browser's end.
constexpr auto kTimeLimit = std::chrono::seconds(60);

// A TCP listener on 127.0.0.1 at a free port the system picks.
struct Listener {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
    Listener() {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), size) != 0 ||
            ::listen(fd, 8) != 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size) != 0)
            return;
        port = ntohs(a.sin_port);
    }
    ~Listener() { ::close(fd); }
};

// The body of a complete POST request in the buffer, or false while it is
// still arriving.
bool completePost(const std::string& request, std::string& body) {
    size_t end = request.find("\r\n\r\n");
    if (end == std::string::npos || request.rfind("POST ", 0) != 0) return false;
    size_t length = 0;
    size_t at = request.find("Content-Length: ");
    if (at != std::string::npos && at < end) length = std::stoul(request.substr(at + 16));
    if (request.size() < end + 4 + length) return false;
    body = request.substr(end + 4, length);
    return true;
}

// Serves connections until one brings a whole POST (its body is returned),
// the browser has ended, or the time is up.
std::string awaitPost(const Listener& listener, pid_t browser, Clock::time_point deadline,
                      bool& browserEnded, int& browserStatus) {
    std::map<int, std::string> clients;  // socket, bytes so far
    std::string body;
    while (Clock::now() < deadline && !browserEnded) {
        std::vector<pollfd> fds{{listener.fd, POLLIN, 0}};
        for (const auto& c : clients) fds.push_back({c.first, POLLIN, 0});
        ::poll(fds.data(), fds.size(), 200);
        if (fds[0].revents & POLLIN) {
            int c = ::accept(listener.fd, nullptr, nullptr);
            if (c >= 0) clients[c];
        }
        for (size_t i = 1; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP))) continue;
            char buffer[4096];
            ssize_t n = ::recv(fds[i].fd, buffer, sizeof buffer, 0);
            if (n > 0) clients[fds[i].fd].append(buffer, static_cast<size_t>(n));
            if (n > 0 && completePost(clients[fds[i].fd], body)) {
                const char reply[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";
                (void)!::send(fds[i].fd, reply, sizeof reply - 1, MSG_NOSIGNAL);
            }
            if (n <= 0 || !body.empty()) {
                ::close(fds[i].fd);
                clients.erase(fds[i].fd);
            }
        }
        if (!body.empty()) break;
        browserEnded = ::waitpid(browser, &browserStatus, WNOHANG) == browser;
    }
    for (const auto& c : clients) ::close(c.first);
    return body;
}

// Starts Chromium headless on the page in its own process group, its output
// going to the log.
pid_t startBrowser(const std::string& page, const std::string& profile, const std::string& log) {
    const char* program = std::getenv("HITVAULT_CHROMIUM");  // another name or path
    std::vector<std::string> args = {program ? program : "chromium",
                                     "--headless",
                                     "--disable-gpu",
                                     "--no-first-run",
                                     "--user-data-dir=" + profile,
                                     "--virtual-time-budget=10000",
                                     "--dump-dom",
                                     "file://" + page};
    if (::geteuid() == 0) args.insert(args.begin() + 1, "--no-sandbox");
    pid_t pid = ::fork();
    if (pid > 0) ::setpgid(pid, pid);
    if (pid != 0) return pid;
    ::setpgid(0, 0);
    std::FILE* out = std::freopen(log.c_str(), "w", stdout);
    if (out) ::dup2(::fileno(stdout), 2);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    std::fprintf(stderr, "cannot run %s: %s\n", argv[0], std::strerror(errno));
    ::_exit(127);
}

std::vector<std::string> checkboxLines(const std::string& body) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < body.size();) {
        size_t end = body.find("\r\n", at);
        if (end == std::string::npos) end = body.size();
        if (body.compare(at, 9, "checkbox=") == 0) lines.push_back(body.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

}  // namespace

TEST(VoteFormBrowser, TickedValuesComeBackByteForByte) {
    test::TempFolder f;
    SongTable songs;
    test::addSong(songs, "Simon & Garfunkel", "Say \"Hello\" & <Goodbye>");
    test::addSong(songs, "Caf\xE9 Society", "Caf\xE9 \x96 Bar \x80uro");  // é, en dash, euro
    test::addSong(songs, "The \"Quoted\" Band", "A Full Twenty-Nine Char Title");
    test::addSong(songs, "10cc", "I'm Not in Love");

    Listener listener;
    ASSERT_NE(listener.port, 0) << "no listening socket on 127.0.0.1";
    std::string form = readWholeFile(test::sourcePath("example/formbase.htm")).value();
    const std::string mailto = "mailto:votes@example.org?subject=HIT-VAULT";
    size_t action = form.find(mailto);
    ASSERT_NE(action, std::string::npos) << "the sample form no longer posts to its address";
    form.replace(action, mailto.size(), "http://127.0.0.1:" + std::to_string(listener.port) + "/");
    f.writeFile("formbase.htm", form);

    std::vector<OverviewLine> lines = buildBandOverview(songs, kBandModeAlphabet, 1);
    ASSERT_EQ(writeTemplatePage(f.folder, "formbase.htm", "vote.htm", kVoteFormTitle,
                                [&](std::string& out) {
                                    appendVoteFormBody(out, songs, lines, kBandModeAlphabet);
                                }),
              PageStatus::written);
    // The voter's part: tick every box (through its own onclick) and send.
    std::string page = f.readFile("vote.htm");
    page.insert(page.rfind("</body>"),
                "<script>window.addEventListener('load', function () {\n"
                "  var boxes = document.getElementsByName('checkbox');\n"
                "  for (var i = 0; i < boxes.length; i++) boxes[i].click();\n"
                "  document.forms.vote.submit();\n});</script>\n");
    f.writeFile("vote.htm", page);

    const auto deadline = Clock::now() + kTimeLimit;
    pid_t browser = startBrowser(f.folder + "vote.htm", f.folder + "profile", f.folder + "log");
    ASSERT_GT(browser, 0) << "cannot start a process for chromium";
    bool ended = false;
    int status = 0;
    std::string body = awaitPost(listener, browser, deadline, ended, status);
    // Once the form is in, the browser has a few seconds to end by itself.
    const auto grace = std::min(deadline, Clock::now() + std::chrono::seconds(5));
    while (!ended && !body.empty() && Clock::now() < grace) {
        ended = ::waitpid(browser, &status, WNOHANG) == browser;
        if (!ended) ::usleep(100 * 1000);
    }
    if (!ended) {
        ::kill(-browser, SIGKILL);
        ::waitpid(browser, &status, 0);
    }
    std::string log = f.exists("log") ? f.readFile("log") : "";
    ASSERT_FALSE(body.empty())
        << "Chromium did not send the vote form ("
        << (ended ? "it ended with status " + std::to_string(WEXITSTATUS(status))
                  : std::string("no form within the time limit"))
        << "); is the chromium package installed and can it start here? Its output:\n"
        << log.substr(log.size() > 3000 ? log.size() - 3000 : 0);

    std::vector<std::string> expected;
    for (const OverviewLine& line : lines)
        expected.push_back("checkbox=" + voteValue(songs.rows[line.row]));
    EXPECT_EQ(checkboxLines(body), expected);
}

}  // namespace hv
