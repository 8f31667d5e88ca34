// A form posted by a real browser: a listener on 127.0.0.1 that receives the
// posts, and headless Chromium started on a page of a folder.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace hv::test {

class FormListener {
  public:
    FormListener();  // throws when no socket can be bound
    ~FormListener();
    FormListener(const FormListener&) = delete;
    FormListener& operator=(const FormListener&) = delete;

    std::string url() const;  // "http://127.0.0.1:<port>"
    // The body of the next whole POST, answered with "ok"; "" when none
    // comes in time or the browser ends first.
    std::string awaitPost(pid_t browser, std::chrono::seconds timeout = std::chrono::seconds(60));

  private:
    struct Connection {
        int fd;
        std::string request;
    };
    int socket_ = -1;
    std::vector<Connection> connections_;
    int port_ = 0;
};

// Starts headless Chromium on folder + page (its profile and its output,
// "log", in the folder) in a process group of its own.
pid_t startChromium(const std::string& folder, const std::string& page);
// Ends the browser and returns the end of its log, for a failure message.
std::string stopChromium(pid_t browser, const std::string& folder);

}  // namespace hv::test
