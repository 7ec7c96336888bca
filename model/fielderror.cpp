#include "fielderror.h"

namespace {

std::string describe(const std::string &name, FieldError::Reason reason, const std::string &text)
{
    if (reason == FieldError::Reason::NotANumber)
        return name + " does not hold a number: \"" + text + "\"";
    return name + " would leave the range of numbers";
}

} // namespace

FieldError::FieldError(Field field, Reason reason, std::string text)
    : FieldError(std::string(fieldName(field)), reason, std::move(text))
{
    m_field = field;
}

FieldError::FieldError(std::string name, Reason reason, std::string text)
    : std::runtime_error(describe(name, reason, text))
    , m_name(std::move(name))
    , m_reason(reason)
    , m_text(std::move(text))
{
}
