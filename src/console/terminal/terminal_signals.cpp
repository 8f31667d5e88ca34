#include "console/terminal/terminal_signals.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

namespace hv {

namespace {

// What a handler needs to give the terminal back: the tty settings from
// before the program, and the escape sequences that leave full-screen mode.
struct SignalRestore {
    volatile sig_atomic_t active = 0;
    termios shellMode{};
    char sequence[512]{};
    size_t sequenceLength = 0;
};
SignalRestore gRestore;

// The ending signals only note themselves here: the program ends at its next
// wait for input, where the list is whole and unsaved work can still be kept.
volatile sig_atomic_t gEndingSignal = 0;

constexpr int kEndingSignals[] = {SIGTERM, SIGHUP, SIGINT};
struct sigaction gCallerEnding[std::size(kEndingSignals)];
// A crash must not leave the terminal raw either; after the terminal is back
// the signal takes its previous course (a core dump, a sanitizer's report).
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction gPreviousFatal[std::size(kFatalSignals)];
// The other signals whose default action ends the program: the terminal is
// given back, then the signal ends the program as it would have.
constexpr int kOtherEndingSignals[] = {
    SIGQUIT,   SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGPIPE, SIGXCPU, SIGIO, SIGSYS,
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
};
std::vector<int> gOthersHandled;

void restoreTerminal() {
    if (!gRestore.active) return;
    gRestore.active = 0;
    size_t done = 0;
    while (done < gRestore.sequenceLength) {
        ssize_t n =
            ::write(STDOUT_FILENO, gRestore.sequence + done, gRestore.sequenceLength - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::tcsetattr(STDIN_FILENO, TCSADRAIN, &gRestore.shellMode);
}

extern "C" void noteEndingSignal(int signalNumber) {
    if (gEndingSignal == 0) gEndingSignal = signalNumber;
}

// The signal is blocked while its handler runs: raised again with its
// default action, it ends the program as soon as the handler returns.
extern "C" void restoreTerminalAndRaise(int signalNumber) {
    restoreTerminal();
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

// Returning re-runs the faulting instruction (or lets abort() raise again),
// which now meets the previous handler.
extern "C" void restoreTerminalOnCrash(int signalNumber, siginfo_t* info, void*) {
    restoreTerminal();
    for (size_t i = 0; i < std::size(kFatalSignals); ++i)
        if (kFatalSignals[i] == signalNumber)
            ::sigaction(signalNumber, &gPreviousFatal[i], nullptr);
    // A signal sent with kill() has no instruction to re-run: without raising
    // it again the program would go on drawing on a terminal it gave back.
    if (info && info->si_code <= 0) ::raise(signalNumber);
}

}  // namespace

void rememberCallerSignals() {
    for (size_t i = 0; i < std::size(kEndingSignals); ++i)
        ::sigaction(kEndingSignals[i], nullptr, &gCallerEnding[i]);
}

void installSignalHandlers(const termios& shellMode, std::string_view leaveSequence) {
    gRestore.shellMode = shellMode;
    size_t n = std::min(leaveSequence.size(), sizeof gRestore.sequence);
    std::memcpy(gRestore.sequence, leaveSequence.data(), n);
    gRestore.sequenceLength = n;
    gRestore.active = 1;
    gEndingSignal = 0;

    for (size_t i = 0; i < std::size(kEndingSignals); ++i) {
        if (gCallerEnding[i].sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = noteEndingSignal;
        sigemptyset(&action.sa_mask);
        // File writes under way are not cut short by the signal.
        action.sa_flags = SA_RESTART;
        ::sigaction(kEndingSignals[i], &action, nullptr);
    }
    for (size_t i = 0; i < std::size(kFatalSignals); ++i) {
        struct sigaction action {};
        action.sa_sigaction = restoreTerminalOnCrash;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND | SA_SIGINFO;
        ::sigaction(kFatalSignals[i], &action, &gPreviousFatal[i]);
    }
    std::vector<int> others(std::begin(kOtherEndingSignals), std::end(kOtherEndingSignals));
    for (int s = SIGRTMIN; s <= SIGRTMAX; ++s) others.push_back(s);
    for (int signalNumber : others) {
        struct sigaction previous {};
        // Only where the default would end the program: an ignored signal
        // stays ignored, and someone else's handler stays theirs.
        if (::sigaction(signalNumber, nullptr, &previous) != 0 ||
            (previous.sa_flags & SA_SIGINFO) || previous.sa_handler != SIG_DFL)
            continue;
        struct sigaction action {};
        action.sa_handler = restoreTerminalAndRaise;
        sigemptyset(&action.sa_mask);
        if (::sigaction(signalNumber, &action, nullptr) == 0)
            gOthersHandled.push_back(signalNumber);
    }
}

void removeSignalHandlers() {
    gRestore.active = 0;
    for (size_t i = 0; i < std::size(kEndingSignals); ++i)
        ::sigaction(kEndingSignals[i], &gCallerEnding[i], nullptr);
    for (size_t i = 0; i < std::size(kFatalSignals); ++i)
        ::sigaction(kFatalSignals[i], &gPreviousFatal[i], nullptr);
    for (int signalNumber : gOthersHandled) ::signal(signalNumber, SIG_DFL);
    gOthersHandled.clear();
}

int pendingEndingSignal() {
    return gEndingSignal;
}

}  // namespace hv
