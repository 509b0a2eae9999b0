// Counts the top-level windows that get mapped on the test display, through
// x-map-watch.sh: a window shown for a single frame counts as well.
#pragma once

#include <string>

class MapWatch {
public:
    // script: the Unix path of tests/support/x-map-watch.sh.
    explicit MapWatch(const std::string& script);
    ~MapWatch();
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    // Windows mapped since the watch started or since the last call.
    int MapsSinceLastCall();

private:
    int Mark();

    std::string m_script;
    std::string m_state;      // Windows path of the watch's state folder
    std::string m_stateUnix;  // the same as a Unix path
    int m_lastMark;
};
