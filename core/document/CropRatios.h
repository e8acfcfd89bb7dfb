#pragma once
// The fixed proportions of the crop frame (width / height), by entry of the
// proportions list: 0 "Свободные" (none), 1 "Квадрат", 2 "Золотое сечение",
// 3 "Кино 16 : 9", 4 "Фото 10 x 15", 5 "Фото 15 x 21".
#include <optional>

namespace viramo {

std::optional<double> CropRatio(int entry, bool portrait);

}  // namespace viramo
