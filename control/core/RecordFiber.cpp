#include "control/core/RecordFiber.h"

#include <sys/mman.h>
#include <ucontext.h>

#include <cstddef>
#include <cstdint>
#include <new>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define ZENTREL_FIBER_ASAN 1
#endif

namespace {

// Room for a renderer's deepest calls (text layout, the host's event
// handlers during a yield), sanitizers included; only what is used is
// ever backed by memory.
constexpr std::size_t StackBytes = std::size_t(16) << 20;

// Ends the wait of a fiber that is unwound unfinished.
struct Unwound
{
};

} // namespace

struct RecordFiber::State
{
    std::function<void()> body;
    ucontext_t self{};
    ucontext_t caller{};
    void* stack = nullptr;
    bool started = false;
    bool done = false;
    bool unwinding = false;
    std::exception_ptr failure;
    // The fiber that runs now; the one that resumed it.
    State* outer = nullptr;
#if ZENTREL_FIBER_ASAN
    void* fakeStack = nullptr;
    const void* callerBottom = nullptr;
    std::size_t callerSize = 0;
#endif

    static thread_local State* running;

    static void start(unsigned high, unsigned low);
    void run();
    void switchIn();
    void switchOut();
};

thread_local RecordFiber::State* RecordFiber::State::running = nullptr;

void RecordFiber::State::start(unsigned high, unsigned low)
{
    auto* state =
        reinterpret_cast<State*>((static_cast<std::uintptr_t>(high) << 32) | std::uintptr_t(low));
#if ZENTREL_FIBER_ASAN
    __sanitizer_finish_switch_fiber(nullptr, &state->callerBottom, &state->callerSize);
#endif
    state->run();
    state->done = true;
#if ZENTREL_FIBER_ASAN
    // Leaving for good: nothing of this stack is kept.
    __sanitizer_start_switch_fiber(nullptr, state->callerBottom, state->callerSize);
#endif
    setcontext(&state->caller);
}

void RecordFiber::State::run()
{
    try {
        body();
    } catch (const Unwound&) {
    } catch (...) {
        failure = std::current_exception();
    }
}

// From the caller's stack onto the fiber's.
void RecordFiber::State::switchIn()
{
    outer = running;
    running = this;
#if ZENTREL_FIBER_ASAN
    void* callerFake = nullptr;
    __sanitizer_start_switch_fiber(&callerFake, stack, StackBytes);
#endif
    swapcontext(&caller, &self);
#if ZENTREL_FIBER_ASAN
    __sanitizer_finish_switch_fiber(callerFake, nullptr, nullptr);
#endif
    running = outer;
}

// From the fiber's stack back onto its caller's.
void RecordFiber::State::switchOut()
{
#if ZENTREL_FIBER_ASAN
    __sanitizer_start_switch_fiber(&fakeStack, callerBottom, callerSize);
#endif
    swapcontext(&self, &caller);
#if ZENTREL_FIBER_ASAN
    __sanitizer_finish_switch_fiber(fakeStack, &callerBottom, &callerSize);
#endif
}

RecordFiber::RecordFiber(std::function<void()> body) : m_state(std::make_unique<State>())
{
    m_state->body = std::move(body);
    void* stack = mmap(nullptr, StackBytes, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_STACK, -1, 0);
    if (stack == MAP_FAILED)
        throw std::bad_alloc();
    m_state->stack = stack;
    if (getcontext(&m_state->self) != 0) {
        munmap(stack, StackBytes);
        throw std::runtime_error("no fiber context");
    }
    m_state->self.uc_stack.ss_sp = stack;
    m_state->self.uc_stack.ss_size = StackBytes;
    m_state->self.uc_link = nullptr;
    const auto address = reinterpret_cast<std::uintptr_t>(m_state.get());
    makecontext(&m_state->self, reinterpret_cast<void (*)()>(&State::start), 2,
                unsigned(address >> 32), unsigned(address & 0xffffffffu));
}

RecordFiber::~RecordFiber()
{
    if (m_state->started && !m_state->done) {
        m_state->unwinding = true;
        m_state->switchIn();
    }
    munmap(m_state->stack, StackBytes);
}

void RecordFiber::resume()
{
    if (m_state->done)
        return;
    m_state->started = true;
    m_state->switchIn();
    if (m_state->failure) {
        const std::exception_ptr failure = m_state->failure;
        m_state->failure = nullptr;
        std::rethrow_exception(failure);
    }
}

bool RecordFiber::finished() const
{
    return m_state->done;
}

bool RecordFiber::waitInCurrent()
{
    State* state = State::running;
    if (!state)
        return false;
    state->switchOut();
    if (state->unwinding)
        throw Unwound();
    return true;
}
