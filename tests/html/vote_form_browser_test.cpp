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

#include <chrono>
#include <cstdlib>

#include "html/page_template.h"
#include "html/vote_form.h"
#include "support/song_lists.h"

namespace hv {

namespace {

using Clock = std::chrono::steady_clock;

// The body of the first whole POST request that reaches the socket before
// the deadline or the browser's end; a connection that stays silent for two
// seconds (a browser's spare one) is dropped.
std::string awaitPost(int listener, pid_t browser, Clock::time_point deadline, int& status) {
    while (Clock::now() < deadline && ::waitpid(browser, &status, WNOHANG) != browser) {
        pollfd p{listener, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) continue;
        int c = ::accept(listener, nullptr, nullptr);
        timeval wait{2, 0};
        ::setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        std::string request;
        char buffer[4096];
        for (ssize_t n; (n = ::recv(c, buffer, sizeof buffer, 0)) > 0;) {
            request.append(buffer, static_cast<size_t>(n));
            size_t end = request.find("\r\n\r\n"), at = request.find("Content-Length: ");
            if (end == std::string::npos || at == std::string::npos) continue;
            size_t length = std::stoul(request.substr(at + 16));
            if (request.size() < end + 4 + length) continue;
            const char reply[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";
            (void)!::send(c, reply, sizeof reply - 1, MSG_NOSIGNAL);
            ::close(c);
            return request.substr(end + 4, length);
        }
        ::close(c);
    }
    return "";
}

pid_t startBrowser(const std::string& folder) {
    const char* program = std::getenv("HITVAULT_CHROMIUM");  // another name or path
    std::vector<std::string> args = {program ? program : "chromium",
                                     "--headless",
                                     "--disable-gpu",
                                     "--no-first-run",
                                     "--user-data-dir=" + folder + "profile",
                                     "--virtual-time-budget=10000",
                                     "--dump-dom",
                                     "file://" + folder + "vote.htm"};
    if (::geteuid() == 0) args.insert(args.begin() + 1, "--no-sandbox");
    pid_t pid = ::fork();
    if (pid != 0) return pid;
    ::setpgid(0, 0);
    if (std::freopen((folder + "log").c_str(), "w", stdout)) ::dup2(::fileno(stdout), 2);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

}  // namespace

TEST(VoteFormBrowser, TickedValuesComeBackByteForByte) {
    test::TempFolder f;
    SongTable songs;
    test::addSong(songs, "Simon & Garfunkel", "Say \"Hello\" & <Goodbye>");
    test::addSong(songs, "Caf\xE9 Society", "Caf\xE9 \x96 Bar \x80uro");  // é, en dash, euro
    test::addSong(songs, "The \"Quoted\" Band", "A Full Twenty-Nine Char Title");
    test::addSong(songs, "10cc", "I'm Not in Love");

    // A listener on 127.0.0.1 at a port the system picks.
    int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    ASSERT_TRUE(listener >= 0 && ::bind(listener, reinterpret_cast<sockaddr*>(&a), size) == 0 &&
                ::listen(listener, 8) == 0 &&
                ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &size) == 0);
    std::string form = readWholeFile(test::sourcePath("example/formbase.htm")).value();
    const std::string mailto = "mailto:votes@example.org?subject=HIT-VAULT";
    size_t action = form.find(mailto);
    ASSERT_NE(action, std::string::npos) << "the sample form no longer posts to its address";
    form.replace(action, mailto.size(), "http://127.0.0.1:" + std::to_string(ntohs(a.sin_port)));
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

    pid_t browser = startBrowser(f.folder);
    ASSERT_GT(browser, 0) << "cannot start a process for chromium";
    int status = 0;
    std::string body =
        awaitPost(listener, browser, Clock::now() + std::chrono::seconds(60), status);
    ::kill(-browser, SIGKILL);
    ::waitpid(browser, nullptr, 0);
    ::close(listener);
    std::string log = f.exists("log") ? f.readFile("log") : "";
    ASSERT_FALSE(body.empty()) << "Chromium did not send the vote form; is the chromium package "
                                  "installed and can it start here? Its output:\n"
                               << log.substr(log.size() > 3000 ? log.size() - 3000 : 0);

    std::string expected;
    for (const OverviewLine& line : lines)
        expected += "checkbox=" + voteValue(songs.rows[line.row]) + "\r\n";
    EXPECT_NE(body.find(expected), std::string::npos) << body;
}

}  // namespace hv
