// The error of a file operation: carries the DOS path and the cause in one message.
#pragma once

#include <QFileDevice>
#include <QString>

#include <stdexcept>

class FileError : public std::runtime_error
{
public:
    // What kind of failure it is, for callers that treat some apart: a check
    // reports a name it may not look at as not checked rather than missing.
    enum class Kind {
        Failed,       // the operation failed; the message tells why
        Unmapped,     // the path's drive has no folder
        NotADrive,    // the character before ':' is no drive letter A-Z
        OutsideDrive, // the real location (links followed) lies outside the drive's folder
        DriveChanged, // the drive's folder is no longer the one it was when the file was read
        ProgramFile,  // the path is, or leads to, another of the program's own files
    };

    explicit FileError(const QString &message, Kind kind = Kind::Failed)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind)
    {
    }

    const QString &message() const { return m_message; }
    Kind kind() const { return m_kind; }
    // True when the path cannot be looked at on its drive at all: no folder
    // for the drive, no drive letter, or a real location outside the drive.
    bool isUnreachable() const
    {
        return m_kind == Kind::Unmapped || m_kind == Kind::NotADrive || m_kind == Kind::OutsideDrive;
    }
    // The same error as a refusal of `what` ("Kan ikke skrive"): `what` goes
    // in front of the message. An unmapped drive's message stands alone, as
    // it tells how to map the drive.
    FileError refusing(const QString &what) const
    {
        return m_kind == Kind::Unmapped ? *this : FileError(what + u' ' + m_message, m_kind);
    }

private:
    QString m_message;
    Kind m_kind;
};

// The cause in Norwegian of a failed call, from its error number (errno, taken
// right where the call failed). Where no number is known (0), Qt's kind of
// error `fallback` says what it can. An error number without a Norwegian text
// keeps the system's own text in parentheses, so nothing is hidden.
QString fileErrorCause(int errorCode, QFileDevice::FileError fallback = QFileDevice::NoError);
