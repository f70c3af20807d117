#pragma once
// Start-up timing for the benchmarks: when MURKWELL_STARTUP_TRACE names a file, the time from
// the main window's load to the first paint of the folder list is appended to it.

class StartupTrace {
public:
    void LoadStarted();
    // True until the first paint after the load has been recorded.
    bool WaitingForPaint() const { return m_waiting; }
    void ListPainted();

private:
    bool m_waiting = false;
    long long m_start = 0;
};
