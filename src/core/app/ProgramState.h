#pragma once

#include "catalogue/LaunchRequest.h"
#include "net/Session.h"
#include "profile/ProgramSettings.h"
#include "quiz/ChainProgress.h"
#include "results/BrowserState.h"
#include "results/ResultState.h"

namespace tv {

// The state that several windows share. The application owns one and hands
// each window the parts it needs, by reference.
struct ProgramState {
    LaunchRequest request;
    ChainProgress chain;
    Session session;
    ProgramSettings settings;
    ResultState result;
    BrowserState browser;
};

} // namespace tv
