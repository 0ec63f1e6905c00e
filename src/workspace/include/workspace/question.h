// Asking the user before a step that cannot be undone: a question, its
// buttons, and the one that answers it when the user only presses Enter or Esc.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

struct Question
{
    struct Button
    {
        QString text;
        QMessageBox::ButtonRole role;
    };

    QString text;
    // Shown below the question; may be empty.
    QString details;
    std::vector<Button> buttons;
    // The answer of Enter and of Esc: the choice that loses nothing.
    QString safeAnswer;
};

// Asks `question` on `parent` and returns the text of the button chosen. The
// window asks through one; tests give one that answers at once, so that no
// modal box ever blocks them.
using Asker = std::function<QString(QWidget *parent, const Question &question)>;

// The standard message box, waiting for the user's answer.
QString askInMessageBox(QWidget *parent, const Question &question);

// That box, not yet shown.
std::unique_ptr<QMessageBox> questionBox(QWidget *parent, const Question &question);

// Asks on one window: in a message box, or through the asker a test gives.
class QuestionAsker
{
public:
    explicit QuestionAsker(QWidget *window) : m_window(window) {}

    // The text of the button chosen.
    QString ask(const Question &question) const { return m_asker(m_window, question); }
    void setAsker(Asker asker) { m_asker = std::move(asker); }

private:
    QWidget *const m_window;
    Asker m_asker = askInMessageBox;
};
