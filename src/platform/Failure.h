#pragma once

#include <QString>
#include <exception>
#include <string>

// A run-time failure with a number and a description, the two things the error
// log reports. Numbers follow the classic run-time error numbers users of chat
// clients know from error logs ("9 - Subscript out of range" and so on).
class Failure : public std::exception {
public:
    enum Number : int {
        InvalidCall = 5,
        Overflow = 6,
        OutOfRange = 9,
        TypeMismatch = 13,
        FileNotFound = 53,
        FileExists = 58,
        PathAccess = 75,
        PathNotFound = 76,
        ObjectMissing = 91,
        ProtocolData = 1001,
    };

    Failure(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

// Number and description of the exception being handled (number 0 and an
// empty description when none is).
struct CurrentError {
    int number = 0;
    QString description;
    static CurrentError fromCurrentException();
};
