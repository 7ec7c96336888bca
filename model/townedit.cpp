#include "townedit.h"

#include "fielderror.h"
#include "numbertext.h"
#include "townstate.h"

#include <cstring>
#include <stdexcept>

void TownEdit::Write::assign(std::string_view text)
{
    if (text.size() <= kInlineCapacity) {
        std::memcpy(m_inline, text.data(), text.size());
        m_length = static_cast<std::uint8_t>(text.size());
        m_spill.reset();
    } else if (m_spill) {
        m_spill->assign(text);
    } else {
        m_spill = std::make_unique<std::string>(text);
    }
}

TownEdit::TownEdit(TownState &town)
    : m_town(town)
{
}

const TownEdit::Write *TownEdit::findWrite(Field field) const
{
    for (int i = 0; i < m_writeCount; ++i) {
        if (m_writes[static_cast<std::size_t>(i)].field == field)
            return &m_writes[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

TownEdit::Write &TownEdit::writeFor(Field field)
{
    if (const Write *existing = findWrite(field))
        return const_cast<Write &>(*existing);
    if (m_writeCount == kMaxWrites)
        throw std::logic_error("TownEdit: too many fields in one edit");
    Write &write = m_writes[static_cast<std::size_t>(m_writeCount++)];
    write.field = field;
    return write;
}

std::string_view TownEdit::text(Field field) const
{
    if (const Write *write = findWrite(field))
        return write->text();
    return m_town.text(field);
}

double TownEdit::number(Field field) const
{
    const std::string_view fieldText = text(field);
    if (const auto value = NumberText::parseNumber(fieldText))
        return *value;
    throw FieldError(field, FieldError::Reason::NotANumber, std::string(fieldText));
}

void TownEdit::setText(Field field, std::string_view text)
{
    writeFor(field).assign(text);
}

void TownEdit::setNumber(Field field, double value)
{
    if (!NumberText::isWritable(value))
        throw FieldError(field, FieldError::Reason::OutOfRange, std::string(text(field)));
    char buffer[NumberText::kMaxFormattedLength];
    const int length = NumberText::formatNumberInto(value, buffer);
    writeFor(field).assign(std::string_view(buffer, static_cast<std::size_t>(length)));
}

void TownEdit::commit()
{
    std::array<Field, kMaxWrites> changed{};
    int changedCount = 0;
    for (int i = 0; i < m_writeCount; ++i) {
        const Write &write = m_writes[static_cast<std::size_t>(i)];
        std::string &stored = m_town.m_texts[TownState::index(write.field)];
        const std::string_view text = write.text();
        if (stored == text)
            continue;
        stored.assign(text);
        changed[static_cast<std::size_t>(changedCount++)] = write.field;
    }
    m_writeCount = 0;
    if (!m_town.onFieldChanged)
        return;
    for (int i = 0; i < changedCount; ++i)
        m_town.onFieldChanged(changed[static_cast<std::size_t>(i)]);
}
