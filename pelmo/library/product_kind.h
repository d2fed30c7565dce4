#ifndef PELMO_LIBRARY_PRODUCT_KIND_H
#define PELMO_LIBRARY_PRODUCT_KIND_H

namespace pelmo {

// The two tables of the library a part comes from. The numbers are what a chart slot's
// product kind field holds (0 there means a free slot) and what FillSelectionLists takes.
enum class ProductKind { Capacitor = 1, Inductor = 2 };

}  // namespace pelmo

#endif
