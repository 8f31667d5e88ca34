#include "support/form_browser.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "database/text_files.h"

namespace hv::test {

FormListener::FormListener() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&a), size) != 0 ||
        ::listen(socket_, 8) != 0 ||
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&a), &size) != 0) {
        if (socket_ >= 0) ::close(socket_);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port_ = ntohs(a.sin_port);
}

FormListener::~FormListener() {
    for (const Connection& c : connections_) ::close(c.fd);
    if (socket_ >= 0) ::close(socket_);
}

std::string FormListener::url() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

std::string FormListener::awaitPost(pid_t browser, std::chrono::seconds timeout) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    int status = 0;
    std::string body;
    // Every connection is read as its data comes: a browser also opens spare
    // ones that never carry a request.
    while (body.empty() && Clock::now() < deadline &&
           ::waitpid(browser, &status, WNOHANG) != browser) {
        std::vector<pollfd> polled{{socket_, POLLIN, 0}};
        for (const Connection& c : connections_) polled.push_back({c.fd, POLLIN, 0});
        if (::poll(polled.data(), polled.size(), 200) <= 0) continue;
        for (size_t i = 1; i < polled.size() && body.empty(); ++i) {
            if (polled[i].revents == 0) continue;
            Connection& c = connections_[i - 1];
            char buffer[4096];
            ssize_t n = ::recv(c.fd, buffer, sizeof buffer, 0);
            if (n <= 0) {
                ::close(c.fd);
                c.fd = -1;
                continue;
            }
            c.request.append(buffer, static_cast<size_t>(n));
            size_t end = c.request.find("\r\n\r\n"), at = c.request.find("Content-Length: ");
            if (end == std::string::npos || at == std::string::npos) continue;
            size_t length = std::stoul(c.request.substr(at + 16));
            if (c.request.size() < end + 4 + length) continue;
            const char reply[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";
            (void)!::send(c.fd, reply, sizeof reply - 1, MSG_NOSIGNAL);
            ::close(c.fd);
            c.fd = -1;
            body = c.request.substr(end + 4, length);
        }
        std::erase_if(connections_, [](const Connection& c) { return c.fd < 0; });
        if (polled[0].revents & POLLIN) {
            int fd = ::accept(socket_, nullptr, nullptr);
            if (fd >= 0) connections_.push_back({fd, ""});
        }
    }
    return body;
}

pid_t startChromium(const std::string& folder, const std::string& page) {
    const char* named = std::getenv("HITVAULT_CHROMIUM");  // another name or path
    const std::string program = named ? named : "chromium",
                      profile = "--user-data-dir=" + folder + "profile",
                      url = "file://" + folder + page;
    // Root may run it only without its sandbox; others repeat a harmless switch.
    const char* sandbox = ::geteuid() == 0 ? "--no-sandbox" : "--headless";
    pid_t pid = ::fork();
    if (pid != 0) {
        if (pid > 0) ::setpgid(pid, pid);  // whichever runs first: the group exists for stop
        return pid;
    }
    ::setpgid(0, 0);
    if (std::freopen((folder + "log").c_str(), "w", stdout)) ::dup2(::fileno(stdout), 2);
    ::execlp(program.c_str(), program.c_str(), "--headless", sandbox, "--disable-gpu",
             "--no-first-run", profile.c_str(), "--virtual-time-budget=10000", "--dump-dom",
             url.c_str(), nullptr);
    ::_exit(127);
}

std::string stopChromium(pid_t browser, const std::string& folder) {
    ::kill(-browser, SIGKILL);
    ::waitpid(browser, nullptr, 0);
    std::string log = readWholeFile(folder + "log").value_or("");
    return log.substr(log.size() > 3000 ? log.size() - 3000 : 0);
}

}  // namespace hv::test
