#pragma once

#include "stats.h"

namespace ortambra::bench {

struct InProcessFigures {
    Summary exercise; // ms: Via, a wrong answer, the right one, each followed by its repaint
    Summary results;  // ms: the results of a 100-exercise game, built and painted
    Summary printing; // ms: the report of a 100-exercise game printed to a PDF file
    Summary keysOut;  // ms: a finger's first tap on the answer box until its keys are drawn
    Summary keyTap;   // ms: a tap on an on-screen digit until it shows in the answer box
    int reportPages = 0;
    long long reportBytes = 0;
};

// Needs the application object. `games` games of 100 exercises give the exercise sample.
InProcessFigures measureInProcess(int games, int resultRuns, int printRuns);

} // namespace ortambra::bench
