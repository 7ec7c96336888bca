#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The forty named fields that hold the town's numbers as text, by the names
// of the main-window controls that carry them.
enum class Field : std::uint8_t {
    Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10,
    Text11, Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20,
    Text21, Text22, Text23, Text24, Text25,
    Text26, // housing total
    Text27, // commerce total
    Text28, // industry total
    Text29, // total land value
    Text30, // population
    Text31, // gross domestic product
    // The policy figures and spares: model/policyfigures.h names the fields
    // its figures use, and Text33, the expenditure, never changes.
    Text32, Text33, Text34, Text35, Text36, Text37,
    Label12, // balance
    Label14, // population display
    Label23, // year counter
};

inline constexpr int kFieldCount = static_cast<int>(Field::Label23) + 1;
inline constexpr int kLotCount = 25;

// Named roles, so that the rules read as accounts rather than as control numbers.
namespace Fields {
inline constexpr Field housingTotal = Field::Text26;
inline constexpr Field commerceTotal = Field::Text27;
inline constexpr Field industryTotal = Field::Text28;
inline constexpr Field totalLandValue = Field::Text29;
inline constexpr Field population = Field::Text30;
inline constexpr Field grossDomesticProduct = Field::Text31;
inline constexpr Field expenditure = Field::Text33;
inline constexpr Field balance = Field::Label12;
inline constexpr Field populationDisplay = Field::Label14;
inline constexpr Field yearCounter = Field::Label23;
} // namespace Fields

constexpr int fieldIndex(Field field) { return static_cast<int>(field); }

// The land value field of lot 1..25.
constexpr Field lotField(int lot) { return static_cast<Field>(lot - 1); }

constexpr bool isValidLot(int lot) { return lot >= 1 && lot <= kLotCount; }

// The control name of a field, such as "Text29" or "Label12".
std::string_view fieldName(Field field);

// The field with the given control name, if there is one.
std::optional<Field> fieldNamed(std::string_view name);
