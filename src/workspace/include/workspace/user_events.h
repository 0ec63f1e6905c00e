// The window's event dispatch: every handler of a user's action runs through
// it, and only while one runs may the document be written.
#pragma once

#include "workspace/write_gate.h"

#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

// Handlers hang only on signals that fire for the user (a click, an item
// clicked, a bar's action, typing, a row picked), never on a change of state
// that code makes too; code sets controls without running any of them.
class UserEvents
{
public:
    explicit UserEvents(WriteGate &gate) : m_gate(gate) {}
    UserEvents(const UserEvents &) = delete;
    UserEvents &operator=(const UserEvents &) = delete;

    // Runs `handler` as the user's action whenever `sender` emits `signal`;
    // the handler takes the signal's arguments, or none.
    template <typename Sender, typename Owner, typename... Args, typename F>
    void on(Sender *sender, void (Owner::*signal)(Args...), F handler)
    {
        QObject::connect(sender, signal, sender, [this, handler](Args... args) {
            run([&] {
                if constexpr (std::is_invocable_v<F, Args...>)
                    handler(args...);
                else
                    handler();
            });
        });
    }

    // `handler` as a function that runs it as the user's action: for a
    // list's selection by the user.
    template <typename F>
    std::function<void()> handler(F handler)
    {
        return [this, handler] { run(handler); };
    }

    // Runs `handler` now as the user's action: for an event filter's click or key.
    template <typename F>
    void run(F &&handler)
    {
        const Acting acting(*this);
        std::forward<F>(handler)();
    }

    // How many handlers have run, and how many of them while the window
    // showed the document (the scan, a page refresh): those would be a fault.
    struct Runs
    {
        int all = 0;
        int whileShowing = 0;
    };
    Runs runs() const { return m_runs; }

    // `ended` runs after each of the user's actions, once its outermost
    // handler has returned (or thrown): what the action wrote is one step of
    // the document's history. It must not throw.
    void onActionEnd(std::function<void()> ended) { m_ended = std::move(ended); }

private:
    class Acting
    {
    public:
        explicit Acting(UserEvents &events) : m_events(events), m_gate(events.m_gate)
        {
            ++events.m_runs.all;
            if (m_gate.showing())
                ++events.m_runs.whileShowing;
            ++m_gate.m_acting;
        }
        ~Acting()
        {
            if (--m_gate.m_acting == 0 && m_events.m_ended)
                m_events.m_ended();
        }
        Acting(const Acting &) = delete;
        Acting &operator=(const Acting &) = delete;

    private:
        UserEvents &m_events;
        WriteGate &m_gate;
    };

    WriteGate &m_gate;
    Runs m_runs;
    std::function<void()> m_ended;
};
