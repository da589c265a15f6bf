#pragma once

#include <exception>
#include <functional>
#include <memory>

// A piece of drawing that runs on a stack of its own, so that it can stop
// at a page break and go on once the page is broken: a record drawn beside
// another that goes on over pages prints a page of its own each time the
// other breaks a page. One thread; a fiber runs only while it is resumed.
class RecordFiber
{
public:
    explicit RecordFiber(std::function<void()> body);
    // A fiber left waiting is unwound: its wait ends in an exception that
    // only the fiber's own start catches.
    ~RecordFiber();
    RecordFiber(const RecordFiber&) = delete;
    RecordFiber& operator=(const RecordFiber&) = delete;

    // Runs the body until it ends or waits; what it throws is thrown here.
    void resume();
    bool finished() const;

    // Inside a fiber: waits until it is resumed, and returns true; outside
    // any fiber: false at once.
    static bool waitInCurrent();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
