#pragma once

#include "engine/run_environment.h"

#include <vector>

namespace quill::testing
{

// Counts what a run asked of the window.
class RecordingEnvironment : public RunEnvironment
{
public:
    std::vector<double> waits;
    int progressStarts = 0;
    int progressStops = 0;
    int focusRequests = 0;
    int refreshes = 0;
    std::vector<PopupMenu> menus;

    void waitSeconds(double seconds) override { waits.push_back(seconds); }
    void progressStarted() override { ++progressStarts; }
    void progressStopped() override { ++progressStops; }
    void focusRangeStart() override { ++focusRequests; }
    void openPopupMenu(PopupMenu menu) override { menus.push_back(menu); }
    void refreshSavedSets() override { ++refreshes; }
};

} // namespace quill::testing
