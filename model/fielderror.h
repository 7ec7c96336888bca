#pragma once

#include "field.h"

#include <optional>
#include <stdexcept>
#include <string>

// Raised when a rule meets a text it cannot use. The operation that raised it
// has changed nothing.
class FieldError : public std::runtime_error {
public:
    enum class Reason {
        NotANumber, // the text does not read as a finite number
        OutOfRange, // the result would not be a finite number
    };

    // An error in one of the town's fields.
    FieldError(Field field, Reason reason, std::string text);
    // An error in a text that is not (yet) a town field, such as the picker's chosen kind.
    FieldError(std::string name, Reason reason, std::string text);

    // The town field concerned, if it was one.
    std::optional<Field> field() const { return m_field; }
    const std::string &name() const { return m_name; }
    Reason reason() const { return m_reason; }
    // The offending text; for OutOfRange, the field's text before the failed write.
    const std::string &text() const { return m_text; }

private:
    std::optional<Field> m_field;
    std::string m_name;
    Reason m_reason;
    std::string m_text;
};
