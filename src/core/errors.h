// The error value raised inside a handler and caught once at its edge, where it is
// shown as "Error #<number>: <description>". Numbers follow a small fixed table.
#pragma once

#include <QString>
#include <exception>

namespace mw {

enum ErrorNumber : int {
    kErrInvalidArgument = 5,
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrSubscript = 9,
    kErrTypeMismatch = 13,
    kErrFileNotFound = 53,
    kErrPermissionDenied = 70,
    kErrPathAccess = 75,
};

class ModError : public std::exception {
public:
    ModError(int number, QString description)
        : number_(number)
        , description_(std::move(description))
    {
    }
    int number() const { return number_; }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return "musterwright error"; }

private:
    int number_;
    QString description_;
};

// "Error #13: Type mismatch: ..." as every handler reports a failure.
QString errorReportText(const ModError& error);

} // namespace mw
