// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/interruption.h"

#include <csignal>

namespace solva::cli {

namespace {

volatile std::sig_atomic_t caught = 0;

// Only async-signal-safe calls here.
extern "C" void noteSignal(int signal) {
    if (signal == SIGINT && caught == SIGINT) {
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
        return;
    }
    caught = signal;
}

} // namespace

void catchInterruptions() {
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int interruption() {
    return caught;
}

} // namespace solva::cli
