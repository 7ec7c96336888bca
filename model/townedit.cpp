#include "townedit.h"

#include "fielderror.h"
#include "numbertext.h"
#include "townstate.h"

#include <cstring>

std::string_view TownEdit::textOf(const Write &write) const
{
    if (write.spill >= 0)
        return m_spills[static_cast<std::size_t>(write.spill)];
    return {write.inlineText, write.length};
}

void TownEdit::store(Write &write, std::string_view text)
{
    // The text may be a view of another pending text, even of this one.
    if (text.size() <= Write::kInlineCapacity) {
        std::memmove(write.inlineText, text.data(), text.size());
        write.length = static_cast<std::uint8_t>(text.size());
        write.spill = -1;
    } else if (write.spill >= 0) {
        m_spills[static_cast<std::size_t>(write.spill)].assign(text);
    } else {
        // Copied before the vector may grow and move the text it views.
        std::string copy(text);
        write.spill = static_cast<std::int8_t>(m_spills.size());
        m_spills.push_back(std::move(copy));
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
    Write &write = m_writes[static_cast<std::size_t>(m_writeCount++)];
    write.field = field;
    write.length = 0;
    write.spill = -1;
    return write;
}

std::string_view TownEdit::text(Field field) const
{
    if (const Write *write = findWrite(field))
        return textOf(*write);
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
    store(writeFor(field), text);
}

void TownEdit::setNumber(Field field, double value)
{
    if (!NumberText::isWritable(value))
        throw FieldError(field, FieldError::Reason::OutOfRange, std::string(text(field)));
    char buffer[NumberText::kMaxFormattedLength];
    const int length = NumberText::formatNumberInto(value, buffer);
    store(writeFor(field), std::string_view(buffer, static_cast<std::size_t>(length)));
}

void TownEdit::commit()
{
    std::array<Field, kMaxWrites> changed{};
    int changedCount = 0;
    for (int i = 0; i < m_writeCount; ++i) {
        const Write &write = m_writes[static_cast<std::size_t>(i)];
        std::string &stored = m_town.m_texts[TownState::index(write.field)];
        const std::string_view text = textOf(write);
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
