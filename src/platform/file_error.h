// The error of a file operation: carries the DOS path and the cause in one message.
#pragma once

#include <QString>

#include <stdexcept>

class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }

    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A cause in Norwegian for the system's error text as Qt reports it ("No space
// left on device"); an unknown one keeps the system's text in parentheses.
QString fileErrorCause(const QString &systemText);
