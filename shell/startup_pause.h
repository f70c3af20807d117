#pragma once
// The pause before the main window appears: 75 ticks of 2 ms. Window timers cannot tick that
// fast (about 15.6 ms on Windows), so the ticks are counted from the real time that has passed
// and the pause lasts close to its nominal 150 ms.

class StartupPause {
public:
    static constexpr int kTicks = 75;
    static constexpr double kTickMilliseconds = 2.0;

    // Called on each timer event with the time since the pause began; true once, on the event
    // at which the 75th tick has passed.
    bool Advance(double elapsedMilliseconds) {
        if (m_done) {
            return false;
        }
        const int ticks = static_cast<int>(elapsedMilliseconds / kTickMilliseconds);
        m_ticks = ticks < kTicks ? ticks : kTicks;
        m_done = m_ticks == kTicks;
        return m_done;
    }
    int Ticks() const { return m_ticks; }

private:
    int m_ticks = 0;
    bool m_done = false;
};
