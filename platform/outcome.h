#pragma once
// Results of operations that can fail, in terms the user is shown: the classic run-time error
// number and its description. Plain C++, shared by the logic and the Win32 side.

#include <string>
#include <utility>

struct RuntimeError {
    int number = 0;
    std::string description;
};

// How a message shows an error: "Error <number>", a line break, then its description.
inline std::string ErrorLines(const RuntimeError& error) {
    return "Error " + std::to_string(error.number) + "\r\n" + error.description;
}

class [[nodiscard]] Outcome {
public:
    static Outcome Success() { return Outcome(); }
    static Outcome Failure(RuntimeError error) { return Outcome(std::move(error)); }

    bool Succeeded() const { return !m_failed; }
    bool Failed() const { return m_failed; }
    const RuntimeError& Error() const { return m_error; }

private:
    Outcome() = default;
    explicit Outcome(RuntimeError error) : m_failed(true), m_error(std::move(error)) {}

    bool m_failed = false;
    RuntimeError m_error;
};
