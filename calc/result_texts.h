// The texts that a completed run writes into the window's labels: fixed
// Russian pieces with the figures spliced in. Their spacing is part of what
// the user sees, so every piece is given here once and to the character.
//
//   D = 1000   -> "Размер раскрыва антенны D =  1000 мм"
//   F = 363.6  -> "Фокусное расстояние         F =  363 мм"
//   G = 304.4, Gdb = 24.8 -> "К.н.д антенны  = 304 раз = 24 децибелл"
//   Y = 53.2, 85.2, ... -> "Y     53    85   120   170   208   269     381 ..."
//
// Only the aperture is written as it is (plain); every computed figure is
// floored first, so 363.63 shows as "363" and -0.5 as "-1".
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace parcyl {

inline constexpr int kProfilePoints = 12;

// The abscissas of the coordinate table, in mm along the axis.
inline constexpr std::array<int, kProfilePoints> kProfileAbscissas = {2,   5,   10,  20,  30,  50,
                                                                      100, 200, 300, 400, 500, 600};

namespace result_text {

inline constexpr std::string_view kValuesHeading = "Размеры антенны";
inline constexpr std::string_view kAperturePrefix = "Размер раскрыва антенны D =  ";
inline constexpr std::string_view kFocalLengthPrefix = "Фокусное расстояние         F =  ";
inline constexpr std::string_view kDepthPrefix = "Глубина рефлектора          H =  ";
inline constexpr std::string_view kWavelengthPrefix = "Длина рабочей волны         L =  ";
inline constexpr std::string_view kAreaPrefix = "Площадь полотна антенны S =  ";
inline constexpr std::string_view kDirectivityPrefix = "К.н.д антенны  = ";
inline constexpr std::string_view kDirectivityMiddle = " раз = ";
inline constexpr std::string_view kDirectivitySuffix = " децибелл";
inline constexpr std::string_view kMillimetres = " мм";
inline constexpr std::string_view kCentimetres = " см";
inline constexpr std::string_view kSquareCentimetres = " кв. см";

inline constexpr std::string_view kTableHeading = "Координаты точек для построения параболы";
inline constexpr std::string_view kPointNumbersRow =
    "      1     2     3     4     5      6       7       8        9      10      11     12";
inline constexpr std::string_view kAbscissaRow =
    "X    2     5   10   20   30   50    100   200   300  400    500    600";
inline constexpr std::string_view kFootnote = "Все размеры в миллиметрах";

// The Y row: "Y", five spaces, then each floored ordinate after a fixed gap.
// The gaps do not follow the widths of the figures, so a wide figure pushes
// the rest of the row to the right.
inline constexpr std::string_view kOrdinateRowStart = "Y     ";
inline constexpr std::array<int, kProfilePoints - 1> kOrdinateGaps = {4, 3, 3, 3, 3, 5, 5, 6, 4, 5, 6};

}  // namespace result_text

// "Размер раскрыва антенны D =  " + the aperture as it is + " мм"
std::string ApertureText(double aperture);
// prefix + floored value + suffix, for F, H, L and S.
std::string FlooredValueText(std::string_view prefix, double value, std::string_view suffix);
// "К.н.д антенны  = " + floored G + " раз = " + floored Gdb + " децибелл"
std::string DirectivityText(double ratio, double decibels);
std::string OrdinateRowText(const std::array<double, kProfilePoints>& ordinates);

}  // namespace parcyl
