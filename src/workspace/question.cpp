// Asking the user before a step that cannot be undone.
#include "workspace/question.h"

#include <QCoreApplication>
#include <QPushButton>

std::unique_ptr<QMessageBox> questionBox(QWidget *parent, const Question &question)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, QCoreApplication::applicationName(), question.text,
                                             QMessageBox::NoButton, parent);
    box->setInformativeText(question.details);
    for (const Question::Button &b : question.buttons) {
        QPushButton *button = box->addButton(b.text, b.role);
        if (b.text == question.safeAnswer) {
            box->setDefaultButton(button);
            box->setEscapeButton(button);
        }
    }
    return box;
}

QString askInMessageBox(QWidget *parent, const Question &question)
{
    const std::unique_ptr<QMessageBox> box = questionBox(parent, question);
    box->exec();
    const QAbstractButton *chosen = box->clickedButton();
    return chosen ? chosen->text() : question.safeAnswer;
}
