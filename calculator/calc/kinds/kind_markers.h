// Where the kind labels, their markers and the pictures stand on the four
// system pages of the calculation screen. The page pictures are drawn from
// this table (tools/pictures) and the kind picker tests the mouse against the
// same table, so a marker picks its kind exactly where it is drawn.
// All coordinates are pixels of the page; a picture's own pixel (x, y) is the
// page point (x + Left, y + Top).
#pragma once

#include <array>

namespace ovalto {

struct KindLabelPlace {
  int Code;  // the calculation kind, also the label's name after its "L"
  int Page;  // the system page 1..4 (the code's first digit 1, 2, 3 or 5)
  int Left;
  int Top;
  int Width;
};

inline constexpr int kKindLabelHeight = 26;

// A point nearer than this to a marker's centre picks the marker's kind.
inline constexpr double kKindMarkerHitRadius = 19.0;

struct KindMarkerPoint {
  int X;
  int Y;
};

// The marker sits level with the middle of its label, 18 pixels before it; the
// labels from L52121 on stand left of their markers instead. Every label name
// is "L" and five digits, so comparing codes compares the names.
constexpr KindMarkerPoint MarkerOf(const KindLabelPlace& label) {
  const int y = label.Top + kKindLabelHeight / 2;
  if (label.Code < 52121) return {label.Left - 18, y};
  return {label.Left + label.Width + 18, y};
}

// The 54 kind labels. The markers of a page stand at least two hit radii
// apart, so no point is near two of them and the order of the test never
// decides between kinds.
inline constexpr auto kKindLabelPlaces = std::to_array<KindLabelPlace>({
    {11110, 1, 122, 88, 75},  {11111, 1, 122, 129, 47}, {11112, 1, 122, 213, 65}, {11114, 1, 122, 171, 67},
    {11120, 1, 122, 291, 72}, {11121, 1, 122, 335, 47}, {11124, 1, 122, 377, 67}, {11125, 1, 122, 417, 62},
    {11210, 1, 321, 88, 75},  {11211, 1, 321, 129, 47}, {11212, 1, 321, 213, 65}, {11214, 1, 321, 171, 67},
    {11220, 1, 321, 291, 72}, {11221, 1, 321, 335, 47}, {11224, 1, 321, 377, 67}, {21111, 2, 122, 169, 47},
    {21112, 2, 122, 253, 65}, {21114, 2, 122, 212, 67}, {21121, 2, 122, 332, 47}, {21123, 2, 122, 415, 53},
    {21124, 2, 122, 375, 67}, {21211, 2, 325, 332, 47}, {21214, 2, 325, 375, 67}, {21215, 2, 325, 420, 62},
    {31111, 3, 120, 151, 47}, {31113, 3, 120, 195, 53}, {31121, 3, 120, 327, 47}, {31211, 3, 307, 151, 47},
    {31213, 3, 307, 195, 53}, {31221, 3, 307, 327, 47}, {31224, 3, 307, 369, 67}, {31226, 3, 307, 413, 56},
    {31311, 3, 492, 151, 47}, {31313, 3, 491, 195, 53}, {31321, 3, 492, 327, 47}, {31324, 3, 492, 369, 67},
    {31326, 3, 492, 413, 56}, {51111, 4, 119, 147, 47}, {51112, 4, 119, 236, 65}, {51114, 4, 118, 191, 67},
    {51121, 4, 121, 379, 47}, {51123, 4, 120, 466, 53}, {51124, 4, 121, 423, 67}, {51211, 4, 269, 147, 47},
    {51214, 4, 269, 191, 67}, {51215, 4, 269, 236, 62}, {52111, 4, 472, 147, 47}, {52112, 4, 472, 236, 65},
    {52114, 4, 472, 191, 67}, {52121, 4, 234, 379, 47}, {52123, 4, 228, 466, 53}, {52124, 4, 214, 423, 67},
    {52211, 4, 456, 381, 47}, {52214, 4, 436, 425, 67},
});

// The pictures of the pages (files of the resource prefix "/pictures"); page 1
// has one for the pipelines and one for the tanks.
struct PagePicture {
  int Page;
  int Left;
  int Top;
  int Width;
  int Height;
  const char* FileName;
};

inline constexpr auto kPagePictures = std::to_array<PagePicture>({
    {1, 1, 0, 120, 450, "page_heating_pipelines.jpg"},
    {1, 200, 0, 120, 410, "page_heating_tanks.jpg"},
    {2, 1, 0, 321, 450, "page_water_supply.jpg"},
    {3, 1, 0, 490, 450, "page_ventilation.jpg"},
    {4, 1, 0, 584, 500, "page_process.jpg"},
});

// The plain labels that name the columns and rows of a page; the pictures keep
// their places free of drawing.
struct PageCaption {
  int Page;
  int Left;
  int Top;
  const char* Text;
};

inline constexpr auto kPageCaptions = std::to_array<PageCaption>({
    {1, 48, 12, "трубопровод"},
    {1, 247, 12, "ёмкость"},
    {1, 81, 52, "в помещении"},
    {1, 283, 52, "в помещении"},
    {1, 79, 250, "на открытом воздухе"},
    {1, 280, 249, "на открытом воздухе"},
    {2, 148, 12, "трубопровод"},
    {2, 48, 80, "в помещении"},
    {2, 249, 74, "на открытом воздухе"},
    {2, 80, 137, "горячее"},
    {2, 80, 301, "холодное"},
    {2, 281, 301, "холодное"},
    {3, 44, 10, "трубопровод"},
    {3, 232, 3, "цилиндрический воздуховод"},
    {3, 417, 3, "прямоугольный воздуховод"},
    {3, 78, 81, "в помещении"},
    {3, 266, 81, "в помещении"},
    {3, 450, 81, "в помещении"},
    {3, 78, 250, "на открытом воздухе"},
    {3, 266, 250, "на открытом воздухе"},
    {3, 451, 250, "на открытом воздухе"},
    {4, 140, 11, "трубопровод"},
    {4, 488, 11, "ёмкость"},
    {4, 44, 70, "в помещении"},
    {4, 399, 70, "в помещении"},
    {4, 231, 64, "на открытом воздухе"},
    {4, 433, 333, "на открытом воздухе"},
    {4, 82, 113, "горячее"},
    {4, 435, 113, "горячее"},
    {4, 81, 345, "холодное"},
    {4, 262, 345, "холодное"},
});

}  // namespace ovalto
