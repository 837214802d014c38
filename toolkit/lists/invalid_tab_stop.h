#pragma once
// Raised when a tab stop text holds a piece that is no whole number. The
// message is the offending piece followed by " is an invalid tab stop".

#include <QString>
#include <stdexcept>

namespace quarvo {

class InvalidTabStop : public std::runtime_error {
public:
    explicit InvalidTabStop(const QString& piece)
        : std::runtime_error((piece + QStringLiteral(" is an invalid tab stop")).toStdString()),
          piece_(piece) {}

    QString message() const { return QString::fromStdString(what()); }
    QString piece() const { return piece_; }

private:
    QString piece_;
};

}  // namespace quarvo
