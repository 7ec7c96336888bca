#include "townstate.h"

#include "fielderror.h"
#include "numbertext.h"
#include "policyfigures.h"
#include "townedit.h"

#include <stdexcept>

TownState::TownState()
{
    for (std::string &text : m_texts)
        text = "0";
    m_texts[index(Fields::totalLandValue)] = "Text29";
    for (const PolicyFigure &figure : kPolicyFigures)
        m_texts[index(figure.field)] = figure.start;
    m_texts[index(Fields::balance)] = "1000";
    m_texts[index(Fields::populationDisplay)].clear();
}

double TownState::number(Field field) const
{
    const std::string &fieldText = text(field);
    if (const auto value = NumberText::parseNumber(fieldText))
        return *value;
    throw FieldError(field, FieldError::Reason::NotANumber, fieldText);
}

void TownState::setText(Field field, std::string_view text)
{
    TownEdit edit(*this);
    edit.setText(field, text);
    edit.commit();
}

void TownState::setNumber(Field field, double value)
{
    TownEdit edit(*this);
    edit.setNumber(field, value);
    edit.commit();
}

int TownState::lotPicture(int lot) const
{
    if (!isValidLot(lot))
        throw std::out_of_range("no such lot");
    return m_lotPictures[static_cast<std::size_t>(lot - 1)];
}

void TownState::setLotPicture(int lot, int kind)
{
    if (!isValidLot(lot))
        throw std::out_of_range("no such lot");
    int &picture = m_lotPictures[static_cast<std::size_t>(lot - 1)];
    if (picture == kind)
        return;
    picture = kind;
    if (onLotPictureChanged)
        onLotPictureChanged(lot);
}
