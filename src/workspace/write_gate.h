// Who may change the document: only the user's own action on a control that
// stands for a statement, never a load, the scan or a page refresh.
#pragma once

#include <utility>

// Handlers run both for the user's action and when the program sets their
// control (the scan and the page refresh rely on that), so a handler cannot
// tell by itself whether its write was asked for. The gate knows: a user's
// action opens it for as long as that control's handler runs, with every step
// the handler calls itself (a box set back to the document's state, one
// TIMESLICE bar pulling the other), and a scan or page refresh closes it for
// as long as it runs, even inside a user's action ("REM av/på" refreshes the
// page it toggled a line on).
class WriteGate
{
public:
    // True while a write changes the document.
    bool mayWrite() const { return m_user > 0 && m_looking == 0; }

    // Runs a control's change handler: as the user's action unless the program
    // is setting a control (then as part of whatever runs now).
    template <typename F>
    void handle(F &&handler)
    {
        if (m_code > 0) {
            std::forward<F>(handler)();
        } else {
            const UserAction user(*this);
            std::forward<F>(handler)();
        }
    }

private:
    int m_user = 0;
    int m_looking = 0;
    int m_code = 0;

    // Counts itself in one of the counts above while it lives.
    template <int WriteGate::*Count>
    class Scope
    {
    public:
        explicit Scope(WriteGate &gate) : m_gate(gate) { ++(m_gate.*Count); }
        ~Scope() { --(m_gate.*Count); }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        WriteGate &m_gate;
    };

public:
    // While it lives, the user's action on a control is being handled.
    using UserAction = Scope<&WriteGate::m_user>;
    // While it lives, the program reads the document into the controls (a
    // load, the scan, a page refresh): nothing it sets off writes.
    using Looking = Scope<&WriteGate::m_looking>;
    // While it lives, the program sets a control: the handler that change sets
    // off is not a user's action of its own.
    using CodeChange = Scope<&WriteGate::m_code>;
};
