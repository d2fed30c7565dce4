#ifndef DARVO_LIBRARY_PRODUCT_LOADER_H
#define DARVO_LIBRARY_PRODUCT_LOADER_H

#include "darvo/library/product_library.h"

#include <cstddef>
#include <string>

namespace darvo {

// The error-report title of the start-up procedure. Every failure to read the product
// files is reported under it, so the help desk knows the start stopped on the data.
inline constexpr const char* kStartFailureTitle = "darvo:mdlPublic.Main";

// Reading the product files at start, in the order the start has always read them:
// product.idx is counted, product.dat is read for that many records, then product.idx
// is read again into the table, and finally the derived values are computed under the
// notation in force at start (EIA). Each file is read whole and closed before the next.
//
// Every failure raises shared::StartFailure titled "darvo:mdlPublic.Main" with its classic
// number and a description naming the file or the part: a missing or unreadable file
// (53, 70, 75), a product.idx whose last record has fewer than six fields (62), more
// than 32767 products (6 "Overflow"), a product.dat shorter than count x 290 bytes (62,
// never zero-filled), a part without part number, or with a capacitance code that is no
// number or a rated-voltage code outside the table (13). The caller reports it and
// ends; no partly filled table is returned. The order and PartIndex are left to
// SortProducts, as the selection window sorts when it starts. The capacitance codes are
// read with decimalSeparator, the separator the program shows numbers with.
ProductLibrary LoadProducts(const std::string& programFolder, char decimalSeparator);

// The number of six-field records in product.idx, as the start's counting pass finds
// them; raises shared::RuntimeError as LoadProducts describes, without a title.
std::size_t CountProductRecords(const std::string& indexPath);

}  // namespace darvo

#endif
