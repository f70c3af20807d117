#pragma once
// Start-up timing for the benchmarks: when MURKWELL_STARTUP_TRACE names a file, the time from
// the main window's load to the first paint of the folder list is appended to it, and the time
// the look at the disk after start took, from its start to its corrections applied.

class StartupTrace {
public:
    void LoadStarted();
    // True until the first paint after the load has been recorded.
    bool WaitingForPaint() const { return m_waiting; }
    void ListPainted();
    // The look at the disk: the thread's time, plus the window's time to apply what it saw.
    // (From the thread's start to the message would also count the window thread's other
    // work meanwhile.)
    void DiskCheckApplying();
    void DiskCheckApplied(double lookMilliseconds);

private:
    bool m_waiting = false;
    long long m_start = 0;
    long long m_diskCheckStart = 0;
};
