// One row of the calibration points list as the list shows it: the texts of its five columns
// ("№ / Компонент", "Время", "MM", "K", "Alpha"; a column the list does not show has an empty text)
// and its check box. The dialog reads these from its list; the headless tool from the rows its pass
// produced.
#pragma once

#include <array>
#include <string>

struct PointsListRow {
    std::array<std::string, 5> texts;  // UTF-8
    bool checked = false;  // the point takes part in the fit
};
