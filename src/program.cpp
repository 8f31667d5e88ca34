#include "program.h"

#include <signal.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app.h"
#include "command_line.h"
#include "console/system_environment.h"
#include "console/terminal/key_diagnostic.h"
#include "console/terminal/terminal_backend.h"
#include "database/startup_screen.h"
#include "publish.h"

namespace hv {

namespace {

// One line on stderr once the terminal is back in its normal state.
int fail(Screen& s, const std::string& message) {
    closeScreen(s);
    std::fprintf(stderr, "hitvault: %s\n", message.c_str());
    return 1;
}

template <typename Body>
int guarded(Screen& s, Body body) {
    try {
        int status = body();
        closeScreen(s);
        return status;
    } catch (const ProgramExit& e) {
        closeScreen(s);
        return e.status;
    } catch (const TerminalEnding& e) {
        closeScreen(s);
        return e.status();
    } catch (const ConsoleFailure& e) {
        return fail(s, std::string("console failure in ") + e.what());
    } catch (const std::exception& e) {
        return fail(s, std::string("unexpected error: ") + e.what());
    } catch (...) {
        return fail(s, "unexpected error");
    }
}

extern "C" void ignoreSignal(int) {}

// A write beyond a file-size limit must fail (and say "not saved") instead of
// ending the program half-way. A handler rather than SIG_IGN: started
// programs (the browser, the sound) get the default back.
void surviveFileSizeLimit() {
    struct sigaction previous {};
    if (::sigaction(SIGXFSZ, nullptr, &previous) != 0 || previous.sa_handler != SIG_DFL) return;
    struct sigaction action {};
    action.sa_handler = ignoreSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGXFSZ, &action, nullptr);
}

}  // namespace

int programMain(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLineAction action = commandLineAction(args);
    switch (action) {
        case CommandLineAction::Help:
            std::fputs(usageText().c_str(), stdout);
            return 0;
        case CommandLineAction::Version:
            std::printf("hitvault %s\n", kProgramVersion);
            return 0;
        case CommandLineAction::Publish:
            return publishSite(currentFolder(), systemEnvironment().currentYear, stdout, stderr);
        case CommandLineAction::Unknown:
            std::fputs(usageText().c_str(), stderr);
            return 2;
        default:
            break;
    }
    surviveFileSizeLimit();
    App app;
    app.screen.backend = makeTerminalBackend();
    if (action == CommandLineAction::KeyDiagnostic)
        return guarded(app.screen, [&] { return runKeyDiagnostic(app.screen); });
    app.env = systemEnvironment();
    return guarded(app.screen, [&] { return runProgram(app, args); });
}

}  // namespace hv
