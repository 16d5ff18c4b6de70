#pragma once

namespace tv {

// What every results browser shares: which column the last sort used, and
// whether the browser shows the filtered set of tmp.tvw.
struct BrowserState {
    int sortColumn = 0;
    bool filterMode = false;
};

} // namespace tv
