// Who may change the document: only a user's action on a control, as the
// window's event dispatch runs its handler, and never while the window shows
// the document in its controls.
#pragma once

class UserEvents;

// Controls are set from code without running any handler (their handlers hang
// on signals that fire only for the user), so a write can come only from a
// user's handler. The gate states that, and the write path asks it: a write
// outside a user's action, or inside the scan or a page refresh (even one that
// a user's action runs, as "REM av/på" does), is a fault of the program.
class WriteGate
{
public:
    // True while a write may change the document.
    bool mayWrite() const { return m_acting > 0 && m_showing == 0; }
    // True while the window shows the document in its controls.
    bool showing() const { return m_showing > 0; }

    // While it lives, the window shows the document in its controls (the
    // scan, a page refresh): nothing may write.
    class Showing
    {
    public:
        explicit Showing(WriteGate &gate) : m_gate(gate) { ++m_gate.m_showing; }
        ~Showing() { --m_gate.m_showing; }
        Showing(const Showing &) = delete;
        Showing &operator=(const Showing &) = delete;

    private:
        WriteGate &m_gate;
    };

private:
    // Only the event dispatch opens the gate, for as long as a user's handler runs.
    friend class UserEvents;
    int m_acting = 0;
    int m_showing = 0;
};
