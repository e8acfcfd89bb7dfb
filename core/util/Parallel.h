#pragma once
// Splits a long loop over rows into one chunk per core. Small loops run inline,
// since starting threads costs more than they save.
#include <functional>

namespace viramo {

// Calls body(first, last) over disjoint ranges covering [0, count). work is a
// rough count of pixel operations; below a threshold everything runs here.
void ParallelRows(int count, long long work, const std::function<void(int first, int last)>& body);

}  // namespace viramo
